// Text placed inside a single-quoted string of a script the program runs in a page. Any
// text the user enters must come out of the script exactly as entered, and must not end the
// string, the line or the script element around it.
#pragma once

#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

// `text` escaped for the inside of '...': backslash, quotes and line ends get their escapes,
// and "</" becomes "<\/" so that no "</script" closes an element holding the script. Double-
// byte characters are left whole, whatever their trail byte.
std::string EscapeForScriptString(const CodePage& cp, std::string_view text);

}  // namespace lumbrel
