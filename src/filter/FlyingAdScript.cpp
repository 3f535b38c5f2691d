#include "filter/FlyingAdScript.h"

#include "base/DbcsText.h"

namespace lumbrel {
namespace {

// A file this short cannot hold a script tag, a body and its end.
constexpr size_t kShortestUsable = 40;
constexpr std::string_view kLanguages[] = {"javascript", "jscript", "vbscript"};
constexpr std::string_view kEndTag = "</script>";

}  // namespace

FlyingAdScript FlyingAdScript::Parse(const CodePage& cp, const std::optional<std::string>& file) {
    FlyingAdScript script;
    if (!file || file->size() < kShortestUsable) {
        script.problem = Problem::Missing;
        return script;
    }
    script.problem = Problem::ContentError;
    // Lower-cased byte for byte, so positions in it are positions in the file.
    const std::string lower = ToLowerAscii(cp, *file);
    const size_t open = FindChar(cp, lower, '<');
    const size_t close = FindChar(cp, lower, '>');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return script;
    const std::string_view tag = std::string_view(lower).substr(0, close);
    std::string_view language;
    for (std::string_view name : kLanguages) {
        const size_t at = FindSubstring(cp, tag, name, open);
        if (at != std::string::npos && at > open) {
            language = name;
            break;
        }
    }
    const size_t end = FindSubstring(cp, lower, kEndTag, close + 1);
    if (language.empty() || end == std::string::npos)
        return script;
    script.language = std::string(language);
    script.body = file->substr(close + 1, end - close - 1);
    script.problem = Problem::None;
    return script;
}

}  // namespace lumbrel
