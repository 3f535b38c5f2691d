#include "filter/LocalUrl.h"

#include "base/DbcsText.h"

namespace lumbrel {

std::string NormalizeLocalUrl(const CodePage& cp, std::string_view text) {
    if (FindChar(cp, text, ':') != 1)
        return std::string(text);
    return "file:///" + ReplaceChar(cp, text, '\\', '/');
}

}  // namespace lumbrel
