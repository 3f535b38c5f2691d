// The search bar's button strip as data, from which the binding builds its toolbar and image
// list: a separator as wide as the keyword box (the box sits over it), the search button with
// its drop-down, one button per engine whose icon loaded, then highlight and find. Images 0-3
// are the cells of "SearchBar.bmp"; the engine icons follow in entry order.
#pragma once

#include <string>
#include <vector>

#include "search/SearchEngineList.h"

namespace lumbrel {

struct SearchBarButton {
    enum class Kind { KeywordBox, Separator, Button };
    Kind kind = Kind::Button;
    int command = 0;
    int image = -1;
    std::string tooltip{};  // engine buttons: the engine's name; others: from the string table
    bool dropDown = false;
};

inline constexpr int kSearchBarImageSearch = 0;
inline constexpr int kSearchBarImageHighlight = 2;
inline constexpr int kSearchBarImageFind = 3;
inline constexpr int kSearchBarFirstEngineImage = 4;

std::vector<SearchBarButton> SearchBarButtons(const SearchEngineList& engines);

// The band's ideal width after the engine dialog: 150 plus one button per engine button.
int SearchBarIdealWidth(const SearchEngineList& engines, int buttonWidth);

// The engine of each icon in the image list after the four cells of "SearchBar.bmp".
std::vector<size_t> EngineIconOrder(const SearchEngineList& engines);

}  // namespace lumbrel
