#include "search/EngineSearch.h"

#include "base/DbcsText.h"
#include "base/KeywordEncoding.h"

namespace lumbrel {
namespace {

constexpr size_t kShortestTemplate = 3;

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::vector<std::string> SplitEngineTemplates(const CodePage& cp, std::string_view templates) {
    const std::string_view whole = TrimBlanks(cp, templates);
    if (FindChar(cp, whole, '|') == std::string_view::npos)
        return whole.empty() ? std::vector<std::string>{}
                             : std::vector<std::string>{std::string(whole)};
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t bar = FindChar(cp, whole, '|', start);
        const std::string_view piece =
            TrimBlanks(cp, whole.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (piece.size() >= kShortestTemplate)
            pieces.emplace_back(piece);
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    return pieces;
}

std::vector<std::string> EngineSearchUrls(const CodePage& cp, std::string_view templates,
                                          std::string_view keyword) {
    std::vector<std::string> urls;
    for (std::string url : SplitEngineTemplates(cp, templates)) {
        if (url.find("%u") != std::string::npos)
            ReplaceAll(url, "%u", EncodeKeyword(cp.AnsiToUtf8(keyword)));
        else
            ReplaceAll(url, "%s", EncodeKeyword(keyword));
        urls.push_back(std::move(url));
    }
    return urls;
}

}  // namespace lumbrel
