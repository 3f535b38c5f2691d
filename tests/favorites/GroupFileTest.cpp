// Group files: which members a reader sees, what the writers leave out, and that no title
// can add keys.
#include <gtest/gtest.h>

#include "favorites/GroupFile.h"
#include "support/FakeFileSystem.h"

namespace lumbrel {
namespace {

constexpr const char* kFile = "C:\\Lumbrel\\groups\\g.cgp";

class GroupFileTest : public ::testing::Test {
protected:
    GroupFileTest() { fs.AddFolder("C:\\Lumbrel\\groups"); }
    GroupSection Read() { return GroupSection::Read(profiles, kFile); }

    test::FakeFileSystem fs;
    PrivateProfile profiles{fs};
};

TEST_F(GroupFileTest, MembersEndAtTheFirstWithoutNameAndAddress) {
    fs.AddFile(kFile,
               "[Group]\r\nname0=A\r\nurl0=http://a/\r\nstate0=0\r\ndownload0=16\r\n"
               "name1=B\r\nurl1=http://b/\r\nurl2=http://c/\r\nname3=D\r\nurl3=http://d/\r\n");
    const GroupSection section = Read();
    EXPECT_EQ(section.Members(),
              (std::vector<GroupMember>{{"A", "http://a/", 0, 16}, {"B", "http://b/", 1, -1}}));
    EXPECT_EQ(section.LastIndex(), 3);
    EXPECT_EQ(section.AppendIndex(), 2);  // the first i without a name
    EXPECT_EQ(section.Url(2), "http://c/");
    EXPECT_EQ(section.State(3), kMemberOpens);
    EXPECT_EQ(section.Download(3), -1);
}

TEST_F(GroupFileTest, AMissingFileIsAnEmptyGroup) {
    const GroupSection section = Read();
    EXPECT_TRUE(section.Members().empty());
    EXPECT_EQ(section.AppendIndex(), 0);
    EXPECT_EQ(section.LastIndex(), -1);
}

TEST_F(GroupFileTest, TheWriterOmitsDefaultsAndKeepsTitlesOnOneLine) {
    ASSERT_TRUE(WriteGroup(
        profiles, kFile,
        {{"Title\r\nurl5=http://evil/a.exe", "http://a/", 1, -1}, {"B", "http://b/", 0, 208}}));
    EXPECT_EQ(fs.Content(kFile),
              "[Group]\r\nname0=Title  url5=http://evil/a.exe\r\nurl0=http://a/\r\n"
              "name1=B\r\nurl1=http://b/\r\nstate1=0\r\ndownload1=208\r\n");
    EXPECT_FALSE(Read().Url(5).has_value());
}

TEST_F(GroupFileTest, RewritingReplacesTheWholeSectionInOneStep) {
    fs.AddFile(kFile, "[Group]\r\nname0=Old\r\nurl0=http://old/\r\nname1=X\r\nurl1=http://x/\r\n");
    const int writes = fs.WriteCount();
    ASSERT_TRUE(WriteGroup(profiles, kFile, {{"New", "http://new/", 1, -1}}));
    EXPECT_EQ(fs.WriteCount(), writes + 1);
    EXPECT_EQ(Read().Members(), (std::vector<GroupMember>{{"New", "http://new/", 1, -1}}));
    // A failed write leaves the old group whole.
    fs.FailOn(test::FsOp::Write, kFile);
    EXPECT_FALSE(WriteGroup(profiles, kFile, {}));
    EXPECT_EQ(Read().Members().size(), 1u);
}

TEST_F(GroupFileTest, AppendedMembersDoNotInheritStaleKeys) {
    // Member 1 has lost its name: appending starts there, over the state and download it
    // left behind.
    fs.AddFile(kFile,
               "[Group]\r\nname0=A\r\nurl0=http://a/\r\nurl1=http://stale/\r\nstate1=0\r\n"
               "download1=16\r\n");
    ASSERT_TRUE(
        AppendMembers(profiles, kFile, {{"B", "http://b/", 1, -1}, {"C", "http://c/", 1, 32}}));
    EXPECT_EQ(Read().Members(), (std::vector<GroupMember>{{"A", "http://a/", 1, -1},
                                                          {"B", "http://b/", 1, -1},
                                                          {"C", "http://c/", 1, 32}}));
}

}  // namespace
}  // namespace lumbrel
