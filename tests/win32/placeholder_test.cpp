#include <gtest/gtest.h>
#include <windows.h>
TEST(Placeholder, Win) { EXPECT_NE(GetCurrentProcessId(), 0u); }
