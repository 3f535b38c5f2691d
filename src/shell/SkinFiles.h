// Where the pictures of the bars come from: a skin is a subfolder of the skin folder, and a
// picture missing from the chosen skin is taken from the "default" skin. A picture missing
// from both leaves its bar without images; nothing else fails.
#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace lumbrel {

// The skin every missing picture falls back to.
inline constexpr const char* kDefaultSkin = "default";

// Strips of the default skin and the size of one cell.
struct SkinStrip {
    const char* file;
    int cellWidth;
    int cellHeight;
    int initialCells;
};
inline constexpr SkinStrip kTabImagesStrip{"TaskBar.bmp", 11, 16, 11};
inline constexpr SkinStrip kGoButtonStrip{"Go.bmp", 16, 16, 1};
// Cell 0 a folder, cell 1 a link (the address box's items show the link).
inline constexpr SkinStrip kFavoriteItemsStrip{"FavBar.bmp", 16, 16, 2};
// The search bar: cell 0 search, 1 a typed keyword, 2 highlight, 3 find; the engine icons
// follow them in the bar's image list.
inline constexpr SkinStrip kSearchBarStrip{"SearchBar.bmp", 16, 16, 4};

class SkinFiles {
public:
    // `skinFolder` ends with a backslash; `skinName` is the chosen skin (`SkinName`).
    SkinFiles(FileSystem& files, std::string skinFolder, std::string skinName);

    // The file that gives `file`: the chosen skin's, else the default skin's, else none.
    std::optional<std::string> Resolve(const std::string& file) const;
    // The rebar background comes only from the chosen skin: a background is part of the look
    // the user picked, not a picture a bar needs.
    std::optional<std::string> Background() const;

private:
    std::optional<std::string> InSkin(const std::string& skin, const std::string& file) const;

    FileSystem& files_;
    std::string folder_;
    std::string name_;
};

}  // namespace lumbrel
