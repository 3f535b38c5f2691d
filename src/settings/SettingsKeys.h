// The keys of "Lumbrel.ini", declared once (SettingsKeys.def): section, key, default and when
// the program writes it. Code reads and writes a setting through these constants, so every
// default lives in exactly one place; AllSettingKeys() lists them for tests and tools.
#pragma once

#include <span>

namespace lumbrel {

// When a key is written back (bits; 0 = never written by the program).
enum SettingWrite : unsigned {
    kSave = 1,     // by SaveSettings, in one batch when the main window closes
    kOptions = 2,  // by the options dialog, when the user confirms it
    kCommand = 4,  // by the command or dialog that changes it, at once
    kClose = 8,    // by the main window's close handler
};

struct IntSetting {
    const char* section;
    const char* key;
    int defaultValue;
    unsigned written;
};

struct TextSetting {
    const char* section;
    const char* key;
    const char* defaultValue;
    unsigned written;
};

// A numbered list of keys: prefix + decimal index ("B0" … "B43", "name1", "name2", …).
struct IntSettingFamily {
    const char* section;
    const char* prefix;
    int defaultValue;
    unsigned written;
    int firstIndex;
    int lastIndex;  // -1: open-ended
};

struct TextSettingFamily {
    const char* section;
    const char* prefix;
    const char* defaultValue;
    unsigned written;
    int firstIndex;
    int lastIndex;  // -1: open-ended
};

namespace keys {
#define LUMBREL_INT_KEY(name, section, key, def, written) \
    inline constexpr IntSetting name{section, key, def, written};
#define LUMBREL_TEXT_KEY(name, section, key, def, written) \
    inline constexpr TextSetting name{section, key, def, written};
#define LUMBREL_INT_FAMILY(name, section, prefix, def, written, first, last) \
    inline constexpr IntSettingFamily name{section, prefix, def, written, first, last};
#define LUMBREL_TEXT_FAMILY(name, section, prefix, def, written, first, last) \
    inline constexpr TextSettingFamily name{section, prefix, def, written, first, last};
#include "settings/SettingsKeys.def"
#undef LUMBREL_INT_KEY
#undef LUMBREL_TEXT_KEY
#undef LUMBREL_INT_FAMILY
#undef LUMBREL_TEXT_FAMILY
}  // namespace keys

// One row of the table, for code that walks every key.
struct SettingKeyInfo {
    const char* name;  // the constant's name
    const char* section;
    const char* key;  // the key, or the prefix of a family
    bool isText;
    bool isFamily;
    int intDefault;
    const char* textDefault;
    unsigned written;
};

std::span<const SettingKeyInfo> AllSettingKeys();

}  // namespace lumbrel
