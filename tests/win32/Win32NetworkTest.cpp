// The host's own addresses against the older resolver call of the same system (a second way
// to the same answer: Windows resolves its own name to its adapters' addresses, and Wine's
// older call does so too while its newer one reads the hosts file, which names only loopback).
#include "win32/platform/Win32Network.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {
namespace {

std::vector<Ipv4Address> Sorted(std::vector<Ipv4Address> addresses) {
    std::sort(addresses.begin(), addresses.end());
    addresses.erase(std::unique(addresses.begin(), addresses.end()), addresses.end());
    return addresses;
}

// The older call's addresses for the host name, loopback left out.
std::vector<Ipv4Address> ByHostEntry() {
    std::vector<Ipv4Address> addresses;
    char name[256] = {};
    if (gethostname(name, sizeof(name) - 1) != 0)
        return addresses;
    const hostent* entry = gethostbyname(name);
    if (!entry || entry->h_addrtype != AF_INET || entry->h_length != 4)
        return addresses;
    for (char** item = entry->h_addr_list; *item; ++item) {
        const auto* b = reinterpret_cast<const uint8_t*>(*item);
        if (b[0] != 127)
            addresses.push_back(Ipv4Address{b[0], b[1], b[2], b[3]});
    }
    return addresses;
}

TEST(Win32NetworkTest, HostAddressesAreTheComputersNetworkAddresses) {
    Win32Network network;  // starts Winsock for both calls
    const std::vector<Ipv4Address> addresses = network.HostAddresses();
    EXPECT_EQ(Sorted(addresses), Sorted(ByHostEntry()));
    EXPECT_EQ(Sorted(addresses).size(), addresses.size()) << "an address given twice";
    for (const Ipv4Address& address : addresses) {
        EXPECT_NE(address[0], 127) << "loopback says nothing about the network";
        EXPECT_NE(address, (Ipv4Address{0, 0, 0, 0}));
    }
}

TEST(Win32NetworkTest, EachPortStartsAndEndsItsOwnWinsock) {
    auto first = std::make_unique<Win32Network>();
    const std::vector<Ipv4Address> before = first->HostAddresses();
    {
        Win32Network second;
        EXPECT_EQ(second.HostAddresses(), before);
    }
    EXPECT_EQ(first->HostAddresses(), before) << "the other port's end left this one working";
}

}  // namespace
}  // namespace lumbrel::win32
