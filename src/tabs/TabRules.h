// The tab bar's arithmetic, free of any window: the width of fixed-width tabs, the height of
// the tab band, and what a tab shows for a page title.
#pragma once

#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

// `TabStyle`: how the bar looks.
enum class TabLook : int { Normal = 0, Flat = 1, Buttons = 2 };

// The row height used while no tab has a rectangle yet.
inline constexpr int kDefaultTabHeight = 19;

// The width of fixed-width tabs (`AutoTab`) for `count` tabs on a bar `barWidth` pixels wide,
// kept within [`minWidth`, `maxWidth`]: buttons need 11 pixels of their own each, the other
// styles share 5 pixels of the bar. No tabs: the maximum.
int AutoTabWidth(TabLook look, int barWidth, int count, int minWidth, int maxWidth);

// The tab band's height for `rows` rows of tabs `itemHeight` high (at least one row).
int TabBandHeight(TabLook look, int rows, int itemHeight);

// What a tab shows.
struct TabTextOptions {
    bool showIndex = true;  // "3-title"
    int tabSize = 20;       // characters of the title at most (a double-byte one counts once)
    bool showDot = true;    // a cut title ends with "..."
};

// The text of the tab at `index` for the page title `title` ("about:blank" when empty): the
// title cut to `tabSize` characters, never inside a double-byte character, then numbered.
std::string TabText(const CodePage& cp, std::string_view title, int index,
                    const TabTextOptions& options);

// Actions of a double, middle or Ctrl+right click on a tab (`AllowDBC`, `AllowMC`,
// `AllowRC`); any other value does nothing.
enum class TabAction : int {
    None = 0,
    Close = 1,
    SaveAs = 2,
    SaveHtml = 3,
    AutoSave = 4,
    ToggleLock = 5,
    Refresh = 6,
    SortSave = 7,
};
TabAction TabActionOf(int setting);

// The width of the image area at a tab's left edge: a press there may close the tab.
inline constexpr int kTabImageArea = 15;

}  // namespace lumbrel
