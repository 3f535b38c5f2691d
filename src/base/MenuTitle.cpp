#include "base/MenuTitle.h"

#include "base/DbcsText.h"

namespace lumbrel {

std::string ShortenMenuTitle(const CodePage& cp, std::string_view title, size_t menuSize) {
    if (title.size() <= menuSize)
        return std::string(title);
    std::string shortened(CutToBytes(cp, title, menuSize));
    shortened += "...";
    return shortened;
}

}  // namespace lumbrel
