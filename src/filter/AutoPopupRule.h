// Whether a window a page asks for (the engine's NewWindow2) follows a real user click or
// is an automatic popup. A left press within the click bound lets it open; a later one only
// when it was on a link; a page still loading after the program navigated it may open one;
// a window the program's own script opens is allowed once; after a right press, with
// "FilterRefresh", only a press on a link or a script link lets it open.
//
// Times come from the monotonic 64-bit counter: a stamp of 0 means no click at all, and no
// stamp reads as recent by wrapping around. The caller (the popup filter) gathers what the
// opener view knows, applies the changes the answer asks of it and makes the window.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "view/ViewState.h"

namespace lumbrel {

struct AutoPopupSettings {
    bool killPop = true;
    bool killAutoWin = true;
    bool filterRefresh = false;
    bool outputSaveFilter = true;  // "Collector" OutputSaveFilter
    double popupBound = 1.2;       // seconds
};

// What the rule reads of the opener view. The links are looked up only when needed (they
// walk the page's document).
struct OpenerState {
    bool closing = false;
    int64_t counterNow = 0;
    int64_t counterFrequency = 0;  // 0: the counter is unusable
    int64_t leftClickTime = 0;     // 0: no left press
    bool leftClickArmed = false;
    int progress = 0;
    bool busy = false;
    LastButton lastButton = LastButton::LeftOrOther;
    std::function<std::string()> linkAtLeftClick;  // the link under the last left press
    std::function<std::string()> linkAtLastClick;  // the link under the last press of any button
};

struct NewWindowDecision {
    enum class Kind {
        Allow,            // make the window
        AllowAndJudge,    // make it, and judge its first navigation as an automatic popup
        Refuse,           // count it, play the sound; nothing opens
        RefuseUncounted,  // the opener is closing
    };
    Kind kind = Kind::Allow;
    // Changes the rule makes to the opener.
    std::optional<int> newProgress;
    bool clearProgramScript = false;  // lastButton back to 0: the script's one window is used
};

class AutoPopupRule {
public:
    static NewWindowDecision Decide(const AutoPopupSettings& settings, const OpenerState& opener);
    // Seconds since `stamp` on the counter; nothing for no stamp or an unusable counter.
    static std::optional<double> Elapsed(int64_t now, int64_t stamp, int64_t frequency);
};

}  // namespace lumbrel
