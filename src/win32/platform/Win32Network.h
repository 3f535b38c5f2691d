// The Network port over the Windows sockets resolver and WinINet's connected state. Winsock is
// started for the port's life.
#pragma once

#include "platform/Network.h"

namespace lumbrel::win32 {

class Win32Network : public Network {
public:
    Win32Network();
    ~Win32Network() override;
    Win32Network(const Win32Network&) = delete;
    Win32Network& operator=(const Win32Network&) = delete;

    // The resolver's addresses for the host name without loopback ones. A resolver that knows
    // the name only as loopback (a hosts file on the machine under Wine) is replaced by the
    // addresses of the network adapters that are up, as Windows' own resolver answers.
    std::vector<Ipv4Address> HostAddresses() override;
    bool WorkOffline() override;
    bool SetWorkOffline(bool offline) override;

private:
    std::vector<Ipv4Address> ResolvedAddresses() const;
    static std::vector<Ipv4Address> AdapterAddresses();

    bool started_ = false;
};

}  // namespace lumbrel::win32
