// The window list's arithmetic, free of any window: where a new tab goes, which tab stays
// selected, which window becomes active when one closes, and the cleaning
// of a URL that asks for a new window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace lumbrel {

// The page of an empty window.
inline constexpr const char* kAboutBlank = "about:blank";

// Open-flag bits of a browser window.
inline constexpr int kOpenForeground = 2;
inline constexpr int kOpenBackground = 4;
inline constexpr int kOpenOtherSide = 8;  // insert on the other side of the current tab

// `NewSequence`: 0 append, 1 right of the current, 2 left of it; another value keeps
// `requested`. `current` is the selected tab (may be -1), `count` the tabs before insertion.
int TabInsertPosition(int newSequence, int count, int current, int openFlags, int requested);

// The tab to select after inserting at `inserted` when the new window is not active: the
// previously selected window keeps the selection.
int SelectionAfterBackgroundInsert(int current, int inserted);

// The window to activate after the tab at `removed` was deleted. `closing` holds, for each
// remaining window in tab order, whether a close request is already on its way to it: such a
// window is never chosen. `opener` is the index of the closing window's opener (-1 when none
// or gone), taken first when `activeNew` is on. Otherwise `CloseSequence`: 0 the last window,
// 1 the right neighbour (the window now at `removed`), 2 the left neighbour; when that one is
// closing, the nearest other in the same direction, then in the other. Any other sequence,
// or no window left that is not closing: -1.
int NextAfterClose(int closeSequence, int removed, const std::vector<bool>& closing, int opener,
                   bool activeNew);

// Previous and next window, wrapping around.
int PreviousWindowIndex(int selected, int count);
int NextWindowIndex(int selected, int count);

// Blanks trimmed on both sides and every carriage return and line feed removed.
std::string CleanRequestedUrl(const CodePage& cp, std::string_view url);

// A script or mail address never gets a window of its own.
bool HasRefusedScheme(std::string_view url);

// "name.com" and "name.com.cn" become "www.name.com…"; anything with a scheme, a path after
// the name or another top-level domain stays as typed.
std::string ApplyWwwRule(const CodePage& cp, const std::string& url);

}  // namespace lumbrel
