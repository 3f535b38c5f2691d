#include <gtest/gtest.h>
#include "support/FakeFileSystem.h"
TEST(Placeholder, FakeFs) { lumbrel::test::FakeFileSystem fs; fs.AddFile("C:\\a\\b.txt","x"); EXPECT_TRUE(fs.Exists("c:\\A\\")); }
