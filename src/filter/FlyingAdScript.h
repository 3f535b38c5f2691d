// The floating-advertisement script the installation ships as "Resource\KillFlying.htm": an
// HTML text whose first tag is a script tag naming its language, then the script's body and
// "</script>". Read whole; what it holds decides whether the filter can run at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

struct FlyingAdScript {
    enum class Problem {
        None,
        Missing,       // absent, unreadable, or 39 bytes or fewer
        ContentError,  // no opening tag, no language in it, or no "</script>" after it
    };
    Problem problem = Problem::None;
    std::string language;  // "javascript", "jscript" or "vbscript"
    std::string body;

    // `file` is the whole file, nothing when it could not be read.
    static FlyingAdScript Parse(const CodePage& cp, const std::optional<std::string>& file);
};

}  // namespace lumbrel
