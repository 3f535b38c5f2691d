// The status-bar line shown while a gesture is drawn: "Gesture: RD => Close".
#pragma once

#include <string>
#include <string_view>

#include "commands/MenuModel.h"

namespace lumbrel {

class Language;

// `letters` as drawn, then the name of `command` in `mainMenu` ("None" for 0). While a
// language file is active the letters are shown in its words for up, down, left and right.
std::string GestureStatusText(std::string_view letters, int command, const MenuItems& mainMenu,
                              const Language& language);

// The letters of a gesture in the active language, for the status line and the letter buttons.
std::string TranslateGestureLetters(std::string_view letters, const Language& language);

}  // namespace lumbrel
