#include "win32/platform/Win32Network.h"

#include "win32/platform/WinApi.h"

#include <iphlpapi.h>
#include <wininet.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <memory>

namespace lumbrel::win32 {
namespace {

struct FreeAddressInfo {
    void operator()(addrinfo* info) const { freeaddrinfo(info); }
};

// Loopback and "any" say nothing about the network the computer is on.
bool IsNetworkAddress(const Ipv4Address& address) {
    return address[0] != 127 && address != Ipv4Address{0, 0, 0, 0};
}

// Keeps the first of each address, in the order found.
void AddOnce(std::vector<Ipv4Address>& addresses, const sockaddr* socketAddress) {
    if (!socketAddress || socketAddress->sa_family != AF_INET)
        return;
    const auto* in = reinterpret_cast<const sockaddr_in*>(socketAddress);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&in->sin_addr);
    const Ipv4Address address{bytes[0], bytes[1], bytes[2], bytes[3]};
    if (IsNetworkAddress(address) &&
        std::find(addresses.begin(), addresses.end(), address) == addresses.end())
        addresses.push_back(address);
}

}  // namespace

Win32Network::Win32Network() {
    WSADATA data{};
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

Win32Network::~Win32Network() {
    if (started_)
        WSACleanup();
}

std::vector<Ipv4Address> Win32Network::HostAddresses() {
    std::vector<Ipv4Address> addresses = ResolvedAddresses();
    return addresses.empty() ? AdapterAddresses() : addresses;
}

// The resolver's order is kept: the first address decides the local-network prefix.
std::vector<Ipv4Address> Win32Network::ResolvedAddresses() const {
    std::vector<Ipv4Address> addresses;
    char name[256] = {};
    if (!started_ || gethostname(name, sizeof(name) - 1) != 0)
        return addresses;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(name, nullptr, &hints, &found) != 0)
        return addresses;
    const std::unique_ptr<addrinfo, FreeAddressInfo> owned(found);
    // One entry per socket type: AddOnce keeps each address once.
    for (const addrinfo* entry = found; entry; entry = entry->ai_next)
        if (entry->ai_addrlen >= sizeof(sockaddr_in))
            AddOnce(addresses, entry->ai_addr);
    return addresses;
}

// In the system's adapter order. The list's size is asked first; it may grow in between, so
// a second try with the new size follows.
std::vector<Ipv4Address> Win32Network::AdapterAddresses() {
    constexpr ULONG kFlags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST |
                             GAA_FLAG_SKIP_DNS_SERVER | GAA_FLAG_SKIP_FRIENDLY_NAME;
    std::vector<Ipv4Address> addresses;
    ULONG size = 16 * 1024;
    std::unique_ptr<unsigned char[]> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer = std::make_unique<unsigned char[]>(size);
        result = GetAdaptersAddresses(AF_INET, kFlags, nullptr,
                                      reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.get()), &size);
    }
    if (result != NO_ERROR)
        return addresses;
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.get()); adapter;
         adapter = adapter->Next) {
        if (adapter->OperStatus != IfOperStatusUp || adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK)
            continue;
        for (const IP_ADAPTER_UNICAST_ADDRESS* unicast = adapter->FirstUnicastAddress; unicast;
             unicast = unicast->Next)
            AddOnce(addresses, unicast->Address.lpSockaddr);
    }
    return addresses;
}

// The connected state of WinINet: the engine's own "Work Offline" switch, shared by every
// program of the user that uses WinINet.
bool Win32Network::WorkOffline() {
    DWORD state = 0;
    DWORD size = sizeof(state);
    if (!InternetQueryOptionA(nullptr, INTERNET_OPTION_CONNECTED_STATE, &state, &size))
        return false;
    return (state & INTERNET_STATE_DISCONNECTED_BY_USER) != 0;
}

bool Win32Network::SetWorkOffline(bool offline) {
    INTERNET_CONNECTED_INFO info{};
    info.dwConnectedState =
        offline ? INTERNET_STATE_DISCONNECTED_BY_USER : INTERNET_STATE_CONNECTED;
    info.dwFlags = offline ? ISO_FORCE_DISCONNECTED : 0;
    return InternetSetOptionA(nullptr, INTERNET_OPTION_CONNECTED_STATE, &info, sizeof(info)) != 0;
}

}  // namespace lumbrel::win32
