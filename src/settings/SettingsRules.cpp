#include "settings/SettingsRules.h"

#include <string>

#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace lumbrel {
namespace {

bool IsYes(const std::optional<std::string>& value) {
    if (!value || value->size() != 3)
        return false;
    const std::string& v = *value;
    return (v[0] | 0x20) == 'y' && (v[1] | 0x20) == 'e' && (v[2] | 0x20) == 's';
}

}  // namespace

double PopupBoundFactor(int stored) {
    return stored * 0.01;
}

double SpeedSeedFactor(int stored) {
    return stored == 0 ? 1.0 : stored * 0.01;
}

bool IsPlacementUsable(const Placement& placement) {
    return placement.width != 0 && placement.top >= -20 && placement.top < 2000;
}

void SaveMainPlacement(SettingsStore& store, ShowState state, const Placement& placement) {
    switch (state) {
        case ShowState::Maximized:
            store.Write(keys::Zoomed, 1);
            break;
        case ShowState::Normal:
            store.Write(keys::Zoomed, 0);
            store.Write(keys::MainTop, placement.top);
            store.Write(keys::MainLeft, placement.left);
            store.Write(keys::MainWidth, placement.width);
            store.Write(keys::MainHeight, placement.height);
            break;
        case ShowState::Minimized:
            break;
    }
}

bool MirrorSilentSetting(Registry& registry, int silent) {
    const std::string wanted = silent == 1 ? "yes" : "no";
    const auto current =
        registry.ReadString(RegRoot::CurrentUser, kEngineMainKey, "Disable Script Debugger");
    if (current && *current == wanted)
        return false;
    return registry.WriteString(RegRoot::CurrentUser, kEngineMainKey, "Disable Script Debugger",
                                wanted);
}

int ComputedDefaultProperty(Registry& registry) {
    if (!registry.KeyExists(RegRoot::CurrentUser, kEngineMainKey))
        return 0;
    auto read = [&](const char* name) {
        return registry.ReadString(RegRoot::CurrentUser, kEngineMainKey, name);
    };
    int flags = 0;
    if (IsYes(read("Display Inline Images")))
        flags += 16;
    if (IsYes(read("Display Inline Videos")))
        flags += 32;
    if (IsYes(read("Play_Background_Sounds")))
        flags += 64;
    return flags;
}

int RecomputeEnableFilter(int lastEnableFilter, const FilterSwitches& switches) {
    const int bits = (switches.killPop ? 1 : 0) | (switches.useUrlFilter ? 2 : 0) |
                     (switches.useDialogFilter ? 4 : 0) | (switches.useFlyingFilter ? 8 : 0);
    return bits != 0 ? bits : lastEnableFilter;
}

}  // namespace lumbrel
