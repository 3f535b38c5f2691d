// The fake engine stands in for the WebBrowser control in every scenario test of the view:
// these pin the order of its events and what its location says at each, as the control
// raises them, so that those tests prove something.
#include "support/FakeBrowser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumbrel::test {
namespace {

// Writes each event with the location the engine reports while it is raised.
class LocationRecorder : public BrowserEvents {
public:
    std::vector<std::string> seen;
    BrowserControl* engine = nullptr;
    BrowserControl* opened = nullptr;  // what NewWindow2 answers with

    void Note(const std::string& event, const std::string& url, FrameToken frame, bool top) {
        seen.push_back(event + " " + url + (top ? "" : " (frame)") + " @" + engine->LocationUrl() +
                       (frame ? "" : " no-frame"));
    }
    void OnBeforeNavigate2(const BeforeNavigateArgs& args, bool&) override {
        Note("BN2", args.url, args.frame, args.topLevel);
    }
    void OnNavigateComplete2(const std::string& url, FrameToken frame, bool top) override {
        Note("NC2", url, frame, top);
    }
    void OnDocumentComplete(const std::string& url, FrameToken frame, bool top) override {
        Note("DC", url, frame, top);
    }
    void OnNavigateError(const std::string&, FrameToken, int32_t, bool&) override {}
    void OnTitleChange(const std::string&) override {}
    void OnProgressChange(int32_t, int32_t) override {}
    void OnStatusTextChange(const std::string&) override {}
    void OnCommandStateChange(int32_t, bool) override {}
    void OnDownloadBegin() override {}
    void OnDownloadComplete() override {}
    BrowserControl* OnNewWindow2(bool&) override {
        seen.push_back("NewWindow2");
        return opened;
    }
    KeyVerdict OnPageKey(const PageKey&) override { return KeyVerdict::Deliver; }
    bool OnPageMouse(const PageMouse&) override { return false; }
    void OnParentNotify(const ChildNotice&) override {}
};

TEST(FakeBrowser, TheLocationMovesAtNavigateCompleteAndFramesCompleteBeforeTheirPage) {
    LocationRecorder events;
    FakeBrowser engine(events);
    events.engine = &engine;
    engine.RaiseLoaded("http://a.example/");
    events.seen.clear();

    engine.Navigate2("http://b.example/", 0, "", "", "");
    EXPECT_EQ(events.seen, std::vector<std::string>{"BN2 http://b.example/ @http://a.example/"})
        << "BeforeNavigate2 comes inside Navigate2; the rest after it returned";
    engine.Load(FakePage{"http://b.example/", "B", {"http://b.example/f1.htm"}});
    EXPECT_EQ(events.seen, (std::vector<std::string>{
                               "BN2 http://b.example/ @http://a.example/",
                               "NC2 http://b.example/ @http://b.example/",
                               "BN2 http://b.example/f1.htm (frame) @http://b.example/",
                               "NC2 http://b.example/f1.htm (frame) @http://b.example/",
                               "DC http://b.example/f1.htm (frame) @http://b.example/",
                               "DC http://b.example/ @http://b.example/",
                           }));
}

TEST(FakeBrowser, ANewWindowsControlIsThereWhenNewWindow2Returns) {
    LocationRecorder events;
    FakeBrowser engine(events);
    events.engine = &engine;
    LocationRecorder openedEvents;
    FakeBrowser opened(openedEvents);
    openedEvents.engine = &opened;
    events.opened = &opened;
    EXPECT_EQ(engine.OpenWindowFromScript("http://pop.example/"), &opened);
    EXPECT_EQ(events.seen, std::vector<std::string>{"NewWindow2"});
    EXPECT_EQ(openedEvents.seen, std::vector<std::string>{"BN2 http://pop.example/ @"})
        << "the engine navigates the window it was given";
}

}  // namespace
}  // namespace lumbrel::test
