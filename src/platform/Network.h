// The computer's own place on the network, for the rules that tell local addresses from the
// Internet.
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
};

}  // namespace lumbrel
