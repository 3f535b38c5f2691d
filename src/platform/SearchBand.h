// The search bar's band as the search rules use it: the keyword box with its drop-down list of
// typed keywords, and the button strip built from data. The binding implements it over a
// rebar band holding a toolbar and a combo box; tests use a recording fake.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "search/SearchBarLayout.h"

namespace lumbrel {

class SearchBand {
public:
    virtual ~SearchBand() = default;

    // --- The keyword box ---
    virtual std::string KeywordText() = 0;
    virtual void SetKeywordText(const std::string& text) = 0;
    virtual bool KeywordHasFocus() = 0;
    virtual void FocusKeyword() = 0;
    // The drop-down list; positions count from the top.
    virtual void InsertKeyword(size_t position, const std::string& text) = 0;
    virtual void RemoveKeyword(size_t position) = 0;
    virtual void SelectKeyword(size_t position) = 0;
    virtual void ClearKeywords() = 0;

    // --- The button strip ---
    // Loads the engine icons (16x16) the next strip shows, in order; for each file whether
    // it loaded. Those that loaded follow the cells of "SearchBar.bmp" in the image list.
    virtual std::vector<bool> LoadEngineIcons(const std::vector<std::string>& files) = 0;
    // Replaces the strip and gives the band `idealWidth` pixels.
    virtual void SetButtons(const std::vector<SearchBarButton>& buttons, int idealWidth) = 0;
    // The width of one button of the strip.
    virtual int ButtonWidth() = 0;
};

}  // namespace lumbrel
