#include "settings/SettingsStore.h"

namespace lumbrel {
namespace {

std::string FamilyKey(const char* prefix, int index) {
    return prefix + std::to_string(index);
}

}  // namespace

int SettingsStore::GetProfileInt(std::string_view section, std::string_view key, int def) {
    return profile_.GetInt(profileName_, section, key, def);
}

std::string SettingsStore::GetProfileString(std::string_view section, std::string_view key,
                                            std::string_view def) {
    return profile_.GetString(profileName_, section, key, def, kTextCapacity);
}

bool SettingsStore::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return profile_.WriteString(profileName_, section, key, std::to_string(value));
}

bool SettingsStore::WriteProfileString(std::string_view section, std::string_view key,
                                       std::string_view value) {
    return profile_.WriteString(profileName_, section, key, value);
}

int SettingsStore::Get(const IntSettingFamily& family, int index) {
    return GetProfileInt(family.section, FamilyKey(family.prefix, index), family.defaultValue);
}

std::string SettingsStore::Get(const TextSettingFamily& family, int index) {
    return GetProfileString(family.section, FamilyKey(family.prefix, index), family.defaultValue);
}

bool SettingsStore::Write(const IntSettingFamily& family, int index, int value) {
    return WriteProfileInt(family.section, FamilyKey(family.prefix, index), value);
}

bool SettingsStore::Write(const TextSettingFamily& family, int index, std::string_view value) {
    return WriteProfileString(family.section, FamilyKey(family.prefix, index), value);
}

std::vector<ProfileEntry> SettingsStore::Section(std::string_view section) {
    return profile_.GetSection(profileName_, section);
}

bool SettingsStore::DeleteSection(std::string_view section) {
    return profile_.DeleteSection(profileName_, section);
}

}  // namespace lumbrel
