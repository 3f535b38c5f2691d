// The list halves of the popup-filter and content-filter option pages: each edits a copy of
// its pair of lists and, on the page's OK, hands both back in display order and saves the pair
// through the one "Filter.ini" writer. Rows left empty or blank are dropped on the way (written
// out they would end the section at the next load and hide every later entry). The content
// page also turns drive paths into "file:///" addresses, as the handler compares them.
// Entries added to a list while its page was open (the popup question and the add commands
// run from posted messages the options dialog's loop delivers) are kept after the page's rows.
#pragma once

#include "filter/FilterListEditor.h"
#include "filter/UrlFilter.h"
#include "platform/CodePage.h"

namespace lumbrel {

class PopupFilterListsPage {
public:
    explicit PopupFilterListsPage(const FilterLists& lists);

    FilterListEditor& Filter() { return filter_; }
    FilterListEditor& UnFilter() { return unFilter_; }
    void Confirm(UrlFilter& target) const;

private:
    FilterListEditor filter_;
    FilterListEditor unFilter_;
    const std::vector<std::string> openedFilter_;
    const std::vector<std::string> openedUnFilter_;
};

class ContentFilterListsPage {
public:
    ContentFilterListsPage(const CodePage& cp, const FilterLists& lists);

    FilterListEditor& Filter() { return filter_; }
    FilterListEditor& UnFilter() { return unFilter_; }
    // Also compiles the content lists before it returns, so the next request sees them.
    void Confirm(UrlFilter& target) const;

private:
    const CodePage& cp_;
    FilterListEditor filter_;
    FilterListEditor unFilter_;
    const std::vector<std::string> openedFilter_;
    const std::vector<std::string> openedUnFilter_;
};

}  // namespace lumbrel
