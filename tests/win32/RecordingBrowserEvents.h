// A BrowserEvents that records what the core would see, one readable line per event, and
// answers from a script: which navigations to cancel, which control takes a new window.
#pragma once

#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/BrowserControl.h"

namespace lumbrel::test {

class RecordingBrowserEvents : public BrowserEvents {
public:
    struct Error {
        std::string url;
        FrameToken frame = nullptr;
        int32_t status = 0;
    };
    struct Completion {
        std::string url;
        FrameToken frame = nullptr;
        bool topLevel = false;
    };

    // Answers.
    std::set<std::string> cancelBefore;
    bool cancelErrors = false;
    BrowserControl* newWindow = nullptr;
    bool cancelNewWindow = false;
    KeyVerdict keyVerdict = KeyVerdict::Deliver;
    bool viewMouseUsed = false;
    bool mouseUsed = false;
    bool scriptErrorHandled = false;
    bool pageMessageHandled = false;
    // Runs after each recorded event (a core reacting from inside the event).
    std::function<void()> afterEvent;

    // What arrived.
    std::vector<std::string> log;
    std::vector<BeforeNavigateArgs> before;
    std::vector<Error> errors;
    std::vector<Completion> navigateComplete;
    std::vector<Completion> documentComplete;

    bool HasError(const std::string& url) const {
        for (const Error& error : errors)
            if (error.url == url)
                return true;
        return false;
    }
    bool HasBefore(const std::string& url) const {
        for (const BeforeNavigateArgs& args : before)
            if (args.url == url)
                return true;
        return false;
    }

    void OnBeforeNavigate2(const BeforeNavigateArgs& args, bool& cancel) override {
        before.push_back(args);
        if (cancelBefore.count(args.url))
            cancel = true;
        Record("before " + args.url + (args.topLevel ? " top" : " frame"));
    }
    void OnNavigateComplete2(const std::string& url, FrameToken frame, bool topLevel) override {
        navigateComplete.push_back({url, frame, topLevel});
        Record("navigated " + url);
    }
    void OnDocumentComplete(const std::string& url, FrameToken frame, bool topLevel) override {
        documentComplete.push_back({url, frame, topLevel});
        Record("document " + url);
    }
    void OnNavigateError(const std::string& url, FrameToken frame, int32_t status,
                         bool& cancel) override {
        errors.push_back({url, frame, status});
        if (cancelErrors)
            cancel = true;
        char code[16];
        std::snprintf(code, sizeof(code), "%08X", static_cast<unsigned>(status));
        Record("error " + url + " " + code);
    }
    void OnTitleChange(const std::string& title) override { Record("title " + title); }
    void OnProgressChange(int32_t progress, int32_t progressMax) override {
        Record("progress " + std::to_string(progress) + "/" + std::to_string(progressMax));
    }
    void OnStatusTextChange(const std::string& text) override { Record("status " + text); }
    void OnCommandStateChange(int32_t command, bool enabled) override {
        Record("command " + std::to_string(command) + (enabled ? " on" : " off"));
    }
    void OnDownloadBegin() override { Record("download begin"); }
    void OnDownloadComplete() override { Record("download complete"); }
    bool OnScriptError() override {
        Record("ScriptError");
        return scriptErrorHandled;
    }
    bool OnPageMessage(const std::string& messageText) override {
        Record("PageMessage " + messageText);
        return pageMessageHandled;
    }
    BrowserControl* OnNewWindow2(bool& cancel) override {
        if (cancelNewWindow)
            cancel = true;
        Record("new window");
        return newWindow;
    }

    KeyVerdict OnPageKey(const PageKey& key) override {
        static const char* const kPhases[] = {"down", "up", "char"};
        Record("key " + std::string(kPhases[static_cast<int>(key.phase)]) + " " +
               std::to_string(key.virtualKey) + (key.ctrlHeld ? " ctrl" : ""));
        return keyVerdict;
    }
    bool OnPageMouse(const PageMouse& mouse) override {
        static const char* const kKinds[] = {"left down", "left up",     "right down",
                                             "right up",  "middle down", "double click",
                                             "wheel",     "move"};
        std::string line = "mouse " + std::string(kKinds[static_cast<int>(mouse.kind)]) + " at " +
                           std::to_string(mouse.x) + "," + std::to_string(mouse.y);
        if (mouse.keyState)
            line += " keys " + std::to_string(mouse.keyState);
        if (mouse.wheelDelta)
            line += " delta " + std::to_string(mouse.wheelDelta);
        Record(line);
        return mouseUsed;
    }
    bool OnViewMouse(const PageMouse& mouse) override {
        Record("view " +
               std::string(mouse.kind == PageMouseKind::Move      ? "move"
                           : mouse.kind == PageMouseKind::RightUp ? "right up"
                                                                  : "left up") +
               " at " + std::to_string(mouse.x) + "," + std::to_string(mouse.y) + " keys " +
               std::to_string(mouse.keyState));
        return viewMouseUsed;
    }
    void OnParentNotify(const ChildNotice& notice) override {
        static const char* const kKinds[] = {"created", "destroyed", "left press", "right press",
                                             "middle press"};
        std::string line = "child " + std::string(kKinds[static_cast<int>(notice.kind)]);
        if (notice.kind == ChildNoticeKind::Created || notice.kind == ChildNoticeKind::Destroyed)
            line += " " + std::to_string(notice.controlId);
        else
            line += " at " + std::to_string(notice.x) + "," + std::to_string(notice.y);
        Record(line);
    }

    std::string Joined() const {
        std::string text;
        for (const std::string& line : log)
            text += line + "\n";
        return text;
    }

private:
    void Record(std::string line) {
        log.push_back(std::move(line));
        if (afterEvent)
            afterEvent();
    }
};

}  // namespace lumbrel::test
