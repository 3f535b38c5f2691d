// The system side of start-up, scripted: whether this is the first instance, what a running
// copy answers, whether the COM server lets the start go on; the main window is the fake frame.
#pragma once

#include <string>
#include <vector>

#include "app/AppHost.h"
#include "app/CBrowserApp.h"
#include "frame/CMainFrame.h"
#include "support/FakeFrame.h"

namespace lumbrel::test {

class FakeRunningInstance : public RunningInstance {
public:
    RunningWindow window;
    HandOverSendResult sendResult = HandOverSendResult::Delivered;
    std::vector<std::string> calls;  // "release", "find", "handover:<text>", "forward", "wake"

    void ReleaseInstanceSemaphore() override { calls.push_back("release"); }
    RunningWindow Find() override {
        calls.push_back("find");
        return window;
    }
    HandOverSendResult HandOver(std::string_view text) override {
        calls.push_back("handover:" + std::string(text));
        return sendResult;
    }
    void BringForward() override { calls.push_back("forward"); }
    void Wake() override { calls.push_back("wake"); }
};

class FakeAppHost : public AppHost {
public:
    explicit FakeAppHost(FakeEventLoop& loop) : window(loop) {}

    bool firstInstance = true;
    bool comModuleEnds = false;
    bool failMainWindow = false;
    std::vector<std::string> calls;
    FakeRunningInstance running;
    FakeFrameWindow window;
    FakeTabStrip tabs;
    FakeAddressBox address;
    FakeStatusBar status;
    CMainFrame* frame = nullptr;
    int trayIconId = 0;

    bool CreateInstanceSemaphore() override { return firstInstance; }
    RunningInstance& Running() override { return running; }
    void StartSockets() override { calls.push_back("sockets"); }
    void StopSockets() override { calls.push_back("~sockets"); }
    void StartCom() override { calls.push_back("com"); }
    void StopCom() override { calls.push_back("~com"); }
    bool StartComModule(const CommandLineInfo&) override {
        calls.push_back("module");
        return !comModuleEnds;
    }
    void EndComModule() override { calls.push_back("~module"); }
    bool CreateMainWindow(CMainFrame& created, int trayIcon) override;
    void ShowMainWindow() override { calls.push_back("show"); }
    // Records whether the frame the window shows was still there when the window went.
    void DestroyMainWindow() override {
        calls.push_back(app && !app->MainFrame() ? "~window after its frame" : "~window");
    }
    CBrowserApp* app = nullptr;  // the program whose exit is watched
};

}  // namespace lumbrel::test
