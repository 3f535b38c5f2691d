// The main window and its browser windows as the window-list rules see them. The binding
// implements them over an MDI frame and its children; tests use recording fakes.
//
// A browser window is identified by a ChildId that never changes and is never reused. The
// binding creates the window for an id, tells the core what happens to it through
// ChildWindowEvents, and destroys it when the core says so.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/BrowserControl.h"
#include "platform/EventLoop.h"
#include "platform/PageMouseWindow.h"
#include "platform/WindowGeometry.h"

namespace lumbrel {

class PageManager;

using ChildId = uint32_t;
inline constexpr ChildId kNoChild = 0;

// What a browser window reports to the core.
class ChildWindowEvents {
public:
    virtual ~ChildWindowEvents() = default;
    // The user or the program asked the window to close (WM_CLOSE).
    virtual void OnCloseRequest() = 0;
    // MDI activation changed; `active` is whether this window is the active one now.
    virtual void OnMdiActivate(bool active) = 0;
    // The window was minimised, restored or maximised by the user.
    enum class SizeCommand { Minimize, Restore, Maximize };
    virtual void OnSizeCommand(SizeCommand command) = 0;
    // Whether the window's frame (caption, borders) is painted. While the frame shows its
    // windows maximised, no frame is ever seen, also not during the brief restore of the
    // window that hands the maximised place to another.
    virtual bool PaintsFrame() = 0;
    // Whether a resize of the window reaches its page (`maximized`: the window is maximised
    // after it). While the windows are shown maximised only a maximised size does.
    virtual bool PassesResize(bool maximized) = 0;
};

class ChildWindow {
public:
    virtual ~ChildWindow() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() = 0;
    virtual bool IsMaximized() = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() = 0;
    // Hides or shows the page inside the window (the window itself stays).
    virtual void SetPageVisible(bool visible) = 0;
    // Destroys the window now; the object is gone afterwards.
    virtual void Destroy() = 0;
    virtual BrowserControl& Browser() = 0;
    // The mouse side of the window's view.
    virtual PageMouseWindow& MouseWindow() = 0;
};

struct BandLayout {
    int id = 0;
    int width = 0;
    int style = 0;
    bool visible = true;
};

// An item of a menu built at run time.
struct MenuEntry {
    int commandId = 0;
    std::string text;
};

struct ChildCreateOptions {
    bool maximized = false;  // created maximised, else 520 by 320 pixels
    // The download-control flags its browser host hands to the engine (images, videos, …).
    int downloadControlFlags = 0;
};

// What the core asks of the main window.
class FrameWindow {
public:
    virtual ~FrameWindow() = default;

    // --- Browser windows ---
    // Creates a hidden MDI child with an empty title hosting a browser control. Its window
    // events go to `events`, the engine's to `browserEvents`, and messages posted to `id`
    // to `target`. Nothing when creation fails.
    virtual ChildWindow* CreateChild(ChildId id, const ChildCreateOptions& options,
                                     ChildWindowEvents& events, BrowserEvents& browserEvents,
                                     MessageTarget& target) = 0;
    virtual void MdiActivate(ChildId id) = 0;
    virtual ChildId ActiveChild() = 0;  // kNoChild when none
    virtual void MdiActivateNext() = 0;
    virtual void Cascade() = 0;
    virtual void TileHorizontally() = 0;
    virtual void TileVertically() = 0;

    // --- The frame itself ---
    virtual bool IsVisible() = 0;
    virtual bool IsMinimized() = 0;
    virtual bool IsMaximized() = 0;
    virtual bool IsForeground() = 0;
    // Shows and restores the frame (when minimised or hidden) and brings it to the front.
    virtual void ShowAndRestore() = 0;
    virtual void BringToFront() = 0;
    virtual void MinimizeAndHide() = 0;
    virtual void Hide() = 0;
    virtual void SetTitle(const std::string& text) = 0;
    // Refreshes the enabled and checked states of the bars' buttons.
    virtual void RefreshCommandStates() = 0;
    // Closes the frame for good (after the exit sequence).
    virtual void Destroy() = 0;
    // The frame's placement when shown normally, and how it is shown now.
    virtual ShowState CurrentShowState() = 0;
    virtual Placement NormalPlacement() = 0;
    // The animation that tells that pages are loading: a frame index, or -1 to stop it.
    virtual void SetThrobber(int frame) = 0;

    // --- Bars ---
    // The bars' bands: the tab band first (wherever it is placed), then the main rebar's
    // other bands in display order. A bar's band id is the command id that shows it.
    virtual std::vector<BandLayout> Bands() = 0;
    // Shows or hides the band `bandId`; nothing when there is no such band.
    virtual void ShowBand(int bandId, bool show) = 0;
    virtual bool StatusBarVisible() = 0;
    // Builds the menus again in the active language.
    virtual void RebuildMenus() = 0;
    // The items after the fixed ones of the undo-close menu, newest first.
    virtual void SetUndoCloseItems(const std::vector<MenuEntry>& items) = 0;
    // Shows the Page Manager dialog over `manager` until it ends; modal, with the message
    // loop running.
    virtual void RunPageManager(PageManager& manager) = 0;
    // Gives the tab band `height` pixels for the tab control's rows.
    virtual void FitTabBand(int height) = 0;

    // --- Show/hide ways back ---
    virtual bool RegisterShowHideHotKey(int modifiers, int virtualKey) = 0;
    virtual void UnregisterShowHideHotKey() = 0;
    virtual bool ShowTrayIcon() = 0;
    virtual void RemoveTrayIcon() = 0;
    // The tray icon's menu at the mouse; its command is posted to the frame.
    virtual void ShowTrayMenu() = 0;

    // Dialog windows of this process owned by other threads (the engine's download dialogs).
    virtual int ForeignThreadDialogCount() = 0;
};

}  // namespace lumbrel
