#include "frame/ExitSequence.h"

#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "language/StringIds.h"
#include "settings/SettingsRules.h"

namespace lumbrel {

bool ExitSequence::Confirm(bool endingSession) {
    if (frame_.Options().confirmExit && !endingSession &&
        frame_.Ask(IDS_CONFIRM_EXIT) != MsgResult::Yes)
        return false;
    for (int i = frame_.Widgets().window.ForeignThreadDialogCount(); i > 0; --i)
        if (frame_.Ask(IDS_CONFIRM_EXIT_IE_DOWNLOADING) != MsgResult::Yes)
            return false;
    if (!frame_.Options().confirmExitDowning)
        return true;
    for (CChildFrame* child : frame_.Windows().All()) {
        BrowserControl* browser = child->View().Browser();
        if (browser && browser->Busy())
            return frame_.Ask(IDS_CONFIRM_EXIT_PAGES_DOWNLOADING) == MsgResult::Yes;
    }
    return true;
}

void ExitSequence::WriteCloseSettings() {
    CBrowserApp& app = frame_.App();
    SettingsStore& store = app.Settings();
    FrameWindow& window = frame_.Widgets().window;
    auto batch = store.BeginBatch();
    store.Write(keys::AutoHide, app.Prefs().autoHide);
    store.Write(keys::FullScreen, app.Prefs().fullScreen);
    SaveMainPlacement(store, window.CurrentShowState(), window.NormalPlacement());
    store.Write(keys::Running, 0);
    store.Write(keys::EnableProxy, app.Prefs().enableProxy);

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
    frame_.Visibility().RemoveWaysBack();
}

bool ExitSequence::Run(bool endingSession) {
    // The end of the session does not wait for a question that is up: it exits, and the
    // question's own exit then finds the work done.
    if (done_ || (asking_ && !endingSession))
        return false;
    asking_ = true;
    const bool confirmed = Confirm(endingSession);
    asking_ = false;
    if (!confirmed || done_)
        return false;
    EventLoop& loop = frame_.App().Ports().loop;
    loop.StopTimer(kFrameTarget, kUiTickTimer);
    loop.StopTimer(kFrameTarget, kIconTimer);
    frame_.Batch().End();
    WriteCloseSettings();

    frame_.Sessions().SaveSession(false);
    frame_.Sessions().SaveClosedList(frame_.Closer().Ring());
    Preferences& prefs = frame_.Prefs();
    prefs.enableFilter = RecomputeEnableFilter(prefs.enableFilter, prefs.Filters());
    frame_.App().SaveSettings();
    frame_.Address().SaveTypedAddresses();
    frame_.Filters().Exit();
    frame_.Search().Exit();
    frame_.Proxies().Exit();

    frame_.Windows().DestroyAll();
    frame_.Widgets().window.Destroy();
    done_ = true;
    return true;
}

}  // namespace lumbrel
