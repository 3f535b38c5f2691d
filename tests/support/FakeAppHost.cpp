#include "support/FakeAppHost.h"

#include "frame/FrameMessages.h"

namespace lumbrel::test {

bool FakeAppHost::CreateMainWindow(CMainFrame& created, int trayIcon) {
    calls.push_back("frame");
    if (failMainWindow)
        return false;
    frame = &created;
    trayIconId = trayIcon;
    window.visible = false;
    created.OnCreate(FrameWidgets{window, tabs, address, status});
    return true;
}

}  // namespace lumbrel::test
