#include <gtest/gtest.h>

#include "base/PrivateProfile.h"
#include "mouse/GestureTable.h"
#include "settings/SettingsStore.h"
#include "support/FakeFileSystem.h"

namespace lumbrel {
namespace {

class GestureTableTest : public ::testing::Test {
protected:
    static constexpr const char* kIni = "C:\\User\\Lumbrel.ini";
    void SetUp() override {
        fs.AddFolder("C:\\User");
        store.SetProfileName(kIni);
    }
    test::FakeFileSystem fs;
    PrivateProfile profile{fs};
    SettingsStore store{profile};
};

TEST_F(GestureTableTest, ReadingStopsAtTheFirstEmptyNameAndIgnoresStaleKeysBeyondIt) {
    fs.AddFile(
        kIni, "[MouseGesture]\r\nN0=RD\r\nC0=32776\r\nn1=L\r\nN2=\r\nC2=5\r\nN3=U\r\nC3=32772\r\n");
    GestureTable table;
    table.Load(store);
    ASSERT_EQ(table.Entries().size(), 2u);
    EXPECT_EQ(table.Entries()[0].text, "RD");
    EXPECT_EQ(table.Entries()[0].command, 32776);
    EXPECT_EQ(table.Entries()[1].text, "L");
    EXPECT_EQ(table.Entries()[1].command, 0) << "a missing C key reads as 0";
    EXPECT_EQ(LookupGesture(table, "U"), 0) << "the entry after the end is never read";
}

TEST_F(GestureTableTest, NoSectionGivesNoGestureAndLoadingAppends) {
    GestureTable table;
    table.Load(store);
    EXPECT_TRUE(table.Entries().empty());
    fs.AddFile(kIni, "[MouseGesture]\r\nN0=R\r\nC0=1\r\n");
    table.Add("L", 2);
    table.Load(store);
    ASSERT_EQ(table.Entries().size(), 2u);
    EXPECT_EQ(table.Entries()[1].text, "R");
}

TEST_F(GestureTableTest, LookupIsExactAndTheFirstDuplicateWins) {
    GestureTable table;
    table.Add("RD", 10);
    table.Add("R", 20);
    table.Add("RD", 30);
    EXPECT_EQ(LookupGesture(table, "RD"), 10);
    EXPECT_EQ(LookupGesture(table, "R"), 20);
    EXPECT_EQ(LookupGesture(table, "rd"), 0);
    EXPECT_EQ(LookupGesture(table, "RDL"), 0);
    EXPECT_EQ(LookupGesture(table, ""), 0);
}

TEST_F(GestureTableTest, ASaveIsOneReplacementThatLeavesNoEntryOfTheLongerTableBefore) {
    GestureTable longer;
    for (const char* text : {"R", "L", "U", "D"})
        longer.Add(text, 100);
    ASSERT_TRUE(longer.Save(store));
    const int writes = fs.WriteCount();

    GestureTable shorter;
    shorter.Add("UD", -7);
    ASSERT_TRUE(shorter.Save(store));
    EXPECT_EQ(fs.WriteCount(), writes + 1) << "the section is written in one step";
    EXPECT_EQ(store.GetProfileString("MouseGesture", "N3", "gone"), "gone");

    GestureTable loaded;
    loaded.Load(store);
    ASSERT_EQ(loaded.Entries().size(), 1u);
    EXPECT_EQ(loaded.Entries()[0].command, -7);
}

TEST_F(GestureTableTest, AFailedSaveLeavesTheOldTableWhole) {
    GestureTable table;
    table.Add("R", 1);
    table.Add("L", 2);
    ASSERT_TRUE(table.Save(store));
    fs.FailOn(test::FsOp::Write, kIni);
    GestureTable changed;
    changed.Add("U", 9);
    EXPECT_FALSE(changed.Save(store));
    fs.ClearFailures();
    GestureTable loaded;
    loaded.Load(store);
    ASSERT_EQ(loaded.Entries().size(), 2u);
    EXPECT_EQ(loaded.Entries()[1].text, "L");
}

}  // namespace
}  // namespace lumbrel
