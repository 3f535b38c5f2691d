#include "filter/FilterListPages.h"

#include <algorithm>

#include "view/PageRules.h"

namespace lumbrel {
namespace {

bool Holds(const std::vector<std::string>& list, const std::string& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

}  // namespace

std::vector<std::string> ListMerge::Merge(std::vector<std::string> rows,
                                          const std::vector<std::string>& live) {
    std::vector<std::string> fromElsewhere;
    for (const std::string& entry : live) {
        if (Holds(rows, entry))
            continue;
        // New since the last save, or kept from elsewhere before: never one the page dropped.
        if (!Holds(base_, entry) || Holds(fromElsewhere_, entry)) {
            rows.push_back(entry);
            fromElsewhere.push_back(entry);
        }
    }
    base_ = rows;
    fromElsewhere_ = std::move(fromElsewhere);
    return rows;
}

PopupFilterListsPage::PopupFilterListsPage(const FilterLists& lists)
    : filter_(lists.PopFilter()),
      unFilter_(lists.PopUnFilter()),
      filterMerge_(lists.PopFilter()),
      unFilterMerge_(lists.PopUnFilter()) {}

void PopupFilterListsPage::Confirm(UrlFilter& target) {
    FilterLists& lists = target.Lists();
    lists.SetPopupLists(filterMerge_.Merge(filter_.Entries(), lists.PopFilter()),
                        unFilterMerge_.Merge(unFilter_.Entries(), lists.PopUnFilter()));
    target.SaveFilterLists();
}

ContentFilterListsPage::ContentFilterListsPage(const CodePage& cp, const FilterLists& lists)
    : cp_(cp),
      filter_(lists.UrlFilter()),
      unFilter_(lists.UrlUnFilter()),
      filterMerge_(lists.UrlFilter()),
      unFilterMerge_(lists.UrlUnFilter()) {}

void ContentFilterListsPage::Confirm(UrlFilter& target) {
    auto normalized = [&](const FilterListEditor& editor) {
        std::vector<std::string> entries;
        entries.reserve(editor.Entries().size());
        for (const std::string& entry : editor.Entries())
            entries.push_back(NormalizeLocalUrl(cp_, entry));
        return entries;
    };
    FilterLists& lists = target.Lists();
    lists.SetUrlLists(filterMerge_.Merge(normalized(filter_), lists.UrlFilter()),
                      unFilterMerge_.Merge(normalized(unFilter_), lists.UrlUnFilter()));
    target.SaveFilterLists();
}

}  // namespace lumbrel
