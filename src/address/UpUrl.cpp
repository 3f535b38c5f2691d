#include "address/UpUrl.h"

#include <algorithm>

#include "base/LinkLike.h"

namespace lumbrel {
namespace {

constexpr auto npos = std::string::npos;

// Removes the last element of a path; false when the address has no path to shorten.
bool PathStep(std::string& text, char separator, size_t start, bool drivePath) {
    const size_t first = text.find(separator, start);
    if (first == npos || (first == text.size() - 1 && !drivePath))
        return false;
    if (text.back() == separator)
        text.pop_back();
    const size_t last = text.rfind(separator);
    if (last != npos)
        text.erase(last + 1);
    return true;
}

// Where the site's registered domain begins in a host address, or npos.
size_t DomainStart(const std::string& text) {
    static const char* const kEndings[] = {".com/", ".net/", ".org/", ".edu/",
                                           ".com",  ".net",  ".org",  ".edu"};
    for (const char* ending : kEndings) {
        if (!text.ends_with(ending))
            continue;
        const std::string rest = text.substr(0, text.rfind('.'));
        return rest.rfind('.');
    }
    for (const char* inner : {".com.", ".net.", ".org.", ".edu."}) {
        const size_t at = text.find(inner);
        if (at == npos || at == 0)
            continue;
        return text.substr(0, at).rfind('.');
    }
    const size_t hostStart = text.find("://") + 3;
    const bool hasLetter = std::any_of(text.begin() + static_cast<long>(hostStart), text.end(),
                                       [](char c) { return c >= 'a' && c <= 'z'; });
    if (std::count(text.begin(), text.end(), '.') >= 2 && hasLetter)
        return text.find('.', hostStart);
    return npos;
}

std::string HostStep(const std::string& text) {
    std::string scheme;
    if (text.starts_with("http://") && !text.starts_with("http://www."))
        scheme = "http";
    else if (text.starts_with("https://") && !text.starts_with("https://www."))
        scheme = "https";
    else
        return text;
    const size_t b = DomainStart(text);
    if (b == npos || b == 0)
        return text;
    return scheme + "://www" + text.substr(b);
}

}  // namespace

std::string UpUrl(const std::string& text) {
    if (text.empty() || text == "about:blank")
        return text;
    std::string result = text;
    const size_t firstSlash = text.find('/');
    if (firstSlash >= 4 && firstSlash <= 6) {
        if (PathStep(result, '/', 8, false))
            return result;
        return HostStep(text);
    }
    if (text.find('\\') == npos)
        return text;
    const bool drivePath = text.size() > 1 && text[1] == ':';
    PathStep(result, '\\', drivePath ? 3 : 2, drivePath);
    return result;
}

std::string RootUrl(const std::string& text) {
    if (!IsLinkLike(text))
        return text;
    std::string current = text;
    for (int i = 0; i < 100; ++i) {
        std::string up = UpUrl(current);
        if (up == current)
            break;
        current = std::move(up);
    }
    return current;
}

}  // namespace lumbrel
