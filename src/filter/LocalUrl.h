// Local paths as the filter lists and the views compare them: a drive path ("C:\dir\a.htm")
// becomes the file address the engine shows for it ("file:///C:/dir/a.htm").
#pragma once

#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

// When the first ":" of `text` is its second character, "file:///" and the text with every
// "\" made "/" (a "\" inside a double-byte character stays); any other text unchanged.
std::string NormalizeLocalUrl(const CodePage& cp, std::string_view text);

}  // namespace lumbrel
