// The window list's arithmetic, free of any window: where a new tab goes, which tab stays
// selected, which window becomes active when one closes, and the cleaning of a URL that asks
// for a new window.
#pragma once

#include <string>
#include <string_view>

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

// `CloseSequence` after the tab at `removed` was deleted; `remaining` windows are left and
// `opener` is the closing view's opener index (-1 when none). Returns -1 for no choice.
int NextAfterClose(int closeSequence, int removed, int remaining, int opener, bool activeNew);

// Previous and next window, wrapping around.
int PreviousWindowIndex(int selected, int count);
int NextWindowIndex(int selected, int count);

// Blanks trimmed on both sides and every carriage return and line feed removed.
std::string CleanRequestedUrl(std::string_view url);

// A script or mail address never gets a window of its own.
bool HasRefusedScheme(std::string_view url);

// "name.com" and "name.com.cn" become "www.name.com…"; anything with a scheme, a path after
// the name or another top-level domain stays as typed.
std::string ApplyWwwRule(const std::string& url);

}  // namespace lumbrel
