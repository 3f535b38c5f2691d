// One hosted HTML engine (the WebBrowser control) as the core drives it, and the events it
// raises. Texts are ANSI; the binding converts at the COM edge. Every call is guarded: a
// failing engine call returns false or an empty value and the caller goes on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumbrel {

class BrowserControl {
public:
    virtual ~BrowserControl() = default;

    // Navigate2: the URL, the flags as a 4-byte integer, target and headers (empty: none) and
    // the post data as a byte array (empty: none).
    virtual bool Navigate2(const std::string& url, int32_t flags, const std::string& target,
                           const std::string& headers, const std::string& postData) = 0;
    virtual bool GoHome() = 0;
    virtual bool GoBack() = 0;
    virtual bool GoForward() = 0;
    // Refresh2 with REFRESH_NORMAL (0), REFRESH_IFEXPIRED (1) or REFRESH_COMPLETELY (3).
    virtual bool Refresh2(int level) = 0;
    virtual bool Stop() = 0;
    virtual std::string LocationUrl() = 0;
    virtual std::string LocationName() = 0;
    virtual bool Busy() = 0;
    // Gives the keyboard focus to the page.
    virtual void FocusPage() = 0;
    // The text selected in the page, and the addresses of the links inside the selection.
    virtual std::string SelectedText() = 0;
    virtual std::vector<std::string> SelectedLinks() = 0;
};

// Identifies the frame an event is about: the top-level page or one of its frames. Stable
// for the life of that frame; compared, never dereferenced.
using FrameToken = const void*;

struct BeforeNavigateArgs {
    std::string url;
    int32_t flags = 0;
    std::string targetFrame;
    std::string postData;
    std::string headers;
    FrameToken frame = nullptr;
    bool topLevel = false;
};

// The engine's events, delivered on the UI thread to the view of the window they concern.
class BrowserEvents {
public:
    virtual ~BrowserEvents() = default;
    virtual void OnBeforeNavigate2(const BeforeNavigateArgs& args, bool& cancel) = 0;
    virtual void OnNavigateComplete2(const std::string& url, FrameToken frame, bool topLevel) = 0;
    virtual void OnDocumentComplete(const std::string& url, FrameToken frame, bool topLevel) = 0;
    virtual void OnNavigateError(const std::string& url, FrameToken frame, int32_t status,
                                 bool& cancel) = 0;
    virtual void OnTitleChange(const std::string& title) = 0;
    virtual void OnProgressChange(int32_t progress, int32_t progressMax) = 0;
    virtual void OnStatusTextChange(const std::string& text) = 0;
    // CSC_NAVIGATEFORWARD (1), CSC_NAVIGATEBACK (2) or another command id.
    virtual void OnCommandStateChange(int32_t command, bool enabled) = 0;
    virtual void OnDownloadBegin() = 0;
    virtual void OnDownloadComplete() = 0;
    // A page asks for a new window. Return the control of the window that takes the page (its
    // first navigation comes from the engine), or nothing and set `cancel`.
    virtual BrowserControl* OnNewWindow2(bool& cancel) = 0;
};

}  // namespace lumbrel
