#include "filter/FilterListPages.h"

#include "view/PageRules.h"

namespace lumbrel {

PopupFilterListsPage::PopupFilterListsPage(const FilterLists& lists)
    : filter_(lists.PopFilter()), unFilter_(lists.PopUnFilter()) {}

void PopupFilterListsPage::Confirm(UrlFilter& target) const {
    target.Lists().SetPopupLists(filter_.Entries(), unFilter_.Entries());
    target.SaveFilterLists();
}

ContentFilterListsPage::ContentFilterListsPage(const CodePage& cp, const FilterLists& lists)
    : cp_(cp), filter_(lists.UrlFilter()), unFilter_(lists.UrlUnFilter()) {}

void ContentFilterListsPage::Confirm(UrlFilter& target) const {
    auto normalized = [&](const FilterListEditor& editor) {
        std::vector<std::string> entries;
        entries.reserve(editor.Entries().size());
        for (const std::string& entry : editor.Entries())
            entries.push_back(NormalizeLocalUrl(cp_, entry));
        return entries;
    };
    target.Lists().SetUrlLists(normalized(filter_), normalized(unFilter_));
    target.SaveFilterLists();
}

}  // namespace lumbrel
