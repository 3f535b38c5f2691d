// The main frame: the one top-level window and every rule about its browser windows — how a
// window is created or reused, where its tab goes, which window becomes active when one
// closes, which windows a close command affects, locking, marking and protecting, the
// batch-opening queue, the timers, the private messages and the orderly shutdown.
//
// Driven by the Windows binding (window messages and commands become calls here) and by the
// views of its windows; it answers through the frame's widgets (FrameWidgets), the ports of
// the application and posted messages. The window list is the tab strip: tab order is window
// order, and every walk reads the tabs by index.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CBrowserApp.h"
#include "frame/CChildFrame.h"
#include "frame/CommandDispatcher.h"
#include "frame/FrameMessages.h"
#include "frame/FrameOptions.h"
#include "frame/OpenQueue.h"
#include "frame/UndoCloseRing.h"
#include "platform/FrameWidgets.h"

namespace lumbrel {

// `NewChild` modes and navigation kinds.
enum class ChildMode { NoNavigation = 0, ReuseOrCreate = 1, Create = 2 };
enum class NavKind { Blank = 0, Home = 1, Url = 2 };

// Children display modes of the frame.
enum class DisplayMode { Normal = 0, Maximized = 1, Arranged = 2, Sized = 3 };

// One window of a session file.
struct SessionEntry {
    int state = 0;  // its tab image; 4 = locked
    std::string name;
    std::string url;
};

// A ".url" Internet Shortcut (by its name).
bool IsUrlShortcut(const std::string& path);

class CMainFrame : public MessageTarget {
public:
    explicit CMainFrame(CBrowserApp& app);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // --- Life cycle ---
    // The frame's window exists: reads the creation settings, registers the show/hide hot
    // key and loads the closed-windows list.
    void OnCreate(const FrameWidgets& widgets);
    // The settings read after LoadSettings (maximum windows, display mode, keep one page).
    void ApplyStartSettings();
    // The deferred initialisation posted at the end of start-up.
    void DeferredInit();
    // The close request of the frame (also at the end of the session, which skips the first
    // question). Returns true when the frame was destroyed.
    bool OnCloseRequest(bool endingSession);
    bool Exited() const { return exited_; }

    // --- Windows ---
    CChildFrame* NewChild(ChildMode mode, NavKind kind, const std::string& url,
                          CQuorralView* source, bool activate);
    // Inserts the tab of a window whose first navigation began; returns the index used.
    int AddTab(CChildFrame& child, int index, const std::string& title);
    int FindTab(const CChildFrame& child);
    int WindowCount() const { return windowCount_; }
    CChildFrame* ChildAt(int index);
    CChildFrame* Child(ChildId id);
    CChildFrame* ActiveChild();
    // Runs the close request of one window (confirmations, undo list, next window).
    void CloseChild(CChildFrame& child);
    void ActivateChild(CChildFrame& child);  // MDI-activates it and selects its tab
    void OpenFolder(const std::string& folder);
    // Opens the first URL at once and queues the others for the open-queue timer.
    void OpenBatch(std::vector<std::string> urls);
    void ShowHide(bool skipPassword);

    // --- Session ---
    // Opens the first windows when the command line named nothing: the start mode, or after
    // an unclean end the windows of the last periodic save.
    void RestoreAtStart(int startupMode, bool uncleanEnd);
    // Writes "Visiting.ini" (while running) or "LastVisit.ini" (at exit).
    void SaveSession(bool visiting);
    std::vector<SessionEntry> ReadSession(const std::string& file);
    void SaveClosedList();
    void LoadClosedList();

    // --- Tabs, as the views and the tab bar use them ---
    void SetTabText(int index, const std::string& text);
    // Sets a tab image; 9 (read) shows as no image unless `ShowRead` is on. Returns the image set.
    int SetTabImage(int index, int image);
    void SelectTab(int index);
    void SetContextTab(int index) { contextTab_ = index; }

    // --- Commands ---
    void OnCommand(int id);
    // Runs a command of the tab menu, which acts on `contextTab`.
    void OnTabMenuCommand(int id, int contextTab);
    CommandState QueryCommand(int id) const;
    bool HandlesCommand(int id) const { return commands_.Knows(id); }
    // Command id of the new-window menu item at `position` (`NewWindow`), 0 for a separator.
    static int NewWindowMenuCommand(int position);

    // --- Events from the binding ---
    void OnPosted(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void OnTimer(uint32_t timerId) override;
    // A second instance handed over a file name or URL.
    void OnHandover(const std::string& text);
    void OnChildActivate(CChildFrame& child, bool active);
    void OnChildSizeCommand(ChildWindowEvents::SizeCommand command);
    void OnDroppedFiles(const std::vector<std::string>& files, bool shiftHeld);
    void OnActivateApp(bool active) { active_ = active; }
    bool IsActive() const { return active_; }
    // The show/hide hot key, the tray icon and a second instance's wake-up.
    void OnHotKey() { ShowHide(false); }
    enum class SysCommand { Minimize, Close, Restore, Other };
    // Returns true when the command was handled here instead of by the system.
    bool OnSysCommand(SysCommand command);
    void AfterMinimize();

    // --- State the views and the binding read ---
    CBrowserApp& App() { return app_; }
    const CBrowserApp& App() const { return app_; }
    Preferences& Prefs() { return app_.Prefs(); }
    const FrameOptions& Options() const { return options_; }
    FrameWidgets& Widgets() { return *widgets_; }
    bool HasWidgets() const { return widgets_.has_value(); }
    UndoCloseRing& ClosedWindows() { return undoRing_; }
    DisplayMode ChildrenDisplayMode() const { return displayMode_; }
    int ProtectedCount() const { return protectedCount_; }
    bool WindowListChanged() const { return windowListChanged_; }
    // Set when the favorites were organised: the menus are rebuilt once the user is idle.
    int FavoritesChanged() const { return favoritesChanged_; }
    void SetFavoritesChanged(int flag) { favoritesChanged_ = flag; }
    // The global progress the active view writes; negative when nothing loads.
    void SetGlobalProgress(int progress);
    int GlobalProgress() const { return globalProgress_; }
    // Refreshes the progress pane and the window title from the global progress.
    void UpdateProgressDisplay();
    void SetStatusText(const std::string& text);
    void SetSecure(bool secure);
    // Posts a message to the frame itself.
    void Post(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
    std::string Text(int stringId) const;

private:
    friend class CChildFrame;

    enum class BulkSubject { Active, ContextTab };

    // Creation of windows.
    CChildFrame* ReuseWindow(CQuorralView* source);
    CChildFrame* CreateWindowFor(bool activate);
    bool TakenOutside(std::string& url);
    void ConfigureView(CQuorralView& view, CQuorralView* source);
    void RefreshWindowCount();
    void RenumberTabs(int from);
    std::string TabCaption(int index, const std::string& title) const;
    // What a tab shows before a fixed or page title: the page's address.
    static std::string TabTitle(const CChildFrame& child);

    // Questions and messages from the string table.
    MsgResult Ask(int stringId);
    void Tell(int stringId);

    // Closing.
    void DestroyChild(CChildFrame& child);
    void PostCloseTo(CChildFrame& child);
    int Subject(BulkSubject subject);
    BulkSubject CurrentSubject() const;
    // Posts a close request to every window of [first, last] that `pick` chooses, skipping
    // locked windows and windows already closing.
    template <typename Pick>
    void CloseWhere(int first, int last, bool downwards, Pick pick);
    void CloseAll();
    void CloseAllButOne(BulkSubject subject);
    void CloseLeft(BulkSubject subject);
    void CloseRight(BulkSubject subject);
    void CloseAlike(BulkSubject subject, bool byUrl);
    void CloseUnmarked();

    // Lock, mark, protect.
    void ToggleLock(CChildFrame& child);
    void ToggleMark(CChildFrame& child);
    void ProtectWindow(CChildFrame& child);
    std::optional<PasswordAnswer> PromptPassword();
    bool AskWindowPassword(CChildFrame& child);
    void OnProtectedActivation(CChildFrame& child);
    bool ArrangeAllowed();
    CChildFrame* CommandTarget(BulkSubject subject);

    // Commands.
    void RegisterCommands();
    void OpenNewWindowCommand(int id);
    void PreviousWindow();
    void NextWindow();
    void ActivateTabIndex(int index);
    void RunOpenQueueTick();
    void StopOpenQueue();
    void UndoRecentClose();
    void ReopenClosed(int slot);
    void RebuildUndoMenu();
    void SelectLanguage();

    // Session.
    std::string UserFile(const char* name) const;
    void OfferLastSession();
    void ReopenSession(const std::vector<SessionEntry>& entries);

    // Timers and exit.
    void OnUiTick();
    void OnIconTick();
    bool ConfirmExit(bool endingSession);
    void WriteCloseSettings();
    void ReleaseWindows();
    void OnTabSelected();
    void OnUiActivateChild(ChildId id);
    bool HasWayBack();
    void ShowFrame(bool skipPassword);

    // UM_HANDOVER and dropped files: a ".url" shortcut stands for its "URL" value.
    std::string ResolveShortcut(const std::string& path);

    CBrowserApp& app_;
    std::optional<FrameWidgets> widgets_;
    FrameOptions options_;
    CommandDispatcher commands_;
    std::map<ChildId, std::unique_ptr<CChildFrame>> children_;
    ChildId nextChildId_ = kFrameTarget + 1;
    int windowCount_ = 0;
    DisplayMode displayMode_ = DisplayMode::Maximized;
    int protectedCount_ = 0;
    OpenQueue openQueue_;
    int contextTab_ = -1;
    bool useContextTab_ = false;
    bool windowListChanged_ = false;
    bool tabWidened_ = false;
    int tickCounter_ = 0;
    int iconCounter_ = 0;
    bool throbbing_ = false;
    bool active_ = false;
    bool hotKeyRegistered_ = false;
    bool trayShown_ = false;
    bool exited_ = false;
    ChildId lastActivated_ = kNoChild;
    int globalProgress_ = -1;
    bool lastStatusEmpty_ = true;
    int favoritesChanged_ = 0;
    UndoCloseRing undoRing_;
    // The password prompt remembers its last answer for the next prompt.
    bool rememberPassword_ = false;
    std::string rememberedPassword_;
};

}  // namespace lumbrel
