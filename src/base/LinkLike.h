// Whether a text reads as an address rather than as words: the test behind the popup checks,
// the mouse actions on links, the default file name of a saved page and the input box's
// address mode.
//
// The prefixes are compared with case, as the engine reports addresses in lower case; a text
// the user typed as "HTTP://..." is not taken as an address here.
#pragma once

#include <string_view>

namespace lumbrel {

// True when `text` begins with "http://", "file://", "https://", "www.", "ftp://", "ftp." or
// "res://", is exactly "about:blank", or is a drive letter and ":" followed by the end, "/"
// or "\" ("C:", "C:\dir", "d:/x").
bool IsLinkLike(std::string_view text);

// IsLinkLike, or begins with "javascript:" or "vbscript:": the wider form the popup filter
// accepts for a link under a right click.
bool IsLinkLikeOrScript(std::string_view text);

}  // namespace lumbrel
