#include "search/PageFinder.h"

#include <algorithm>

namespace lumbrel {
namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

}  // namespace

int CountMatches(PageText& page, const std::string& keyword, const FindOptions& options) {
    std::unique_ptr<TextRange> range = page.BodyRange();
    if (!range || keyword.empty())
        return 0;
    int count = 0;
    while (range->FindText(keyword, options.Flags())) {
        ++count;
        range->CollapseToEnd();
    }
    return count;
}

FindOutcome FindInPage(FindState& state, PageText& page, const std::string& keyword,
                       const FindOptions& options, bool backward) {
    const bool reposted = state.findRepostPending;
    state.findRepostPending = false;
    if (keyword != state.findKeyword &&
        (options.matchCase || !SameIgnoringCase(keyword, state.findKeyword)))
        state.findIndex = -1;
    state.findKeyword = keyword;

    std::unique_ptr<TextRange> range = page.BodyRange();
    if (!range)
        return {};
    const int total = CountMatches(page, keyword, options);
    state.findLastIndex = std::max(total - 1, 0);

    if (backward)
        state.findBackward = true;
    if (state.findBackward)
        state.findIndex = state.findIndex == -1 ? state.findLastIndex : state.findIndex - 1;
    else
        ++state.findIndex;
    const bool wasBackward = state.findBackward;
    state.findBackward = false;

    int number = 0;
    if (state.findIndex >= 0) {
        while (range->FindText(keyword, options.Flags())) {
            if (number == state.findIndex) {
                range->Select();
                range->ScrollIntoView();
                return {std::pair{number + 1, state.findLastIndex + 1}, false};
            }
            range->CollapseToEnd();
            ++number;
        }
    }
    if (total == 0 || reposted) {
        state.findIndex = -1;
        return {std::pair{0, 0}, false};
    }
    state.findIndex = -1;
    state.findBackward = wasBackward;
    state.findRepostPending = true;
    return {std::nullopt, true};
}

std::optional<HighlightOutcome> HighlightInPage(FindState& state, PageText& page,
                                                const std::string& keyword,
                                                const FindOptions& options) {
    if (keyword != state.highlightKeyword) {
        state.highlightKeyword = keyword;
        state.highlightRemoves = false;
    }
    std::unique_ptr<TextRange> range = page.BodyRange();
    if (!range)
        return std::nullopt;
    HighlightOutcome outcome;
    outcome.removed = state.highlightRemoves;
    while (range->FindText(keyword, options.Flags())) {
        range->ExecCommand("BackColor", outcome.removed ? "" : "yellow");
        range->ExecCommand("ForeColor", outcome.removed ? "" : "red");
        if (!outcome.removed && outcome.count == 0)
            range->ScrollIntoView();
        range->CollapseToEnd();
        ++outcome.count;
    }
    state.highlightRemoves = !state.highlightRemoves;
    return outcome;
}

std::string FindStatusNumbers(std::pair<int, int> shown) {
    return std::to_string(shown.first) + "/" + std::to_string(shown.second);
}

std::string HighlightStatusNumbers(const HighlightOutcome& outcome) {
    return (outcome.removed && outcome.count > 0 ? "-" : "") + std::to_string(outcome.count);
}

}  // namespace lumbrel
