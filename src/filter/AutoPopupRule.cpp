#include "filter/AutoPopupRule.h"

#include "base/LinkLike.h"

namespace lumbrel {

std::optional<double> AutoPopupRule::Elapsed(int64_t now, int64_t stamp, int64_t frequency) {
    if (stamp == 0 || frequency <= 0)
        return std::nullopt;
    return static_cast<double>(now - stamp) / static_cast<double>(frequency);
}

namespace {

using Kind = NewWindowDecision::Kind;

// Whether the window follows the user's doing; may change the opener's state in `decision`.
bool FollowsTheUser(const AutoPopupSettings& settings, const OpenerState& opener,
                    NewWindowDecision& decision) {
    if (opener.counterFrequency <= 0)
        return true;
    // No click at all is as old as a click can be.
    const std::optional<double> sinceClick =
        AutoPopupRule::Elapsed(opener.counterNow, opener.leftClickTime, opener.counterFrequency);
    const double bound = settings.popupBound;
    int progress = opener.progress;

    std::string link;
    const bool lateClick = sinceClick && *sinceClick > bound && *sinceClick < 4.0;
    if ((lateClick && opener.leftClickArmed) || progress == -1) {
        // A page the program navigated that the engine is loading counts as loading. Any
        // other page, finished ones (progress below 0) included, is asked for the link.
        if (progress < 0 && opener.busy) {
            progress = 0;
            decision.newProgress = 0;
        } else if (opener.linkAtLeftClick) {
            link = opener.linkAtLeftClick();
        }
    }
    if (opener.leftClickArmed) {
        if (sinceClick && *sinceClick >= 0 && *sinceClick <= bound)
            return true;
        if (IsLinkLike(link) || progress == -1)
            return true;
    }
    switch (opener.lastButton) {
        case LastButton::LeftOrOther:
            return false;
        case LastButton::ProgramScript:
            decision.clearProgramScript = true;
            return true;
        case LastButton::Right:
            break;
    }
    if (!settings.filterRefresh)
        return true;
    return opener.linkAtLastClick && IsLinkLikeOrScript(opener.linkAtLastClick());
}

}  // namespace

NewWindowDecision AutoPopupRule::Decide(const AutoPopupSettings& settings,
                                        const OpenerState& opener) {
    NewWindowDecision decision;
    if (!settings.killPop || !settings.killAutoWin)
        return decision;
    if (opener.closing) {
        decision.kind = Kind::RefuseUncounted;
        return decision;
    }
    if (FollowsTheUser(settings, opener, decision))
        return decision;
    // Logged windows are made and judged at their first navigation, where their address is
    // known.
    decision.kind = settings.outputSaveFilter ? Kind::AllowAndJudge : Kind::Refuse;
    return decision;
}

}  // namespace lumbrel
