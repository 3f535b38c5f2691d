// The main frame: the one top-level window and the coordinator of every rule about its
// browser windows. It owns the parts that hold those rules — the window list, making,
// activating, closing and protecting windows, batch opening, the session files, the command
// table, the indicators, showing and hiding, and the exit sequence — and routes the events
// of the binding (window messages, commands, timers) to them.
//
// Driven by the Windows binding and by the views of its windows; it answers through the
// frame's widgets (FrameWidgets), the ports of the application and posted messages. The parts
// exist from the frame's creation (OnCreate) on; before it every event is ignored.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "address/AddressInput.h"
#include "app/CBrowserApp.h"
#include "favorites/Favorites.h"
#include "favorites/FrameFavoritesHost.h"
#include "favorites/Groups.h"
#include "frame/BatchOpener.h"
#include "frame/CChildFrame.h"
#include "frame/ExitSequence.h"
#include "frame/FrameCommands.h"
#include "frame/FrameDragHost.h"
#include "frame/FrameFilters.h"
#include "frame/FrameIndicators.h"
#include "frame/FrameOptions.h"
#include "frame/FrameOptionsDialog.h"
#include "frame/FrameProxies.h"
#include "frame/FrameSearch.h"
#include "frame/FrameVisibility.h"
#include "frame/NewChildRequest.h"
#include "frame/SessionFiles.h"
#include "frame/WindowActivation.h"
#include "frame/WindowCloser.h"
#include "frame/WindowList.h"
#include "frame/WindowOpener.h"
#include "frame/WindowProtection.h"
#include "mouse/MouseControl.h"
#include "platform/FrameWidgets.h"
#include "view/ViewServices.h"

namespace lumbrel {

// Children display modes: how the browser windows are laid out.
enum class DisplayMode { Normal = 0, Maximized = 1, Arranged = 2, Sized = 3 };

class CMainFrame : public MessageTarget {
public:
    using SysCommand = FrameSysCommand;

    explicit CMainFrame(CBrowserApp& app);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // --- Life cycle ---
    // The frame's window exists: its parts are made, the creation settings read, the show/hide
    // hot key registered and the closed-windows list loaded.
    void OnCreate(const FrameWidgets& widgets);
    // The settings read after LoadSettings: the children display mode.
    void ApplyStartSettings();
    // The deferred initialisation posted at the end of start-up.
    void DeferredInit();
    // The close request of the frame; true when the frame was destroyed.
    bool OnCloseRequest(bool endingSession);
    bool Exited() const;

    // --- Windows ---
    CChildFrame* NewChild(const NewChildRequest& request);
    // Inserts the tab of a window whose first navigation began; returns the index used.
    int AddTab(CChildFrame& child, int index, const std::string& title);
    int FindTab(const CChildFrame& child);
    CChildFrame* ActiveChild();
    // MDI-activates the window and selects its tab.
    void ActivateChild(CChildFrame& child);
    // Builds the menu bar again from the menu data, the closed-window list included.
    void RebuildMenus();
    // Runs the close request of one window (confirmations, undo list, next window).
    void CloseChild(ChildId id);
    void OpenFolder(const std::string& folder);
    void ShowHide(bool skipPassword);
    void RestoreAtStart(int startupMode, bool uncleanEnd);

    // --- Commands ---
    void OnCommand(int id);
    // The window of the tab a menu is being opened on (kNoChild when there is none): taken
    // before the menu, whose message loop may move the tabs.
    ChildId TabMenuSubject(int tabIndex) const;
    // A command of the tab menu opened on `subject`'s tab: it acts on that window, if it is
    // still there.
    void OnTabMenuCommand(int id, ChildId subject);
    // Commands the frame does not know go to the active window's view.
    CommandState QueryCommand(int id);
    bool HandlesCommand(int id) const;

    // --- Events from the binding ---
    void OnPosted(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void OnTimer(uint32_t timerId) override;
    void OnHandover(const std::string& text);
    void OnChildActivate(ChildId id, bool active);
    void OnChildSizeCommand(ChildWindowEvents::SizeCommand command);
    void OnDroppedFiles(const std::vector<std::string>& files, bool shiftHeld);
    void OnActivateApp(bool active) { active_ = active; }
    bool IsActive() const { return active_; }
    // The show/hide hot key, the tray icon and a second instance's wake-up.
    void OnHotKey() { ShowHide(false); }
    // Returns true when the command was handled here instead of by the system.
    bool OnSysCommand(SysCommand command);
    void AfterMinimize();
    void OnTrayMouse(TrayMouse event);

    // --- Questions the binding asks while it builds the frame ---
    FrameStartShow StartShow(bool startsMinimized) {
        return FrameVisibility::StartShow(Prefs(), startsMinimized);
    }
    // Whether the rebar band at `bandIndex` shows at start ("bandb0", the tab band, is read;
    // the others always show).
    bool ShowsBandAtStart(int bandIndex);

    // --- The parts ---
    WindowList& Windows() { return parts_->windows; }
    CTabBar& TabBar() { return parts_->tabBar; }
    WindowCloser& Closer() { return parts_->closer; }
    WindowProtection& Protection() { return parts_->protection; }
    SessionFiles& Sessions() { return parts_->sessions; }
    BatchOpener& Batch() { return parts_->batch; }
    FrameIndicators& Indicators() { return parts_->indicators; }
    FrameVisibility& Visibility() { return parts_->visibility; }
    AddressInput& Address() { return parts_->address; }
    FrameFilters& Filters() { return parts_->filters; }
    Favorites& Favs() { return parts_->favorites; }
    Groups& UrlGroups() { return parts_->groups; }
    // What the drag commands of every view do through the frame.
    FrameDragHost& DragHost() { return parts_->dragHost; }
    FrameOptionsDialog& OptionsDialog() { return parts_->optionsDialog; }
    FrameSearch& Search() { return parts_->search; }
    FrameProxies& Proxies() { return parts_->proxies; }

    // --- State the parts, the views and the binding read ---
    CBrowserApp& App() { return app_; }
    Preferences& Prefs() { return app_.Prefs(); }
    const FrameOptions& Options() const { return options_; }
    // The options dialog reads the fields again after it wrote their keys.
    FrameOptions& EditOptions() { return options_; }
    FrameWidgets& Widgets() { return parts_->widgets; }
    DisplayMode ChildrenDisplayMode() const { return displayMode_; }
    // The mode is also the `PageMax` value saved at exit.
    void SetChildrenDisplayMode(DisplayMode mode);
    // Set when the favorites changed (1) or only their order (2): the menus are rebuilt once
    // the user is idle.
    int FavoritesChanged() const { return favoritesChanged_; }
    void SetFavoritesChanged(int flag) { favoritesChanged_ = flag; }
    // The popup rules, page extensions, start page and network the views share.
    ViewServices& Services() { return services_; }
    // Gestures, button and drag actions, shared by every view.
    MouseControl& Mouse() { return mouse_; }
    // Posts a message to the frame itself.
    void Post(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
    std::string Text(int stringId) const { return app_.LngLoadString(stringId); }
    // A Yes/No question and a warning, with texts from the string table.
    MsgResult Ask(int stringId);
    void Tell(int stringId);

private:
    // Made when the frame's window exists; the window list goes first at destruction, so
    // the windows never outlive the parts they call.
    struct Parts {
        Parts(CMainFrame& frame, const FrameWidgets& frameWidgets);
        FrameWidgets widgets;
        CTabBar tabBar;
        FrameIndicators indicators;
        FrameVisibility visibility;
        SessionFiles sessions;
        BatchOpener batch;
        WindowCloser closer;
        WindowProtection protection;
        WindowActivation activation;
        WindowOpener opener;
        FrameOptionsDialog optionsDialog;  // a command set: made before, gone after the list
        FrameCommands commands;
        ExitSequence exit;
        AddressInput address;
        FrameFilters filters;
        FrameSearch search;
        FrameProxies proxies;
        FrameFavoritesHost favoritesHost;
        Favorites favorites;
        Groups groups;
        FrameDragHost dragHost;
        WindowList windows;
    };
    void OnUiTick();

    CBrowserApp& app_;
    FrameOptions options_;
    std::unique_ptr<Parts> parts_;
    DisplayMode displayMode_ = DisplayMode::Maximized;
    bool active_ = false;
    int tickCounter_ = 0;
    int favoritesChanged_ = 0;
    ViewServices services_;
    MouseControl mouse_;
};

}  // namespace lumbrel
