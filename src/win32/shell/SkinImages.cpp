#include "win32/shell/SkinImages.h"

#include "win32/platform/Handles.h"

namespace lumbrel::win32 {

HBITMAP LoadSkinBitmap(const std::optional<std::string>& path) {
    if (!path)
        return nullptr;
    return static_cast<HBITMAP>(LoadImageA(nullptr, path->c_str(), IMAGE_BITMAP, 0, 0,
                                           LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

UniqueImageList LoadSkinImageList(const std::optional<std::string>& path, const SkinStrip& strip) {
    UniqueImageList list(ImageList_Create(strip.cellWidth, strip.cellHeight,
                                          ILC_COLORDDB | ILC_MASK, strip.initialCells, 4));
    if (!list)
        return list;
    UniqueBitmap bitmap(LoadSkinBitmap(path));
    if (bitmap)
        ImageList_AddMasked(list.get(), bitmap.Get(), kSkinTransparent);
    return list;
}

}  // namespace lumbrel::win32
