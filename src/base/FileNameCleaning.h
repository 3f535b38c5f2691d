// Turning page titles, addresses and selected text into names a file can have.
//
// The forbidden characters are those Windows refuses in a file name, plus CR and LF:
// \ / : * ? " < > | CR LF. The walk keeps double-byte characters whole: a GBK or Shift-JIS
// trail byte can be 0x5C ("\") or 0x7C ("|"), and replacing it would tear the character
// and leave a stray lead byte in the name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

bool IsForbiddenFileNameChar(char c);

// Position of the first forbidden character; npos when there is none.
size_t FindForbiddenFileNameChar(const CodePage& cp, std::string_view text);

// `text` with every forbidden character replaced by "_".
std::string CleanFileName(const CodePage& cp, std::string_view text);

// The name proposed when a text is saved to a file: the text up to its first forbidden
// character; the whole text when it has none; when the very first character is forbidden,
// the whole text cleaned.
std::string ProposedFileName(const CodePage& cp, std::string_view text);

}  // namespace lumbrel
