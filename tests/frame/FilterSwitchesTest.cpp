// The frame's filters: the lists loaded at the deferred start, the namespace handler
// registered while a filter needs it, the switch commands with their check marks, and the
// exit that saves and unregisters.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

constexpr char kFilterIni[] = "C:\\Lumbrel\\User\\Filter.ini";

// A frame whose deferred start finds `filterIni` as the user's "Filter.ini".
struct FilterHarness {
    explicit FilterHarness(const std::string& settings,
                           const std::string& filterIni =
                               "[UrlFilter]\r\nurl1=http://ads.example/*\r\n"
                               "[UrlUnFilter]\r\nurl1=http://ads.example/ok*\r\n")
        : h(settings, false) {
        h.platform.fs.AddFile(kFilterIni, filterIni);
        h.frame->DeferredInit();
        h.Pump();
    }
    bool Blocked(const std::string& url) {
        return !h.frame->Filters().Url().Requests().Decide(url, 0).useDefault;
    }
    bool Checked(int id) { return h.frame->QueryCommand(id).checked; }
    bool Registered() const { return h.platform.filterSession.registered; }

    FrameHarness h;
};

TEST(FrameFilters, TheDeferredStartLoadsTheListsAndRegistersTheHandler) {
    FilterHarness f("UseUrlFilter=1\r\nUseDialogFilter=0\r\n");
    EXPECT_TRUE(f.Registered());
    EXPECT_TRUE(f.Blocked("http://ads.example/banner.gif"));
    EXPECT_TRUE(f.Blocked("HTTP://ADS.EXAMPLE/BANNER.GIF")) << "matched in lower case";
    EXPECT_FALSE(f.Blocked("http://ads.example/ok.gif")) << "the exception wins";
    EXPECT_FALSE(f.Blocked("http://news.example/"));

    FilterHarness off("UseUrlFilter=0\r\nUseDialogFilter=0\r\n");
    EXPECT_FALSE(off.Registered());
    EXPECT_EQ(off.h.platform.filterSession.calls.find('R'), std::string::npos);
    EXPECT_FALSE(off.Blocked("http://ads.example/banner.gif"));
}

TEST(FrameFilters, TheHandlerFollowsTheContentAndDialogSwitches) {
    FilterHarness f("UseUrlFilter=1\r\nUseDialogFilter=1\r\n");
    ASSERT_TRUE(f.Registered());
    EXPECT_TRUE(f.Checked(IDM_FILTER_AD_CONTENT));
    EXPECT_TRUE(f.Checked(IDM_FILTER_DIALOG_ADS));

    f.h.Command(IDM_FILTER_AD_CONTENT);
    EXPECT_FALSE(f.Checked(IDM_FILTER_AD_CONTENT));
    EXPECT_EQ(f.h.app->Prefs().useUrlFilter, 0);
    EXPECT_TRUE(f.Registered()) << "the dialog filter still needs it";
    EXPECT_FALSE(f.Blocked("http://ads.example/banner.gif"));

    f.h.Command(IDM_FILTER_DIALOG_ADS);
    EXPECT_FALSE(f.Checked(IDM_FILTER_DIALOG_ADS));
    EXPECT_FALSE(f.Registered());

    f.h.Command(IDM_FILTER_AD_CONTENT);
    EXPECT_TRUE(f.Registered());
    EXPECT_TRUE(f.Blocked("http://ads.example/banner.gif"));
}

TEST(FrameFilters, PopupSwitchTogglesKillPopOnly) {
    FilterHarness f("KillPop=1\r\nUseUrlFilter=0\r\nUseDialogFilter=0\r\n");
    EXPECT_TRUE(f.Checked(IDM_KILL_POPUP));
    f.h.Command(IDM_KILL_POPUP);
    EXPECT_EQ(f.h.app->Prefs().killPop, 0);
    EXPECT_FALSE(f.Checked(IDM_KILL_POPUP));
    EXPECT_FALSE(f.Registered());
    f.h.Command(IDM_KILL_POPUP);
    EXPECT_TRUE(f.Checked(IDM_KILL_POPUP));
}

TEST(FrameFilters, TheMasterSwitchTurnsAllOffAndBringsTheSameCombinationBack) {
    FilterHarness f(
        "KillPop=0\r\nUseUrlFilter=1\r\nUseDialogFilter=0\r\nUseFlyingFilter=1\r\n"
        "EnableFilter=15\r\n");
    EXPECT_TRUE(f.Checked(IDM_ENABLE_FILTER));

    f.h.Command(IDM_ENABLE_FILTER);
    const Preferences& prefs = f.h.app->Prefs();
    EXPECT_FALSE(f.Checked(IDM_ENABLE_FILTER));
    EXPECT_EQ(prefs.killPop + prefs.useUrlFilter + prefs.useDialogFilter + prefs.useFlyingFilter,
              0);
    EXPECT_FALSE(f.Registered());
    EXPECT_FALSE(f.Blocked("http://ads.example/banner.gif"));

    f.h.Command(IDM_ENABLE_FILTER);
    EXPECT_TRUE(f.Checked(IDM_ENABLE_FILTER));
    EXPECT_EQ(prefs.killPop, 0);
    EXPECT_EQ(prefs.useUrlFilter, 1);
    EXPECT_EQ(prefs.useDialogFilter, 0);
    EXPECT_EQ(prefs.useFlyingFilter, 1);
    EXPECT_TRUE(f.Registered());
    EXPECT_TRUE(f.Blocked("http://ads.example/banner.gif"));
}

TEST(FrameFilters, AllOffAtStartTheMasterSwitchTurnsOnTheSavedCombination) {
    FilterHarness f(
        "KillPop=0\r\nUseUrlFilter=0\r\nUseDialogFilter=0\r\nUseFlyingFilter=0\r\n"
        "EnableFilter=5\r\n");
    EXPECT_FALSE(f.Registered());
    f.h.Command(IDM_ENABLE_FILTER);
    EXPECT_TRUE(f.Checked(IDM_KILL_POPUP));
    EXPECT_TRUE(f.Checked(IDM_FILTER_DIALOG_ADS));
    EXPECT_FALSE(f.Checked(IDM_FILTER_AD_CONTENT));
    EXPECT_TRUE(f.Registered()) << "the dialog filter came on";
}

TEST(FrameFilters, TheExitSavesAnAddedEntryAndUnregistersTheHandler) {
    FilterHarness f("UseUrlFilter=1\r\n");
    ASSERT_TRUE(f.Registered());
    EXPECT_TRUE(f.h.frame->Filters().Url().AddToUrlFilter("http://tracker.example/*"));
    f.h.platform.ui.AnswerMessage(MsgResult::Yes);
    ASSERT_TRUE(f.h.frame->OnCloseRequest(false));
    EXPECT_FALSE(f.Registered());
    const std::string file = f.h.platform.fs.Content(kFilterIni);
    EXPECT_NE(file.find("url1=http://ads.example/*"), std::string::npos) << file;
    EXPECT_NE(file.find("url2=http://tracker.example/*"), std::string::npos) << file;
}

}  // namespace
}  // namespace lumbrel
