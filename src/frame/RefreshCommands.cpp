#include "frame/RefreshCommands.h"

#include "frame/CMainFrame.h"
#include "language/StringIds.h"
#include "view/AutoRefresh.h"

namespace lumbrel {

void RefreshCommands::Toggle(ChildId subject) {
    CChildFrame* child = frame_.Windows().Find(subject);
    if (!child)
        return;
    // Windows switched on in the same moment still get timers of their own.
    const int random = static_cast<int>(frame_.App().Ports().clock.TickCount() & 0x7FFF);
    child->View().AutoRefresher().Toggle(random);
}

bool RefreshCommands::IsOn(ChildId subject) {
    CChildFrame* child = frame_.Windows().Find(subject);
    return child && child->View().AutoRefresher().On();
}

void RefreshCommands::SetFrequency(ChildId subject) {
    CChildFrame* child = frame_.Windows().Find(subject);
    if (!child)
        return;
    const NumberRequest request{frame_.Text(IDS_SET_REFRESH_FREQUENCY),
                                frame_.Text(IDS_REFRESH_FREQUENCY), frame_.Text(IDS_REFRESH_RANGE),
                                child->View().AutoRefresher().Period(), &AutoRefresh::ParsePeriod};
    const std::optional<int> period = frame_.App().Ports().ui.NumberBox(request);
    if (!period)
        return;
    // The boxes ran the message loop: the window may be gone, or on its way out.
    child = frame_.Windows().Find(subject);
    if (!child || child->View().IsClosing())
        return;
    child->View().AutoRefresher().SetPeriod(*period);
    frame_.App().Settings().Write(keys::AutoRefresh, *period);
}

}  // namespace lumbrel
