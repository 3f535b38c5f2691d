// The Network port over the Windows sockets resolver.
#pragma once

#include "platform/Network.h"

namespace lumbrel::win32 {

class Win32Network : public Network {
public:
    // FIXME: resolve the host's own name (gethostname, getaddrinfo) once the binding starts
    // Winsock; until then no address is local by the network prefix.
    std::vector<Ipv4Address> HostAddresses() override { return {}; }
};

}  // namespace lumbrel::win32
