#include "support/FakeBrowser.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace lumbrel::test {
namespace {

constexpr int32_t kCscNavigateForward = 1;
constexpr int32_t kCscNavigateBack = 2;

std::string Yes(bool value) {
    return value ? " cancelled" : "";
}

}  // namespace

bool FakePageDocument::SetBodyScroll(const std::string& value) {
    state_.bodyScroll = value;
    return true;
}

bool FakePageDocument::ForceBackground(const std::string& color) {
    state_.background = color;
    state_.backgroundPicture.clear();
    return true;
}

std::optional<int> FakePageDocument::HistoryLength() {
    if (!state_.historyReadable)
        return std::nullopt;
    return historyLength_;
}

bool FakePageDocument::ExecCommand(int commandId) {
    state_.commands.push_back(commandId);
    return true;
}

std::string FakePageDocument::ImageAt(int x, int y) {
    const auto image = state_.images.find(std::to_string(x) + "," + std::to_string(y));
    return image == state_.images.end() ? std::string() : image->second;
}

std::string FakePageDocument::LinkAt(int x, int y) {
    const auto link = state_.links.find(std::to_string(x) + "," + std::to_string(y));
    return link == state_.links.end() ? std::string() : link->second;
}

bool FakePageDocument::ExecScript(const std::string& script, const std::string& language) {
    state_.scripts.push_back(language + ": " + script);
    const bool fails = state_.scriptFails;
    // A copy: the page code may close the window, and the state goes with its engine.
    if (const std::function<void()> pageCode = state_.whileScriptRuns)
        pageCode();
    return !fails;
}

FakeBrowser::FakeBrowser(BrowserEvents& events)
    : events_(events), alive_(std::make_shared<bool>(true)) {}

FakeBrowser::~FakeBrowser() {
    *alive_ = false;
}

// --- Events -------------------------------------------------------------------------------

bool FakeBrowser::Raise(const BeforeNavigateArgs& args, bool makesPending) {
    const std::shared_ptr<bool> alive = alive_;
    bool cancel = false;
    events_.OnBeforeNavigate2(args, cancel);
    if (!*alive)
        return cancel;  // the window went while the event was handled
    log.push_back("BN2 " + args.url + (args.topLevel ? "" : " (frame)") + Yes(cancel));
    lastNavigationCancelled = cancel;
    if (makesPending && args.topLevel) {
        if (cancel)
            pendingHistoryIndex_.reset();
        else
            pending = args.url;
    }
    return cancel;
}

bool FakeBrowser::RaiseBeforeNavigate(const std::string& url, const std::string& postData,
                                      const std::string& target) {
    BeforeNavigateArgs args;
    args.url = url;
    args.postData = postData;
    args.targetFrame = target;
    args.frame = TopFrame();
    args.topLevel = true;
    return Raise(args, true);
}

bool FakeBrowser::RaiseBeforeNavigateArgs(const BeforeNavigateArgs& args) {
    return Raise(args, false);
}

void FakeBrowser::Commit(const std::string& url, bool historyMove) {
    pending.reset();
    location = url;
    if (historyMove) {
        historyIndex_ = *pendingHistoryIndex_;
        pendingHistoryIndex_.reset();
        return;
    }
    history_.resize(static_cast<size_t>(historyIndex_ + 1));
    history_.push_back(url);
    ++historyIndex_;
}

FrameToken FakeBrowser::FrameTokenFor(size_t index) {
    while (frameTokens_.size() <= index)
        frameTokens_.push_back(std::make_unique<int>(0));
    return frameTokens_[index].get();
}

void FakeBrowser::Load(const FakePage& page) {
    const std::shared_ptr<bool> alive = alive_;
    Commit(page.url, pendingHistoryIndex_.has_value());
    log.push_back("NC2 " + page.url);
    events_.OnNavigateComplete2(page.url, TopFrame(), true);
    if (!*alive)
        return;
    events_.OnCommandStateChange(kCscNavigateBack, historyIndex_ > 0);
    if (!*alive)
        return;
    events_.OnCommandStateChange(kCscNavigateForward,
                                 historyIndex_ + 1 < static_cast<int>(history_.size()));
    if (!*alive)
        return;
    if (!page.title.empty()) {
        RaiseTitle(page.title);
        if (!*alive)
            return;
    }
    for (size_t i = 0; i < page.frames.size(); ++i) {
        BeforeNavigateArgs args;
        args.url = page.frames[i];
        args.frame = FrameTokenFor(i);
        if (Raise(args, false) || !*alive)
            continue;
        log.push_back("NC2 " + args.url + " (frame)");
        events_.OnNavigateComplete2(args.url, args.frame, false);
        if (!*alive)
            return;
        log.push_back("DC " + args.url + " (frame)");
        events_.OnDocumentComplete(args.url, args.frame, false);
        if (!*alive)
            return;
    }
    log.push_back("DC " + page.url);
    events_.OnDocumentComplete(page.url, TopFrame(), true);
}

void FakeBrowser::FinishLoad(const std::string& title) {
    if (!pending) {
        ADD_FAILURE() << "no navigation is pending";
        return;
    }
    Load(FakePage{*pending, title, {}});
}

void FakeBrowser::RaiseLoaded(const std::string& url) {
    Load(FakePage{url, "", {}});
}

void FakeBrowser::RaiseTitle(const std::string& title) {
    log.push_back("Title " + title);
    events_.OnTitleChange(title);
}

void FakeBrowser::RaiseProgress(int now, int max) {
    log.push_back("Progress " + std::to_string(now) + "/" + std::to_string(max));
    events_.OnProgressChange(now, max);
}

void FakeBrowser::RaiseStatus(const std::string& text) {
    log.push_back("Status " + text);
    events_.OnStatusTextChange(text);
}

BrowserControl* FakeBrowser::RaiseNewWindow(bool& cancel) {
    const std::shared_ptr<bool> alive = alive_;
    BrowserControl* control = events_.OnNewWindow2(cancel);
    if (!cancel && !control)
        ADD_FAILURE() << "NewWindow2 allowed a window without giving its control";
    if (*alive)
        log.push_back(std::string("NewWindow2") + Yes(cancel));
    return cancel ? nullptr : control;
}

FakeBrowser* FakeBrowser::OpenWindowFromScript(const std::string& url) {
    bool cancel = false;
    auto* opened = dynamic_cast<FakeBrowser*>(RaiseNewWindow(cancel));
    if (!opened)
        return nullptr;
    const std::shared_ptr<bool> alive = opened->alive_;
    opened->RaiseBeforeNavigate(url);
    return *alive ? opened : nullptr;
}

KeyVerdict FakeBrowser::RaiseKey(KeyPhase phase, uint16_t key, bool ctrl) {
    return events_.OnPageKey(PageKey{phase, key, ctrl});
}

bool FakeBrowser::RaiseMouse(PageMouseKind kind, int x, int y) {
    return events_.OnPageMouse(PageMouse{kind, x, y});
}

void FakeBrowser::RaiseParentNotify(ChildNoticeKind kind, int controlId, int x, int y) {
    events_.OnParentNotify(ChildNotice{kind, controlId, x, y});
}

// --- BrowserControl -----------------------------------------------------------------------

bool FakeBrowser::Navigate2(const std::string& url, int32_t flags, const std::string& target,
                            const std::string& headers, const std::string& postData) {
    navigations.push_back(url);
    requests.push_back(Request{url, target, headers, postData, flags});
    if (autoNavigate) {
        BeforeNavigateArgs args;
        args.url = url;
        args.flags = flags;
        args.targetFrame = target;
        args.headers = headers;
        args.postData = postData;
        args.frame = TopFrame();
        args.topLevel = true;
        Raise(args, true);
    }
    return true;
}

bool FakeBrowser::GoHome() {
    navigations.push_back("home");
    if (autoNavigate)
        RaiseBeforeNavigate("http://home.example/");
    return true;
}

void FakeBrowser::MoveInHistory(int step) {
    const int target = historyIndex_ + step;
    pendingHistoryIndex_ = target;
    RaiseBeforeNavigate(history_[static_cast<size_t>(target)]);
}

bool FakeBrowser::GoBack() {
    log.push_back("GoBack");
    if (historyIndex_ <= 0 || pendingHistoryIndex_)
        return false;
    MoveInHistory(-1);
    return true;
}

bool FakeBrowser::GoForward() {
    log.push_back("GoForward");
    if (historyIndex_ + 1 >= static_cast<int>(history_.size()) || pendingHistoryIndex_)
        return false;
    MoveInHistory(1);
    return true;
}

bool FakeBrowser::Refresh2(int level) {
    refreshes.push_back(level);
    log.push_back("Refresh2 " + std::to_string(level));
    return true;
}

bool FakeBrowser::Stop() {
    ++stops;
    pending.reset();
    pendingHistoryIndex_.reset();
    return true;
}

std::unique_ptr<PageDocument> FakeBrowser::Document() {
    if (!document.exists)
        return nullptr;
    return std::make_unique<FakePageDocument>(document, static_cast<int>(history_.size()));
}

bool FakeBrowser::ExecWB(int command, int option, std::optional<int32_t> argument) {
    std::string call = std::to_string(command) + "," + std::to_string(option);
    if (argument)
        call += "," + std::to_string(*argument);
    execs.push_back(call);
    return true;
}

void FakeBrowser::SetDownloadControlFlags(int32_t flags) {
    downloadFlags = flags;
}

bool FakeBrowser::CommandDocumentView(int commandId) {
    documentViewCommands.push_back(commandId);
    return true;
}

bool FakeBrowser::ScrollPage(int dx, int dy) {
    if (!document.exists)
        return false;
    const int maxX = std::max(0, document.pageWidth - metrics.width);
    const int maxY = std::max(0, document.pageHeight - metrics.height);
    document.scrollX = std::clamp(document.scrollX + dx, 0, maxX);
    document.scrollY = std::clamp(document.scrollY + dy, 0, maxY);
    return true;
}

}  // namespace lumbrel::test
