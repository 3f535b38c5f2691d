#include "base/LinkLike.h"

#include <array>

namespace lumbrel {
namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDrivePath(std::string_view text) {
    if (text.size() < 2 || !IsAsciiLetter(text[0]) || text[1] != ':')
        return false;
    return text.size() == 2 || text[2] == '\\' || text[2] == '/';
}

}  // namespace

bool IsLinkLike(std::string_view text) {
    static constexpr std::array<std::string_view, 7> kPrefixes = {
        "http://", "file://", "https://", "www.", "ftp://", "ftp.", "res://"};
    for (std::string_view prefix : kPrefixes) {
        if (text.starts_with(prefix))
            return true;
    }
    return text == "about:blank" || IsDrivePath(text);
}

bool IsLinkLikeOrScript(std::string_view text) {
    return IsLinkLike(text) || text.starts_with("javascript:") || text.starts_with("vbscript:");
}

}  // namespace lumbrel
