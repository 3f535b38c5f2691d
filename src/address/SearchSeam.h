// What the address input needs of the search bar: an engine's template by name for the
// keyword step, and the keyword box with its search command for words that are no address.
// The search bar arrives later; until then the frame holds `NoSearchBar`, which knows no
// engine and searches for nothing.
#pragma once

#include <optional>
#include <string>

#include "address/AddressRules.h"

namespace lumbrel {

class SearchSeam {
public:
    virtual ~SearchSeam() = default;
    // The template text (one or more "|"-joined templates) of the first engine whose name is
    // exactly `name`; nothing when there is none.
    virtual std::optional<std::string> EngineTemplate(const std::string& name) = 0;
    // The keyword box gets `keyword` and the search command (61212) runs with `action`.
    virtual void SearchKeyword(const std::string& keyword, SearchAction action) = 0;
    // "Find Keyword in Page" with the keyword box's text (F6 backwards, F7 forwards).
    virtual void FindInPage(bool backward) = 0;
    virtual void FocusKeywordBox() = 0;
};

class NoSearchBar : public SearchSeam {
public:
    std::optional<std::string> EngineTemplate(const std::string&) override { return std::nullopt; }
    void SearchKeyword(const std::string&, SearchAction) override {}
    void FindInPage(bool) override {}
    void FocusKeywordBox() override {}
};

}  // namespace lumbrel
