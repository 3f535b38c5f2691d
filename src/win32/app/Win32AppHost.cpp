#include "win32/app/Win32AppHost.h"

#include <objbase.h>

#include "frame/CMainFrame.h"

namespace lumbrel::win32 {

Win32AppHost::Win32AppHost(ProgramPorts& ports, CBrowserApp& app, int showCommand)
    : ports_(ports), app_(app), showCommand_(showCommand) {}

Win32AppHost::~Win32AppHost() {
    window_.reset();
    EndComModule();
    StopCom();
    StopSockets();
}

bool Win32AppHost::CreateInstanceSemaphore() {
    semaphore_.emplace();
    running_.emplace(*semaphore_, ports_.codePage);
    return semaphore_->IsFirstInstance();
}

RunningInstance& Win32AppHost::Running() {
    if (!running_)
        CreateInstanceSemaphore();
    return *running_;
}

void Win32AppHost::StartSockets() {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0)
        return;
    socketsStarted_ = true;
    if (data.wVersion != MAKEWORD(1, 1))
        StopSockets();
}

void Win32AppHost::StopSockets() {
    if (socketsStarted_)
        WSACleanup();
    socketsStarted_ = false;
}

void Win32AppHost::StartCom() {
    comStarted_ = SUCCEEDED(OleInitialize(nullptr));
}

void Win32AppHost::StopCom() {
    if (comStarted_)
        OleUninitialize();
    comStarted_ = false;
}

bool Win32AppHost::StartComModule(const CommandLineInfo&) {
    comModule_.emplace(ports_.registry, ports_.codePage);
    const ComModule::StartResult result = comModule_->Start(ports_.environment.CommandLine());
    if (ComModule::MustEnd(result)) {
        comModule_.reset();
        return false;
    }
    return true;
}

void Win32AppHost::EndComModule() {
    if (comModule_) {
        // Handlers the engine still holds fall back to its own handler from now on.
        comModule_->SetRequestFilter(nullptr);
        comModule_->Revoke();
    }
    comModule_.reset();
}

bool Win32AppHost::CreateMainWindow(CMainFrame& frame, int trayIconId) {
    window_ = std::make_unique<MainWindow>(app_, frame, ports_.loop, trayIconId);
    if (!window_->Create()) {
        window_.reset();
        return false;
    }
    ports_.ui.SetOwner(window_->Handle());
    // The frame's filter decides every request from now on; it lives until ExitInstance,
    // which ends the module first.
    if (comModule_)
        comModule_->SetRequestFilter(&frame.Filters().Url().Requests());
    return true;
}

void Win32AppHost::ShowMainWindow() {
    if (window_)
        window_->ShowFromSettings(showCommand_);
}

void Win32AppHost::DestroyMainWindow() {
    window_.reset();
}

}  // namespace lumbrel::win32
