// Image lists cut from the skin's bitmap strips: cells of a fixed size, left to right, magenta
// transparent, at the display's colour depth.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "shell/SkinFiles.h"
#include "win32/platform/WinApi.h"

// After WinApi.h: the common controls header needs the Windows types.
#include <commctrl.h>

namespace lumbrel::win32 {

struct ImageListDeleter {
    void operator()(HIMAGELIST list) const noexcept { ImageList_Destroy(list); }
};
using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

// The colour every strip uses for "no picture here".
inline constexpr COLORREF kSkinTransparent = RGB(255, 0, 255);

// Loads a bitmap file at its own size as a section bitmap; null when there is none or it is
// not a bitmap. The caller owns the handle.
HBITMAP LoadSkinBitmap(const std::optional<std::string>& path);

// An image list of `strip`'s cells from `path`. A missing or unreadable file gives a list
// with no cells, so the bar keeps working without pictures; null only when the system cannot
// make a list at all.
UniqueImageList LoadSkinImageList(const std::optional<std::string>& path, const SkinStrip& strip);

}  // namespace lumbrel::win32
