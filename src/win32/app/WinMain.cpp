// The program's entry: the Windows ports, the application core, the main window and the
// message loop with its idle passes.
#include "win32/platform/WinApi.h"

#include <commctrl.h>

#include "app/CBrowserApp.h"
#include "frame/CMainFrame.h"
#include "win32/app/ProgramPorts.h"
#include "win32/app/Win32AppHost.h"

namespace {

using namespace lumbrel;

// Runs the idle passes whenever the queue is empty, then waits for the next message.
int MessageLoop(CBrowserApp& app, win32::Win32AppHost& host) {
    MSG msg{};
    int idleCount = 0;
    for (;;) {
        while (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            bool more = false;
            try {
                more = app.OnIdle(idleCount++);
            } catch (...) {
                more = false;
            }
            if (!more)
                break;
        }
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0)
            break;
        if (msg.message != WM_TIMER)
            idleCount = 0;
        win32::MainWindow* window = host.Window();
        if (window && window->TranslateFrameMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int RunProgram(int showCommand) {
    win32::ProgramPorts ports(CBrowserApp::kAppName);
    CBrowserApp app(ports.Ports());
    ports.ui.SetLanguage(&app.Lang());
    win32::Win32AppHost host(ports, app, showCommand);
    int exitCode = 0;
    if (app.InitInstance(host))
        exitCode = MessageLoop(app, host);
    return app.ExitInstance(host, exitCode);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES |
                                              ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&icc);
    try {
        return RunProgram(showCommand);
    } catch (...) {
        return 1;
    }
}
