// The list halves of the popup-filter and content-filter option pages: each edits a copy of
// its pair of lists and, on the page's OK, hands both back in display order and saves the pair
// through the one "Filter.ini" writer. Rows left empty or blank are dropped on the way (written
// out they would end the section at the next load and hide every later entry). The content
// page also turns drive paths into "file:///" addresses, as the handler compares them.
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
};

}  // namespace lumbrel
