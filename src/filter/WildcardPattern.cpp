#include "filter/WildcardPattern.h"

#include "base/DbcsText.h"

namespace lumbrel {

WildcardPattern::WildcardPattern(std::string_view pattern) {
    size_t begin = 0;
    for (size_t star; (star = pattern.find('*', begin)) != std::string_view::npos; begin = star + 1)
        pieces_.push_back(pattern.substr(begin, star - begin));
    pieces_.push_back(pattern.substr(begin));
}

bool WildcardPattern::Matches(const CodePage& cp, std::string_view text, MatchStyle style) const {
    size_t pos = 0;
    const size_t last = pieces_.size() - 1;
    for (size_t i = 0; i <= last; ++i) {
        std::string_view piece = pieces_[i];
        if (piece.empty())
            continue;
        if (i == 0) {
            if (!text.starts_with(piece))
                return false;
            pos = piece.size();
        } else if (i == last && style == MatchStyle::Url) {
            if (!text.ends_with(piece))
                return false;
        } else {
            size_t found = FindSubstring(cp, text, piece, pos);
            if (found == std::string_view::npos)
                return false;
            pos = found + piece.size();
        }
    }
    return true;
}

}  // namespace lumbrel
