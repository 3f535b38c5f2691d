#include "filter/DialogKills.h"

#include <gtest/gtest.h>

namespace lumbrel {
namespace {

constexpr int64_t kFrequency = 1000;

TEST(DialogKills, EachEmptiedDialogClosesOneScriptDialogWindow) {
    DialogKills kills;
    kills.Added(1000);
    kills.Added(1100);
    EXPECT_FALSE(kills.OnDeactivate(1200, kFrequency, true, "Some other window"));
    EXPECT_TRUE(kills.OnDeactivate(1300, kFrequency, true, "Ad -- Web Page Dialog"));
    EXPECT_EQ(kills.Pending(), 0);
    EXPECT_FALSE(kills.OnDeactivate(1400, kFrequency, true, "Ad -- Web Page Dialog"));
    kills.Added(1500);
    EXPECT_FALSE(kills.OnDeactivate(1600, kFrequency, false, "Ad -- Web Page Dialog"));
}

TEST(DialogKills, AWindowThatNeverCameDoesNotCloseALaterDialog) {
    DialogKills kills;
    kills.Added(1000);
    const int64_t later =
        1000 + static_cast<int64_t>((DialogKills::kLifetimeSeconds + 1) * kFrequency);
    EXPECT_FALSE(kills.OnDeactivate(later, kFrequency, true, "Wanted -- Web Page Dialog"));
    kills.Added(later);
    kills.Navigated();
    EXPECT_FALSE(kills.OnDeactivate(later + 10, kFrequency, true, "Wanted -- Web Page Dialog"));
}

}  // namespace
}  // namespace lumbrel
