// The text of a menu item made from a page title (undo-close list, favorites menus): long
// titles are cut so menus keep a sane width.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

// The default of the "MenuSize" setting, in bytes.
inline constexpr size_t kDefaultMenuSize = 50;

// A title of at most `menuSize` bytes comes back unchanged. A longer one is cut to at most
// `menuSize` bytes, never inside a double-byte character, and "..." is appended.
//
// The cut walks the lead bytes from the start. Counting the bytes with the high bit set
// before the cut and dropping one more when the count is odd is not enough: a GBK trail
// byte can be below 0x80 ("\x81\x40"), so that count can be even with a character torn.
std::string ShortenMenuTitle(const CodePage& cp, std::string_view title,
                             size_t menuSize = kDefaultMenuSize);

}  // namespace lumbrel
