// The compiled lists against a direct reading of the matching rules: many thousands of
// random patterns (stars anywhere, doubled, leading, trailing, alone; repeated and
// overlapping pieces; double-byte characters whose trail bytes look like ASCII) and
// addresses, one pattern at a time and as whole indexed lists.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/DbcsText.h"
#include "filter/CompiledFilterList.h"
#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;

// The rules read literally: walk the pattern text, one piece between stars at a time.
bool DirectMatch(const CodePage& cp, const std::string& pattern, const std::string& text,
                 MatchStyle style) {
    size_t p = 0;
    bool first = true;
    size_t start = 0;
    const bool endsWithStar = !pattern.empty() && pattern.back() == '*';
    while (start <= pattern.size()) {
        size_t star = pattern.find('*', start);
        bool isLast = star == std::string::npos;
        std::string piece = pattern.substr(start, isLast ? std::string::npos : star - start);
        if (isLast && endsWithStar)
            break;  // the scan has passed the end of the pattern
        if (piece.empty()) {
            first = false;
        } else if (first) {
            if (text.size() < piece.size() || text.compare(0, piece.size(), piece) != 0)
                return false;
            p = piece.size();
            first = false;
        } else if (style == MatchStyle::Url && isLast) {
            if (text.size() < piece.size() ||
                text.compare(text.size() - piece.size(), piece.size(), piece) != 0)
                return false;
        } else {
            size_t found = FindSubstring(cp, text, piece, p);
            if (found == std::string::npos)
                return false;
            p = found + piece.size();
        }
        if (isLast)
            break;
        start = star + 1;
    }
    return true;
}

// A list as the rules ask it: exact entries, then every pattern in order.
bool DirectListContains(const CodePage& cp, const std::vector<std::string>& entries,
                        const std::string& url, MatchStyle style) {
    for (const std::string& raw : entries) {
        std::string entry = raw;
        if (style == MatchStyle::Url)
            entry = std::string(TrimBlanks(cp, ToLowerAscii(cp, raw)));
        bool star = entry.find('*') != std::string::npos;
        if (style == MatchStyle::Popup) {
            if (entry == url)
                return true;
            if (star && entry != "*" && DirectMatch(cp, entry, url, style))
                return true;
        } else if (star ? DirectMatch(cp, entry, url, style) : entry == url) {
            return true;
        }
    }
    return false;
}

class RandomText {
public:
    explicit RandomText(uint32_t seed, bool doubleByte) : rng_(seed), doubleByte_(doubleByte) {}

    // Few distinct pieces, so that patterns and addresses overlap often.
    std::string Piece() {
        static const char* kWestern[] = {"a",     "b",  "ab",  "ba",     "/",   ".",
                                         "x.com", "ad", "ads", "/ad/",   "a/b", "q?",
                                         "bb",    "aa", "ad.", "http://"};
        static const std::string kDbcs[] = {test::gbk::kZhong, test::gbk::kTrailLowerA,
                                            test::gbk::kTrailUpperA, std::string("a") + "\x81",
                                            "\x81"};
        if (doubleByte_ && Pick(4) == 0)
            return kDbcs[Pick(std::size(kDbcs))];
        return kWestern[Pick(std::size(kWestern))];
    }
    std::string Pattern() {
        std::string pattern;
        size_t parts = 1 + Pick(5);
        for (size_t i = 0; i < parts; ++i) {
            switch (Pick(4)) {
                case 0:
                    pattern += '*';
                    break;
                case 1:
                    pattern += "**";
                    break;
                default:
                    pattern += Piece();
            }
        }
        if (Pick(20) == 0)
            return "*";
        if (Pick(10) == 0)
            pattern = " " + pattern + (Pick(2) ? "\t" : "");
        if (Pick(10) == 0)
            pattern[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(pattern[0])));
        return pattern;
    }
    std::string Url() {
        std::string url;
        size_t parts = Pick(7);
        for (size_t i = 0; i < parts; ++i)
            url += Piece();
        return url;
    }
    size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }

private:
    std::mt19937 rng_;
    bool doubleByte_;
};

struct PropertyCase {
    unsigned codePage;
    MatchStyle style;
};

class WildcardMatchProperty : public ::testing::TestWithParam<PropertyCase> {
protected:
    FakeCodePage cp_{GetParam().codePage};
    MatchStyle style_ = GetParam().style;
    RandomText random_{GetParam().codePage * 7 + static_cast<unsigned>(GetParam().style),
                       GetParam().codePage == FakeCodePage::kGbk};
};

TEST_P(WildcardMatchProperty, OnePatternAnswersAsTheRulesSay) {
    CompiledFilterList list(cp_);
    int matched = 0;
    for (int i = 0; i < 20000; ++i) {
        std::vector<std::string> entries{random_.Pattern()};
        std::string url = random_.Url();
        list.Build(entries, style_);
        bool expected = DirectListContains(cp_, entries, url, style_);
        matched += expected;
        ASSERT_EQ(list.Contains(url), expected)
            << "pattern [" << entries[0] << "] url [" << url << "]";
    }
    // The generator must produce both answers, or the comparison proves little.
    EXPECT_GT(matched, 1000);
    EXPECT_LT(matched, 19000);
}

TEST_P(WildcardMatchProperty, IndexedListAnswersAsTryingEveryEntry) {
    for (int round = 0; round < 4; ++round) {
        std::vector<std::string> entries;
        for (int i = 0; i < 3000; ++i)
            entries.push_back(random_.Pick(3) == 0 ? random_.Url() : random_.Pattern());
        // Without the patterns that match nearly everything, so that most addresses test
        // the index rather than the first broad pattern.
        std::erase_if(entries, [](const std::string& e) {
            return e.find_first_not_of("* \t") == std::string::npos;
        });
        CompiledFilterList list(cp_);
        list.Build(entries, style_);
        int matched = 0;
        for (int i = 0; i < 3000; ++i) {
            std::string url = random_.Url();
            bool expected = DirectListContains(cp_, entries, url, style_);
            matched += expected;
            ASSERT_EQ(list.Contains(url), expected) << "url [" << url << "]";
        }
        EXPECT_GT(matched, 100);
        EXPECT_LT(matched, 2900);
    }
}

INSTANTIATE_TEST_SUITE_P(StylesAndCodePages, WildcardMatchProperty,
                         ::testing::Values(PropertyCase{FakeCodePage::kWestern, MatchStyle::Url},
                                           PropertyCase{FakeCodePage::kWestern, MatchStyle::Popup},
                                           PropertyCase{FakeCodePage::kGbk, MatchStyle::Url},
                                           PropertyCase{FakeCodePage::kGbk, MatchStyle::Popup}),
                         [](const auto& param) {
                             return std::string(param.param.codePage == FakeCodePage::kGbk
                                                    ? "Gbk"
                                                    : "Western") +
                                    (param.param.style == MatchStyle::Url ? "Url" : "Popup");
                         });

}  // namespace
}  // namespace lumbrel
