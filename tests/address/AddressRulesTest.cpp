// Typed text to address: completion with the modifier keys, the scheme guess, words that are
// searched instead, the keyword split and the engine templates.
#include <gtest/gtest.h>

#include "address/AddressRules.h"
#include "search/EngineSearch.h"
#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;

const DomainCompletion kDomains{"http://www.", ".com",        "http://www.",
                                ".net",        "http://www.", ".com.cn"};

CompletedAddress Complete(const std::string& text, KeyModifiers keys = {}) {
    static const FakeCodePage cp(1252);
    return CompleteAddress(cp, text, keys, kDomains);
}

TEST(CompleteAddress, CtrlShiftAndBothPutTheirDomainAroundTheText) {
    EXPECT_EQ(Complete("word", {.ctrl = true}).text, "http://www.word.com");
    EXPECT_EQ(Complete("word", {.shift = true}).text, "http://www.word.net");
    EXPECT_EQ(Complete("word", {.ctrl = true, .shift = true}).text, "http://www.word.com.cn");
    EXPECT_FALSE(Complete("word", {.ctrl = true}).search);
    EXPECT_EQ(Complete("http://x.org", {.ctrl = true}).text, "http://x.org")
        << "a text with a scheme is never completed";
    const CompletedAddress altCtrl = Complete("word", {.ctrl = true, .alt = true});
    EXPECT_TRUE(altCtrl.search) << "Alt turns the completion off";
}

TEST(CompleteAddress, GuessesTheSchemeOfAnAddress) {
    EXPECT_EQ(Complete("localhost").text, "http://localhost");
    EXPECT_EQ(Complete("ftp.site.org").text, "ftp://ftp.site.org");
    EXPECT_EQ(Complete("www.site.com/a").text, "http://www.site.com/a");
    EXPECT_EQ(Complete("site/page").text, "http://site/page");
    EXPECT_EQ(Complete("\\\\server\\share").text, "\\\\server\\share");
    EXPECT_EQ(Complete("C:\\dir\\page.htm").text, "C:/dir/page.htm") << "forward slashes";
    EXPECT_EQ(Complete("file://C:\\a\\b.htm").text, "file://C:/a/b.htm");
}

TEST(CompleteAddress, WordsAndMailAddressesAreSearched) {
    const CompletedAddress word = Complete("lumbrel");
    EXPECT_TRUE(word.search);
    EXPECT_EQ(word.text, "lumbrel");
    EXPECT_EQ(word.action, SearchAction::Search);
    EXPECT_EQ(Complete("word", {.shift = true, .alt = true}).action, SearchAction::Highlight);
    EXPECT_TRUE(Complete(".hidden").search) << "a dot at the very start does not count";
    EXPECT_TRUE(Complete("someone@site.com").search);
    EXPECT_FALSE(Complete("www.site.com/@me").search) << "an address form, with an @";
    EXPECT_FALSE(Complete("@handle.com").search) << "an @ at the start is no mail address";
}

TEST(CompleteAddress, ATrailByteThatLooksLikeABackslashKeepsAWordAWord) {
    const FakeCodePage gbk(936);
    const std::string word = std::string(test::gbk::kTrailBackslash) + "x";
    const CompletedAddress done = CompleteAddress(gbk, word, {}, kDomains);
    EXPECT_TRUE(done.search) << "the 0x5C inside the character is no path separator";
    const std::string path = "file:" + std::string(test::gbk::kTrailBackslash) + "\\a";
    EXPECT_EQ(CompleteAddress(gbk, path, {}, kDomains).text,
              "file:" + std::string(test::gbk::kTrailBackslash) + "/a");
}

TEST(SplitKeywordQuery, TheFirstWordNamesTheEngine) {
    const FakeCodePage cp(1252);
    const auto query = SplitKeywordQuery(cp, "g two words  ");
    ASSERT_TRUE(query);
    EXPECT_EQ(query->engine, "g");
    EXPECT_EQ(query->keyword, "two words");
    EXPECT_FALSE(SplitKeywordQuery(cp, "oneword"));
    EXPECT_FALSE(SplitKeywordQuery(cp, " leading"));
}

TEST(EngineSearchUrls, EncodesTheKeywordForEachTemplateOfAList) {
    const FakeCodePage gbk(936);
    EXPECT_EQ(EngineSearchUrls(gbk, "http://s.example/?q=%s", "a b"),
              (std::vector<std::string>{"http://s.example/?q=a%20b"}));
    EXPECT_EQ(EngineSearchUrls(gbk, "http://s.example/?q=%s&again=%s", "ab12"),
              (std::vector<std::string>{"http://s.example/?q=ab12&again=ab12"}));
    const std::string zhong = test::gbk::kZhong;
    EXPECT_EQ(
        EngineSearchUrls(gbk, " http://a.example/?q=%s | x | http://b.example/?w=%u ", zhong),
        (std::vector<std::string>{"http://a.example/?q=%D6%D0", "http://b.example/?w=%E4%B8%AD"}))
        << "split at the bar, pieces of 2 characters or fewer dropped, %u as UTF-8";
}

}  // namespace
}  // namespace lumbrel
