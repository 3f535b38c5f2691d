// The state one browser view keeps about its window and its page, grouped by what it is for.
// The view's handlers and its policy parts read and write it; the main frame reads it through
// the view's accessors.
#pragma once

#include <cstdint>
#include <string>

#include "platform/BrowserControl.h"
#include "platform/FrameWindow.h"

namespace lumbrel {

// Tab images (indices into the tab bar's image list).
enum TabImage : int {
    kTabNoImage = -1,
    kTabNew = 0,
    kTabLocked = 4,
    kTabUnread = 5,
    kTabProtected = 6,
    kTabSaved = 7,
    kTabRead = 9,
    kTabMarked = 10,
};

// `progress` while no load is under way: right after the program started a navigation, and
// when the engine reports no measurable progress or the load is over.
inline constexpr int kProgressStarted = -1;
inline constexpr int kProgressIdle = -10;

// `pendingOpenMode` bit 1: the next link opens in a new window (the other bits are the
// window's open flags: foreground 2, background 4, other side 8).
inline constexpr int kOpenLinkInNewWindow = 1;

// Which button the click record saw last.
enum class LastButton : int {
    LeftOrOther = 0,
    Right = 1,
    ProgramScript = 2,  // the program itself runs a script in the page
};

struct PagePoint {
    int x = 0, y = 0;
};

// What the view knows about the navigation in progress and the page it has.
struct NavigationState {
    std::string currentUrl;  // of the latest navigation event
    std::string lastUrl;     // the page the view considers loaded
    // The user accepted a spoofing address: the view's location is `lastUrl`, not what the
    // engine shows.
    bool locationOverride = false;
    // The top-level document whose load is under way; null when none is (compared only).
    FrameToken topFrameDisp = nullptr;
    std::string targetName;  // the frame name this window was opened for
    std::string title;       // the last non-empty title
    int progress = kProgressStarted;
};

// The clicks in the page, which tell a link the user followed from a page's own doing.
struct ClickRecord {
    int64_t leftClickTime = 0;  // performance counter; 0 = none
    int64_t rightClickTime = 0;
    LastButton lastButton = LastButton::LeftOrOther;
    PagePoint leftClickPoint;
    PagePoint lastClickPoint;     // of the last press of any button
    bool leftClickArmed = false;  // a left press since the view last opened a window
};

// How the window came to be and how its navigations may open windows.
struct WindowOpeningState {
    bool programmaticNav = true;  // the next navigation was started by the program
    bool firstNavPending = true;  // hidden, no tab yet
    int pendingOpenMode = 0;      // kOpenLinkInNewWindow | open flags, for the next link
    std::string justOpenedUrl;    // handed to a new window a moment ago
    bool openedByPage = false;
    ChildId opener = kNoChild;  // the window whose page opened this one
    bool activeView = false;
    bool activatePending = false;  // reused for a new address: activate at its navigation
    bool checkPopupAfterNav = false;
    int dupCheckBudget = 0;
    bool popupKilled = false;
    std::string killedUrl;
    bool closing = false;
    bool forbidNavigate = false;
    bool externalRunDone = false;
};

// What the window shows about its page.
struct PageState {
    bool secure = false;
    int tabImage = kTabNoImage;
    int savedTabImage = kTabNoImage;
    int fontSize = 2;  // 0 largest … 4 smallest
    // The next "Auto Save" files the page by the sort-save rules.
    bool sortSave = false;
};

}  // namespace lumbrel
