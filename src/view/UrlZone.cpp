#include "view/UrlZone.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string>

namespace lumbrel {
namespace {

struct ZoneRow {
    bool samePage;
    UrlZone newZone;
    std::optional<UrlZone> oldZone;  // none: any
    ZoneAction downAll1;
    ZoneAction downAll2;
};

using enum UrlZone;
using enum ZoneAction;
// Every combination not listed keeps the flags (among them: another page of the same zone).
constexpr ZoneRow kZoneRules[] = {
    {true, Blank, std::nullopt, User, User},     {true, Internet, std::nullopt, User, User},
    {true, Intranet, std::nullopt, User, All},   {true, MyComputer, std::nullopt, All, All},
    {false, MyComputer, std::nullopt, All, All}, {false, Internet, MyComputer, User, User},
    {false, Internet, Intranet, Keep, User},     {false, Intranet, MyComputer, User, Keep},
};

bool HasScriptOrMailScheme(std::string_view url) {
    for (std::string_view scheme : {"javascript:", "vbscript:", "mailto:"})
        if (url.find(scheme) != std::string_view::npos)
            return true;
    return false;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "about:home", "data:…", "mk:@…": a scheme without "//" names no host. A digit after the
// colon is a port ("localhost:8080/x").
bool HasSchemeWithoutHost(std::string_view url) {
    const size_t colon = url.find(':');
    if (colon == 0 || colon == std::string_view::npos)
        return false;
    for (char c : url.substr(0, colon))
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    const std::string_view rest = url.substr(colon + 1);
    return !rest.starts_with("//") &&
           !(!rest.empty() && std::isdigit(static_cast<unsigned char>(rest.front())));
}

// The host of an address with or without a scheme: after "scheme://" and any "user@", up to
// the first "/", "?", "#" or ":" (the port). An IPv6 literal keeps its brackets and colons.
std::string HostOf(std::string_view url) {
    if (const size_t scheme = url.find("://"); scheme != std::string_view::npos)
        url.remove_prefix(scheme + 3);
    url = url.substr(0, url.find_first_of("/?#\\"));
    if (const size_t at = url.rfind('@'); at != std::string_view::npos)
        url.remove_prefix(at + 1);
    if (url.starts_with('[')) {
        const size_t close = url.find(']');
        url = close == std::string_view::npos ? std::string_view() : url.substr(0, close + 1);
    } else {
        url = url.substr(0, url.find(':'));
    }
    std::string host(url);
    std::transform(host.begin(), host.end(), host.begin(), LowerAscii);
    return host;
}

// The four numbers of a dotted IPv4 address; nothing for any other host.
std::optional<Ipv4Address> ParseIpv4(std::string_view host) {
    Ipv4Address address{};
    for (size_t i = 0; i < 4; ++i) {
        const size_t dot = host.find('.');
        if ((i < 3) == (dot == std::string_view::npos))
            return std::nullopt;
        const std::string_view part = host.substr(0, dot);
        unsigned value = 256;
        auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || error != std::errc() || end != part.data() + part.size() || value > 255)
            return std::nullopt;
        address[i] = static_cast<uint8_t>(value);
        host.remove_prefix(i < 3 ? dot + 1 : host.size());
    }
    return address;
}

bool IsIntranetHost(std::string_view host, const std::optional<LanPrefix>& lan) {
    if (host == "localhost" || host == "127.0.0.1" || host == "[::1]")
        return true;
    // Any other IPv6 literal may be anywhere: it has no dots, yet it names no local name.
    if (host.starts_with('['))
        return false;
    if (host.find('.') == std::string_view::npos)
        return true;
    const std::optional<Ipv4Address> address = ParseIpv4(host);
    return lan && address && (*address)[0] == lan->first && (*address)[1] == lan->second;
}

}  // namespace

std::optional<LanPrefix> LanPrefixOf(const std::vector<Ipv4Address>& addresses) {
    if (addresses.empty())
        return std::nullopt;
    return LanPrefix{addresses.front()[0], addresses.front()[1]};
}

UrlZone ZoneOfUrl(std::string_view url, const std::optional<LanPrefix>& lan) {
    // A script or mail address stands for what follows its \x01 marker, if anything.
    if (HasScriptOrMailScheme(url)) {
        const size_t marker = url.find('\x01');
        url = marker == std::string_view::npos || marker + 2 > url.size() ? std::string_view()
                                                                          : url.substr(marker + 2);
    }
    if (url.starts_with("about:blank") || url.starts_with("res://"))
        return Blank;
    if (url.starts_with("file:") || (url.size() >= 2 && url[1] == ':'))
        return MyComputer;
    const std::string host = HasSchemeWithoutHost(url) ? std::string() : HostOf(url);
    if (host.empty())
        return Internet;
    return IsIntranetHost(host, lan) ? Intranet : Internet;
}

ZoneAction ZoneRule(int downAll, bool samePage, UrlZone newZone, UrlZone oldZone) {
    if (downAll != 1 && downAll != 2)
        return Keep;
    for (const ZoneRow& row : kZoneRules) {
        if (row.samePage != samePage || row.newZone != newZone)
            continue;
        if (row.oldZone && *row.oldZone != oldZone)
            continue;
        return downAll == 1 ? row.downAll1 : row.downAll2;
    }
    return Keep;
}

bool IsSamePage(std::string_view normalizedUrl, std::string_view lastUrl) {
    const std::string_view shorter =
        normalizedUrl.size() < lastUrl.size() ? normalizedUrl : lastUrl;
    const std::string_view longer = normalizedUrl.size() < lastUrl.size() ? lastUrl : normalizedUrl;
    return longer.starts_with(shorter);
}

}  // namespace lumbrel
