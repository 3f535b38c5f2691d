#include "app/CBrowserApp.h"

#include "base/FileHelpers.h"
#include "frame/CMainFrame.h"
#include "settings/DefaultFiles.h"
#include "settings/SettingsRules.h"

namespace lumbrel {

CBrowserApp::CBrowserApp(const Platform& platform)
    : platform_(platform),
      profile_(platform.fs),
      settings_(profile_),
      language_(&platform.codePage) {}

CBrowserApp::~CBrowserApp() = default;

void CBrowserApp::PrepareDirectories() {
    dirs_ = AppDirectories::FromModulePath(platform_.codePage, platform_.environment.ModulePath());
    settings_.SetProfileName(dirs_.profile);
    if (dirs_.user.empty())
        return;
    CreateFolderPath(platform_.fs, platform_.codePage, dirs_.user);
    CopyMissingDefaults(platform_.fs, dirs_, DefaultFileTime::StartUp);
}

void CBrowserApp::ReadStartUpSettings() {
    forbidMult_ = settings_.Get(keys::ForbidMult);
    dirs_.SetGroupPath(platform_.codePage, settings_.Get(keys::GroupPath));
    dirs_.SetSkinPath(platform_.codePage, settings_.Get(keys::SkinPath));
}

bool CBrowserApp::ApplyLanguageSetting() {
    const int mode = settings_.Get(keys::UseLngFile);
    if (mode == Language::kNotChosen)
        return false;
    const std::string file = settings_.Get(keys::LngFile);
    language_.SetMode(mode == Language::kFile && !file.empty() ? Language::kFile
                                                               : Language::kBuiltIn);
    language_.LngLoad(platform_.fs, Language::FilePath(dirs_.program, file));
    return true;
}

void CBrowserApp::SetLanguage(int mode, const std::string& fileName) {
    const bool useFile = mode == Language::kFile && !fileName.empty();
    language_.SetMode(useFile ? Language::kFile : Language::kBuiltIn);
    language_.LngLoad(platform_.fs,
                      useFile ? Language::FilePath(dirs_.program, fileName) : std::string());
    settings_.Write(keys::UseLngFile, language_.GetMode());
    settings_.Write(keys::LngFile, useFile ? fileName : std::string());
}

void CBrowserApp::LoadSettings() {
    prefs_.Load(LoadStage::LoadSettings, settings_, platform_.registry);
    MirrorSilentSetting(platform_.registry, prefs_.silent);
}

void CBrowserApp::CopyDeferredDefaults() {
    CopyMissingDefaults(platform_.fs, dirs_, DefaultFileTime::Deferred);
}

int CBrowserApp::GetProfileInt(std::string_view section, std::string_view key, int def) {
    return settings_.GetProfileInt(section, key, def);
}

std::string CBrowserApp::GetProfileString(std::string_view section, std::string_view key,
                                          std::string_view def) {
    return settings_.GetProfileString(section, key, def);
}

bool CBrowserApp::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return settings_.WriteProfileInt(section, key, value);
}

bool CBrowserApp::WriteProfileString(std::string_view section, std::string_view key,
                                     std::string_view value) {
    return settings_.WriteProfileString(section, key, value);
}

void CBrowserApp::SaveSettings() {
    auto batch = settings_.BeginBatch();
    prefs_.Save(settings_);
    batch.Commit();
}

}  // namespace lumbrel
