// The id headers are shared with the .rc file and with every language file ever written, so
// they are plain macro lists; these tests read them as text to catch what the compiler
// cannot: two names for one command, a string id without a text.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "language/StringTable.h"

namespace lumbrel {
namespace {

// Every "#define NAME <number>" of a header (aliases of other names are left out).
std::map<std::string, int> NumericDefines(const std::string& path, const std::string& prefix) {
    std::ifstream file(path);
    EXPECT_TRUE(file) << path;
    std::map<std::string, int> defines;
    const std::regex pattern("^#define (" + prefix + "\\w+) (\\d+)\\b");
    std::string line;
    while (std::getline(file, line)) {
        std::smatch m;
        if (std::regex_search(line, m, pattern)) {
            defines[m[1]] = std::stoi(m[2]);
        }
    }
    return defines;
}

TEST(ResourceIdsTest, EveryCommandIdHasOneName) {
    const auto defines = NumericDefines("src/commands/CommandIds.h", "IDM_");
    ASSERT_GT(defines.size(), 200u);
    std::map<int, std::string> nameOf;
    for (const auto& [name, id] : defines) {
        auto [it, fresh] = nameOf.emplace(id, name);
        EXPECT_TRUE(fresh) << id << " is both " << it->second << " and " << name;
        EXPECT_GT(id, 0) << name;
        EXPECT_LE(id, 0xFFFF) << name << " does not fit a WM_COMMAND id";
    }
}

TEST(ResourceIdsTest, EveryStringIdHasABuiltInText) {
    const auto defines = NumericDefines("src/language/StringIds.h", "IDS_");
    ASSERT_GT(defines.size(), 100u);
    std::map<int, std::string> nameOf;
    for (const auto& [name, id] : defines) {
        EXPECT_TRUE(nameOf.emplace(id, name).second) << name;
        const std::optional<std::string_view> text = StringTable::Find(id);
        ASSERT_TRUE(text) << name;
        EXPECT_FALSE(text->empty()) << name;
    }
}

TEST(ResourceIdsTest, StringTableLooksUpEveryIdAndNothingElse) {
    const std::vector<int> ids = StringTable::Ids();
    ASSERT_FALSE(ids.empty());
    for (size_t i = 0; i < ids.size(); ++i) {
        EXPECT_TRUE(StringTable::Find(ids[i])) << ids[i];
        const bool gapAfter = i + 1 == ids.size() || ids[i + 1] > ids[i] + 1;
        if (gapAfter) {
            EXPECT_FALSE(StringTable::Find(ids[i] + 1)) << ids[i] + 1;
        }
    }
    EXPECT_FALSE(StringTable::Find(0));
    EXPECT_EQ(StringTable::Get(-5), "");
}

}  // namespace
}  // namespace lumbrel
