#include "filter/MasterFilterSwitch.h"

namespace lumbrel {

MasterSwitchResult ToggleMasterFilter(const FilterSwitches& switches, int enableFilter) {
    MasterSwitchResult result;
    const int bits = RecomputeEnableFilter(0, switches);
    if (bits != 0) {
        result.enableFilter = bits;
        result.switches = {false, false, false, false};
        return result;
    }
    result.enableFilter = enableFilter;
    result.switches = {(enableFilter & 1) != 0, (enableFilter & 2) != 0, (enableFilter & 4) != 0,
                       (enableFilter & 8) != 0};
    return result;
}

}  // namespace lumbrel
