#include "frame/WindowListRules.h"

#include "base/DbcsText.h"

namespace lumbrel {
namespace {

bool Open(const std::vector<bool>& closing, int index) {
    return index >= 0 && index < static_cast<int>(closing.size()) &&
           !closing[static_cast<size_t>(index)];
}

// The nearest window at or below `from` that is not closing, -1 when none.
int OpenAtOrBelow(const std::vector<bool>& closing, int from) {
    for (int i = std::min(from, static_cast<int>(closing.size()) - 1); i >= 0; --i)
        if (Open(closing, i))
            return i;
    return -1;
}

// The nearest window at or above `from` that is not closing, -1 when none.
int OpenAtOrAbove(const std::vector<bool>& closing, int from) {
    for (int i = std::max(from, 0); i < static_cast<int>(closing.size()); ++i)
        if (Open(closing, i))
            return i;
    return -1;
}

}  // namespace

int TabInsertPosition(int newSequence, int count, int current, int openFlags, int requested) {
    const bool otherSide = (openFlags & kOpenOtherSide) != 0;
    int position = requested;
    switch (newSequence) {
        case 0:
            position = otherSide ? current : count;
            break;
        case 1:
            position = otherSide ? current : current + 1;
            break;
        case 2:
            position = otherSide ? current + 1 : current;
            break;
        default:
            break;
    }
    if (position < 0)
        position = 0;
    if (position > count)
        position = count;
    return position;
}

int SelectionAfterBackgroundInsert(int current, int inserted) {
    if (current < 0)
        return inserted;
    return inserted <= current ? current + 1 : current;
}

int NextAfterClose(int closeSequence, int removed, const std::vector<bool>& closing, int opener,
                   bool activeNew) {
    if (activeNew && Open(closing, opener))
        return opener;
    const int last = static_cast<int>(closing.size()) - 1;
    switch (closeSequence) {
        case 0:
            return OpenAtOrBelow(closing, last);
        case 1: {
            const int right = OpenAtOrAbove(closing, removed);
            return right >= 0 ? right : OpenAtOrBelow(closing, removed - 1);
        }
        case 2: {
            const int left = OpenAtOrBelow(closing, removed > 0 ? removed - 1 : 0);
            return left >= 0 ? left : OpenAtOrAbove(closing, removed);
        }
        default:
            return -1;
    }
}

int PreviousWindowIndex(int selected, int count) {
    if (count <= 0)
        return -1;
    return selected - 1 < 0 ? count - 1 : selected - 1;
}

int NextWindowIndex(int selected, int count) {
    if (count <= 0)
        return -1;
    return selected + 1 >= count ? 0 : selected + 1;
}

std::string CleanRequestedUrl(const CodePage& cp, std::string_view url) {
    std::string cleaned;
    for (char c : TrimBlanks(cp, url))
        if (c != '\r' && c != '\n')
            cleaned += c;
    return cleaned;
}

bool HasRefusedScheme(std::string_view url) {
    return url.find("javascript:") != std::string_view::npos ||
           url.find("vbscript:") != std::string_view::npos ||
           url.find("mailto:") != std::string_view::npos;
}

std::string ApplyWwwRule(const CodePage& cp, const std::string& url) {
    if (url.find(':') != std::string::npos)
        return url;
    const size_t dot = FindChar(cp, url, '.');
    if (dot == std::string::npos || dot == 0)
        return url;
    const std::string lower = ToLowerAscii(cp, url);
    if (lower.starts_with("www."))
        return url;
    const std::string_view tld = std::string_view(lower).substr(dot, 4);
    if (tld != ".com" && tld != ".net" && tld != ".edu" && tld != ".org")
        return url;
    const size_t after = dot + 4;
    if (after < lower.size() && lower[after] != '.')
        return url;
    return "www." + url;
}

}  // namespace lumbrel
