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
    bool Create(HWND frame, HMENU windowMenu);
    HWND Handle() const { return client_; }

    // Creates the browser window `id`, hidden. Its window events go to `events`, its engine's
    // to `browserEvents`, posted messages to `target`; `gone` runs after it was destroyed.
    ChildWindow* CreateChild(ChildId id, bool maximized, ChildWindowEvents& events,
                             BrowserEvents& browserEvents, MessageTarget& target,
                             const CodePage& codePage, std::function<void(ChildId)> gone);
    ChildWindow* Find(ChildId id) const;
    ChildWindow* Active() const;
    void Activate(ChildId id);
    void ActivateNext();
    void Cascade();
    void Tile(bool horizontally);
    // Shows `frameMenu` as the frame's menu bar with `windowMenu` listing the windows; the
    // menu bar shown before stays alive and is the caller's to destroy. A maximised child's
    // system menu and caption buttons move over to the new menu bar.
    void SetMenus(HMENU frameMenu, HMENU windowMenu);
    // The MDI keys (Ctrl+F4, Ctrl+F6) for the active browser window.
    bool TranslateSysAccel(MSG& msg);
    // Destroys every browser window (before the frame goes).
    void DestroyAll();

private:
    HWND client_ = nullptr;
    std::map<ChildId, std::unique_ptr<ChildWindow>> children_;
};

}  // namespace lumbrel::win32
