// The pop-up menus of dragged images, links and text, as data. The binding builds them at the
// cursor and translates them with the language sections below; the text menu's "All &Search"
// lists the search engines, one command per engine from IDM_DRAG_SEARCH_ENGINE_FIRST.
#pragma once

#include <string>
#include <vector>

#include "commands/MenuModel.h"
#include "mouse/DragActions.h"

namespace lumbrel {

inline constexpr const char* kDragImageMenuSection = "MenuDragImage";
inline constexpr const char* kDragLinkMenuSection = "MenuDragLink";
inline constexpr const char* kDragTextMenuSection = "MenuDragText";

const MenuItems& DragImageMenu();
// The "Add to &Group" submenu carries MenuRole::AddToGroup and is filled by the groups' owner.
const MenuItems& DragLinkMenu();
// `engines`: the search engines' menu for dragged text (SearchEngineList::BuildMenu(true)),
// separators and range limits already applied there.
MenuItems DragTextMenu(MenuItems engines);

// The menu of `kind` and its language section.
MenuItems DragMenuFor(DragKind kind, MenuItems engines);
const char* DragMenuSection(DragKind kind);

}  // namespace lumbrel
