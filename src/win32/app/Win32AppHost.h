// The system services of start-up and exit: the instance semaphore and the running copy,
// Windows Sockets, COM and the program's COM server, and the main window.
#pragma once

#include <memory>
#include <optional>

#include "app/AppHost.h"
#include "app/CBrowserApp.h"
#include "win32/app/ComModule.h"
#include "win32/app/ProgramPorts.h"
#include "win32/frame/MainWindow.h"
#include "win32/instance/InstanceSemaphore.h"
#include "win32/instance/Win32RunningInstance.h"

namespace lumbrel::win32 {

class Win32AppHost : public AppHost {
public:
    Win32AppHost(ProgramPorts& ports, CBrowserApp& app, int showCommand);
    ~Win32AppHost() override;

    MainWindow* Window() { return window_.get(); }

    bool CreateInstanceSemaphore() override;
    RunningInstance& Running() override;
    void StartSockets() override;
    void StopSockets() override;
    void StartCom() override;
    void StopCom() override;
    bool StartComModule(const CommandLineInfo& commandLine) override;
    void EndComModule() override;
    bool CreateMainWindow(CMainFrame& frame, int trayIconId) override;
    void ShowMainWindow() override;
    void DestroyMainWindow() override;

private:
    ProgramPorts& ports_;
    CBrowserApp& app_;
    int showCommand_;
    std::optional<InstanceSemaphore> semaphore_;
    std::optional<Win32RunningInstance> running_;
    std::optional<ComModule> comModule_;
    std::unique_ptr<MainWindow> window_;
    bool socketsStarted_ = false;
    bool comStarted_ = false;
};

}  // namespace lumbrel::win32
