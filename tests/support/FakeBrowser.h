// A scriptable engine for one browser window that behaves as the WebBrowser control does:
// - Navigate2 raises BeforeNavigate2 before it returns (with `autoNavigate`); the rest of the
//   load (NavigateComplete2, the frames' events, DocumentComplete) arrives later, when the
//   test finishes the load;
// - LocationURL changes at the page's NavigateComplete2, not at BeforeNavigate2;
// - frames raise their own BeforeNavigate2, NavigateComplete2 and DocumentComplete with their
//   own frame token before the page's DocumentComplete;
// - NewWindow2 asks for the new window's control, which must be there when the event returns;
// - the engine keeps a history and reports Back and Forward through CommandStateChange;
// - a window destroyed while it handles an event is not touched afterwards;
// - scrolling and scripts need a document; scrolling stops at the page's edges.
// Every event raised and every call made is written to `log`, one readable line each.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/BrowserControl.h"
#include "support/FakePageText.h"

namespace lumbrel::test {

class FakeBrowser;

// The document the engine shows; what the program set on it is kept here.
struct FakeDocumentState {
    bool exists = true;
    // The body's text, as find and highlight walk it.
    FakePageText text;
    std::string protocol;
    std::string bodyScroll;
    std::string background;         // the body's colour
    std::string backgroundPicture;  // the body's picture
    FocusedElementKind focused = FocusedElementKind::None;
    bool historyReadable = true;
    std::vector<int> commands;  // ExecCommand ids
    // The links under points of the page ("x,y" -> address).
    std::map<std::string, std::string> links;
    // The images under points of the page ("x,y" -> address).
    std::map<std::string, std::string> images;
    // ExecScript: what ran ("language: script"), whether the engine refuses, and page code
    // the script sets off (it may close the window).
    std::vector<std::string> scripts;
    bool scriptFails = false;
    std::function<void()> whileScriptRuns;
    // The page's size and where its window is scrolled to, as scrollBy moves it.
    int pageWidth = 800;
    int pageHeight = 6000;
    int scrollX = 0;
    int scrollY = 0;
};

class FakePageDocument : public PageDocument {
public:
    FakePageDocument(FakeDocumentState& state, int historyLength)
        : state_(state), historyLength_(historyLength) {}
    std::string Protocol() override { return state_.protocol; }
    bool SetBodyScroll(const std::string& value) override;
    bool ForceBackground(const std::string& color) override;
    FocusedElementKind FocusedElement() override { return state_.focused; }
    std::optional<int> HistoryLength() override;
    bool ExecCommand(int commandId) override;
    std::string LinkAt(int x, int y) override;
    std::string ImageAt(int x, int y) override;
    bool ExecScript(const std::string& script, const std::string& language) override;
    std::unique_ptr<TextRange> BodyRange() override { return state_.text.BodyRange(); }

private:
    FakeDocumentState& state_;
    int historyLength_;
};

// A page as the test loads it: its address, title and frames.
struct FakePage {
    std::string url;
    std::string title;
    std::vector<std::string> frames;
};

class FakeBrowser : public BrowserControl {
public:
    explicit FakeBrowser(BrowserEvents& events);
    ~FakeBrowser() override;

    // --- What the program asked and what the engine shows
    std::vector<std::string> navigations;  // every URL given to Navigate2 (and "home")
    struct Request {
        std::string url, target, headers, postData;
        int32_t flags = 0;
    };
    std::vector<Request> requests;
    std::vector<std::string> log;
    std::string location;  // what LocationURL answers
    std::string selectedText;
    std::vector<std::string> selectedLinks;
    bool busy = false;
    bool autoNavigate = true;
    bool travelLog = false;
    bool lastNavigationCancelled = false;
    int focusCount = 0;
    int stops = 0;
    std::vector<int> refreshes;      // Refresh2 levels
    std::vector<std::string> execs;  // ExecWB as "command,option[,argument]"
    std::vector<int> documentViewCommands;
    std::optional<int32_t> downloadFlags;  // the last flags the host was told
    FakeDocumentState document;
    // The control's window and the cursor over it.
    ScrollMetrics metrics{800, 600, 16, 16, 0, 0};
    // The navigation BeforeNavigate2 let through, waiting for its NavigateComplete2.
    std::optional<std::string> pending;

    // --- Engine events, as the engine raises them for this window
    // A top-level navigation the page starts (a link, a script); returns whether it was
    // cancelled. Not cancelled, it becomes the pending load.
    bool RaiseBeforeNavigate(const std::string& url, const std::string& postData = "",
                             const std::string& target = "");
    // BeforeNavigate2 with every argument chosen by the test; nothing becomes pending.
    bool RaiseBeforeNavigateArgs(const BeforeNavigateArgs& args);
    // The pending load (or `page`) completes: NavigateComplete2, the frames, DocumentComplete.
    void FinishLoad(const std::string& title = "");
    void Load(const FakePage& page);
    // NavigateComplete2 and DocumentComplete of the top-level page; the location follows.
    void RaiseLoaded(const std::string& url);
    void RaiseTitle(const std::string& title);
    void RaiseProgress(int now, int max);
    void RaiseStatus(const std::string& text);
    BrowserControl* RaiseNewWindow(bool& cancel);
    // A script opens `url` in a new window: NewWindow2, then the engine navigates the window
    // it was given. Returns that window's engine, or null when the request was refused.
    FakeBrowser* OpenWindowFromScript(const std::string& url);
    KeyVerdict RaiseKey(KeyPhase phase, uint16_t key, bool ctrl = false);
    bool RaiseMouse(PageMouseKind kind, int x = 0, int y = 0);
    void RaiseParentNotify(ChildNoticeKind kind, int controlId = 0, int x = 0, int y = 0);
    FrameToken TopFrame() const { return &topToken_; }
    // The engine's history: entries and the current one.
    const std::vector<std::string>& History() const { return history_; }
    int HistoryIndex() const { return historyIndex_; }

    // --- BrowserControl
    bool Navigate2(const std::string& url, int32_t flags, const std::string& target,
                   const std::string& headers, const std::string& postData) override;
    bool GoHome() override;
    bool GoBack() override;
    bool GoForward() override;
    bool Refresh2(int level) override;
    bool Stop() override;
    std::string LocationUrl() override { return location; }
    std::string LocationName() override { return location; }
    bool Busy() override { return busy; }
    std::unique_ptr<PageDocument> Document() override;
    std::string SelectedText() override { return selectedText; }
    std::vector<std::string> SelectedLinks() override { return selectedLinks; }
    bool HasTravelLog() override { return travelLog; }
    void FocusPage() override { ++focusCount; }
    bool ExecWB(int command, int option, std::optional<int32_t> argument) override;
    void SetDownloadControlFlags(int32_t flags) override;
    bool CommandDocumentView(int commandId) override;
    // Moves the document window's scroll position, which stops at the page's edges as a real
    // window's does; false without a document.
    bool ScrollPage(int dx, int dy) override;
    ScrollMetrics Metrics() override { return metrics; }

private:
    bool Raise(const BeforeNavigateArgs& args, bool makesPending);
    void Commit(const std::string& url, bool historyMove);
    void MoveInHistory(int step);
    FrameToken FrameTokenFor(size_t index);

    BrowserEvents& events_;
    std::shared_ptr<bool> alive_;
    int topToken_ = 0;
    std::vector<std::unique_ptr<int>> frameTokens_;
    std::vector<std::string> history_;
    int historyIndex_ = -1;
    std::optional<int> pendingHistoryIndex_;
};

}  // namespace lumbrel::test
