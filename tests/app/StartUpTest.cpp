// The start of the process: the order of its steps, the instance role, the first windows and
// the idle duties.
#include <gtest/gtest.h>

#include "app/AppHost.h"
#include "app/CBrowserApp.h"
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/PageManager.h"
#include "support/FakeAppHost.h"
#include "support/FakePlatform.h"

namespace lumbrel {
namespace {

using test::FakeAppHost;
using test::FakePlatform;

constexpr const char* kExe = "\"C:\\Lumbrel\\lumbrel.exe\"";
constexpr const char* kProfile = "C:\\Lumbrel\\User\\Lumbrel.ini";

class StartUpTest : public ::testing::Test {
protected:
    StartUpTest() {
        platform.environment.modulePath = "C:\\Lumbrel\\lumbrel.exe";
        platform.fs.AddFolder("C:\\Lumbrel\\User");
        platform.fs.AddFile("C:\\Lumbrel\\Resource\\Proxy.ini.default", "[Proxy]\r\n");
    }
    ~StartUpTest() override {
        if (app)
            platform.loop.Unregister(kFrameTarget);
    }

    // Starts with `arguments` after the program name and `settings` in section Settings.
    bool Start(const std::string& arguments, const std::string& settings = "UseLngFile=0\r\n") {
        platform.fs.AddFile(kProfile, "[Settings]\r\n" + settings);
        platform.environment.commandLine = std::string(kExe) + " " + arguments;
        app = std::make_unique<CBrowserApp>(platform.Ports());
        const bool started = app->InitInstance(host);
        if (app->MainFrame())
            platform.loop.Register(kFrameTarget, app->MainFrame());
        platform.loop.Pump();
        return started;
    }
    CMainFrame& Frame() { return *app->MainFrame(); }

    FakePlatform platform;
    FakeAppHost host{platform.loop};
    std::unique_ptr<CBrowserApp> app;
};

TEST_F(StartUpTest, AFirstStartWithAUrlOpensItAndMarksTheRun) {
    ASSERT_TRUE(Start("http://start.example/"));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"sockets", "com", "module", "frame", "show"}));
    ASSERT_EQ(Frame().Windows().Count(), 1);
    EXPECT_EQ(Frame().Windows().At(0)->View().Location(), "http://start.example/");
    EXPECT_EQ(app->Settings().Get(keys::Running), 1);
    EXPECT_TRUE(platform.fs.HasFile("C:\\Lumbrel\\User\\Proxy.ini"))
        << "the deferred initialisation ran";
    EXPECT_TRUE(platform.loop.TimerRunning(kFrameTarget, kUiTickTimer));
    EXPECT_GE(host.trayIconId, 128);
}

TEST_F(StartUpTest, AShortcutOnTheCommandLineOpensItsTarget) {
    platform.fs.AddFile("C:\\Desk\\News.URL", "[InternetShortcut]\r\nURL=http://news.example/\r\n");
    ASSERT_TRUE(Start("\"C:\\Desk\\News.URL\""));
    ASSERT_EQ(Frame().Windows().Count(), 1);
    EXPECT_EQ(Frame().Windows().At(0)->View().Location(), "http://news.example/");
}

TEST_F(StartUpTest, KeepOnePageWithTheHomePageOpensBoth) {
    ASSERT_TRUE(Start("", "UseLngFile=0\r\nKeepOnePage=1\r\nStartupMode=1\r\n"));
    ASSERT_EQ(Frame().Windows().Count(), 2);
}

TEST_F(StartUpTest, OnlyTheFirstInstanceFollowsAnUncleanEnd) {
    platform.fs.AddFile("C:\\Lumbrel\\User\\Visiting.ini",
                        "[LastVisit]\r\nurl0=http://crashed.example/\r\n");
    host.firstInstance = false;
    ASSERT_TRUE(Start("", "UseLngFile=0\r\nRunning=1\r\nStartupMode=6\r\n"));
    EXPECT_EQ(Frame().Windows().Count(), 0);
    EXPECT_TRUE(platform.fs.HasFile("C:\\Lumbrel\\User\\Visiting.ini"));
}

TEST_F(StartUpTest, TheFirstInstanceAfterAnUncleanEndOffersThePeriodicSave) {
    platform.fs.AddFile("C:\\Lumbrel\\User\\Visiting.ini",
                        "[LastVisit]\r\nurl0=http://crashed.example/\r\n");
    host.window.pageManagerScript = [](PageManager& manager) { manager.Ok(); };
    ASSERT_TRUE(Start("", "UseLngFile=0\r\nRunning=1\r\nStartupMode=0\r\n"));
    ASSERT_EQ(Frame().Windows().Count(), 1);
    EXPECT_EQ(Frame().Windows().At(0)->View().Location(), "http://crashed.example/");
    EXPECT_FALSE(platform.fs.HasFile("C:\\Lumbrel\\User\\Visiting.ini"));
}

TEST_F(StartUpTest, TheLanguageIsAskedOnceAtTheFirstStart) {
    platform.fs.AddFile("C:\\Lumbrel\\Language\\Deutsch.ini",
                        "[Information]\r\nLanguage=Deutsch\r\n");
    platform.ui.AnswerLanguage(1);
    ASSERT_TRUE(Start("", "UseLngFile=2\r\nStartupMode=6\r\n"));
    EXPECT_EQ(app->Settings().Get(keys::UseLngFile), 1);
    EXPECT_EQ(app->Settings().Get(keys::LngFile), "Deutsch.ini");
    EXPECT_TRUE(app->Lang().IsActive());

    FakePlatform again;
    again.environment.modulePath = "C:\\Lumbrel\\lumbrel.exe";
    again.fs.AddFile(kProfile, "[Settings]\r\nUseLngFile=2\r\n");
    CBrowserApp cancelled(again.Ports());
    FakeAppHost otherHost(again.loop);
    cancelled.InitInstance(otherHost);
    EXPECT_EQ(cancelled.Settings().Get(keys::UseLngFile), 0) << "asked once, then built-in";
}

TEST_F(StartUpTest, ASecondStartHandsItsUrlOverAndEnds) {
    host.firstInstance = false;
    host.running.window = RunningWindow{true, true, false};
    EXPECT_FALSE(Start("http://second.example/"));
    EXPECT_EQ(app->MainFrame(), nullptr);
    EXPECT_EQ(host.running.calls,
              (std::vector<std::string>{"release", "find", "handover:http://second.example/",
                                        "forward"}));
    EXPECT_EQ(host.calls, std::vector<std::string>{}) << "no sockets, COM or window";
}

TEST_F(StartUpTest, ASecondStartHandsARelativeFileOverAsAFullPath) {
    host.firstInstance = false;
    host.running.window = RunningWindow{true, true, false};
    platform.environment.currentFolder = "C:\\tmp";
    platform.fs.AddFile("C:\\tmp\\site.url", "[InternetShortcut]\r\nURL=http://s.example/\r\n");
    EXPECT_FALSE(Start("site.url"));
    EXPECT_EQ(host.running.calls, (std::vector<std::string>{
                                      "release", "find", "handover:C:\\tmp\\site.url", "forward"}));
}

TEST_F(StartUpTest, ForbidMultWakesAHiddenBrowserInstead) {
    host.firstInstance = false;
    host.running.window = RunningWindow{true, false, false};
    EXPECT_FALSE(Start("", "UseLngFile=0\r\nForbidMult=1\r\n"));
    EXPECT_EQ(host.running.calls.back(), "wake");
}

TEST_F(StartUpTest, ServerSwitchesAndEmbeddingEndTheStart) {
    host.comModuleEnds = true;
    EXPECT_FALSE(Start("/RegServer"));
    EXPECT_EQ(app->MainFrame(), nullptr);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"sockets", "com", "module"}));

    FakePlatform other;
    other.environment.commandLine = std::string(kExe) + " -Embedding";
    CBrowserApp embedded(other.Ports());
    FakeAppHost otherHost(other.loop);
    EXPECT_FALSE(embedded.InitInstance(otherHost));
    EXPECT_TRUE(otherHost.calls.empty());
}

TEST_F(StartUpTest, AMainWindowThatCannotBeCreatedEndsTheStart) {
    host.failMainWindow = true;
    EXPECT_FALSE(Start(""));
    EXPECT_EQ(app->MainFrame(), nullptr);
    EXPECT_EQ(app->ExitInstance(host, 0), 0);
    EXPECT_EQ(host.calls.back(), "~com");
}

TEST_F(StartUpTest, TheMainWindowGoesBeforeItsFrameAndBeforeCom) {
    ASSERT_TRUE(Start("", "UseLngFile=0\r\nStartupMode=6\r\n"));
    host.app = app.get();
    host.calls.clear();
    app->ExitInstance(host, 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"~window", "~sockets", "~module", "~com"}));
    EXPECT_EQ(app->MainFrame(), nullptr);
}

TEST_F(StartUpTest, IdleRebuildsTheFavoritesMenusAfterThirtyQuietPasses) {
    ASSERT_TRUE(Start("", "UseLngFile=0\r\nStartupMode=6\r\n"));
    Frame().SetFavoritesChanged(1);
    for (int i = 0; i < 30; ++i)
        EXPECT_TRUE(app->OnIdle(i));
    EXPECT_EQ(platform.loop.Queued(kFrameTarget, UM_FAVORITES_CHANGED), 0);
    app->OnIdle(30);
    EXPECT_EQ(platform.loop.Queued(kFrameTarget, UM_FAVORITES_CHANGED), 1);
    EXPECT_EQ(platform.loop.Queue().back().wParam, 1u);
    EXPECT_EQ(Frame().FavoritesChanged(), 0);
    EXPECT_FALSE(app->OnIdle(31));
}

TEST_F(StartUpTest, IdleRunsTheStartToolsOnePerPassInTheFirstInstanceOnly) {
    ASSERT_TRUE(Start("", "UseLngFile=0\r\nStartupMode=6\r\n"));
    int left = 3;
    int runs = 0;
    app->runNextStartupTool = [&] {
        if (left == 0)
            return false;
        --left;
        ++runs;
        return true;
    };
    EXPECT_TRUE(app->OnIdle(0));
    EXPECT_EQ(runs, 1);
    app->OnIdle(1);
    app->OnIdle(2);
    EXPECT_FALSE(app->OnIdle(3));
    EXPECT_EQ(runs, 3);
    app->OnIdle(4);
    EXPECT_EQ(runs, 3);
}

TEST_F(StartUpTest, ASettingsSaveRequestRunsInTheBackgroundAtTheNextIdlePass) {
    ASSERT_TRUE(Start("", "UseLngFile=0\r\nStartupMode=6\r\n"));
    app->Prefs().currentProxy = "10.0.0.1:8080";
    app->RequestSettingsSave();
    EXPECT_EQ(platform.tasks.ran, 0);
    app->OnIdle(0);
    EXPECT_EQ(platform.tasks.ran, 1);
    EXPECT_NE(platform.fs.Content(kProfile).find("CurrentProxy=10.0.0.1:8080"), std::string::npos);
    app->OnIdle(1);
    EXPECT_EQ(platform.tasks.ran, 1);
}

}  // namespace
}  // namespace lumbrel
