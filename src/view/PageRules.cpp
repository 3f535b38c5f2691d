#include "view/PageRules.h"

#include <algorithm>
#include <array>

#include "base/DbcsText.h"
#include "view/ViewState.h"

namespace lumbrel {
namespace {

// Loading images 1, 2 and 3 split the progress into thirds.
constexpr int kProgressPerLoadingImage = 34;

// The status texts the engine writes itself, in the ANSI code pages it speaks (GBK here).
constexpr std::array<std::string_view, 3> kEngineStatusParts = {
    "\xB5\xC4\xBF\xEC\xBD\xDD\xB7\xBD\xCA\xBD",  // 的快捷方式 ("shortcut to")
    "\xB5\xD8\xD6\xB7\xD2\xD1",                  // 地址已 ("address has")
    "\xCF\xEE\xCA\xA3\xD3\xE0",                  // 项剩余 ("items remaining")
};
constexpr std::array<std::string_view, 3> kEngineStatusStarts = {
    "\xD5\xFD\xD4\xDA",  // 正在 ("now …ing")
    "\xCD\xEA\xB3\xC9",  // 完成 ("done")
    "\xCD\xEA\xB1\xCF",  // 完毕 ("finished")
};
constexpr std::array<std::string_view, 7> kEnglishStarts = {"Wait", "Start",    "Open", "Connect",
                                                            "Find", "download", "Web"};
// The first characters in which an address marker shows that the text names an address.
constexpr size_t kAddressMarkerReach = 10;

constexpr std::string_view kPrivacyProtocol = "HyperText Transfer Protocol with Privacy";
constexpr std::string_view kPrivacyGbk = "\xCB\xBD\xC8\xCB\xD1\xE9\xD6\xA4";  // 私人验证
constexpr std::string_view kPrivacyBig5 = "\xAB\x4F\xB1\x4B";                 // 保密

bool Contains(std::string_view text, std::string_view part, size_t from = 0) {
    return text.find(part, from) != std::string_view::npos;
}

// Where an address marker begins: "about:" at the start, else "://", else "mailto:", else
// "javascript:".
size_t AddressMarker(std::string_view text) {
    if (text.starts_with("about:"))
        return 0;
    for (std::string_view marker : {"://", "mailto:", "javascript:"})
        if (size_t at = text.find(marker); at != std::string_view::npos)
            return at;
    return std::string_view::npos;
}

// The schemes an error page's failed address may have to be loaded again.
bool HasReloadableScheme(std::string_view url) {
    for (std::string_view scheme : {"http:", "https:", "ftp:", "file:"}) {
        if (url.size() < scheme.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < scheme.size() && same; ++i)
            same = (url[i] >= 'A' && url[i] <= 'Z' ? url[i] - 'A' + 'a' : url[i]) == scheme[i];
        if (same)
            return true;
    }
    return false;
}

}  // namespace

std::string NormalizeLocalUrl(const CodePage& cp, std::string_view url) {
    if (url.size() < 2 || url[1] != ':')
        return std::string(url);
    return "file:///" + ReplaceChar(cp, url, '\\', '/');
}

bool IsJumpWithinPage(std::string_view url, std::string_view lastUrl) {
    const size_t hash = url.find('#');
    if (hash == std::string_view::npos)
        return false;
    const std::string_view page = lastUrl.substr(0, lastUrl.find('#'));
    return url.substr(0, hash) == page;
}

bool PassesScrollTextFilter(std::string_view text) {
    if (text.starts_with("Shortcut") || text == "Done" || Contains(text, "remain"))
        return true;
    for (std::string_view part : kEngineStatusParts)
        if (Contains(text, part))
            return true;
    for (std::string_view start : kEngineStatusStarts)
        if (text.starts_with(start))
            return true;
    for (std::string_view start : kEnglishStarts)
        if (text.starts_with(start))
            return true;
    return AddressMarker(text) < kAddressMarkerReach;
}

bool IsPrivacyProtocol(std::string_view protocol) {
    return protocol == kPrivacyProtocol || Contains(protocol, kPrivacyGbk, 1) ||
           Contains(protocol, kPrivacyBig5, 1);
}

std::optional<std::string> ErrorPageTarget(std::string_view errorPageUrl) {
    std::string target(errorPageUrl);
    if (const size_t hash = target.find('#'); hash != std::string::npos && hash > 0) {
        target.erase(0, hash + 1);
        if (!HasReloadableScheme(target))
            return std::nullopt;
    }
    if (target.starts_with("file:")) {
        std::replace(target.begin(), target.end(), '\\', '/');
        if (!Contains(target, "file:///"))
            if (const size_t at = target.find("file://"); at != std::string::npos)
                target.replace(at, 7, "file:///");
    }
    return target;
}

bool IsCancelPageFor(std::string_view location, std::string_view killedUrl) {
    if (location == "about:NavigationCanceled" || location == killedUrl)
        return true;
    const std::string cancelPage = "navcancl.htm#" + std::string(killedUrl);
    return location.ends_with(cancelPage);
}

int ProgressPercent(int32_t progress, int32_t progressMax) {
    if (progressMax <= 0 || progress < 0 || progressMax / 100 <= 0)
        return kProgressIdle;
    return static_cast<int>(std::min<int64_t>(100, progress / (progressMax / 100)));
}

int LoadingImage(int progress) {
    return progress / kProgressPerLoadingImage + 1;
}

}  // namespace lumbrel
