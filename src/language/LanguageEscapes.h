// The two-character escapes of language files: backslash followed by "r", "n" or "t" stands
// for a carriage return, line feed or tab, which an INI line cannot hold.
//
// Used by the language layer (Language, the menu and dialog translators). With a code page
// given, a backslash that is the second byte of a double-byte character is text, not an
// escape: GBK has such characters, and a translation must survive them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumbrel {

class CodePage;

// Replaces every escape whose letter is in `letters` ("rn", "t", ...) by its control
// character; other backslashes stay as they are.
std::string ExpandEscapes(std::string_view text, std::string_view letters,
                          const CodePage* codePage);

// Cuts `text` at every backslash-n escape. "a\nb" gives {"a", "b"}; "" gives {""}.
std::vector<std::string> SplitAtLineEscapes(std::string_view text, const CodePage* codePage);

}  // namespace lumbrel
