// What a window hands to the download manager, the external tools and the content filters, and
// when: downloads before the page changes, tools and image reloads once the page itself (not a
// frame of it) has loaded, the filters at the engine's end of loading.
#include <gtest/gtest.h>

#include <functional>

#include "frame/FrameMessages.h"
#include "view/PageExtensions.h"
#include "view/ViewScenario.h"

namespace lumbrel {
namespace {

using test::FrameHarness;
using test::LoadedWindow;

class RecordingExtensions : public PageExtensions {
public:
    std::vector<std::string> calls;
    std::string downloadSuffix;  // addresses ending so are taken
    std::function<void()> whileToolsRun;
    std::function<void()> whileDownloadAsked;

    bool TakeDownload(CChildFrame&, const std::string& url) override {
        if (whileDownloadAsked)
            whileDownloadAsked();
        const bool taken = !downloadSuffix.empty() && url.ends_with(downloadSuffix);
        if (taken)
            calls.push_back("download " + url);
        return taken;
    }
    void RunAutoTools(CChildFrame& child) override {
        calls.push_back("tools " + child.View().Location());
        if (whileToolsRun)
            whileToolsRun();
    }
    void ReloadUnshownImages(CChildFrame& child) override {
        calls.push_back("images " + child.View().Location());
    }
    void FilterLoadedPage(CChildFrame& child, bool floatingAds, bool cleanUp) override {
        calls.push_back(std::string("filter ") + (floatingAds ? "F" : "-") + (cleanUp ? "C" : "-") +
                        " " + child.View().Location());
    }
};

// A frame whose extensions record what they were asked.
struct ExtensionsHarness {
    explicit ExtensionsHarness(const std::string& settings) : h(settings) {
        h.frame->Services().SetPageExtensions(&extensions);
    }
    ~ExtensionsHarness() { h.frame->Services().SetPageExtensions(nullptr); }
    FrameHarness h;
    RecordingExtensions extensions;
};

TEST(PageExtensions, TheDownloadManagerTakesItsFilesAndThePageStays) {
    ExtensionsHarness x("ReloadUnShownImage=0\r\nUseFlyingFilter=0\r\n");
    CChildFrame* page = LoadedWindow(x.h, "http://a.example/", "A");
    test::FakeBrowser& engine = x.h.BrowserOf(page);
    x.extensions.downloadSuffix = ".zip";
    EXPECT_TRUE(engine.RaiseBeforeNavigate("http://a.example/setup.zip"));
    EXPECT_FALSE(engine.RaiseBeforeNavigate("http://a.example/next.htm"));
    EXPECT_EQ(x.extensions.calls, std::vector<std::string>{"download http://a.example/setup.zip"});
    EXPECT_EQ(page->View().Location(), "http://a.example/");

    // The download manager asks, and the window goes meanwhile: its navigation is dropped.
    const ChildId id = page->Id();
    LoadedWindow(x.h, "http://one.example/", "One");
    x.extensions.whileDownloadAsked = [&x, id] {
        x.h.platform.loop.Post(id, kWmClose, 0, 0);
        x.h.platform.ui.MessageBox("Download it?", MsgButtons::YesNo, MsgIcon::Question);
    };
    EXPECT_TRUE(engine.RaiseBeforeNavigate("http://a.example/page.htm"));
    EXPECT_EQ(x.h.frame->Windows().Find(id), nullptr);
}

TEST(PageExtensions, ToolsRunOncePerPageAndImagesReloadAfterThePageNotItsFrames) {
    ExtensionsHarness x("AutoRunExternal=1\r\nReloadUnShownImage=1\r\nUseFlyingFilter=0\r\n");
    CChildFrame* page = LoadedWindow(x.h, "about:blank");
    test::FakeBrowser& engine = x.h.BrowserOf(page);
    EXPECT_EQ(x.extensions.calls, std::vector<std::string>{"tools about:blank"})
        << "no images to reload on a blank page";
    x.extensions.calls.clear();

    engine.RaiseBeforeNavigate("http://a.example/");
    engine.Load(test::FakePage{"http://a.example/", "A", {"http://a.example/menu.htm"}});
    EXPECT_EQ(x.extensions.calls,
              (std::vector<std::string>{"tools http://a.example/", "images http://a.example/"}));
    // The engine completes the same document again (a script rewrote it): the tools ran.
    engine.RaiseLoaded("http://a.example/");
    EXPECT_EQ(x.extensions.calls.size(), 3u);
    EXPECT_EQ(x.extensions.calls.back(), "images http://a.example/");
}

TEST(PageExtensions, AWindowThatGoesWhileItsToolsRunIsLeftAlone) {
    ExtensionsHarness x("AutoRunExternal=1\r\nReloadUnShownImage=1\r\n");
    LoadedWindow(x.h, "http://one.example/", "One");
    CChildFrame* page = x.h.Open("http://a.example/", true);
    const ChildId id = page->Id();
    x.extensions.calls.clear();
    x.extensions.whileToolsRun = [&x, id] {
        x.h.platform.loop.Post(id, kWmClose, 0, 0);
        x.h.platform.ui.MessageBox("Tool says hello", MsgButtons::Ok, MsgIcon::Warning);
    };
    x.h.BrowserOf(page).FinishLoad("A");
    EXPECT_EQ(x.h.frame->Windows().Find(id), nullptr);
    EXPECT_EQ(x.extensions.calls, std::vector<std::string>{"tools http://a.example/"});
}

TEST(PageExtensions, TheFiltersRunAtTheEndOfLoadingAsTheirSettingsSay) {
    ExtensionsHarness x("UseFlyingFilter=1\r\nUseUrlFilter=1\r\nReloadUnShownImage=0\r\n");
    x.h.app->Prefs().killBlank = 1;
    CChildFrame* page = LoadedWindow(x.h, "http://a.example/", "A");
    test::FakeBrowser& engine = x.h.BrowserOf(page);
    engine.RaiseProgress(50, 100);
    EXPECT_TRUE(x.extensions.calls.empty()) << "still loading";
    engine.RaiseProgress(0, 0);
    x.h.app->Prefs().killBlank = 0;
    engine.RaiseProgress(0, 0);
    x.h.app->Prefs().useFlyingFilter = 0;
    engine.RaiseProgress(0, 0);
    EXPECT_EQ(x.extensions.calls, (std::vector<std::string>{"filter FC http://a.example/",
                                                            "filter F- http://a.example/"}));

    x.h.app->Prefs().useFlyingFilter = 1;
    engine.RaiseBeforeNavigate("about:blank");
    engine.FinishLoad();
    engine.RaiseProgress(0, 0);
    EXPECT_EQ(x.extensions.calls.size(), 2u) << "nothing to filter on a blank page";
}

}  // namespace
}  // namespace lumbrel
