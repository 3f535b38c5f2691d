#include "tabs/TabRules.h"

#include <algorithm>

#include "base/DbcsText.h"

namespace lumbrel {
namespace {

constexpr const char* kBlankTitle = "about:blank";
constexpr const char* kEllipsis = "...";

}  // namespace

int AutoTabWidth(TabLook look, int barWidth, int count, int minWidth, int maxWidth) {
    if (count <= 0)
        return maxWidth;
    const int candidate = look == TabLook::Buttons ? barWidth / count - 11 : (barWidth - 5) / count;
    // The maximum wins over a minimum set above it, as the two tests are made in that order.
    if (candidate > maxWidth)
        return maxWidth;
    return std::max(candidate, minWidth);
}

int TabBandHeight(TabLook look, int rows, int itemHeight) {
    rows = std::max(rows, 1);
    switch (look) {
        case TabLook::Buttons:
            return rows > 1 ? rows * (itemHeight + 3) : itemHeight;
        case TabLook::Flat:
            return rows * itemHeight + 4;
        case TabLook::Normal:
        default:
            return rows * itemHeight + 5;
    }
}

std::string TabText(const CodePage& cp, std::string_view title, int index,
                    const TabTextOptions& options) {
    if (title.empty())
        title = kBlankTitle;
    const size_t limit = static_cast<size_t>(std::max(options.tabSize, 0));
    std::string text(CutToChars(cp, title, limit));
    if (text.size() < title.size() && options.showDot)
        text += kEllipsis;
    return options.showIndex ? std::to_string(index + 1) + "-" + text : text;
}

TabAction TabActionOf(int setting) {
    return setting >= 1 && setting <= 7 ? static_cast<TabAction>(setting) : TabAction::None;
}

}  // namespace lumbrel
