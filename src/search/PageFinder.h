// Find and highlight of a keyword inside one page, over the page's text ranges. Each view
// keeps its own `FindState`; the search bar picks the keyword and the options and shows the
// status text and re-posts the find command when told to.
//
// Matches are counted again on every find, with the same keyword and options the find uses,
// so a page that changed since the last find (navigation, script) cannot leave a stale total
// behind. A find that runs past the last match asks for one re-post, which wraps to the first
// (or last) match; a re-posted find never asks again, so a find cannot repeat itself.
#pragma once

#include <optional>
#include <string>

#include "platform/PageText.h"

namespace lumbrel {

struct FindState {
    std::string findKeyword{};
    int findIndex = -1;     // -1: before the first match
    int findLastIndex = 0;  // matches - 1, or 0 when there is none
    bool findBackward = false;
    bool findRepostPending = false;  // the next find is the wrap of this one
    std::string highlightKeyword{};
    bool highlightRemoves = false;
};

struct FindOptions {
    bool matchCase = false;
    bool wholeWord = false;
    int Flags() const {
        return (wholeWord ? kFindWholeWord : 0) | (matchCase ? kFindMatchCase : 0);
    }
};

struct FindOutcome {
    // Current (from 1) and total; {0, 0} when nothing matched. Nothing when the page had no
    // body to search.
    std::optional<std::pair<int, int>> shown;
    bool repost = false;  // post the find command again to wrap around
};

// Counts every match over a fresh body range.
int CountMatches(PageText& page, const std::string& keyword, const FindOptions& options);

// One find step; `backward` is the Shift key of this press.
FindOutcome FindInPage(FindState& state, PageText& page, const std::string& keyword,
                       const FindOptions& options, bool backward);

struct HighlightOutcome {
    int count = 0;
    bool removed = false;  // the marks were taken away
};

// Marks every match (yellow back, red text), or removes the marks when the previous highlight
// of the same keyword marked them. Nothing when the page has no body.
std::optional<HighlightOutcome> HighlightInPage(FindState& state, PageText& page,
                                                const std::string& keyword,
                                                const FindOptions& options);

// The status texts after the translated prefix: "2/3", "0/0"; "3", "-3".
std::string FindStatusNumbers(std::pair<int, int> shown);
std::string HighlightStatusNumbers(const HighlightOutcome& outcome);

}  // namespace lumbrel
