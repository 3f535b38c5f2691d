#include "shell/SkinFiles.h"

#include <gtest/gtest.h>

#include "support/FakeFileSystem.h"

namespace lumbrel {
namespace {

constexpr const char* kSkins = "C:\\Lumbrel\\skin\\";

class SkinFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        files.AddFile("C:\\Lumbrel\\skin\\default\\TaskBar.bmp", "d");
        files.AddFile("C:\\Lumbrel\\skin\\default\\Go.bmp", "d");
        files.AddFile("C:\\Lumbrel\\skin\\default\\BackGround.bmp", "d");
        files.AddFile("C:\\Lumbrel\\skin\\Blue\\TaskBar.bmp", "b");
    }
    test::FakeFileSystem files;
};

TEST_F(SkinFilesTest, APictureMissingFromTheChosenSkinComesFromTheDefaultOne) {
    SkinFiles skin(files, kSkins, "Blue");
    EXPECT_EQ(skin.Resolve("TaskBar.bmp"), "C:\\Lumbrel\\skin\\Blue\\TaskBar.bmp");
    EXPECT_EQ(skin.Resolve("Go.bmp"), "C:\\Lumbrel\\skin\\default\\Go.bmp");
    EXPECT_EQ(skin.Resolve("FavBar.bmp"), std::nullopt);
}

TEST_F(SkinFilesTest, AnUnknownOrEmptySkinNameBehavesAsTheDefaultSkin) {
    for (const char* name : {"Gone", ""}) {
        SkinFiles skin(files, kSkins, name);
        EXPECT_EQ(skin.Resolve("TaskBar.bmp"), "C:\\Lumbrel\\skin\\default\\TaskBar.bmp") << name;
    }
}

TEST_F(SkinFilesTest, TheBackgroundNeverFallsBackToTheDefaultSkin) {
    EXPECT_EQ(SkinFiles(files, kSkins, "Blue").Background(), std::nullopt);
    EXPECT_EQ(SkinFiles(files, kSkins, "default").Background(),
              "C:\\Lumbrel\\skin\\default\\BackGround.bmp");
}

TEST_F(SkinFilesTest, AFolderOrAnEmptyNameIsNoPicture) {
    files.AddFolder("C:\\Lumbrel\\skin\\Blue\\Go.bmp");
    SkinFiles skin(files, kSkins, "Blue");
    EXPECT_EQ(skin.Resolve("Go.bmp"), "C:\\Lumbrel\\skin\\default\\Go.bmp");
    EXPECT_EQ(skin.Resolve(""), std::nullopt);
}

}  // namespace
}  // namespace lumbrel
