#include "filter/MasterFilterSwitch.h"

#include <gtest/gtest.h>

namespace lumbrel {
namespace {

int Bits(const FilterSwitches& s) {
    return (s.killPop ? 1 : 0) | (s.useUrlFilter ? 2 : 0) | (s.useDialogFilter ? 4 : 0) |
           (s.useFlyingFilter ? 8 : 0);
}

TEST(MasterFilterSwitch, OffAndOnAgainBringsBackTheSameCombination) {
    for (int combination = 1; combination < 16; ++combination) {
        FilterSwitches start{(combination & 1) != 0, (combination & 2) != 0, (combination & 4) != 0,
                             (combination & 8) != 0};
        MasterSwitchResult off = ToggleMasterFilter(start, 15);
        EXPECT_FALSE(off.AnyOn());
        EXPECT_EQ(off.enableFilter, combination);
        MasterSwitchResult on = ToggleMasterFilter(off.switches, off.enableFilter);
        EXPECT_EQ(Bits(on.switches), combination);
        EXPECT_EQ(on.enableFilter, combination);
    }
}

TEST(MasterFilterSwitch, AllOffAtStartTurnsOnTheSavedCombination) {
    FilterSwitches none{false, false, false, false};
    EXPECT_EQ(Bits(ToggleMasterFilter(none, 15).switches), 15);
    EXPECT_EQ(Bits(ToggleMasterFilter(none, 6).switches), 6);
}

}  // namespace
}  // namespace lumbrel
