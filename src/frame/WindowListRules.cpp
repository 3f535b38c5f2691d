#include "frame/WindowListRules.h"

namespace lumbrel {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
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

int NextAfterClose(int closeSequence, int removed, int remaining, int opener, bool activeNew) {
    if (opener >= 0 && opener < remaining && activeNew)
        return opener;
    switch (closeSequence) {
        case 0:
            return remaining > 0 ? remaining - 1 : 0;
        case 1:
            return removed;
        case 2:
            return removed > 0 ? removed - 1 : 0;
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

std::string CleanRequestedUrl(std::string_view url) {
    size_t begin = 0;
    size_t end = url.size();
    while (begin < end && IsBlank(url[begin]))
        ++begin;
    while (end > begin && IsBlank(url[end - 1]))
        --end;
    std::string cleaned;
    cleaned.reserve(end - begin);
    for (size_t i = begin; i < end; ++i)
        if (url[i] != '\r' && url[i] != '\n')
            cleaned += url[i];
    return cleaned;
}

bool HasRefusedScheme(std::string_view url) {
    return url.find("javascript:") != std::string_view::npos ||
           url.find("vbscript:") != std::string_view::npos ||
           url.find("mailto:") != std::string_view::npos;
}

std::string ApplyWwwRule(const std::string& url) {
    if (url.find(':') != std::string::npos)
        return url;
    const size_t dot = url.find('.');
    if (dot == std::string::npos || dot == 0)
        return url;
    std::string lower(url);
    for (char& c : lower)
        c = Lower(c);
    if (lower.compare(0, 4, "www.") == 0)
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
