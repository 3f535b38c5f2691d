// One hosted HTML engine (the WebBrowser control) as the core drives it, the document it
// shows, and the events it and the view's window raise. Texts are ANSI; the binding converts at
// the COM edge. Every call is guarded: a failing engine call returns false or an empty value
// and the caller goes on. Nothing here throws.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/PageDrop.h"
#include "platform/PageText.h"

namespace lumbrel {

// What kind of element has the keyboard focus in a page, as far as the keyboard rules care.
enum class FocusedElementKind { None, TextInput, TextArea, Other };

// The control's window as scrolling sees it, in its client pixels: its size, the sizes of the
// system's vertical scroll bar (its width) and horizontal one (its height), and the cursor.
struct ScrollMetrics {
    int width = 0;
    int height = 0;
    int scrollBarWidth = 0;
    int scrollBarHeight = 0;
    int cursorX = 0;
    int cursorY = 0;
};

// The document a control shows, for the rules that read or change it; find and highlight walk
// its body's text ranges (PageText). Obtained for one step from BrowserControl::Document and
// released when dropped; it does not outlive the control.
class PageDocument : public PageText {
public:
    virtual ~PageDocument() = default;
    // The document's protocol text (IHTMLDocument2::get_protocol), for example "HyperText
    // Transfer Protocol with Privacy"; empty when the document does not say.
    virtual std::string Protocol() = 0;
    // Sets the body element's scroll attribute ("yes", "no", "auto"); false when the document
    // has no body or refuses.
    virtual bool SetBodyScroll(const std::string& value) = 0;
    // Takes the body's background picture away and gives it the colour `color` ("#FFFFFF" or a
    // colour name); false when the document has no body or refuses.
    virtual bool ForceBackground(const std::string& color) = 0;
    // The kind of the element with the keyboard focus; None when nothing has it.
    virtual FocusedElementKind FocusedElement() = 0;
    // history.length of the document's window; nothing when it cannot be read.
    virtual std::optional<int> HistoryLength() = 0;
    // IOleCommandTarget::Exec on the document without a command group, for OLECMDID_PAGESETUP
    // (8) and OLECMDID_PROPERTIES (10); the engine shows its dialog. False when refused.
    virtual bool ExecCommand(int commandId) = 0;
    // The address of the link at a point of the view's client area: the element there, then
    // its parents up to the first whose tag name is "A"; empty when there is none.
    virtual std::string LinkAt(int x, int y) = 0;
    // The address of the image at a point of the view's client area (an "IMG" element there);
    // empty when there is none.
    virtual std::string ImageAt(int x, int y) = 0;
    // Runs `script` in the document's window (IHTMLWindow2::execScript) in `language`
    // ("JavaScript", "VBScript", ...); false when the engine refused or the script failed.
    // Page code may run meanwhile (handlers the script triggers): the window, even the view,
    // may be gone when it returns.
    virtual bool ExecScript(const std::string& script, const std::string& language) = 0;
};

class BrowserControl {
public:
    virtual ~BrowserControl() = default;

    // --- Navigation
    // Navigate2 with the URL, the flags as a 4-byte integer, target and headers (empty: none)
    // and the post data as a byte array. `postData` is bytes, not text: its length is its own
    // size, NULs included, and an empty one means a navigation without post data.
    virtual bool Navigate2(const std::string& url, int32_t flags, const std::string& target,
                           const std::string& headers, const std::string& postData) = 0;
    virtual bool GoHome() = 0;
    // One step back or forward; false when the engine has no such step or refuses.
    virtual bool GoBack() = 0;
    virtual bool GoForward() = 0;
    // Refresh2 with REFRESH_NORMAL (0), REFRESH_IFEXPIRED (1) or REFRESH_COMPLETELY (3).
    virtual bool Refresh2(int level) = 0;
    virtual bool Stop() = 0;

    // --- What the control shows
    // LocationURL: the address of the page the engine has committed to (it changes when the
    // page's NavigateComplete2 is raised, not when a navigation starts).
    virtual std::string LocationUrl() = 0;
    virtual std::string LocationName() = 0;
    virtual bool Busy() = 0;
    // The document shown now; nothing while the control has none (a blank control, a
    // download in progress).
    virtual std::unique_ptr<PageDocument> Document() = 0;
    // The text selected in the page, and the addresses of the links inside the selection.
    virtual std::string SelectedText() = 0;
    virtual std::vector<std::string> SelectedLinks() = 0;
    // Whether the engine keeps a travel log of its own (asked through the control's service
    // provider). Without one the view keeps its own back/forward list.
    virtual bool HasTravelLog() = 0;

    // --- Commands and settings
    // Gives the keyboard focus to the page.
    virtual void FocusPage() = 0;
    // IWebBrowser2::ExecWB with an OLECMDID_* command and an OLECMDEXECOPT_* option; the
    // argument is passed as a 4-byte integer when given. False when refused.
    virtual bool ExecWB(int command, int option, std::optional<int32_t> argument) = 0;
    // The download-control flags (DLCTL_* bits) the host answers the ambient property
    // DISPID_AMBIENT_DLCONTROL with from now on; the control and its document are told that
    // the property changed.
    virtual void SetDownloadControlFlags(int32_t flags) = 0;
    // Sends WM_COMMAND `commandId` to the control's "Shell DocObject View" window (a direct
    // child first, else any descendant); false when there is none.
    virtual bool CommandDocumentView(int commandId) = 0;

    // --- Scrolling the page
    // The document window's scrollBy: the page moves by (dx, dy) pixels and stops at its
    // edges. False when the control shows no document.
    virtual bool ScrollPage(int dx, int dy) = 0;
    virtual ScrollMetrics Metrics() = 0;
};

// Identifies the frame an event is about: the top-level page or one of its frames. Stable
// for the life of that frame; compared, never dereferenced.
using FrameToken = const void*;

struct BeforeNavigateArgs {
    std::string url;
    int32_t flags = 0;
    std::string targetFrame;
    // Bytes with their own length (NULs included); empty: no post data.
    std::string postData;
    std::string headers;
    FrameToken frame = nullptr;
    // The event is about the control's own document, not one of its frames.
    bool topLevel = false;
};

// A keyboard message for a page, offered to the view before the engine sees it.
enum class KeyPhase { Down, Up, Char };
struct PageKey {
    KeyPhase phase = KeyPhase::Down;
    uint16_t virtualKey = 0;  // for Char: the character code
    bool ctrlHeld = false;
};
// What the binding does with a key message after the view saw it.
enum class KeyVerdict {
    Deliver,        // as it came
    DeliverAsChar,  // as a WM_CHAR with the same code instead
    Eat,            // not at all
};

// A mouse message for a page, offered to the view before the engine sees it; or (Move and the
// releases) one the view's own window got while it held the mouse capture. Positions are in
// the view's client coordinates.
enum class PageMouseKind {
    LeftDown,
    LeftUp,
    RightDown,
    RightUp,
    MiddleDown,
    DoubleClick,
    Wheel,
    Move
};
struct PageMouse {
    PageMouseKind kind = PageMouseKind::LeftDown;
    int x = 0, y = 0;
    uint16_t keyState = 0;  // MK_* flags: the low word of wParam
    int wheelDelta = 0;     // Wheel: the signed high word of wParam, > 0 away from the user
};

// WM_PARENTNOTIFY: a window inside the view was created or destroyed, or a button was pressed
// over one. `controlId` is the id of the window created or destroyed (the WebBrowser control
// is 100); positions are in the view's client coordinates.
enum class ChildNoticeKind { Created, Destroyed, LeftPress, RightPress, MiddlePress };
struct ChildNotice {
    ChildNoticeKind kind = ChildNoticeKind::Created;
    int controlId = 0;
    int x = 0, y = 0;
};

// The engine's events and the messages of the view's window, delivered on the UI thread to
// the view of the window they concern. An event may arrive after the call that caused it has
// returned, and the view's window may be gone once a handler that shows a box returns.
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
    // first navigation comes from the engine), or nothing and set `cancel`. The control must
    // exist when this returns: the engine navigates it right away.
    virtual BrowserControl* OnNewWindow2(bool& cancel) = 0;
    // The document host's command group: a script error in the page, and a message box the
    // page's engine is about to show (`messageText`). True when the program dealt with it and
    // the engine shows nothing; false lets the engine do as it would.
    virtual bool OnScriptError() { return false; }
    virtual bool OnPageMessage(const std::string& /*messageText*/) { return false; }

    // --- The view's window
    virtual KeyVerdict OnPageKey(const PageKey& key) = 0;
    // True when the view used the message and the engine must not see it.
    virtual bool OnPageMouse(const PageMouse& mouse) = 0;
    // A message to the view's own window (it holds the capture during a right-button gesture);
    // true when the view used it and the window's default handling must not run.
    virtual bool OnViewMouse(const PageMouse& /*mouse*/) { return false; }
    virtual void OnParentNotify(const ChildNotice& notice) = 0;
    // Where the page's drag-and-drop goes; null leaves it to the engine.
    virtual PageDropEvents* DropEvents() { return nullptr; }
};

}  // namespace lumbrel
