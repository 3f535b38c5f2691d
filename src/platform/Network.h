// The computer's own place on the network: its addresses, for the rules that tell local
// addresses from the Internet, and whether the user took the browser offline.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace lumbrel {

using Ipv4Address = std::array<uint8_t, 4>;

class Network {
public:
    virtual ~Network() = default;
    // The IPv4 addresses of the computer's own host name, in the order the resolver gives
    // them; empty when the name cannot be resolved.
    virtual std::vector<Ipv4Address> HostAddresses() = 0;
    // Whether the system's Internet functions work offline by the user's choice (the engine
    // then shows pages from its cache only).
    virtual bool WorkOffline() = 0;
    // Takes the system's Internet functions offline or back online; false when refused.
    virtual bool SetWorkOffline(bool offline) = 0;
};

}  // namespace lumbrel
