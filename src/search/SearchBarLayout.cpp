#include "search/SearchBarLayout.h"

#include "commands/CommandIds.h"

namespace lumbrel {

std::vector<size_t> EngineIconOrder(const SearchEngineList& engines) {
    std::vector<size_t> order;
    const auto& entries = engines.Entries();
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].iconLoaded && !entries[i].IsSeparator() &&
            SearchEngineList::SearchCommand(i))
            order.push_back(i);
    return order;
}

std::vector<SearchBarButton> SearchBarButtons(const SearchEngineList& engines) {
    using Kind = SearchBarButton::Kind;
    std::vector<SearchBarButton> strip;
    strip.push_back({.kind = Kind::KeywordBox});
    strip.push_back({.kind = Kind::Button,
                     .command = IDM_SEARCH_GO,
                     .image = kSearchBarImageSearch,
                     .dropDown = true});
    const std::vector<size_t> icons = EngineIconOrder(engines);
    if (!icons.empty()) {
        strip.push_back({.kind = Kind::Separator});
        int image = kSearchBarFirstEngineImage;
        for (size_t i : icons)
            strip.push_back({.kind = Kind::Button,
                             .command = *SearchEngineList::SearchCommand(i),
                             .image = image++,
                             .tooltip = engines.Entries()[i].name});
    }
    strip.push_back({.kind = Kind::Separator});
    strip.push_back({.kind = Kind::Button,
                     .command = IDM_HIGHLIGHT_KEYWORD,
                     .image = kSearchBarImageHighlight});
    strip.push_back(
        {.kind = Kind::Button, .command = IDM_FIND_KEYWORD, .image = kSearchBarImageFind});
    return strip;
}

int SearchBarIdealWidth(const SearchEngineList& engines, int buttonWidth) {
    return 150 + buttonWidth * static_cast<int>(EngineIconOrder(engines).size());
}

}  // namespace lumbrel
