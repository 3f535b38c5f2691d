// Which security zone an address belongs to, and what the zone rule does with a window's
// download-control flags when the window moves between zones (`DownAll`): local pages, and
// with `DownAll` 2 intranet pages, load everything; Internet pages get the user's choice.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Network.h"

namespace lumbrel {

enum class UrlZone : int {
    MyComputer = 0,  // files and drive paths
    Intranet = 1,    // this computer by name, dotless hosts, the local network
    Internet = 2,
    Blank = 3,  // about:blank, the engine's own res:// pages
};

// The first two numbers of the computer's own IPv4 address: hosts under them are local.
struct LanPrefix {
    uint8_t first = 0, second = 0;
};
// The prefix of the first of `addresses`; nothing when there is none.
std::optional<LanPrefix> LanPrefixOf(const std::vector<Ipv4Address>& addresses);

// The zone of `url`. A host is compared whole: "localhost.example.com" is on the Internet.
UrlZone ZoneOfUrl(std::string_view url, const std::optional<LanPrefix>& lan);

// What happens to the flags in force.
enum class ZoneAction {
    Keep,  // unchanged
    User,  // the user's flags for the window
    All,   // images, videos and sounds; scripts, Java and ActiveX allowed
};

// The zone rule for a navigation to a page in `newZone` from a page in `oldZone`; `samePage`
// when the new address is the page the window has (or one is the start of the other).
// `downAll` 1 or 2; any other value keeps the flags.
ZoneAction ZoneRule(int downAll, bool samePage, UrlZone newZone, UrlZone oldZone);

// Whether `normalizedUrl` is the page at `lastUrl`: equal, or the shorter the start of the
// longer.
bool IsSamePage(std::string_view normalizedUrl, std::string_view lastUrl);

}  // namespace lumbrel
