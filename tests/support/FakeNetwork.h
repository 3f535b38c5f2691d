// The computer's addresses as the test sets them, and an offline switch that can refuse.
#pragma once

#include "platform/Network.h"

namespace lumbrel::test {

class FakeNetwork : public Network {
public:
    std::vector<Ipv4Address> addresses;
    bool offline = false;
    bool refusesOffline = false;
    std::vector<Ipv4Address> HostAddresses() override { return addresses; }
    bool WorkOffline() override { return offline; }
    bool SetWorkOffline(bool on) override {
        if (refusesOffline)
            return false;
        offline = on;
        return true;
    }
};

}  // namespace lumbrel::test
