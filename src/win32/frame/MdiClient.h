// The frame's MDI client window and the browser windows inside it, each kept under the id the
// core gave it. A browser window leaves the list once its window is destroyed, so a message
// that arrives later finds nothing under its id.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "platform/FrameWindow.h"
#include "win32/frame/ChildWindow.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

class MdiClient {
public:
    // The MDI window list's items carry ids from here on, above every command id.
    static constexpr UINT kFirstChildId = 0xFF00;

    MdiClient() = default;
    ~MdiClient();
    MdiClient(const MdiClient&) = delete;
    MdiClient& operator=(const MdiClient&) = delete;

    // Creates the client inside `frame`; the MDI window list goes into `windowMenu`.
    // `presentationChanged` runs whenever the active window, or how it is shown, changed.
    bool Create(HWND frame, HMENU windowMenu, std::function<void()> presentationChanged);
    HWND Handle() const { return client_; }
    RECT ClientArea() const;

    // Creates the browser window `id`, hidden, as `options` say. Its window events go to
    // `events`, its engine's to `browserEvents`, posted messages to `target`; `gone` runs
    // after it was destroyed.
    ChildWindow* CreateChild(ChildId id, const ChildCreateOptions& options,
                             ChildWindowEvents& events, BrowserEvents& browserEvents,
                             MessageTarget& target, const CodePage& codePage,
                             std::function<void(ChildId)> gone);
    // The MDI child window `create` describes; null when refused.
    HWND CreateWindowFor(MDICREATESTRUCTA& create);
    void DestroyWindowOf(HWND child);

    ChildWindow* Find(ChildId id) const;
    ChildWindow* Active() const;
    HWND ActiveHandle() const;
    void Activate(ChildId id);
    void ActivateNext();
    void Cascade();
    void Tile(bool horizontally);

    // Whether the browser window `child` is shown maximised (fills the client).
    bool IsFilled(HWND child) const;
    // Every maximised window back to its normal place (restore, minimise, arrange).
    void UnfillAll();
    // The active window follows the client's size when it fills it; a window behind it
    // follows when it is activated.
    void FitActive();
    // While windows are shown maximised the client has no scroll bars (as with MDI
    // maximising): a window behind the active one may still have the size the client had.
    void ShowScrollBars(bool show);
    // Runs the window command `command` (SC_CLOSE, SC_RESTORE, …) of the active window.
    void SysCommandToActive(UINT command);
    void PresentationChanged();

    // Shows `frameMenu` as the frame's menu bar with `windowMenu` listing the windows; the
    // menu bar shown before stays alive and is the caller's to destroy.
    void SetMenus(HMENU frameMenu, HMENU windowMenu);
    // The MDI keys (Ctrl+F4, Ctrl+F6) for the active browser window.
    bool TranslateSysAccel(MSG& msg);
    // Destroys every browser window (before the frame goes).
    void DestroyAll();

private:
    ChildWindow* FindByHandle(HWND child) const;

    HWND client_ = nullptr;
    std::function<void()> presentationChanged_;
    std::map<ChildId, std::unique_ptr<ChildWindow>> children_;
};

}  // namespace lumbrel::win32
