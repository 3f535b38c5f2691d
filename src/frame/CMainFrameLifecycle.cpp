// The frame's life: deferred initialisation, timers, showing and hiding, system commands, the
// language switch and the ordered shutdown.
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "language/LanguageChoice.h"
#include "language/StringIds.h"
#include "settings/SettingsRules.h"

namespace lumbrel {

// --- Deferred initialisation --------------------------------------------------------------

void CMainFrame::DeferredInit() {
    if (!widgets_)
        return;
    app_.CopyDeferredDefaults();
    // FIXME: proxy list, filter lists, aliases, the tab bar's drop target and the URL filter's
    // namespace handler load here as their owners arrive.
    app_.Ports().loop.StartTimer(kFrameTarget, kUiTickTimer, kUiTickPeriodMs);
    app_.Prefs().Load(LoadStage::Deferred, app_.Settings(), app_.Ports().registry);
    app_.Ports().loop.StartTimer(kFrameTarget, kIconTimer, kIconPeriodMs);
    options_.Load(LoadStage::Deferred, app_.Settings());
    if (options_.showTrayIcon)
        trayShown_ = widgets_->window.ShowTrayIcon();
    widgets_->window.BringToFront();
}

// --- Timers -------------------------------------------------------------------------------

void CMainFrame::OnUiTick() {
    FrameWindow& window = widgets_->window;
    if (!window.IsVisible() || window.IsMinimized())
        return;
    if (tickCounter_ % 2 == 0 && active_) {
        window.RefreshCommandStates();
        if (tickCounter_ == 40 && windowListChanged_) {
            SaveSession(true);
            windowListChanged_ = false;
        }
    }
    UpdateProgressDisplay();
    tickCounter_ = tickCounter_ >= 40 ? 0 : tickCounter_ + 1;
}

void CMainFrame::OnIconTick() {
    if (!app_.Prefs().animateIcon)
        return;
    if (iconCounter_ % 7 == 0) {
        bool loading = false;
        for (const auto& [id, child] : children_) {
            const int progress = child->View().progress;
            if (progress > 0 && progress < 100)
                loading = true;
        }
        if (loading != throbbing_) {
            throbbing_ = loading;
            if (!throbbing_)
                widgets_->window.SetThrobber(-1);
        }
    }
    if (throbbing_)
        widgets_->window.SetThrobber(iconCounter_);
    iconCounter_ = iconCounter_ >= 6 ? 0 : iconCounter_ + 1;
}

// --- Show and hide ------------------------------------------------------------------------

bool CMainFrame::HasWayBack() {
    return hotKeyRegistered_ || trayShown_;
}

void CMainFrame::ShowFrame(bool skipPassword) {
    CChildFrame* active = ActiveChild();
    if (!skipPassword && active && active->protectedWindow && !AskWindowPassword(*active)) {
        Tell(IDS_PASSWORD_INCORRECT);
        return;
    }
    widgets_->window.ShowAndRestore();
}

void CMainFrame::ShowHide(bool skipPassword) {
    if (!widgets_)
        return;
    FrameWindow& window = widgets_->window;
    if (!window.IsVisible() || window.IsMinimized()) {
        ShowFrame(skipPassword);
        return;
    }
    if (!HasWayBack())
        return;
    window.MinimizeAndHide();
}

bool CMainFrame::OnSysCommand(SysCommand command) {
    if (!widgets_)
        return false;
    switch (command) {
        case SysCommand::Minimize:
            if (HasWayBack() && options_.minimizeToTray) {
                ShowHide(false);
                return true;
            }
            return false;
        case SysCommand::Close:
            if (HasWayBack() && options_.closeToTray) {
                if (options_.closeAllWhenCloseToTray)
                    CloseAll();
                ShowHide(false);
                return true;
            }
            return false;
        case SysCommand::Restore: {
            CChildFrame* active = ActiveChild();
            if (widgets_->window.IsMinimized() && active && active->protectedWindow &&
                !AskWindowPassword(*active)) {
                Tell(IDS_PASSWORD_INCORRECT);
                return true;
            }
            return false;
        }
        case SysCommand::Other:
            break;
    }
    return false;
}

void CMainFrame::AfterMinimize() {
    // FIXME: the floating monitor window shows itself again here once it exists.
}

// --- Language -----------------------------------------------------------------------------

void CMainFrame::SelectLanguage() {
    if (!ChooseLanguage(app_))
        return;
    widgets_->window.RebuildMenus();
    RebuildUndoMenu();
}

// --- Exit ---------------------------------------------------------------------------------

bool CMainFrame::ConfirmExit(bool endingSession) {
    if (options_.confirmExit && !endingSession && Ask(IDS_CONFIRM_EXIT) != MsgResult::Yes)
        return false;
    for (int i = widgets_->window.ForeignThreadDialogCount(); i > 0; --i)
        if (Ask(IDS_CONFIRM_EXIT_IE_DOWNLOADING) != MsgResult::Yes)
            return false;
    if (options_.confirmExitDowning) {
        for (const auto& [id, child] : children_) {
            BrowserControl* browser = child->View().Browser();
            if (browser && browser->Busy()) {
                if (Ask(IDS_CONFIRM_EXIT_PAGES_DOWNLOADING) != MsgResult::Yes)
                    return false;
                break;
            }
        }
    }
    return true;
}

void CMainFrame::WriteCloseSettings() {
    SettingsStore& store = app_.Settings();
    FrameWindow& window = widgets_->window;
    auto batch = store.BeginBatch();
    store.Write(keys::AutoHide, app_.Prefs().autoHide);
    store.Write(keys::FullScreen, app_.Prefs().fullScreen);
    SaveMainPlacement(store, window.CurrentShowState(), window.NormalPlacement());
    store.Write(keys::Running, 0);
    store.Write(keys::EnableProxy, app_.Prefs().enableProxy);

    const std::vector<BandLayout> bands = window.Bands();
    store.DeleteSection(keys::BandId.section);
    int position = 0;
    for (const BandLayout& band : bands) {
        store.Write(keys::BandId, position, band.id);
        store.Write(keys::BandSize, position, band.width);
        store.Write(keys::BandStyle, position, band.style);
        ++position;
    }
    store.Write(keys::BandId, position, 0);
    for (size_t i = 0; i < bands.size(); ++i)
        store.Write(keys::BandShown, static_cast<int>(i), bands[i].visible ? 1 : 0);
    if (window.IsVisible())
        store.Write(keys::StatusBarShown, window.StatusBarVisible() ? 1 : 0);
    batch.Commit();

    window.Hide();
    if (hotKeyRegistered_)
        window.UnregisterShowHideHotKey();
    hotKeyRegistered_ = false;
    if (trayShown_)
        window.RemoveTrayIcon();
    trayShown_ = false;
}

bool CMainFrame::OnCloseRequest(bool endingSession) {
    if (!widgets_ || exited_)
        return false;
    if (!ConfirmExit(endingSession))
        return false;
    try {
        app_.Ports().loop.StopTimer(kFrameTarget, kUiTickTimer);
        app_.Ports().loop.StopTimer(kFrameTarget, kIconTimer);
        app_.Ports().loop.StopTimer(kFrameTarget, kOpenQueueTimer);
        WriteCloseSettings();
    } catch (...) {
        // A failed step must not keep the settings and the session from being written.
    }
    try {
        SaveSession(false);
        SaveClosedList();
        Preferences& prefs = app_.Prefs();
        prefs.enableFilter = RecomputeEnableFilter(prefs.enableFilter, prefs.Filters());
        app_.SaveSettings();
    } catch (...) {
        // The frame closes whatever failed above.
    }
    ReleaseWindows();
    widgets_->window.Destroy();
    exited_ = true;
    return true;
}

void CMainFrame::ReleaseWindows() {
    // Every browser window goes before the frame itself, children first.
    while (!children_.empty())
        DestroyChild(*children_.begin()->second);
    windowCount_ = 0;
}

}  // namespace lumbrel
