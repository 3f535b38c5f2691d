// The frame's commands: new windows, closing, moving between windows, the toggles, batch
// opening of a folder and the undo-close commands.
#include <algorithm>

#include "address/UpUrl.h"
#include "base/MenuTitle.h"
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

constexpr uint32_t kQueueTickMs = 20;

bool EndsWithExe(const std::string& url) {
    return url.size() >= 4 && (url.compare(url.size() - 4, 4, ".exe") == 0 ||
                               url.compare(url.size() - 4, 4, ".EXE") == 0);
}

CommandState Checked(bool on) {
    return CommandState{true, on};
}

}  // namespace

int CMainFrame::NewWindowMenuCommand(int position) {
    switch (position) {
        case 0:
            return IDM_BLANK_PAGE;
        case 2:
            return IDM_NEW_HOME_PAGE;
        case 3:
            return IDM_NEW_FROM_CLIPBOARD;
        case 5:
            return IDM_NEW_SELECTED_TEXT;
        case 6:
            return IDM_NEW_SELECTED_LINKS;
        case 8:
            return IDM_NEW_CURRENT_PAGE;
        case 9:
            return IDM_NEW_UP_PAGE;
        case 10:
            return IDM_NEW_ROOT_PAGE;
        default:
            return 0;
    }
}

void CMainFrame::RegisterCommands() {
    auto add = [this](int id, auto handler) { commands_.Add(id, [handler](int) { handler(); }); };
    auto toggle = [this](int id, int Preferences::*field) {
        commands_.Add(
            id, [this, field](int) { app_.Prefs().*field = !(app_.Prefs().*field); },
            [this, field](int) { return Checked(app_.Prefs().*field != 0); });
    };

    for (int id : {IDM_BLANK_PAGE, IDM_NEW_HOME_PAGE, IDM_NEW_FROM_CLIPBOARD, IDM_NEW_SELECTED_TEXT,
                   IDM_NEW_SELECTED_LINKS, IDM_NEW_CURRENT_PAGE, IDM_NEW_UP_PAGE, IDM_NEW_ROOT_PAGE,
                   IDM_TAB_NEW_WINDOW})
        commands_.Add(id, [this](int command) { OpenNewWindowCommand(command); });
    add(IDM_NEW_WINDOW, [this] {
        if (int command = NewWindowMenuCommand(options_.newWindow))
            OnCommand(command);
    });
    add(IDM_NEW_PROCESS, [this] {
        if (!app_.Ports().shell.Execute("open", app_.Ports().environment.ModulePath(), "", "."))
            Tell(IDS_RUN_TOOL_FAILED);
    });

    toggle(IDM_ACTIVATE_NEW_WINDOW, &Preferences::activeNew);
    toggle(IDM_OPEN_LINKS_IN_NEW_WINDOW, &Preferences::linkInNewWindow);
    commands_.Add(
        IDM_NEW_TO_NEXT,
        [this](int) {
            int& sequence = app_.Prefs().newSequence;
            sequence = sequence == 1 ? 2 : 1;
        },
        [this](int) { return Checked(app_.Prefs().newSequence == 2); });
    commands_.Add(
        IDM_STOP_OPEN_WINDOWS, [this](int) { openQueue_.Clear(); },
        [this](int) {
            return CommandState{openQueue_.Running(), false};
        });

    add(IDM_CLOSE, [this] {
        if (CChildFrame* target = CommandTarget(BulkSubject::Active))
            CloseChild(*target);
    });
    add(IDM_CLOSE_ALL, [this] { CloseAll(); });
    add(IDM_CLOSE_ALL_KEEP_CURRENT, [this] { CloseAllButOne(BulkSubject::Active); });
    add(IDM_TAB_CLOSE_ALL_KEEP_THIS, [this] { CloseAllButOne(BulkSubject::ContextTab); });
    add(IDM_CLOSE_LEFT, [this] { CloseLeft(CurrentSubject()); });
    add(IDM_CLOSE_RIGHT, [this] { CloseRight(CurrentSubject()); });
    add(IDM_CLOSE_ALIKE_URL, [this] { CloseAlike(CurrentSubject(), true); });
    add(IDM_CLOSE_ALIKE_TITLE, [this] { CloseAlike(CurrentSubject(), false); });
    add(IDM_CLOSE_UNMARKED, [this] { CloseUnmarked(); });

    add(IDM_PREVIOUS_WINDOW, [this] { PreviousWindow(); });
    add(IDM_NEXT_WINDOW, [this] { NextWindow(); });
    commands_.AddRange(IDM_ACTIVATE_TAB_FIRST, IDM_ACTIVATE_TAB_LAST,
                       [this](int id) { ActivateTabIndex(id - IDM_ACTIVATE_TAB_FIRST); });
    // The quick keys fall back to their own actions while no address is bound to them.
    commands_.AddRange(IDM_QUICK_KEY_FIRST, IDM_QUICK_KEY_LAST, [this](int id) {
        switch (id - IDM_QUICK_KEY_FIRST) {
            case 0:
                PreviousWindow();
                break;
            case 1:
                NextWindow();
                break;
            case 2:
                OnCommand(IDM_CLOSE);
                break;
            default:
                break;
        }
    });

    auto onTarget = [this](int id, void (CMainFrame::*action)(CChildFrame&)) {
        commands_.Add(id, [this, action](int) {
            if (CChildFrame* target = CommandTarget(CurrentSubject()))
                (this->*action)(*target);
        });
    };
    onTarget(IDM_LOCK_TAB, &CMainFrame::ToggleLock);
    onTarget(IDM_MARK_TAB, &CMainFrame::ToggleMark);
    onTarget(IDM_PROTECT_TAB, &CMainFrame::ProtectWindow);

    add(IDM_WINDOW_CASCADE, [this] {
        if (!ArrangeAllowed())
            return;
        widgets_->window.Cascade();
        displayMode_ = DisplayMode::Arranged;
    });
    add(IDM_WINDOW_TILE_HORZ, [this] {
        if (!ArrangeAllowed())
            return;
        widgets_->window.TileHorizontally();
        displayMode_ = DisplayMode::Arranged;
    });
    add(IDM_WINDOW_TILE_VERT, [this] {
        if (!ArrangeAllowed())
            return;
        widgets_->window.TileVertically();
        displayMode_ = DisplayMode::Arranged;
    });

    add(IDM_SHOW_HIDE, [this] { ShowHide(false); });
    add(IDM_APP_EXIT, [this] { Post(kWmClose); });
    add(IDM_FOCUS_ADDRESS, [this] { widgets_->address.Focus(); });
    add(IDM_SELECT_LANGUAGE, [this] { SelectLanguage(); });

    commands_.Add(
        IDM_UNDO_CLOSE, [this](int) { UndoRecentClose(); },
        [this](int) {
            return CommandState{!undoRing_.Empty(), false};
        });
    commands_.AddRange(IDM_UNDO_CLOSE_ITEM_FIRST, IDM_UNDO_CLOSE_ITEM_LAST,
                       [this](int id) { ReopenClosed(id - IDM_UNDO_CLOSE_ITEM_FIRST); });
    add(IDM_CLEAN_UNDO_CLOSE, [this] {
        undoRing_.Clear();
        RebuildUndoMenu();
        SaveClosedList();
    });
}

void CMainFrame::OnCommand(int id) {
    if (!widgets_)
        return;
    commands_.Run(id);
}

void CMainFrame::OnTabMenuCommand(int id, int contextTab) {
    contextTab_ = contextTab;
    useContextTab_ = true;
    OnCommand(id);
    useContextTab_ = false;
}

CommandState CMainFrame::QueryCommand(int id) const {
    return commands_.State(id);
}

CMainFrame::BulkSubject CMainFrame::CurrentSubject() const {
    return useContextTab_ ? BulkSubject::ContextTab : BulkSubject::Active;
}

CChildFrame* CMainFrame::CommandTarget(BulkSubject subject) {
    if (subject == BulkSubject::ContextTab)
        return ChildAt(contextTab_);
    return ActiveChild();
}

// --- New windows --------------------------------------------------------------------------

void CMainFrame::OpenNewWindowCommand(int id) {
    const bool activateFile = options_.activeFileNew != 0;
    CChildFrame* active = ActiveChild();
    const std::string current = active ? active->View().Location() : std::string();
    switch (id) {
        case IDM_BLANK_PAGE:
            NewChild(ChildMode::Create, NavKind::Blank, "", nullptr, true);
            break;
        case IDM_NEW_HOME_PAGE:
            NewChild(ChildMode::ReuseOrCreate, NavKind::Home, "", nullptr, activateFile);
            break;
        case IDM_NEW_FROM_CLIPBOARD: {
            const std::string text = app_.Ports().shell.ClipboardText();
            if (!text.empty() && !HasRefusedScheme(text))
                NewChild(ChildMode::ReuseOrCreate, NavKind::Url, text, nullptr, true);
            break;
        }
        case IDM_NEW_SELECTED_TEXT:
            if (active && active->View().Browser()) {
                const std::string text = active->View().Browser()->SelectedText();
                if (!text.empty())
                    NewChild(ChildMode::ReuseOrCreate, NavKind::Url, text, nullptr, activateFile);
            }
            break;
        case IDM_NEW_SELECTED_LINKS:
            if (active && active->View().Browser())
                for (const std::string& link : active->View().Browser()->SelectedLinks())
                    NewChild(ChildMode::ReuseOrCreate, NavKind::Url, link, nullptr, false);
            break;
        case IDM_NEW_CURRENT_PAGE:
            NewChild(ChildMode::Create, NavKind::Url, current.empty() ? kAboutBlank : current,
                     nullptr, activateFile);
            break;
        case IDM_NEW_UP_PAGE: {
            const std::string up = UpUrl(current);
            if (!current.empty() && up != current)
                NewChild(ChildMode::ReuseOrCreate, NavKind::Url, up, nullptr, activateFile);
            break;
        }
        case IDM_NEW_ROOT_PAGE:
            if (!current.empty())
                NewChild(ChildMode::ReuseOrCreate, NavKind::Url, RootUrl(current), nullptr,
                         activateFile);
            break;
        case IDM_TAB_NEW_WINDOW:
            if (CChildFrame* context = ChildAt(contextTab_))
                NewChild(ChildMode::Create, NavKind::Url, context->View().Location(), nullptr,
                         false);
            break;
        default:
            break;
    }
}

// --- Moving between windows ---------------------------------------------------------------

void CMainFrame::PreviousWindow() {
    if (CChildFrame* child = ChildAt(PreviousWindowIndex(widgets_->tabs.Selected(), windowCount_)))
        ActivateChild(*child);
}

void CMainFrame::NextWindow() {
    if (CChildFrame* child = ChildAt(NextWindowIndex(widgets_->tabs.Selected(), windowCount_)))
        ActivateChild(*child);
}

void CMainFrame::ActivateTabIndex(int index) {
    if (CChildFrame* child = ChildAt(index))
        ActivateChild(*child);
}

// --- Opening a folder ---------------------------------------------------------------------

void CMainFrame::OpenFolder(const std::string& folder) {
    std::string base = folder;
    if (!base.empty() && base.back() != '\\')
        base += '\\';
    std::vector<std::string> urls;
    const int limit = app_.Prefs().maxWins;
    for (const DirEntry& entry : app_.Ports().fs.ListFolder(base + "*")) {
        if (entry.attributes & (kAttrDirectory | kAttrHidden | kAttrSystem))
            continue;
        const std::string path = base + entry.name;
        std::string url;
        if (IsUrlShortcut(path))
            url = ResolveShortcut(path);
        else if (auto target = app_.Ports().shell.ResolveLink(path))
            url = *target;
        if (url.empty())
            continue;
        urls.push_back(std::move(url));
        if (limit > 0 && static_cast<int>(urls.size()) >= limit)
            break;
    }
    OpenBatch(std::move(urls));
}

void CMainFrame::OpenBatch(std::vector<std::string> urls) {
    if (urls.empty())
        return;
    const std::string first = urls.front();
    urls.erase(urls.begin());
    const bool more = !urls.empty();
    openQueue_.Begin(app_.Prefs().newSequence, std::move(urls));
    app_.Prefs().newSequence = 0;
    NewChild(ChildMode::ReuseOrCreate, NavKind::Url, first, nullptr, false);
    if (!more) {
        // Nothing left for the timer: the user's tab position rule comes back at once.
        app_.Prefs().newSequence = openQueue_.End();
        return;
    }
    const int interval = app_.Settings().Get(keys::Interval);
    app_.Ports().loop.StartTimer(
        kFrameTarget, kOpenQueueTimer,
        interval > 0 ? static_cast<uint32_t>(interval) * 1000 : kQueueTickMs);
    widgets_->window.RefreshCommandStates();
}

void CMainFrame::RunOpenQueueTick() {
    const int interval = app_.Settings().Get(keys::Interval);
    for (const std::string& url : openQueue_.Take(interval > 0 ? 1 : 6)) {
        if (EndsWithExe(url))
            app_.Ports().shell.Execute("open", url, "", "");
        else
            NewChild(ChildMode::ReuseOrCreate, NavKind::Url, url, nullptr, false);
    }
    if (openQueue_.Pending() == 0)
        StopOpenQueue();
}

void CMainFrame::StopOpenQueue() {
    app_.Ports().loop.StopTimer(kFrameTarget, kOpenQueueTimer);
    if (openQueue_.Running())
        app_.Prefs().newSequence = openQueue_.End();
    if (widgets_)
        widgets_->window.RefreshCommandStates();
}

// --- Undo close ---------------------------------------------------------------------------

void CMainFrame::UndoRecentClose() {
    if (undoRing_.Empty())
        return;
    const ClosedPage page = undoRing_.Newest();
    if (page.url.empty())
        return;
    NewChild(ChildMode::ReuseOrCreate, NavKind::Url, page.url, nullptr, false);
    undoRing_.PopNewest();
    RebuildUndoMenu();
}

void CMainFrame::ReopenClosed(int slot) {
    if (!undoRing_.IsUsedSlot(slot))
        return;
    const std::string url = undoRing_.Slot(slot).url;
    NewChild(ChildMode::ReuseOrCreate, NavKind::Url, url, nullptr, false);
    undoRing_.RemoveSlot(slot);
    RebuildUndoMenu();
}

void CMainFrame::RebuildUndoMenu() {
    if (!widgets_)
        return;
    std::vector<MenuEntry> items;
    const size_t menuSize = static_cast<size_t>(std::max(0, app_.Settings().Get(keys::MenuSize)));
    for (int slot : undoRing_.SlotsNewestFirst())
        items.push_back(
            {IDM_UNDO_CLOSE_ITEM_FIRST + slot,
             ShortenMenuTitle(app_.Ports().codePage, undoRing_.Slot(slot).title, menuSize)});
    widgets_->window.SetUndoCloseItems(items);
}

}  // namespace lumbrel
