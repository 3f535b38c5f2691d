// A main frame over fakes, started as the program starts it: settings read in their stages,
// the frame created and its deferred initialisation run. Scenario tests drive it through the
// frame's operations and the fake engine's events, and pump the message loop.
#pragma once

#include <memory>
#include <string>

#include "app/CBrowserApp.h"
#include "frame/CMainFrame.h"
#include "support/FakeFrame.h"
#include "support/FakePlatform.h"

namespace lumbrel::test {

class FrameHarness {
public:
    static constexpr const char* kProgram = "C:\\Lumbrel\\";
    static constexpr const char* kProfile = "C:\\Lumbrel\\User\\Lumbrel.ini";
    // The installation's floating-advertisement script, there unless a test removes it.
    static constexpr const char* kKillFlying = "C:\\Lumbrel\\Resource\\KillFlying.htm";
    static constexpr const char* kKillFlyingContent =
        "<script language=\"JavaScript\">hideFloatingAds();</script>\r\n";

    // `settings`: lines of section "Settings" of the user's Lumbrel.ini ("KeepOnePage=1\r\n…").
    explicit FrameHarness(const std::string& settings = "", bool deferredInit = true);
    ~FrameHarness();

    // A window for `url` as a link or a command would ask for it, messages pumped.
    CChildFrame* Open(const std::string& url, bool activate = false);
    CChildFrame* OpenBlank();
    // `NewChild` as a command asks for it; nothing pumped.
    CChildFrame* NewChild(ChildMode mode, NavKind kind, const std::string& url, bool activate);
    FakeBrowser& BrowserOf(CChildFrame* child);
    FakeChildWindow& WindowOf(CChildFrame* child);
    CChildFrame* Active() { return frame->ActiveChild(); }
    int ActiveIndex();
    std::string Tabs() const { return tabs.State(); }
    // Runs a command and everything it posted.
    void Command(int id);
    void Pump() { platform.loop.Pump(); }

    FakePlatform platform;
    std::unique_ptr<CBrowserApp> app;
    FakeFrameWindow window{platform.loop};
    FakeTabStrip tabs;
    FakeAddressBox address;
    FakeStatusBar status;
    std::unique_ptr<CMainFrame> frame;
};

}  // namespace lumbrel::test
