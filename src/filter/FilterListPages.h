// The list halves of the popup-filter and content-filter option pages: each edits a copy of
// its pair of lists and, on the page's OK, hands both back in display order and saves the pair
// through the one "Filter.ini" writer. Rows left empty or blank are dropped on the way (written
// out they would end the section at the next load and hide every later entry). The content
// page also turns drive paths into "file:///" addresses, as the handler compares them.
// Entries added to a list while its page was open (the popup question and the add commands
// run from posted messages the options dialog's loop delivers) are kept after the page's rows,
// at every later save too; an entry the page itself saved and then lost is not brought back.
#pragma once

#include "filter/FilterListEditor.h"
#include "filter/UrlFilter.h"
#include "platform/CodePage.h"

namespace lumbrel {

// One list of a page against the live list: what the page saved last, and which of the live
// list's entries came from elsewhere and are kept though the page's rows lack them.
class ListMerge {
public:
    explicit ListMerge(std::vector<std::string> opened) : base_(std::move(opened)) {}
    // The page's rows, then the live entries that came from elsewhere; remembered as saved.
    std::vector<std::string> Merge(std::vector<std::string> rows,
                                   const std::vector<std::string>& live);

private:
    std::vector<std::string> base_;
    std::vector<std::string> fromElsewhere_;
};

class PopupFilterListsPage {
public:
    explicit PopupFilterListsPage(const FilterLists& lists);

    FilterListEditor& Filter() { return filter_; }
    FilterListEditor& UnFilter() { return unFilter_; }
    void Confirm(UrlFilter& target);

private:
    FilterListEditor filter_;
    FilterListEditor unFilter_;
    ListMerge filterMerge_;
    ListMerge unFilterMerge_;
};

class ContentFilterListsPage {
public:
    ContentFilterListsPage(const CodePage& cp, const FilterLists& lists);

    FilterListEditor& Filter() { return filter_; }
    FilterListEditor& UnFilter() { return unFilter_; }
    // Also compiles the content lists before it returns, so the next request sees them.
    void Confirm(UrlFilter& target);

private:
    const CodePage& cp_;
    FilterListEditor filter_;
    FilterListEditor unFilter_;
    ListMerge filterMerge_;
    ListMerge unFilterMerge_;
};

}  // namespace lumbrel
