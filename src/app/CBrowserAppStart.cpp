// The start and the end of the process, and its idle duties.
#include <random>

#include "app/AppHost.h"
#include "app/CBrowserApp.h"
#include "base/InternetShortcut.h"
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "instance/CommandLine.h"
#include "instance/InstanceRole.h"
#include "language/LanguageChoice.h"

namespace lumbrel {
bool CBrowserApp::InitInstance(AppHost& host) {
    CommandLineInfo commandLine =
        ParseCommandLine(platform_.codePage, platform_.environment.CommandLine());
    // Resolved here, by the process the path was given to: a running browser that is handed
    // the argument has a current folder of its own.
    commandLine.fileName =
        AbsoluteFileArgument(platform_.codePage, platform_.fs, commandLine.fileName,
                             platform_.environment.CurrentFolder());
    // A COM activation of the filter's handler class has nothing to do in a process of its
    // own: the browser registers the handler inside the process that uses it.
    if (commandLine.embedding || commandLine.automation)
        return false;

    firstInstance_ = host.CreateInstanceSemaphore();
    PrepareDirectories();
    ReadStartUpSettings();
    if (!ApplyLanguageSetting()) {
        settings_.Write(keys::UseLngFile, Language::kBuiltIn);
        ChooseLanguage(*this);
    }

    const InstanceFacts facts{firstInstance_, ForbidMultiple(), commandLine.command};
    if (!SettleInstanceRole(facts, commandLine.fileName, host.Running(), platform_.ui, language_))
        return false;

    host.StartSockets();
    host.StartCom();
    if (!host.StartComModule(commandLine))
        return false;
    std::minstd_rand random(static_cast<unsigned>(platform_.clock.PerformanceCounter()));
    trayIconBase_ = static_cast<int>(random() % 32768) / 16;

    frame_ = std::make_unique<CMainFrame>(*this);
    if (!host.CreateMainWindow(*frame_, TrayIconId())) {
        frame_.reset();
        return false;
    }
    LoadSettings();
    prefs_.Load(LoadStage::AfterLoad, settings_, platform_.registry);
    // Only the first instance may find its own unclean end; a second one reads 0.
    if (!firstInstance_)
        prefs_.running = 0;
    frame_->ApplyStartSettings();
    host.ShowMainWindow();

    if (prefs_.keepOnePage && prefs_.startupMode != 0 && prefs_.startupMode != 6)
        frame_->Post(kWmCommand, IDM_BLANK_PAGE);
    if (commandLine.command == ShellCommand::Open) {
        frame_->NewChild(NewChildRequest::Url(
            ResolveUrlShortcut(profile_, platform_.codePage, commandLine.fileName)));
    } else {
        frame_->RestoreAtStart(prefs_.startupMode, firstInstance_ && prefs_.running == 1);
    }

    autoRunPending_ = firstInstance_;
    frame_->Post(UM_DEFERRED_INIT);
    settings_.Write(keys::Running, 1);
    return true;
}

int CBrowserApp::ExitInstance(AppHost& host, int exitCode) {
    host.DestroyMainWindow();
    host.StopSockets();
    host.EndComModule();
    host.StopCom();
    frame_.reset();
    return exitCode;
}

bool CBrowserApp::OnIdle(int) {
    if (!frame_ || frame_->Exited())
        return false;
    if (int changed = frame_->FavoritesChanged()) {
        if (++favoritesIdlePasses_ > 30) {
            frame_->Post(UM_FAVORITES_CHANGED, static_cast<uintptr_t>(changed));
            frame_->SetFavoritesChanged(0);
            favoritesIdlePasses_ = 0;
        }
    }
    if (autoRunPending_ && !(runNextStartupTool && runNextStartupTool()))
        autoRunPending_ = false;
    if (settingsMustBeSaved_) {
        settingsMustBeSaved_ = false;
        SaveSettingsInBackground();
    }
    return autoRunPending_ || frame_->FavoritesChanged() != 0;
}

void CBrowserApp::SaveSettingsInBackground() {
    // The worker gets its own store and a copy of the values: nothing is shared with it.
    FileSystem& fs = platform_.fs;
    auto save = [&fs, prefs = prefs_, file = dirs_.profile] {
        PrivateProfile profile(fs);
        SettingsStore store(profile);
        store.SetProfileName(file);
        auto batch = store.BeginBatch();
        prefs.Save(store);
        batch.Commit();
    };
    // Without a worker the settings are written here rather than lost.
    if (!platform_.tasks.RunInBackground(save))
        save();
}

}  // namespace lumbrel
