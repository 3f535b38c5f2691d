// The rules that turn stored settings into the values the program uses: percentage factors,
// the main window placement check, the engine registry values that mirror or seed settings,
// and the filter switch set recomputed at close.
#pragma once

#include "platform/Registry.h"
#include "platform/WindowGeometry.h"

namespace lumbrel {
class SettingsStore;
}

namespace lumbrel {

// Where the engine keeps the settings the program mirrors and reads defaults from.
inline constexpr const char* kEngineMainKey = "Software\\Microsoft\\Internet Explorer\\Main";

// Stored whole percentages used as factors; a `SpeedSeed` of 0 means the factor 1.
double PopupBoundFactor(int stored);
double SpeedSeedFactor(int stored);

// A stored placement is applied only when it has a width and its top lies in [-20, 2000).
bool IsPlacementUsable(const Placement& placement);

// At close: a maximised main window writes `Zoomed` 1; a normal one `Zoomed` 0 and its
// placement; a minimised one writes nothing, so the last real placement survives.
void SaveMainPlacement(SettingsStore& store, ShowState state, const Placement& placement);

// Writes the `Silent` setting into the engine's "Disable Script Debugger" value ("yes" for 1,
// "no" otherwise) when the value there differs. Returns whether it wrote.
bool MirrorSilentSetting(Registry& registry, int silent);

// The default of `DefaultProperty`: 16 when the engine shows inline images, 32 inline videos,
// 64 when it plays background sounds; 0 when its settings key cannot be opened.
int ComputedDefaultProperty(Registry& registry);

// The four filter switches, and `EnableFilter` as the bit set that remembers them.
struct FilterSwitches {
    bool killPop = true;          // 1
    bool useUrlFilter = true;     // 2
    bool useDialogFilter = true;  // 4
    bool useFlyingFilter = true;  // 8
};

// At close: the bit set of the switches when at least one is on; otherwise the last value, so
// that "Enable Filter" can bring back the last combination.
int RecomputeEnableFilter(int lastEnableFilter, const FilterSwitches& switches);

}  // namespace lumbrel
