// The application object: owns the process-wide values (directories, the settings file and
// the values read from it) and runs the start-up steps that need no window. The Windows
// binding drives it from WinMain; the main window asks it for settings and tells it when the
// session ends.
#pragma once

#include <string>
#include <string_view>

#include "app/AppDirectories.h"
#include "app/Language.h"
#include "app/Platform.h"
#include "app/Preferences.h"
#include "app/SettingsStore.h"
#include "base/PrivateProfile.h"

namespace lumbrel {

class CBrowserApp {
public:
    // The program's title: names the instance semaphore and the main window's marker.
    static constexpr const char* kAppName = "Lumbrel";

    explicit CBrowserApp(const Platform& platform);

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
    bool WriteProfileString(std::string_view section, std::string_view key,
                            std::string_view value);
    // Writes every key kept in memory and written at close, as one replacement of the file.
    void SaveSettings();

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
};

}  // namespace lumbrel
