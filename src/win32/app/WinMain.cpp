// The program's entry: the Windows ports, the application core and the main window.
#include "win32/platform/WinApi.h"

#include <commctrl.h>

#include "app/CBrowserApp.h"
#include "win32/app/ProgramPorts.h"
#include "win32/frame/MainWindow.h"

namespace {

int RunProgram(int showCommand) {
    using namespace lumbrel;
    win32::ProgramPorts ports(CBrowserApp::kAppName);
    CBrowserApp app(ports.Ports());
    app.PrepareDirectories();
    app.ReadStartUpSettings();
    app.ApplyLanguageSetting();

    win32::MainWindow frame(app);
    if (!frame.Create()) return 1;
    ports.ui.SetOwner(frame.Handle());
    app.LoadSettings();
    frame.ShowFromSettings(showCommand);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (frame.TranslateFrameMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    try {
        return RunProgram(showCommand);
    } catch (...) {
        return 1;
    }
}
