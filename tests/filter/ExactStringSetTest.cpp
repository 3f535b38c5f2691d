#include "filter/ExactStringSet.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace lumbrel {
namespace {

std::vector<std::string> Addresses(size_t count) {
    std::vector<std::string> out;
    out.reserve(count);
    for (size_t i = 0; i < count; ++i)
        out.push_back("http://ads" + std::to_string(i % 97) + ".example.com/b/" +
                      std::to_string(i * 7919) + ".gif");
    return out;
}

// Sizes around the small-filter edge (one word for up to six strings) and large enough for a
// filter of many words: every member is found, and an address one byte away from a member
// never is.
TEST(ExactStringSet, FindsEveryMemberAndNoNearMissAtEverySize) {
    for (size_t count : {size_t{1}, size_t{6}, size_t{7}, size_t{1000}, size_t{100000}}) {
        std::vector<std::string> strings = Addresses(count);
        std::vector<std::string_view> views(strings.begin(), strings.end());
        ExactStringSet set;
        set.Assign(views);
        ASSERT_EQ(set.Size(), count);
        size_t missing = 0, wrong = 0;
        for (const std::string& s : strings) {
            missing += !set.Contains(s);
            std::string near = s;
            near.back() = 'x';
            wrong += set.Contains(near);
            wrong += set.Contains(s.substr(0, s.size() - 1));
        }
        EXPECT_EQ(missing, 0u) << count << " strings";
        EXPECT_EQ(wrong, 0u) << count << " strings";
    }
}

TEST(ExactStringSet, DuplicatesAndTheEmptyStringAreKeptOnce) {
    std::vector<std::string_view> views{"a", "", "a", "b"};
    ExactStringSet set;
    set.Assign(views);
    EXPECT_EQ(set.Size(), 3u);
    EXPECT_TRUE(set.Contains(""));
    EXPECT_TRUE(set.Contains("a"));
    EXPECT_FALSE(set.Contains("c"));
    set.Assign({});
    EXPECT_FALSE(set.Contains("a"));
    EXPECT_FALSE(set.Contains(""));
}

}  // namespace
}  // namespace lumbrel
