// "Enable Filter": one switch over the four filters. When any filter is on, their combination
// is remembered in `EnableFilter` and all four go off; when none is, the remembered
// combination comes back. The caller then registers or unregisters the namespace handler and
// prepares the floating-advertisement filter when it came on.
#pragma once

#include "settings/SettingsRules.h"

namespace lumbrel {

struct MasterSwitchResult {
    FilterSwitches switches;
    int enableFilter = 15;
    bool AnyOn() const {
        return switches.killPop || switches.useUrlFilter || switches.useDialogFilter ||
               switches.useFlyingFilter;
    }
};

MasterSwitchResult ToggleMasterFilter(const FilterSwitches& switches, int enableFilter);

}  // namespace lumbrel
