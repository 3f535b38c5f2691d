// The content filter inside loaded pages: which scripts run in which page and when, the
// floating-advertisement file and what its failures switch off, a script run that closes its
// own window, the engine's script-error and ActiveX boxes, and "Add to &Filter...".
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "filter/FlyingAdScript.h"
#include "filter/PageCleanupScripts.h"
#include "frame/FrameMessages.h"
#include "support/FakeCodePage.h"
#include "view/ViewScenario.h"

namespace lumbrel {
namespace {

using test::FrameHarness;
using test::LoadedWindow;

constexpr char kFlyingBody[] = "hideFloatingAds();";
constexpr char kFilterIni[] = "C:\\Lumbrel\\User\\Filter.ini";

std::string KillBlankFor(const std::string& blank) {
    return std::string("JavaScript: ") + KillBlankScript(test::FakeCodePage(), blank);
}
std::string Flying() {
    return std::string("javascript: ") + kFlyingBody;
}
std::string Reload() {
    return std::string("JavaScript: ") + std::string(ReloadImagesScript());
}

struct CleanupHarness {
    explicit CleanupHarness(const std::string& settings, bool withFlyingFile = true)
        : h(settings, false) {
        if (!withFlyingFile)
            h.platform.fs.DeleteFile(FrameHarness::kKillFlying);
        h.frame->DeferredInit();
        h.Pump();
    }
    PageCleanup& Cleanup() { return h.frame->Filters().Cleanup(); }
    // A window whose page loaded and whose engine then signalled the end of loading.
    CChildFrame* LoadedAndEnded(const std::string& url) {
        CChildFrame* child = LoadedWindow(h, url);
        h.BrowserOf(child).RaiseProgress(0, 0);
        h.Pump();
        return child;
    }
    std::vector<std::string>& Scripts(CChildFrame* child) {
        return h.BrowserOf(child).document.scripts;
    }
    FrameHarness h;
};

constexpr char kAllOn[] =
    "UseFlyingFilter=1\r\nUseUrlFilter=1\r\nReloadUnShownImage=0\r\n"
    "[Filter]\r\nKillBlank=1\r\nBlankContent=<b class='ad'>AD</b>\r\n";

TEST(PageCleanup, TheEndOfLoadingRunsTheFloatingFilterThenThePlaceholderScript) {
    CleanupHarness c(kAllOn);
    CChildFrame* page = c.LoadedAndEnded("http://news.example/");
    EXPECT_EQ(c.Scripts(page),
              (std::vector<std::string>{Flying(), KillBlankFor("<b class='ad'>AD</b>")}));

    // The blank page is never cleaned.
    CChildFrame* blank = c.LoadedAndEnded("about:blank");
    EXPECT_TRUE(c.Scripts(blank).empty());
}

TEST(PageCleanup, ThePlaceholderScriptNeedsBothKillBlankAndTheContentFilter) {
    CleanupHarness noUrlFilter(
        "UseFlyingFilter=0\r\nUseUrlFilter=0\r\nReloadUnShownImage=0\r\n[Filter]\r\nKillBlank="
        "1\r\n");
    EXPECT_TRUE(noUrlFilter.Scripts(noUrlFilter.LoadedAndEnded("http://a.example/")).empty());

    CleanupHarness noKillBlank(
        "UseFlyingFilter=0\r\nUseUrlFilter=1\r\nReloadUnShownImage=0\r\n[Filter]\r\nKillBlank="
        "0\r\n");
    EXPECT_TRUE(noKillBlank.Scripts(noKillBlank.LoadedAndEnded("http://a.example/")).empty());
    EXPECT_EQ(noKillBlank.Cleanup().KillBlankScript(), "");
}

TEST(PageCleanup, BlankContentIsEscapedForItsQuotedString) {
    CleanupHarness c("[Filter]\r\nKillBlank=1\r\nBlankContent=it's \\ </script>\r\n");
    const std::string& script = c.Cleanup().KillBlankScript();
    EXPECT_NE(script.find("e.outerHTML='it\\'s \\\\ <\\/script>';"), std::string::npos) << script;
    EXPECT_EQ(script.find("$AD"), std::string::npos);
    EXPECT_EQ(script.find("</script"), std::string::npos);

    // The marker is replaced wherever it stands, and only the marker.
    ASSERT_EQ(std::string(KillBlankTemplate()).find("$AD"),
              std::string(KillBlankTemplate()).rfind("$AD"));
    EXPECT_EQ(KillBlankScript(test::FakeCodePage(), "$AD"), KillBlankTemplate())
        << "a marker the user typed is text, not replaced again";
}

TEST(PageCleanup, ImagesAreReloadedWhenTheDocumentCompletes) {
    CleanupHarness on("UseFlyingFilter=0\r\nReloadUnShownImage=1\r\n[Filter]\r\nKillBlank=0\r\n");
    CChildFrame* page = LoadedWindow(on.h, "http://a.example/");
    EXPECT_EQ(on.Scripts(page), std::vector<std::string>{Reload()});
    EXPECT_TRUE(on.Scripts(LoadedWindow(on.h, "about:blank")).empty());

    CleanupHarness off("UseFlyingFilter=0\r\nReloadUnShownImage=0\r\n[Filter]\r\nKillBlank=0\r\n");
    EXPECT_TRUE(off.Scripts(LoadedWindow(off.h, "http://a.example/")).empty());
}

TEST(PageCleanup, AScriptRunsAsTheProgramsOwnClickAndReportsItsFailure) {
    CleanupHarness c("UseFlyingFilter=0\r\nReloadUnShownImage=0\r\n[Filter]\r\nKillBlank=0\r\n");
    CChildFrame* page = LoadedWindow(c.h, "http://a.example/");
    test::FakeDocumentState& document = c.h.BrowserOf(page).document;
    std::vector<LastButton> during;
    document.whileScriptRuns = [&] { during.push_back(page->View().Clicks().lastButton); };

    EXPECT_TRUE(c.Cleanup().RunScriptInView("go();", "JavaScript", page->Id()));
    EXPECT_EQ(page->View().Clicks().lastButton, LastButton::LeftOrOther);
    EXPECT_EQ(c.h.status.text, "");

    document.scriptFails = true;
    EXPECT_FALSE(c.Cleanup().RunScriptInView("go(", "JavaScript", page->Id()));
    EXPECT_EQ(c.h.status.text, "Run script  error !");
    EXPECT_EQ(page->View().Clicks().lastButton, LastButton::LeftOrOther) << "reset after a failure";
    EXPECT_EQ(during,
              (std::vector<LastButton>{LastButton::ProgramScript, LastButton::ProgramScript}));

    // The clean-up scripts silence their own failures.
    c.h.status.text.clear();
    c.Cleanup().ReloadUnshownImages(page->Id());
    EXPECT_EQ(c.h.status.text, "");

    // No document, or no such window: nothing runs.
    c.h.BrowserOf(page).document.exists = false;
    EXPECT_FALSE(c.Cleanup().RunScriptInView("go();", "JavaScript", page->Id()));
    EXPECT_FALSE(c.Cleanup().RunScriptInView("go();", "JavaScript", page->Id() + 100));
    EXPECT_EQ(document.scripts.size(), 3u);
}

TEST(PageCleanup, AScriptThatClosesItsWindowLeavesNothingBehind) {
    CleanupHarness c(kAllOn);
    CChildFrame* other = LoadedWindow(c.h, "http://other.example/");
    CChildFrame* page = LoadedWindow(c.h, "http://a.example/");
    const ChildId id = page->Id();
    std::vector<std::string> ran;
    c.h.BrowserOf(page).document.whileScriptRuns = [&c, &ran, id] {
        ran.push_back("closing");
        c.h.platform.loop.Post(id, kWmClose, 0, 0);
        c.h.Pump();
    };
    c.h.BrowserOf(page).RaiseProgress(0, 0);
    c.h.Pump();
    EXPECT_EQ(c.h.frame->Windows().Find(id), nullptr);
    EXPECT_EQ(ran, std::vector<std::string>{"closing"}) << "the placeholder script finds no window";
    EXPECT_EQ(other->View().Clicks().lastButton, LastButton::LeftOrOther);
    EXPECT_EQ(c.h.frame->Windows().Count(), 1);
}

TEST(PageCleanup, TheFloatingFilterFileIsReadWholeAndSplit) {
    const test::FakeCodePage cp;
    const test::FakeCodePage gbk(test::FakeCodePage::kGbk);
    using P = FlyingAdScript::Problem;
    struct Case {
        std::optional<std::string> file;
        P problem;
        std::string language, body;
    };
    const std::string pad(40, ' ');
    const Case cases[] = {
        {"<script language=\"JavaScript\">var a=1;</script>" + pad, P::None, "javascript",
         "var a=1;"},
        {"<SCRIPT LANGUAGE=JScript>\r\nx();\r\n</Script>tail </script>", P::None, "jscript",
         "\r\nx();\r\n"},
        {"<script language=vbscript type=text/javascript>Sub X</script>" + pad, P::None,
         "javascript", "Sub X"},
        // The first tag is the comment: its word names the language.
        {"<!-- javascript --><script language=vbscript>MsgBox 1</script>" + pad, P::None,
         "javascript", "<script language=vbscript>MsgBox 1"},
        {"javascript text before <script language=VBScript>MsgBox 1</script>" + pad, P::None,
         "vbscript", "MsgBox 1"},
        {"<script>var a = 1; var b = 2; var c = 3;</script>", P::ContentError, "", ""},
        {"<script language=javascript>var a = 1; var b = 2; var c = 3;", P::ContentError, "", ""},
        {"> <script language=javascript>var a = 1;</script>" + pad, P::ContentError, "", ""},
        {"no tag at all, only some text that is long enough", P::ContentError, "", ""},
        {std::string("<script language=javascript>1;</script>").substr(0, 39), P::Missing, "", ""},
        {std::nullopt, P::Missing, "", ""},
    };
    for (const Case& c : cases) {
        const FlyingAdScript script = FlyingAdScript::Parse(cp, c.file);
        const std::string label = c.file.value_or("<unreadable>");
        EXPECT_EQ(script.problem, c.problem) << label;
        EXPECT_EQ(script.language, c.problem == P::None ? c.language : "") << label;
        EXPECT_EQ(script.body, c.body) << label;
    }
    // A trail byte that reads as a capital letter is not folded into the language's name.
    const std::string dbcs = "<script language=\x81JAVASCRIPT\x81J>x</script>" + pad;
    EXPECT_EQ(FlyingAdScript::Parse(cp, dbcs).language, "javascript");
    EXPECT_EQ(FlyingAdScript::Parse(gbk, dbcs).problem, P::ContentError);
}

TEST(PageCleanup, AMissingFloatingFilterFileSwitchesTheFilterOff) {
    CleanupHarness c(kAllOn, false);
    const std::string notFound = "Not find C:\\Lumbrel\\Resource\\KillFlying.htm";
    EXPECT_EQ(c.h.platform.ui.MessagesShown(), std::vector<std::string>{notFound});
    EXPECT_EQ(c.h.app->Prefs().useFlyingFilter, 0);
    EXPECT_FALSE(c.h.frame->QueryCommand(IDM_FILTER_FLYING_ADS).checked);
    CChildFrame* page = c.LoadedAndEnded("http://a.example/");
    EXPECT_EQ(c.Scripts(page), std::vector<std::string>{KillBlankFor("<b class='ad'>AD</b>")});

    // Switching it on asks again and leaves it off.
    c.h.platform.ui.Clear();
    c.h.Command(IDM_FILTER_FLYING_ADS);
    EXPECT_EQ(c.h.platform.ui.MessagesShown(), std::vector<std::string>{notFound});
    EXPECT_EQ(c.h.app->Prefs().useFlyingFilter, 0);
    EXPECT_EQ(c.Scripts(page).size(), 1u);

    // Installed meanwhile: the command prepares it and cleans the active page at once.
    c.h.platform.fs.AddFile(FrameHarness::kKillFlying, FrameHarness::kKillFlyingContent);
    c.h.Command(IDM_FILTER_FLYING_ADS);
    EXPECT_TRUE(c.h.frame->QueryCommand(IDM_FILTER_FLYING_ADS).checked);
    EXPECT_EQ(c.Scripts(page).back(), Flying());
    c.h.Command(IDM_FILTER_FLYING_ADS);
    EXPECT_FALSE(c.h.frame->QueryCommand(IDM_FILTER_FLYING_ADS).checked);
    EXPECT_EQ(c.Scripts(page).size(), 2u) << "switching it off runs nothing";
}

TEST(PageCleanup, AFloatingFilterFileWithoutAUsableScriptSwitchesTheFilterOffBeforeTheBox) {
    CleanupHarness c(kAllOn);
    ASSERT_EQ(c.Cleanup().FlyingScript(), kFlyingBody);
    CChildFrame* page = LoadedWindow(c.h, "http://a.example/");
    c.h.platform.fs.AddFile(FrameHarness::kKillFlying,
                            "<script>no language named in the tag</script>\r\n");
    c.h.Command(IDM_FILTER_FLYING_ADS);  // off
    bool offDuringBox = false;
    c.h.platform.ui.WhileNextBoxIsUp([&] {
        offDuringBox = c.h.app->Prefs().useFlyingFilter == 0 &&
                       c.Cleanup().FlyingScript().empty() && c.Cleanup().FlyingLanguage().empty();
    });
    c.h.Command(IDM_FILTER_FLYING_ADS);  // on again: the file is read and refused
    EXPECT_EQ(c.h.platform.ui.MessagesShown(), std::vector<std::string>{"Script content error !"});
    EXPECT_TRUE(offDuringBox);
    EXPECT_FALSE(c.h.frame->QueryCommand(IDM_FILTER_FLYING_ADS).checked);
    c.h.BrowserOf(page).RaiseProgress(0, 0);
    EXPECT_EQ(c.Scripts(page), std::vector<std::string>{KillBlankFor("<b class='ad'>AD</b>")})
        << "the old script is gone";
}

TEST(PageCleanup, TheMasterSwitchBringsTheFloatingFilterBackToTheActivePage) {
    CleanupHarness c(kAllOn);
    CChildFrame* page = LoadedWindow(c.h, "http://a.example/", "", true);
    c.h.Command(IDM_ENABLE_FILTER);
    EXPECT_EQ(c.h.app->Prefs().useFlyingFilter, 0);
    EXPECT_TRUE(c.Scripts(page).empty());
    c.h.Command(IDM_ENABLE_FILTER);
    EXPECT_EQ(c.h.app->Prefs().useFlyingFilter, 1);
    EXPECT_EQ(c.Scripts(page), std::vector<std::string>{Flying()});
}

TEST(PageCleanup, ScriptErrorsAndActiveXMessagesAreKeptOffTheScreenWhileSilent) {
    CleanupHarness silent("Silent=1\r\n");
    CChildFrame* page = LoadedWindow(silent.h, "http://a.example/");
    EXPECT_TRUE(page->View().OnScriptError());
    EXPECT_EQ(silent.h.status.text, "Script Error!");
    EXPECT_TRUE(page->View().OnPageMessage("This page uses an ActiveX control that is unsafe."));
    EXPECT_EQ(silent.h.status.text, "ActiveX Denied!");
    silent.h.status.text.clear();
    EXPECT_FALSE(page->View().OnPageMessage("ActiveX controls are blocked."))
        << "only the word between blanks";
    EXPECT_FALSE(page->View().OnPageMessage("Are you sure you want to leave?"));
    EXPECT_EQ(silent.h.status.text, "");

    CleanupHarness loud("Silent=0\r\n");
    CChildFrame* other = LoadedWindow(loud.h, "http://a.example/");
    EXPECT_FALSE(other->View().OnScriptError());
    EXPECT_FALSE(other->View().OnPageMessage("This page uses an ActiveX control."));
    EXPECT_EQ(loud.h.status.text, "");
}

TEST(PageCleanup, AddToFilterAppendsTheEntryAndSavesTheLists) {
    CleanupHarness c("UseUrlFilter=1\r\n");
    c.h.platform.fs.AddFile(kFilterIni, "[UrlFilter]\r\nurl1=http://old.example/*\r\n");
    c.h.frame->Filters().Url().LoadFilterLists(c.h.app->Profiles());
    auto blocked = [&c](const std::string& url) {
        return !c.h.frame->Filters().Url().Requests().Decide(url, 0).useDefault;
    };

    c.h.platform.ui.AnswerInput("http://ads.example/*");
    c.h.Command(IDM_ADD_TO_CONTENT_FILTER);
    EXPECT_EQ(c.h.platform.ui.lastInputInitial, "");
    EXPECT_EQ(c.h.platform.ui.Questions().back().text,
              "URL Add to Content Filter List ( Can Modify With * ):");
    EXPECT_TRUE(blocked("http://ads.example/banner.gif"));
    const std::string saved = c.h.platform.fs.ReadFile(kFilterIni).value_or("");
    EXPECT_NE(saved.find("url1=http://old.example/*"), std::string::npos) << saved;
    EXPECT_NE(saved.find("url2=http://ads.example/*"), std::string::npos) << saved;

    // The last text is proposed again; a cancel changes nothing, a duplicate is not added.
    c.h.platform.ui.AnswerInput(std::nullopt);
    c.h.Command(IDM_ADD_TO_CONTENT_FILTER);
    EXPECT_EQ(c.h.platform.ui.lastInputInitial, "http://ads.example/*");
    c.h.platform.ui.AnswerInput("http://ads.example/*");
    c.h.Command(IDM_ADD_TO_CONTENT_FILTER);
    EXPECT_EQ(c.h.frame->Filters().Url().Lists().UrlFilter(),
              (std::vector<std::string>{"http://old.example/*", "http://ads.example/*"}));

    // An image address proposed by the drag menu replaces the proposal.
    c.Cleanup().ProposeForFilter("http://img.example/pic.gif");
    c.h.platform.ui.AnswerInput("http://img.example/*.gif");
    c.h.Command(IDM_ADD_TO_CONTENT_FILTER);
    EXPECT_EQ(c.h.platform.ui.lastInputInitial, "http://img.example/pic.gif");
    EXPECT_EQ(c.Cleanup().FilterProposal(), "http://img.example/*.gif");
    EXPECT_TRUE(blocked("http://img.example/pic.gif"));
}

}  // namespace
}  // namespace lumbrel
