#include "win32/shell/SkinImages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "win32/platform/Handles.h"

namespace lumbrel::win32 {
namespace {

// A 24-bit bottom-up bitmap file: every pixel magenta except a green square in each cell.
std::string WriteStrip(const std::string& name, int cells, int cellWidth, int height) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + name;
    const int width = cells * cellWidth;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<uint8_t> pixels(static_cast<size_t>(stride) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool inside =
                x % cellWidth >= 2 && x % cellWidth < cellWidth - 2 && y >= 2 && y < height - 2;
            uint8_t* p = &pixels[static_cast<size_t>(y) * stride + x * 3];
            p[0] = inside ? 0 : 255;  // blue
            p[1] = inside ? 200 : 0;  // green
            p[2] = inside ? 0 : 255;  // red
        }
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(pixels.data()),
              static_cast<std::streamsize>(pixels.size()));
    return path;
}

TEST(SkinImages, AStripIsCutIntoCellsWithMagentaTransparent) {
    const std::string path = WriteStrip("lumbrel-skin-strip.bmp", 11, 11, 16);
    UniqueImageList list = LoadSkinImageList(path, kTabImagesStrip);
    DeleteFileA(path.c_str());
    ASSERT_TRUE(list);
    EXPECT_EQ(ImageList_GetImageCount(list.get()), 11);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list.get(), &cx, &cy);
    EXPECT_EQ(cx, 11);
    EXPECT_EQ(cy, 16);

    // Drawn transparently over white, a cell keeps white where the strip was magenta and
    // shows its picture inside.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    UniqueBitmap target(CreateCompatibleBitmap(screen, 11, 16));
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, target.Get());
    RECT all{0, 0, 11, 16};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(list.get(), 3, dc, 0, 0, ILD_TRANSPARENT);
    const COLORREF corner = GetPixel(dc, 0, 0);
    const COLORREF middle = GetPixel(dc, 5, 8);
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_EQ(corner, RGB(255, 255, 255));
    EXPECT_EQ(GetGValue(middle), 200);
    EXPECT_EQ(GetRValue(middle), 0);
}

TEST(SkinImages, AMissingOrBrokenFileGivesAnEmptyList) {
    UniqueImageList none = LoadSkinImageList(std::nullopt, kGoButtonStrip);
    ASSERT_TRUE(none);
    EXPECT_EQ(ImageList_GetImageCount(none.get()), 0);

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string broken = std::string(temp) + "lumbrel-skin-broken.bmp";
    std::ofstream(broken, std::ios::binary) << "BM not really a bitmap";
    UniqueImageList empty = LoadSkinImageList(broken, kGoButtonStrip);
    DeleteFileA(broken.c_str());
    ASSERT_TRUE(empty);
    EXPECT_EQ(ImageList_GetImageCount(empty.get()), 0);
}

}  // namespace
}  // namespace lumbrel::win32
