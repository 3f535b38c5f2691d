#include "base/FileHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using namespace test::gbk;
using test::FakeCodePage;
using test::FsOp;

// Records every folder the helpers look at or create, as the strings they passed. The fake
// underneath folds case on every byte, so only this log can tell how a path was split.
class RecordingFileSystem : public test::FakeFileSystem {
public:
    bool Exists(const std::string& path) override {
        looked.push_back(path);
        return FakeFileSystem::Exists(path);
    }
    bool CreateFolder(const std::string& path) override {
        created.push_back(path);
        return FakeFileSystem::CreateFolder(path);
    }
    std::vector<std::string> looked;
    std::vector<std::string> created;
};

using Paths = std::vector<std::string>;

class FileHelpersTest : public ::testing::Test {
protected:
    void SetUp() override { fs_.AddFolder("C:\\"); }
    RecordingFileSystem fs_;
    FakeCodePage gbk_{FakeCodePage::kGbk};
};

TEST_F(FileHelpersTest, ReadWholeFileGivesAllBytesOrNothing) {
    fs_.AddFile("C:\\a.txt", std::string("one\0two", 7));
    EXPECT_EQ(ReadWholeFile(fs_, "C:\\a.txt"), std::string("one\0two", 7));
    EXPECT_EQ(ReadWholeFile(fs_, "C:\\missing.txt"), std::nullopt);
    EXPECT_EQ(ReadWholeFile(fs_, "C:\\"), std::nullopt);
    fs_.FailOn(FsOp::Read, "C:\\a.txt");
    EXPECT_EQ(ReadWholeFile(fs_, "C:\\a.txt"), std::nullopt);
}

TEST_F(FileHelpersTest, ReadWholeFileRefusesOversizedFiles) {
    fs_.AddFile("C:\\big.ini", "12345");
    EXPECT_EQ(ReadWholeFile(fs_, "C:\\big.ini", 4), std::nullopt);
    EXPECT_EQ(ReadWholeFile(fs_, "C:\\big.ini", 5), "12345");
}

TEST_F(FileHelpersTest, PathExistsIgnoresTrailingSeparators) {
    fs_.AddFolder("C:\\Lumbrel\\User");
    fs_.AddFile("C:\\Lumbrel\\lumbrel.exe", "MZ");
    EXPECT_TRUE(PathExists(fs_, gbk_, "C:\\Lumbrel\\User\\"));
    EXPECT_TRUE(PathExists(fs_, gbk_, "C:\\Lumbrel\\lumbrel.exe"));
    EXPECT_TRUE(PathExists(fs_, gbk_, "C:\\"));
    EXPECT_FALSE(PathExists(fs_, gbk_, "C:\\Lumbrel\\skin\\"));
    EXPECT_FALSE(PathExists(fs_, gbk_, ""));
    EXPECT_EQ(fs_.looked, (Paths{"C:\\Lumbrel\\User", "C:\\Lumbrel\\lumbrel.exe", "C:\\",
                                 "C:\\Lumbrel\\skin"}));
}

TEST_F(FileHelpersTest, PathExistsKeepsATrailByteThatLooksLikeABackslash) {
    std::string folder = std::string("C:\\") + kTrailBackslash;
    PathExists(fs_, gbk_, folder);
    PathExists(fs_, gbk_, folder + "\\");
    EXPECT_EQ(fs_.looked, (Paths{folder, folder}));
}

TEST_F(FileHelpersTest, CreatesEveryMissingFolderFromTheLeft) {
    fs_.AddFolder("C:\\Lumbrel");
    EXPECT_TRUE(CreateFolderPath(fs_, gbk_, "C:\\Lumbrel\\User\\Cache\\"));
    EXPECT_EQ(fs_.created, (Paths{"C:\\Lumbrel\\User", "C:\\Lumbrel\\User\\Cache"}));
    EXPECT_TRUE(fs_.HasFolder("C:\\Lumbrel\\User\\Cache"));
    // The drive root is never looked at nor created.
    EXPECT_EQ(fs_.looked, (Paths{"C:\\Lumbrel", "C:\\Lumbrel\\User", "C:\\Lumbrel\\User\\Cache"}));

    fs_.created.clear();
    EXPECT_TRUE(CreateFolderPath(fs_, gbk_, "C:\\Lumbrel\\User"));
    EXPECT_TRUE(fs_.created.empty());
}

TEST_F(FileHelpersTest, NeverCreatesTheServerOrShareOfANetworkPath) {
    fs_.AddFolder("\\\\srv\\share");
    EXPECT_TRUE(CreateFolderPath(fs_, gbk_, "\\\\srv\\share\\Lumbrel\\User"));
    EXPECT_EQ(fs_.created, (Paths{"\\\\srv\\share\\Lumbrel", "\\\\srv\\share\\Lumbrel\\User"}));
    EXPECT_EQ(fs_.looked, fs_.created);
    // A share that is not there cannot be made: the first folder below it fails.
    fs_.created.clear();
    EXPECT_FALSE(CreateFolderPath(fs_, gbk_, "\\\\other\\share\\x\\y"));
    EXPECT_EQ(fs_.created, (Paths{"\\\\other\\share\\x"}));
}

TEST_F(FileHelpersTest, ResolvesDotsAndDoubledSeparatorsFirst) {
    EXPECT_TRUE(CreateFolderPath(fs_, gbk_, "C:\\a\\..\\b\\.\\c"));
    EXPECT_EQ(fs_.created, (Paths{"C:\\b", "C:\\b\\c"}));
    EXPECT_FALSE(fs_.HasFolder("C:\\a"));

    fs_.created.clear();
    EXPECT_TRUE(CreateFolderPath(fs_, gbk_, "C:\\..\\..\\x//y\\\\"));
    EXPECT_EQ(fs_.created, (Paths{"C:\\x", "C:\\x\\y"}));
}

TEST_F(FileHelpersTest, SplitsOnlyAtRealSeparators) {
    std::string gbkFolder = std::string("C:\\") + kTrailBackslash;
    EXPECT_TRUE(CreateFolderPath(fs_, gbk_, gbkFolder + "\\sub"));
    EXPECT_EQ(fs_.created, (Paths{gbkFolder, gbkFolder + "\\sub"}));
}

TEST_F(FileHelpersTest, StopsAtTheFirstFolderThatCannotBeMade) {
    fs_.AddFile("C:\\taken", "a file, not a folder");
    EXPECT_FALSE(CreateFolderPath(fs_, gbk_, "C:\\taken\\sub"));
    EXPECT_TRUE(fs_.created.empty());

    fs_.FailOn(FsOp::CreateFolder, "C:\\denied");
    EXPECT_FALSE(CreateFolderPath(fs_, gbk_, "C:\\denied\\sub"));
    EXPECT_EQ(fs_.created, (Paths{"C:\\denied"}));
}

TEST_F(FileHelpersTest, RootsAndRelativePaths) {
    EXPECT_TRUE(CreateFolderPath(fs_, gbk_, "C:\\"));
    EXPECT_FALSE(CreateFolderPath(fs_, gbk_, "D:\\"));
    EXPECT_FALSE(CreateFolderPath(fs_, gbk_, ""));
    EXPECT_TRUE(fs_.created.empty());
    // A relative path is made name by name, short names included.
    EXPECT_TRUE(CreateFolderPath(fs_, gbk_, "ab\\c"));
    EXPECT_EQ(fs_.created, (Paths{"ab", "ab\\c"}));
}

}  // namespace
}  // namespace lumbrel
