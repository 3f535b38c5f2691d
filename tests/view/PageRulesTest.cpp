// The view's text rules: local addresses, jumps within a page, status texts, the privacy
// protocol, error pages and progress.
#include "view/PageRules.h"

#include <gtest/gtest.h>

#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"
#include "view/ViewState.h"

namespace lumbrel {
namespace {

TEST(NormalizeLocalUrl, MakesDrivePathsFileUrlsAndKeepsDoubleByteCharacters) {
    test::FakeCodePage gbk(936);
    EXPECT_EQ(NormalizeLocalUrl(gbk, "C:\\pages\\a.htm"), "file:///C:/pages/a.htm");
    EXPECT_EQ(NormalizeLocalUrl(gbk, "http://a.example/"), "http://a.example/");
    const std::string trail = std::string("C:\\") + test::gbk::kTrailBackslash + "\\b.htm";
    EXPECT_EQ(NormalizeLocalUrl(gbk, trail),
              std::string("file:///C:/") + test::gbk::kTrailBackslash + "/b.htm")
        << "the trail byte 0x5C of a double-byte character is no separator";
}

TEST(JumpWithinPage, ComparesWithThePageAddressWithoutItsAnchor) {
    EXPECT_TRUE(IsJumpWithinPage("http://a.example/p.htm#top", "http://a.example/p.htm"));
    EXPECT_TRUE(IsJumpWithinPage("http://a.example/p.htm#top", "http://a.example/p.htm#end"));
    EXPECT_FALSE(IsJumpWithinPage("http://a.example/#top", "http://a.example/p.htm"))
        << "another page of the site, not a prefix of this one";
    EXPECT_FALSE(IsJumpWithinPage("http://a.example/q.htm", "http://a.example/q.htm"));
}

TEST(ScrollTextFilter, PassesTheEngineTextsAndDropsScrollingTexts) {
    struct Row {
        const char* text;
        bool passes;
    };
    const Row rows[] = {
        {"Done", true},
        {"Opening page http://a.example/...", true},
        {"Shortcut to a.htm", true},
        {"see http://a.example/", true},        // "://" at 8
        {"Visit us http://a.example/", false},  // "://" at 13
        {"about:blank", true},
        {"3 items remaining", true},
        {"Buy now! Cheap deals! Buy now!", false},
        {"Welcome to my homepage", false},
        {"\xD5\xFD\xD4\xDA\xB4\xF2\xBF\xAA", true},             // 正在打开
        {"\xC4\xFA\xBA\xC3", false},                            // 您好
        {"\xBB\xB9\xD3\xD0 3 \xCF\xEE\xCA\xA3\xD3\xE0", true},  // 还有 3 项剩余
    };
    for (const Row& row : rows)
        EXPECT_EQ(PassesScrollTextFilter(row.text), row.passes) << row.text;
}

TEST(PrivacyProtocol, KnowsTheEnglishAndChineseTexts) {
    EXPECT_TRUE(IsPrivacyProtocol("HyperText Transfer Protocol with Privacy"));
    EXPECT_FALSE(IsPrivacyProtocol("HyperText Transfer Protocol"));
    EXPECT_TRUE(IsPrivacyProtocol("\xB3\xAC\xCE\xC4\xB1\xBE\xCB\xBD\xC8\xCB\xD1\xE9\xD6\xA4"));
    EXPECT_TRUE(IsPrivacyProtocol("\xB6\x57\xA4\xE5\xAB\x4F\xB1\x4B"));
    EXPECT_FALSE(IsPrivacyProtocol("\xAB\x4F\xB1\x4B")) << "only after the first character";
}

TEST(ErrorPageTarget, TakesTheFailedAddressAfterTheHash) {
    EXPECT_EQ(ErrorPageTarget("res://ieframe.dll/dnserror.htm#http://down.example/a#b"),
              "http://down.example/a#b");
    EXPECT_EQ(ErrorPageTarget("res://shdoclow.dll/navcancl.htm#file://C:\\x\\a.htm"),
              "file:///C:/x/a.htm");
    EXPECT_EQ(ErrorPageTarget("res://ieframe.dll/http_404.htm"), "res://ieframe.dll/http_404.htm");
    EXPECT_EQ(ErrorPageTarget("res://ieframe.dll/dnserror.htm#HTTPS://up.example/"),
              "HTTPS://up.example/");
    EXPECT_EQ(ErrorPageTarget("res://ieframe.dll/dnserror.htm#ftp://files.example/"),
              "ftp://files.example/");
    for (const char* url : {"res://ieframe.dll/dnserror.htm#javascript:alert(document.cookie)",
                            "res://ieframe.dll/dnserror.htm#vbscript:go", "res://x.dll/a.htm#",
                            "res://x.dll/a.htm#about:blank", "res://x.dll/a.htm#res://y.dll/b.htm",
                            "res://x.dll/a.htm#mailto:a@example.com", "res://x.dll/a.htm#http"})
        EXPECT_EQ(ErrorPageTarget(url), std::nullopt) << url;
}

TEST(CancelPage, ShowsThatAKilledAddressWasCancelled) {
    EXPECT_TRUE(IsCancelPageFor("res://ieframe.dll/navcancl.htm#http://ad/", "http://ad/"));
    EXPECT_TRUE(IsCancelPageFor("about:NavigationCanceled", "http://ad/"));
    EXPECT_TRUE(IsCancelPageFor("http://ad/", "http://ad/"));
    EXPECT_FALSE(IsCancelPageFor("http://other/", "http://ad/"));
}

TEST(Progress, PercentAndLoadingImages) {
    EXPECT_EQ(ProgressPercent(50, 100), 50);
    EXPECT_EQ(ProgressPercent(420, 1000), 42);
    EXPECT_EQ(ProgressPercent(5000, 1000), 100);
    EXPECT_EQ(ProgressPercent(0, 0), kProgressIdle);
    EXPECT_EQ(ProgressPercent(-1, 100), kProgressIdle);
    EXPECT_EQ(ProgressPercent(50, 99), kProgressIdle);
    EXPECT_EQ(LoadingImage(0), 1);
    EXPECT_EQ(LoadingImage(33), 1);
    EXPECT_EQ(LoadingImage(34), 2);
    EXPECT_EQ(LoadingImage(50), 2);
    EXPECT_EQ(LoadingImage(100), 3);
}

}  // namespace
}  // namespace lumbrel
