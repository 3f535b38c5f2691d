#include "support/FrameHarness.h"

#include "frame/FrameMessages.h"

namespace lumbrel::test {

FrameHarness::FrameHarness(const std::string& settings, bool deferredInit) {
    platform.environment.modulePath = std::string(kProgram) + "lumbrel.exe";
    platform.fs.AddFolder("C:\\Lumbrel\\User");
    platform.fs.AddFile(kProfile, "[Settings]\r\n" + settings);
    platform.fs.AddFile(kKillFlying, kKillFlyingContent);
    // The frame reads the favorites at its deferred start: a shell without the folder would
    // tell every test so.
    platform.shell.folders.emplace(SystemFolder::Favorites, "C:\\Favorites");
    app = std::make_unique<CBrowserApp>(platform.Ports());
    app->PrepareDirectories();
    app->ReadStartUpSettings();
    frame = std::make_unique<CMainFrame>(*app);
    platform.loop.Register(kFrameTarget, frame.get());
    frame->OnCreate(FrameWidgets{window, tabs, address, status});
    app->LoadSettings();
    app->Prefs().Load(LoadStage::AfterLoad, app->Settings(), platform.registry);
    frame->ApplyStartSettings();
    frame->OnActivateApp(true);
    if (deferredInit)
        frame->DeferredInit();
    Pump();
}

FrameHarness::~FrameHarness() {
    platform.loop.Unregister(kFrameTarget);
}

CChildFrame* FrameHarness::NewChild(ChildMode mode, NavKind kind, const std::string& url,
                                    bool activate) {
    NewChildRequest request = NewChildRequest::Url(url, activate);
    request.mode = mode;
    request.kind = kind;
    return frame->NewChild(request);
}

CChildFrame* FrameHarness::Open(const std::string& url, bool activate) {
    CChildFrame* child = NewChild(ChildMode::ReuseOrCreate, NavKind::Url, url, activate);
    Pump();
    return child;
}

CChildFrame* FrameHarness::OpenBlank() {
    CChildFrame* child = NewChild(ChildMode::Create, NavKind::Blank, "", true);
    Pump();
    return child;
}

FakeBrowser& FrameHarness::BrowserOf(CChildFrame* child) {
    return WindowOf(child).browser;
}

FakeChildWindow& FrameHarness::WindowOf(CChildFrame* child) {
    return *window.ChildWindowOf(child->Id());
}

int FrameHarness::ActiveIndex() {
    CChildFrame* active = Active();
    return active ? frame->Windows().IndexOf(active->Id()) : -1;
}

void FrameHarness::Command(int id) {
    frame->OnCommand(id);
    Pump();
}

}  // namespace lumbrel::test
