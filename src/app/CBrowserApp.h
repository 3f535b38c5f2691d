// The application object: owns the process-wide values (directories, the settings file and
// the values read from it) and runs the start-up steps that need no window. The Windows
// binding drives it from WinMain; the main window asks it for settings and tells it when the
// session ends.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/AppDirectories.h"
#include "app/Platform.h"
#include "base/PrivateProfile.h"
#include "language/Language.h"
#include "settings/Preferences.h"
#include "settings/SettingsStore.h"

namespace lumbrel {

class AppHost;
class CMainFrame;

class CBrowserApp {
public:
    // The program's title: names the instance semaphore and the main window's marker.
    static constexpr const char* kAppName = "Lumbrel";

    explicit CBrowserApp(const Platform& platform);
    ~CBrowserApp();
    CBrowserApp(const CBrowserApp&) = delete;
    CBrowserApp& operator=(const CBrowserApp&) = delete;

    // --- The process ---
    // The whole start: directories, first settings, language, instance role, COM, the main
    // frame and its first windows. False when this process must end now.
    bool InitInstance(AppHost& host);
    // After the main frame is gone: sockets, COM server and COM. Returns the exit code.
    int ExitInstance(AppHost& host, int exitCode);
    // One idle pass of the message loop; true while there is more idle work to do.
    bool OnIdle(int idleCount);
    CMainFrame* MainFrame() { return frame_.get(); }
    bool FirstInstance() const { return firstInstance_; }
    int TrayIconId() const { return trayIconBase_ + 128; }
    // Asks for SaveSettings on a worker thread at the next idle pass (after a proxy import).
    void RequestSettingsSave() { settingsMustBeSaved_ = true; }
    // Runs the next external tool marked to run at start; false when there is none left.
    // Set by the external tools once they are loaded.
    std::function<bool()> runNextStartupTool;

    // --- Start-up, in this order ---
    // Derives the folders from the executable's path, creates the user folder with its missing
    // parents and copies the missing start-up default files.
    void PrepareDirectories();
    // The settings read before the main window exists: `ForbidMult`, `GroupPath`, `SkinPath`.
    void ReadStartUpSettings();
    // `UseLngFile` and `LngFile`: loads the chosen language file. Returns false when no
    // language was ever chosen (the caller asks the user, then calls SetLanguage).
    bool ApplyLanguageSetting();
    // The user's choice: mode 0 (built-in) or 1 with a file name inside "Language\"; loads it
    // and writes both settings.
    void SetLanguage(int mode, const std::string& fileName);
    // The batch read right after the main window was created, with its derived rules.
    void LoadSettings();
    // Copies the default files that the deferred initialisation needs.
    void CopyDeferredDefaults();

    // --- Settings ---
    int GetProfileInt(std::string_view section, std::string_view key, int def);
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view def);
    bool WriteProfileInt(std::string_view section, std::string_view key, int value);
    bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);
    // Writes every key kept in memory and written at close, as one replacement of the file.
    void SaveSettings();
    // The same on a worker thread, from a copy taken now.
    void SaveSettingsInBackground();

    // --- Texts ---
    Language& Lang() { return language_; }
    const Language& Lang() const { return language_; }
    // A built-in string, or its translation while a language file is active.
    std::string LngLoadString(int id) const { return language_.LngLoadString(id); }

    // --- State ---
    const AppDirectories& Directories() const { return dirs_; }
    Preferences& Prefs() { return prefs_; }
    SettingsStore& Settings() { return settings_; }
    // The INI store shared by every data file of the program.
    PrivateProfile& Profiles() { return profile_; }
    const Platform& Ports() const { return platform_; }
    bool ForbidMultiple() const { return forbidMult_ != 0; }

private:
    Platform platform_;
    PrivateProfile profile_;
    SettingsStore settings_;
    AppDirectories dirs_;
    Preferences prefs_;
    Language language_;
    int forbidMult_ = 0;
    bool firstInstance_ = false;
    bool autoRunPending_ = false;
    bool settingsMustBeSaved_ = false;
    int trayIconBase_ = 0;
    int favoritesIdlePasses_ = 0;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace lumbrel
