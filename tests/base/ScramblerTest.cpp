#include "base/Scrambler.h"

#include <gtest/gtest.h>

#include <string>

namespace lumbrel {
namespace {

bool OnlyLettersAToP(const std::string& text) {
    for (char c : text) {
        if (c < 'A' || c > 'P')
            return false;
    }
    return true;
}

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

TEST(Scrambler, WritesTwoLettersPerByteXoredWithTheKey) {
    // 'a' ^ '3' = 0x52, 'b' ^ 'k' = 0x09, 'c' ^ 'R' = 0x31.
    EXPECT_EQ(ScrambleText("abc", ScrambleKey::Text), "FCAJDB");
    // 'p' ^ '9' = 0x49, 'w' ^ '%' = 0x52.
    EXPECT_EQ(ScrambleText("pw", ScrambleKey::Password), "EJFC");
    EXPECT_EQ(ScrambleText("", ScrambleKey::Text), "");
}

TEST(Scrambler, RoundTripsEveryByteWithBothKeys) {
    const std::string samples[] = {
        "abc",
        AllBytes(),
        std::string("pass\0word", 9),
        "\xD6\xD0\xCE\xC4 and more than eight bytes so the key wraps",
    };
    for (ScrambleKey key : {ScrambleKey::Text, ScrambleKey::Password}) {
        for (const std::string& plain : samples) {
            std::string letters = ScrambleText(plain, key);
            EXPECT_EQ(letters.size(), plain.size() * 2);
            EXPECT_TRUE(OnlyLettersAToP(letters)) << letters;
            EXPECT_EQ(UnscrambleText(letters, key), plain);
        }
    }
}

TEST(Scrambler, KeysAreNotInterchangeable) {
    std::string secret = "secret";
    EXPECT_NE(ScrambleText(secret, ScrambleKey::Text), ScrambleText(secret, ScrambleKey::Password));
    EXPECT_NE(UnscrambleText(ScrambleText(secret, ScrambleKey::Password), ScrambleKey::Text),
              secret);
}

TEST(Scrambler, UnscrambleToleratesDamagedText) {
    std::string abc = ScrambleText("abc", ScrambleKey::Text);
    // An odd last letter is ignored.
    EXPECT_EQ(UnscrambleText(abc + "K", ScrambleKey::Text), "abc");
    EXPECT_EQ(UnscrambleText("F", ScrambleKey::Text), "");
    // Anything outside "A".."Q" reads as 0, like "A": lower case, digits, blanks.
    EXPECT_EQ(UnscrambleText("fc", ScrambleKey::Text), UnscrambleText("AA", ScrambleKey::Text));
    EXPECT_EQ(UnscrambleText("F ", ScrambleKey::Text), UnscrambleText("FA", ScrambleKey::Text));
    EXPECT_EQ(UnscrambleText("AA", ScrambleKey::Text), "3");
    // "Q" is 16: as a low nibble it carries into the high one, as a high one it wraps.
    EXPECT_EQ(UnscrambleText("AQ", ScrambleKey::Text), UnscrambleText("BA", ScrambleKey::Text));
    EXPECT_EQ(UnscrambleText("QA", ScrambleKey::Text), UnscrambleText("AA", ScrambleKey::Text));
    // A NUL in the middle does not end the text ("GL" is 0x6B, the key's 'k').
    EXPECT_EQ(UnscrambleText("AAGLAA", ScrambleKey::Text), std::string("3\0R", 3));
}

}  // namespace
}  // namespace lumbrel
