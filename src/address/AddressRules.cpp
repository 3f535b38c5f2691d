#include "address/AddressRules.h"

#include "base/DbcsText.h"
#include "base/LinkLike.h"

namespace lumbrel {
namespace {

constexpr auto npos = std::string_view::npos;

// True when `c` occurs as a character of its own at position 1 or later.
bool HasPastStart(const CodePage& cp, std::string_view text, char c) {
    const size_t at = FindChar(cp, text, c);
    return at != npos && at >= 1;
}

// No "." and no "/" past the first character, no "\" at all and not a drive path: a word, not
// an address.
bool IsSingleWord(const CodePage& cp, std::string_view text) {
    return !HasPastStart(cp, text, '.') && !HasPastStart(cp, text, '/') &&
           FindChar(cp, text, '\\') == npos && !IsDrivePath(text);
}

// A mail address or the like: an "@" past the start, and none of the address forms.
bool IsMailLike(const CodePage& cp, std::string_view text) {
    return HasPastStart(cp, text, '@') && !IsLinkLike(text);
}

}  // namespace

DomainCompletion DomainCompletion::Load(SettingsStore& store) {
    return DomainCompletion{
        store.Get(keys::CtrlEnterPrefix),      store.Get(keys::CtrlEnterSuffix),
        store.Get(keys::ShiftEnterPrefix),     store.Get(keys::ShiftEnterSuffix),
        store.Get(keys::CtrlShiftEnterPrefix), store.Get(keys::CtrlShiftEnterSuffix)};
}

bool IsDrivePath(std::string_view text) {
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    return text.size() >= 2 && isLetter(text[0]) && text[1] == ':' &&
           (text.size() == 2 || text[2] == '/' || text[2] == '\\');
}

std::optional<KeywordQuery> SplitKeywordQuery(const CodePage& cp, std::string_view text) {
    const size_t space = FindChar(cp, text, ' ');
    if (space == npos || space == 0)
        return std::nullopt;
    std::string_view rest = text.substr(space + 1);
    while (!rest.empty() && IsBlank(rest.back()))
        rest.remove_suffix(1);
    return KeywordQuery{std::string(TrimBlanks(cp, text.substr(0, space))), std::string(rest)};
}

CompletedAddress CompleteAddress(const CodePage& cp, std::string_view text, KeyModifiers keys,
                                 const DomainCompletion& domains) {
    const std::string typed(text);
    if (HasPastStart(cp, text, ':'))
        return CompletedAddress{false, ReplaceChar(cp, text, '\\', '/')};
    if (!keys.alt) {
        if (keys.ctrl && keys.shift)
            return CompletedAddress{false,
                                    domains.ctrlShiftPrefix + typed + domains.ctrlShiftSuffix};
        if (keys.ctrl)
            return CompletedAddress{false, domains.ctrlPrefix + typed + domains.ctrlSuffix};
        if (keys.shift)
            return CompletedAddress{false, domains.shiftPrefix + typed + domains.shiftSuffix};
    }
    if (typed == "localhost")
        return CompletedAddress{false, "http://localhost"};
    if (typed.starts_with("ftp."))
        return CompletedAddress{false, "ftp://" + typed};
    if (IsSingleWord(cp, text) || IsMailLike(cp, text))
        return CompletedAddress{true, typed,
                                keys.shift ? SearchAction::Highlight : SearchAction::Search};
    if (typed.starts_with("\\\\"))
        return CompletedAddress{false, typed};
    return CompletedAddress{false, "http://" + typed};
}

}  // namespace lumbrel
