// The proxy server of the whole process, as the platform's Internet options hold it. The
// Windows binding uses InternetSetOption/InternetQueryOption with INTERNET_OPTION_PROXY on a
// null handle; tests use a recording fake. The system's own settings are never written.
#pragma once

#include <optional>
#include <string>

namespace lumbrel {

struct ProcessProxy {
    bool named = false;    // false: direct access
    std::string proxy{};   // "host:port" or "type=host:port ..."
    std::string bypass{};  // "<local> *.example.com"
    friend bool operator==(const ProcessProxy&, const ProcessProxy&) = default;
};

class InternetProxy {
public:
    virtual ~InternetProxy() = default;
    // Sets the process's proxy; false when the option call fails.
    virtual bool SetProcessProxy(const ProcessProxy& proxy) = 0;
    // The process's proxy as the option reads back; nothing when the query fails.
    virtual std::optional<ProcessProxy> QueryProcessProxy() = 0;
};

}  // namespace lumbrel
