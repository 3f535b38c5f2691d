#include "base/Paths.h"

#include <gtest/gtest.h>

#include <string>

#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using namespace test::gbk;
using test::FakeCodePage;

class PathsTest : public ::testing::Test {
protected:
    FakeCodePage gbk_{FakeCodePage::kGbk};
    FakeCodePage western_{FakeCodePage::kWestern};
    // "C:\乗.exe" style names: the byte before ".exe" is 0x5C but no separator.
    std::string gbkName_ = std::string(kTrailBackslash) + ".exe";
};

TEST_F(PathsTest, ProgramDirectoryEndsAtTheLastSeparator) {
    EXPECT_EQ(ProgramDirectory(gbk_, "C:\\Program Files\\Lumbrel\\lumbrel.exe"),
              "C:\\Program Files\\Lumbrel\\");
    EXPECT_EQ(ProgramDirectory(gbk_, "\\\\srv\\apps\\lumbrel.exe"), "\\\\srv\\apps\\");
    EXPECT_EQ(ProgramDirectory(gbk_, "lumbrel.exe"), "");
    EXPECT_EQ(ProgramDirectory(gbk_, ""), "");
    EXPECT_EQ(ProgramDirectory(gbk_, "D:\\" + gbkName_), "D:\\");
    EXPECT_EQ(ProgramDirectory(western_, "D:\\" + gbkName_), "D:\\\x81\\");
}

TEST_F(PathsTest, SplitPathCutsAtTheLastSeparatorAndKeepsRoots) {
    struct Case {
        std::string path, folder, name;
    };
    const Case cases[] = {
        {"C:\\dir\\file.ini", "C:\\dir", "file.ini"},
        {"C:\\file.ini", "C:\\", "file.ini"},
        {"\\file.ini", "\\", "file.ini"},
        {"C:/dir/sub/", "C:/dir/sub", ""},
        {"file.ini", "", "file.ini"},
        {"D:\\" + gbkName_, "D:\\", gbkName_},
        {"D:\\" + std::string(kTrailBackslash) + "\\x.ini", "D:\\" + std::string(kTrailBackslash),
         "x.ini"},
    };
    for (const Case& c : cases) {
        const PathParts parts = SplitPath(gbk_, c.path);
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
    }
    EXPECT_EQ(SplitPath(western_, "D:\\" + gbkName_).name, ".exe") << "byte-wise in 1252";
}

TEST_F(PathsTest, DotBackslashSettingsAreRelativeToTheProgram) {
    const std::string dir = "C:\\Lumbrel\\";
    EXPECT_EQ(ResolvePathSetting(".\\skin\\", dir), "C:\\Lumbrel\\skin\\");
    EXPECT_EQ(ResolvePathSetting("./groups/", dir), "C:\\Lumbrel\\groups/");
    EXPECT_EQ(ResolvePathSetting(".\\", dir), dir);
    EXPECT_EQ(ResolvePathSetting("D:\\Skins\\", dir), "D:\\Skins\\");
    EXPECT_EQ(ResolvePathSetting("..\\skin", dir), "..\\skin");
    EXPECT_EQ(ResolvePathSetting(".skin", dir), ".skin");
    EXPECT_EQ(ResolvePathSetting("", dir, "C:\\Lumbrel\\groups\\"), "C:\\Lumbrel\\groups\\");
    EXPECT_EQ(ResolvePathSetting("", dir), "");
}

TEST_F(PathsTest, RootLengthCoversDrivesSharesAndDevicePaths) {
    struct Case {
        std::string path;
        size_t root;
    };
    const Case cases[] = {
        {"C:\\a\\b", 3},
        {"C:\\", 3},
        {"C:", 2},
        {"C:a", 2},
        {"d:/x", 3},
        {"\\a", 1},
        {"a\\b", 0},
        {"", 0},
        {"\\\\srv\\share\\a\\b", 12},
        {"\\\\srv\\share", 11},
        {"\\\\srv", 5},
        {"//srv/share/a", 12},
        {"\\\\?\\C:\\a", 7},
        {"\\\\?\\UNC\\srv\\share\\a", 18},
        {"\\\\.\\Volume{1}\\a", 14},
        // A server name ending in a 0x5C trail byte does not end there.
        {"\\\\" + std::string(kTrailBackslash) + "\\s\\x", 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PathRootLength(gbk_, c.path), c.root) << c.path;
}

TEST_F(PathsTest, StripTrailingSeparatorsKeepsRootsAndTrailBytes) {
    EXPECT_EQ(StripTrailingSeparators(gbk_, "C:\\a\\b\\"), "C:\\a\\b");
    EXPECT_EQ(StripTrailingSeparators(gbk_, "C:\\a\\\\/"), "C:\\a");
    EXPECT_EQ(StripTrailingSeparators(gbk_, "C:\\a"), "C:\\a");
    EXPECT_EQ(StripTrailingSeparators(gbk_, "C:\\"), "C:\\");
    EXPECT_EQ(StripTrailingSeparators(gbk_, "\\"), "\\");
    EXPECT_EQ(StripTrailingSeparators(gbk_, "\\\\srv\\share\\"), "\\\\srv\\share\\");
    EXPECT_EQ(StripTrailingSeparators(gbk_, "\\\\srv\\share\\a\\"), "\\\\srv\\share\\a");
    EXPECT_EQ(StripTrailingSeparators(gbk_, ""), "");
    std::string gbkFolder = std::string("C:\\") + kTrailBackslash;
    EXPECT_EQ(StripTrailingSeparators(gbk_, gbkFolder), gbkFolder);
    EXPECT_EQ(StripTrailingSeparators(gbk_, gbkFolder + "\\"), gbkFolder);
    EXPECT_EQ(StripTrailingSeparators(western_, gbkFolder), "C:\\\x81");
}

}  // namespace
}  // namespace lumbrel
