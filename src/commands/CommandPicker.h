// Names of main-menu commands for the places where the user picks or sees a command by name:
// the command box of the mouse and gesture options (BuildCommandPicker), the gesture line of
// the status bar and the confirmation of page-script commands (MenuCommandText).
//
// Both follow the active language: texts come from the "MenuMain" section when it has them.
#pragma once

#include <string>
#include <vector>

#include "commands/MenuModel.h"
#include "platform/MenuSurface.h"

namespace lumbrel {

class Language;

struct CommandChoice {
    std::string text;  // "Window \ Undo Close \ Undo Recently Close"
    int id = 0;
};

// True for ids of the menus rebuilt from lists (groups, closed windows, favorites folders,
// search engines): the picker stops walking a menu at the first of them.
bool EndsCommandWalk(int id);

// The command box list: "None" (id 0) first, then every command item of `mainMenu` named by
// its enclosing submenus and its own text, joined by " \ ", without "&" and shortcut texts.
// While a language file is active, submenu names come from "MenuMain" by position path.
std::vector<CommandChoice> BuildCommandPicker(MenuSurface& mainMenu, const Language& language);

// The display text of command `id` in `mainMenu` (translated through "MenuMain" while a
// language file is active) without "&" and cut at the first tab; "None" for id 0 and ""
// for an id the menu does not have.
std::string MenuCommandText(const MenuItems& mainMenu, int id, const Language& language);

}  // namespace lumbrel
