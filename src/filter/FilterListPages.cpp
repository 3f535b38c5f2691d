#include "filter/FilterListPages.h"

#include <algorithm>

#include "view/PageRules.h"

namespace lumbrel {
namespace {

bool Holds(const std::vector<std::string>& list, const std::string& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

// The page's rows, then what the list gained since the page opened and the rows lack.
std::vector<std::string> WithAddedMeanwhile(std::vector<std::string> rows,
                                            const std::vector<std::string>& opened,
                                            const std::vector<std::string>& now) {
    for (const std::string& entry : now) {
        if (!Holds(opened, entry) && !Holds(rows, entry))
            rows.push_back(entry);
    }
    return rows;
}

}  // namespace

PopupFilterListsPage::PopupFilterListsPage(const FilterLists& lists)
    : filter_(lists.PopFilter()),
      unFilter_(lists.PopUnFilter()),
      openedFilter_(lists.PopFilter()),
      openedUnFilter_(lists.PopUnFilter()) {}

void PopupFilterListsPage::Confirm(UrlFilter& target) const {
    FilterLists& lists = target.Lists();
    lists.SetPopupLists(
        WithAddedMeanwhile(filter_.Entries(), openedFilter_, lists.PopFilter()),
        WithAddedMeanwhile(unFilter_.Entries(), openedUnFilter_, lists.PopUnFilter()));
    target.SaveFilterLists();
}

ContentFilterListsPage::ContentFilterListsPage(const CodePage& cp, const FilterLists& lists)
    : cp_(cp),
      filter_(lists.UrlFilter()),
      unFilter_(lists.UrlUnFilter()),
      openedFilter_(lists.UrlFilter()),
      openedUnFilter_(lists.UrlUnFilter()) {}

void ContentFilterListsPage::Confirm(UrlFilter& target) const {
    auto normalized = [&](const FilterListEditor& editor) {
        std::vector<std::string> entries;
        entries.reserve(editor.Entries().size());
        for (const std::string& entry : editor.Entries())
            entries.push_back(NormalizeLocalUrl(cp_, entry));
        return entries;
    };
    FilterLists& lists = target.Lists();
    lists.SetUrlLists(
        WithAddedMeanwhile(normalized(filter_), openedFilter_, lists.UrlFilter()),
        WithAddedMeanwhile(normalized(unFilter_), openedUnFilter_, lists.UrlUnFilter()));
    target.SaveFilterLists();
}

}  // namespace lumbrel
