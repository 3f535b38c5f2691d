// Favorite files: which names list, what opening one navigates to, writing a ".url".
#include <gtest/gtest.h>

#include "base/PrivateProfile.h"
#include "favorites/FavoriteFile.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

TEST(FavoriteFile, UrlInAnyCaseLinksOnlyInLowerCase) {
    const test::FakeCodePage gbk(test::FakeCodePage::kGbk);
    EXPECT_TRUE(IsFavoriteFileName(gbk, "a.url"));
    EXPECT_TRUE(IsFavoriteFileName(gbk, "a.URL"));
    EXPECT_TRUE(IsFavoriteFileName(gbk, "a.Url"));
    EXPECT_TRUE(IsFavoriteFileName(gbk, "a.lnk"));
    EXPECT_FALSE(IsFavoriteFileName(gbk, "a.LNK"));
    EXPECT_FALSE(IsFavoriteFileName(gbk, "a.Lnk"));
    EXPECT_FALSE(IsFavoriteFileName(gbk, "a.txt"));
    EXPECT_FALSE(IsFavoriteFileName(gbk, "url"));
    EXPECT_EQ(FavoriteTitle(gbk, std::string(test::gbk::kZhongWen) + ".URL"), test::gbk::kZhongWen);
    EXPECT_EQ(FavoriteTitle(gbk, "Mail.lnk"), "Mail");
}

TEST(FavoriteFile, OpeningAShortcutReadsItsAddressAndFlags) {
    const test::FakeCodePage cp;
    test::FakeFileSystem fs;
    PrivateProfile profiles(fs);
    fs.AddFile("C:\\Fav\\a.URL", "[InternetShortcut]\r\nURL=http://a.example/\r\nProperty=208\r\n");
    fs.AddFile("C:\\Fav\\b.url", "[InternetShortcut]\r\nURL=http://b.example/\r\n");
    FavoriteTarget a = ReadFavoriteTarget(profiles, cp, "C:\\Fav\\a.URL");
    EXPECT_EQ(a.address, "http://a.example/");
    EXPECT_EQ(a.downloadFlags, 208);
    FavoriteTarget b = ReadFavoriteTarget(profiles, cp, "C:\\Fav\\b.url");
    EXPECT_EQ(b.address, "http://b.example/");
    EXPECT_EQ(b.downloadFlags, kDefaultDownloadFlags);
    // A shell link is opened by its path; the shell resolves it.
    FavoriteTarget link = ReadFavoriteTarget(profiles, cp, "C:\\Fav\\c.lnk");
    EXPECT_EQ(link.address, "C:\\Fav\\c.lnk");
    EXPECT_EQ(link.downloadFlags, kDefaultDownloadFlags);
}

TEST(FavoriteFile, WritingReplacesTheSectionAndKeepsTheRest) {
    test::FakeFileSystem fs;
    PrivateProfile profiles(fs);
    fs.AddFile("C:\\Fav\\a.url",
               "[InternetShortcut]\r\nURL=http://old/\r\nIconIndex=3\r\n[Other]\r\nx=1\r\n");
    ASSERT_TRUE(WriteUrlShortcut(profiles, "C:\\Fav\\a.url", "http://new/\r\nProperty=0", 16));
    EXPECT_EQ(fs.Content("C:\\Fav\\a.url"),
              "[Other]\r\nx=1\r\n[InternetShortcut]\r\nURL=http://new/  Property=0\r\n"
              "Property=16\r\n");
    ASSERT_TRUE(WriteUrlShortcut(profiles, "C:\\Fav\\b.url", "http://b/", kDefaultDownloadFlags));
    EXPECT_EQ(fs.Content("C:\\Fav\\b.url"), "[InternetShortcut]\r\nURL=http://b/\r\n");
    fs.FailOn(test::FsOp::Write, "C:\\Fav\\c.url");
    EXPECT_FALSE(WriteUrlShortcut(profiles, "C:\\Fav\\c.url", "http://c/", 0));
}

}  // namespace
}  // namespace lumbrel
