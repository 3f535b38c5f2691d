// The door to the main settings file "Lumbrel.ini". Every read and write is one call of the
// INI store on the profile file: nothing is cached here, so a value written is seen by the
// next read, also by a second instance. Keys are normally addressed through the constants of
// SettingsKeys.h; the raw forms serve keys built at run time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/PrivateProfile.h"
#include "settings/SettingsKeys.h"

namespace lumbrel {

class SettingsStore {
public:
    // Text values are read into a buffer of this size (longer values are cut).
    static constexpr size_t kTextCapacity = 4096;

    explicit SettingsStore(PrivateProfile& profile) : profile_(profile) {}

    void SetProfileName(std::string path) { profileName_ = std::move(path); }
    const std::string& ProfileName() const { return profileName_; }

    // Raw access by section and key.
    int GetProfileInt(std::string_view section, std::string_view key, int def);
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view def);
    // Writes the value as signed decimal text.
    bool WriteProfileInt(std::string_view section, std::string_view key, int value);
    // An empty value writes an empty key; it does not delete it.
    bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);

    // Access through the key table.
    int Get(const IntSetting& setting) {
        return GetProfileInt(setting.section, setting.key, setting.defaultValue);
    }
    std::string Get(const TextSetting& setting) {
        return GetProfileString(setting.section, setting.key, setting.defaultValue);
    }
    int Get(const IntSettingFamily& family, int index);
    std::string Get(const TextSettingFamily& family, int index);
    bool Write(const IntSetting& setting, int value) {
        return WriteProfileInt(setting.section, setting.key, value);
    }
    bool Write(const TextSetting& setting, std::string_view value) {
        return WriteProfileString(setting.section, setting.key, value);
    }
    bool Write(const IntSettingFamily& family, int index, int value);
    bool Write(const TextSettingFamily& family, int index, std::string_view value);

    // Every line of a section in one read (numbered lists).
    std::vector<ProfileEntry> Section(std::string_view section);
    bool DeleteSection(std::string_view section);

    // Many writes, one replacement of the file.
    PrivateProfile::Batch BeginBatch() { return profile_.BeginBatch(profileName_); }

private:
    PrivateProfile& profile_;
    std::string profileName_;
};

}  // namespace lumbrel
