// Internet Shortcut files (".url"): a command-line argument, a handed-over file, a dropped
// file and a favorites folder entry all stand for the address such a file holds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/PrivateProfile.h"
#include "platform/CodePage.h"

namespace lumbrel {

// Room for an address of up to 2048 bytes and its closing NUL: the longest address the
// engine accepts, also for the addresses kept in the session files.
inline constexpr size_t kAddressCapacity = 2049;

// Whether `path` names an Internet Shortcut (ends in ".url", any case).
bool IsUrlShortcut(const CodePage& cp, std::string_view path);

// For a ".url" file the "URL" value of its section "InternetShortcut" (empty when missing);
// any other path comes back as it is.
std::string ResolveUrlShortcut(PrivateProfile& profile, const CodePage& cp,
                               const std::string& path);

}  // namespace lumbrel
