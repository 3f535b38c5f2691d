// One filter-list pattern cut at its stars, and the two ways the lists match it against an
// address. The pieces must occur in the address in order; the first piece, unless the pattern
// begins with "*", must begin the address.
//
// Url style (the content lists): a last piece that is not followed by a star must end the
// address. That end test looks at the address alone, not at where the earlier pieces were
// found, so the last piece may overlap text an earlier piece matched ("ab*b" matches "ab").
// Popup style (the popup lists): the last piece is searched like the others, so a pattern only
// fixes the start of the address and the order of its pieces.
//
// Searches keep double-byte characters whole (a piece never matches a trail byte); the start
// and end tests compare bytes.
#pragma once

#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace lumbrel {

enum class MatchStyle { Url, Popup };

class WildcardPattern {
public:
    // `pattern` must outlive the object: the pieces are views into it.
    explicit WildcardPattern(std::string_view pattern);

    bool Matches(const CodePage& cp, std::string_view text, MatchStyle style) const;

    const std::vector<std::string_view>& Pieces() const { return pieces_; }
    bool StartsWithStar() const { return pieces_.front().empty(); }
    bool EndsWithStar() const { return pieces_.back().empty(); }

private:
    std::vector<std::string_view> pieces_;  // one more than the stars; empty ones kept
};

}  // namespace lumbrel
