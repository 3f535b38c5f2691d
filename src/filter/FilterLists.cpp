#include "filter/FilterLists.h"

#include <algorithm>
#include <utility>

#include "base/PrivateProfile.h"
#include "base/ProfileDocument.h"

namespace lumbrel {

FilterLists::FilterLists(const CodePage& cp) : pop_(cp), popUn_(cp), url_(cp), urlUn_(cp) {}

bool FilterLists::IsBlankEntry(std::string_view entry) {
    // What the store keeps of it and the reader returns: an entry that reads back empty
    // would end its section and hide every later one.
    return UnquoteProfileValue(StorableValue(entry)).empty();
}

std::vector<std::string> FilterLists::WithoutBlankEntries(std::vector<std::string> entries) {
    std::erase_if(entries, [](const std::string& entry) { return IsBlankEntry(entry); });
    return entries;
}

void FilterLists::Assign(FilterListsCopy lists) {
    copy_ = std::move(lists);
    CompilePopupLists();
    urlListsDirty = true;
    CompileUrlLists();
}

void FilterLists::SetPopupLists(std::vector<std::string> filter,
                                std::vector<std::string> unFilter) {
    copy_.popFilter = WithoutBlankEntries(std::move(filter));
    copy_.popUnFilter = WithoutBlankEntries(std::move(unFilter));
    CompilePopupLists();
}

void FilterLists::SetUrlLists(std::vector<std::string> filter, std::vector<std::string> unFilter) {
    copy_.urlFilter = WithoutBlankEntries(std::move(filter));
    copy_.urlUnFilter = WithoutBlankEntries(std::move(unFilter));
    urlListsDirty = true;
    CompileUrlLists();
}

namespace {
bool AppendNew(std::vector<std::string>& list, const std::string& entry) {
    if (FilterLists::IsBlankEntry(entry) ||
        std::find(list.begin(), list.end(), entry) != list.end())
        return false;
    list.push_back(entry);
    return true;
}
}  // namespace

bool FilterLists::AddToPopFilter(const std::string& entry) {
    if (!AppendNew(copy_.popFilter, entry))
        return false;
    pop_.Build(copy_.popFilter, MatchStyle::Popup);
    return true;
}

bool FilterLists::AddToUrlFilter(const std::string& entry) {
    if (!AppendNew(copy_.urlFilter, entry))
        return false;
    urlListsDirty = true;
    CompileUrlLists();
    return true;
}

void FilterLists::CompilePopupLists() {
    pop_.Build(copy_.popFilter, MatchStyle::Popup);
    popUn_.Build(copy_.popUnFilter, MatchStyle::Popup);
}

void FilterLists::CompileUrlLists() {
    if (!urlListsDirty)
        return;
    url_.Build(copy_.urlFilter, MatchStyle::Url);
    urlUn_.Build(copy_.urlUnFilter, MatchStyle::Url);
    urlListsDirty = false;
}

}  // namespace lumbrel
