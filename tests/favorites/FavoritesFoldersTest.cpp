// Where the favorites root and the links folder are found.
#include <gtest/gtest.h>

#include "base/PrivateProfile.h"
#include "favorites/FavoritesFolders.h"
#include "settings/SettingsStore.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/FakeRegistry.h"
#include "support/FakeShell.h"

namespace lumbrel {
namespace {

class FavoritesFoldersTest : public ::testing::Test {
protected:
    static constexpr const char* kProgram = "C:\\Lumbrel\\";
    static constexpr const char* kIni = "C:\\Lumbrel\\User\\Lumbrel.ini";

    FavoritesFoldersTest() {
        fs.AddFolder("C:\\Lumbrel\\User");
        store.SetProfileName(kIni);
        shell.folders[SystemFolder::Favorites] = "C:\\Users\\me\\Favorites";
        shell.folders[SystemFolder::Windows] = "C:\\WINDOWS";
        fs.AddFolder("C:\\Users\\me\\Favorites");
    }
    void Set(const char* key, const std::string& value) {
        profiles.WriteString(kIni, "Settings", key, value);
    }
    FavoritesFolders Resolve() {
        return FavoritesFolderResolver(cp, fs, registry, shell).Resolve(store, kProgram);
    }

    test::FakeCodePage cp{test::FakeCodePage::kGbk};
    test::FakeFileSystem fs;
    test::FakeRegistry registry;
    test::FakeShell shell;
    PrivateProfile profiles{fs};
    SettingsStore store{profiles};
};

TEST_F(FavoritesFoldersTest, TheRootIsTheShellsFolderOrTheFallbackBelowWindows) {
    FavoritesFolders folders = Resolve();
    EXPECT_EQ(folders.root, "C:\\Users\\me\\Favorites\\");
    EXPECT_FALSE(folders.shellFolderMissing);

    shell.folders.erase(SystemFolder::Favorites);
    folders = Resolve();
    EXPECT_EQ(folders.root, "C:\\WINDOWS\\favorites\\");
    EXPECT_TRUE(folders.shellFolderMissing);
}

TEST_F(FavoritesFoldersTest, AConfiguredRootMayBeRelativeToTheProgram) {
    Set("UseDefaultFavPath", "0");
    Set("FavPath", ".\\MyFav");
    EXPECT_EQ(Resolve().root, "C:\\Lumbrel\\MyFav\\");
    Set("FavPath", "D:\\Fav\\");
    EXPECT_EQ(Resolve().root, "D:\\Fav\\");
    // A GBK name ending in a 0x5C trail byte still gets its own separator.
    Set("FavPath", std::string("D:\\") + "\x81\x5C");
    EXPECT_EQ(Resolve().root, std::string("D:\\") + "\x81\x5C" + "\\");
    // Nothing configured: the shell's folder.
    Set("FavPath", "");
    EXPECT_EQ(Resolve().root, "C:\\Users\\me\\Favorites\\");
}

TEST_F(FavoritesFoldersTest, TheLinksFolderIsTheShellsNameWhenThatFolderExists) {
    registry.WriteString(RegRoot::CurrentUser, kToolbarKey, kLinksFolderNameValue, "Bar Links");
    fs.AddFolder("C:\\Users\\me\\Favorites\\Bar Links");
    fs.AddFolder("C:\\Users\\me\\Favorites\\Links");
    EXPECT_EQ(Resolve().links, "C:\\Users\\me\\Favorites\\Bar Links\\");
}

TEST_F(FavoritesFoldersTest, WithoutTheShellsNameTheFallbackNamesAreTriedInOrder) {
    // A value naming a folder that does not exist counts as missing.
    registry.WriteString(RegRoot::CurrentUser, kToolbarKey, kLinksFolderNameValue, "Gone");
    EXPECT_EQ(Resolve().links, std::nullopt);

    fs.AddFolder("C:\\Users\\me\\Favorites\\Links");
    EXPECT_EQ(Resolve().links, "C:\\Users\\me\\Favorites\\Links\\");

    // The GBK name comes before "Links".
    fs.AddFolder(std::string("C:\\Users\\me\\Favorites\\") + "\xC1\xB4\xBD\xD3");
    EXPECT_EQ(Resolve().links, std::string("C:\\Users\\me\\Favorites\\") + "\xC1\xB4\xBD\xD3\\");
}

TEST_F(FavoritesFoldersTest, TheFallbackNamesKeepTheirExactBytes) {
    const std::string expected[] = {
        "\xC1\xB4\xBD\xD3\\", "Links\\", "\xB3\x73\xB5\xB2\\", "links\\", "\xDF\x42\xBD\x59\\",
    };
    ASSERT_EQ(std::size(kLinksFolderFallbacks), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(kLinksFolderFallbacks[i], expected[i]) << i;
    // Only the Big5 folder exists: found through its own bytes.
    fs.AddFolder(std::string("C:\\Users\\me\\Favorites\\") + "\xB3\x73\xB5\xB2");
    EXPECT_EQ(Resolve().links, std::string("C:\\Users\\me\\Favorites\\") + expected[2]);
}

TEST_F(FavoritesFoldersTest, AConfiguredLinksFolderIsUsedAsItIs) {
    Set("UseDefaultLinkPath", "0");
    Set("LinkPath", ".\\Links");
    EXPECT_EQ(Resolve().links, "C:\\Lumbrel\\Links\\");
    Set("LinkPath", "");
    EXPECT_EQ(Resolve().links, std::nullopt);
}

}  // namespace
}  // namespace lumbrel
