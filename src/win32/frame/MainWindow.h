// The main window: an MDI frame whose children are the browser windows. It turns window
// messages into calls of the application core and answers through it.
#pragma once

#include "app/CBrowserApp.h"
#include "win32/app/MenuHandles.h"
#include "win32/ui/Window.h"

namespace lumbrel::win32 {

class MainWindow : public Window {
public:
    static constexpr const char* kClassName = "LumbrelMainFrame";

    explicit MainWindow(CBrowserApp& app) : app_(app) {}

    // Creates the frame hidden; false when it cannot be created.
    bool Create();
    // Shows the frame as the settings say (placement, maximised).
    void ShowFromSettings(int showCommand);
    // Lets the frame's accelerators and the MDI system keys handle `msg`; true when they did.
    bool TranslateFrameMessage(MSG& msg);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCreate();
    void OnClose();

    CBrowserApp& app_;
    HWND mdiClient_ = nullptr;
    UniqueMenu menuBar_;
    UniqueAcceleratorTable accelerators_;
};

}  // namespace lumbrel::win32
