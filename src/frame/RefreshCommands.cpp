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
    Ui& ui = frame_.App().Ports().ui;
    std::string text = std::to_string(child->View().AutoRefresher().Period());
    std::optional<int> period;
    while (!period) {
        const std::optional<std::string> answer =
            ui.InputBox(frame_.Text(IDS_REFRESH_FREQUENCY), text);
        if (!answer)
            return;
        period = AutoRefresh::ParsePeriod(*answer);
        if (!period) {
            ui.MessageBox(frame_.Text(IDS_REFRESH_RANGE), MsgButtons::Ok, MsgIcon::Warning);
            text = *answer;
        }
    }
    // The boxes ran the message loop: the window may be gone, or on its way out.
    child = frame_.Windows().Find(subject);
    if (!child || child->View().IsClosing())
        return;
    child->View().AutoRefresher().SetPeriod(*period);
    frame_.App().Settings().Write(keys::AutoRefresh, *period);
}

}  // namespace lumbrel
