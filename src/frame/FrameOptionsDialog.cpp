#include "frame/FrameOptionsDialog.h"

#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "commands/CommandPicker.h"
#include "commands/MenuModelSurface.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "options/OptionsDialogModel.h"
#include "shell/SkinFiles.h"

namespace lumbrel {
namespace {

// The option keys the frame also keeps in its preferences: read again when they changed,
// or the values in memory (and the batch written at close) would undo the dialog's.
const struct {
    const IntSetting* key;
    int Preferences::*field;
} kKeptPreferences[] = {
    {&keys::MaxWins, &Preferences::maxWins},
    {&keys::KeepOnePage, &Preferences::keepOnePage},
    {&keys::StartupMode, &Preferences::startupMode},
    {&keys::LinkInNewWindow, &Preferences::linkInNewWindow},
    {&keys::Silent, &Preferences::silent},
    {&keys::ReloadUnShownImage, &Preferences::reloadUnShownImage},
    {&keys::ConfirmUnsafePage, &Preferences::confirmUnsafePage},
    {&keys::UseTargetFrameName, &Preferences::useTargetFrameName},
    {&keys::DefaultProperty, &Preferences::defaultProperty},
    {&keys::KillPop, &Preferences::killPop},
    {&keys::KillAutoWin, &Preferences::killAutoWin},
    {&keys::KillDupWin, &Preferences::killDupWin},
    {&keys::KillListWin, &Preferences::killListWin},
    {&keys::UseUrlFilter, &Preferences::useUrlFilter},
    {&keys::PopupBound, &Preferences::popupBound},
    {&keys::KillBlank, &Preferences::killBlank},
    {&keys::TextLabel, &Preferences::textLabel},
    {&keys::SmallToolbar, &Preferences::smallToolbar},
    {&keys::ColorIcon, &Preferences::colorIcon},
};

const CommandTable<FrameOptionsDialog>::Row kOptionCommands[] = {
    {IDM_OPTIONS, IDM_OPTIONS, &FrameOptionsDialog::Open, nullptr},
    {IDM_SET_AD_FILTER, IDM_SET_AD_FILTER, &FrameOptionsDialog::Open, nullptr},
};

}  // namespace

FrameOptionsDialog::FrameOptionsDialog(CMainFrame& frame)
    : CommandTable(kOptionCommands), frame_(frame), downManager_(frame.App().Profiles()) {
    downManager_.SetProfileName(frame.App().Directories().user + "DownManager.ini");
}

void FrameOptionsDialog::Open(const CommandCall& call) {
    const int id = call.id;
    // A second request while the dialog runs (a posted command its loop delivers) would
    // open a second working copy over the same files.
    if (!ui_ || open_)
        return;
    open_ = true;
    OptionsDialogModel model(*this);
    ui_->ShowOptions(model, id == IDM_SET_AD_FILTER ? lastFilterPage_ : OptionPageId::General);
    if (auto shown = model.LastFilterPageShown())
        lastFilterPage_ = *shown;
    open_ = false;
}

SettingsStore& FrameOptionsDialog::Store(OptionFile file) {
    return file == OptionFile::DownManager ? downManager_ : frame_.App().Settings();
}

std::optional<int> FrameOptionsDialog::RunningValue(const IntSetting& key) {
    // What the frame keeps in memory is what the program runs with: commands switch some of
    // them until the close writes them, and `DefaultProperty` is computed from the engine's
    // registry values when the file has none.
    for (const auto& kept : kKeptPreferences) {
        if (kept.key == &key)
            return frame_.Prefs().*kept.field;
    }
    return std::nullopt;
}

void FrameOptionsDialog::ReadKeptFields(const OptionChanges& changes) {
    SettingsStore& store = frame_.App().Settings();
    for (const auto& kept : kKeptPreferences) {
        if (changes.Has(*kept.key))
            frame_.Prefs().*kept.field = store.Get(*kept.key);
    }
    FrameOptions& options = frame_.EditOptions();
    options.Load(LoadStage::FrameCreation, store);
    options.Load(LoadStage::Deferred, store);
}

void FrameOptionsDialog::OptionsApplied(const OptionChanges& changes) {
    ReadKeptFields(changes);
    SettingsStore& store = frame_.App().Settings();
    const unsigned redo = changes.effects;
    if (redo & kRedoTabLayout) {
        frame_.TabBar().Load(LoadStage::FrameCreation, store);
        frame_.TabBar().Load(LoadStage::Deferred, store);
        frame_.TabBar().ApplySettings();
    }
    if (redo & kRedoFilterHandler)
        frame_.Filters().ApplySettings();
    if (redo & kRedoKillBlank)
        frame_.Filters().Cleanup().PrepareKillBlank();
    if (redo & kRedoHotKey)
        frame_.Visibility().RegisterHotKeyAgain(frame_.Options());
    if (redo & kRedoTrayIcon)
        frame_.Visibility().ApplyTrayIcon(frame_.Options().showTrayIcon != 0);
    if (redo & kRedoMouse)
        frame_.Mouse().Reload(store);
    if (redo & kRedoMenus) {
        frame_.SetFavoritesChanged(1);
        frame_.RebuildMenus();
    }
    if (redo & kRedoToolbar)
        frame_.Post(UM_REBUILD_TOOLBAR);
    // FIXME: the skin, the information pane and the download manager hand-off are not built
    // yet; they read their keys when they come (kRedoSkin, kRedoStatusBar, kRedoDownloads).
}

UrlFilter& FrameOptionsDialog::Filters() {
    return frame_.Filters().Url();
}

GestureTable& FrameOptionsDialog::Gestures() {
    return frame_.Mouse().gestures;
}

std::vector<CommandChoice> FrameOptionsDialog::CommandChoices() {
    MenuItems menu = BuiltinMainMenu();
    MenuModelSurface surface(menu);
    return BuildCommandPicker(surface, frame_.App().Lang());
}

const Language& FrameOptionsDialog::Lang() {
    return frame_.App().Lang();
}

const CodePage& FrameOptionsDialog::Cp() {
    return frame_.App().Ports().codePage;
}

std::optional<std::string> FrameOptionsDialog::SkinFile(const std::string& name) {
    CBrowserApp& app = frame_.App();
    return SkinFiles(app.Ports().fs, app.Directories().skin, app.Prefs().skinName).Resolve(name);
}

}  // namespace lumbrel
