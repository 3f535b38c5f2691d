#include <gtest/gtest.h>
#include "win32/platform/WinApi.h"
TEST(Placeholder, Win) {
    EXPECT_NE(GetCurrentProcessId(), 0u);
}
