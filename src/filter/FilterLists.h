// The four filter lists the main frame holds for the session: the popup list and its
// exceptions, the content (advertisement address) list and its exceptions, each in file
// order, with the compiled forms every check uses. Loaded from "Filter.ini" at the deferred
// start, changed by the list pages and the add commands, read on every request of the engine.
//
// The content lists are compiled when the pages or commands change them: `urlListsDirty` is
// set first and CompileUrlLists clears it; while it is set the namespace handler leaves the
// content list alone. The popup lists are compiled as they are set.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filter/CompiledFilterList.h"
#include "platform/CodePage.h"

namespace lumbrel {

// What "Filter.ini" holds: the lists in file order. Also the copy a save works on.
struct FilterListsCopy {
    std::vector<std::string> popFilter{};
    std::vector<std::string> popUnFilter{};
    std::vector<std::string> urlFilter{};
    std::vector<std::string> urlUnFilter{};
    friend bool operator==(const FilterListsCopy&, const FilterListsCopy&) = default;
};

class FilterLists {
public:
    explicit FilterLists(const CodePage& cp);
    FilterLists(const FilterLists&) = delete;
    FilterLists& operator=(const FilterLists&) = delete;

    // --- The lists ---
    const std::vector<std::string>& PopFilter() const { return copy_.popFilter; }
    const std::vector<std::string>& PopUnFilter() const { return copy_.popUnFilter; }
    const std::vector<std::string>& UrlFilter() const { return copy_.urlFilter; }
    const std::vector<std::string>& UrlUnFilter() const { return copy_.urlUnFilter; }
    // The four lists, for a save on another thread.
    const FilterListsCopy& Copy() const { return copy_; }

    // Replaces all four (a load) and compiles them.
    void Assign(FilterListsCopy lists);
    // Replaces one pair as a list page rebuilt it and compiles it. Empty and all-blank entries
    // are dropped: written out they would end the section when the file is read again.
    void SetPopupLists(std::vector<std::string> filter, std::vector<std::string> unFilter);
    void SetUrlLists(std::vector<std::string> filter, std::vector<std::string> unFilter);
    // Appends one entry unless an identical one (case and blanks included) is there or it is
    // blank, and compiles; true when it was appended.
    bool AddToPopFilter(const std::string& entry);
    bool AddToUrlFilter(const std::string& entry);

    // Rebuilds the compiled content lists when `urlListsDirty` is set, then clears it.
    void CompileUrlLists();
    bool urlListsDirty = false;

    // --- Popup style: entries as stored, case-sensitive ---
    bool InPopFilter(std::string_view url) const { return pop_.Contains(url); }
    bool InPopUnFilter(std::string_view url) const { return popUn_.Contains(url); }
    bool IsPopupBlocked(std::string_view url) const {
        return InPopFilter(url) && !InPopUnFilter(url);
    }

    // --- Url style: `url` already lower-case; the compiled lists are ---
    bool InUrlFilter(std::string_view url) const { return url_.Contains(url); }
    bool InUrlUnFilter(std::string_view url) const { return urlUn_.Contains(url); }
    bool IsUrlBlocked(std::string_view url) const {
        return InUrlFilter(url) && !InUrlUnFilter(url);
    }

    // Bytes held by the compiled content lists.
    size_t CompiledUrlBytes() const { return url_.MemoryBytes() + urlUn_.MemoryBytes(); }

    // `entries` without the empty and all-blank ones.
    static std::vector<std::string> WithoutBlankEntries(std::vector<std::string> entries);
    static bool IsBlankEntry(std::string_view entry);

private:
    void CompilePopupLists();

    FilterListsCopy copy_;
    CompiledFilterList pop_;
    CompiledFilterList popUn_;
    CompiledFilterList url_;
    CompiledFilterList urlUn_;
};

}  // namespace lumbrel
