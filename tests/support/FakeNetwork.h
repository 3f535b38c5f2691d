// The computer's addresses as the test sets them.
#pragma once

#include "platform/Network.h"

namespace lumbrel::test {

class FakeNetwork : public Network {
public:
    std::vector<Ipv4Address> addresses;
    std::vector<Ipv4Address> HostAddresses() override { return addresses; }
};

}  // namespace lumbrel::test
