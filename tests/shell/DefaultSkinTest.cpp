// The default skin's pictures as shipped: each file is the strip the program cuts it into
// (a drawing with a cell too many or too few would shift every image after it).
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/SkinFiles.h"

namespace lumbrel {
namespace {

int32_t Little32(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                static_cast<uint32_t>(bytes[at + 3]) << 24);
}

TEST(DefaultSkin, EachPictureHoldsTheCellsItIsCutInto) {
    for (const SkinStrip& strip : {kTabImagesStrip, kGoButtonStrip, kFavoriteItemsStrip}) {
        const std::string path = std::string("resources/skin/default/") + strip.file;
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        ASSERT_GE(bytes.size(), 54u) << path;
        EXPECT_EQ(bytes[0], 'B') << path;
        EXPECT_EQ(bytes[1], 'M') << path;
        EXPECT_EQ(Little32(bytes, 18), strip.cellWidth * strip.initialCells) << path;
        EXPECT_EQ(Little32(bytes, 22), strip.cellHeight) << path;
        EXPECT_EQ(bytes[28], 24) << path << ": 24 bits, so that magenta is exact";
    }
}

}  // namespace
}  // namespace lumbrel
