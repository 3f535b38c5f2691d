#include "settings/SettingsKeys.h"

namespace lumbrel {
namespace {

constexpr SettingKeyInfo kAllKeys[] = {
#define LUMBREL_INT_KEY(name, section, key, def, written) \
    {#name, section, key, false, false, def, "", written},
#define LUMBREL_TEXT_KEY(name, section, key, def, written) \
    {#name, section, key, true, false, 0, def, written},
#define LUMBREL_INT_FAMILY(name, section, prefix, def, written, first, last) \
    {#name, section, prefix, false, true, def, "", written},
#define LUMBREL_TEXT_FAMILY(name, section, prefix, def, written, first, last) \
    {#name, section, prefix, true, true, 0, def, written},
#include "settings/SettingsKeys.def"
#undef LUMBREL_INT_KEY
#undef LUMBREL_TEXT_KEY
#undef LUMBREL_INT_FAMILY
#undef LUMBREL_TEXT_FAMILY
};

}  // namespace

std::span<const SettingKeyInfo> AllSettingKeys() {
    return kAllKeys;
}

}  // namespace lumbrel
