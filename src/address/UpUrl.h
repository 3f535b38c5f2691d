// One level up from an address, and the root of an address: the "&Up" button, its list, the
// input box's "&Up URL" and the new-window commands "Current &Up Page" and "Current &Root Page".
// All comparisons are case-sensitive.
#pragma once

#include <string>

namespace lumbrel {

// The address one level up: a path loses its last element, a host below a site's domain
// becomes that site's "www" host; anything else comes back unchanged.
std::string UpUrl(const std::string& text);

// `UpUrl` applied until nothing changes (at most 100 times); non-addresses unchanged.
std::string RootUrl(const std::string& text);

}  // namespace lumbrel
