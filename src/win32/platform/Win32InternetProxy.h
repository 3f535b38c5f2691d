// The InternetProxy port over WinINet's per-process proxy option (INTERNET_OPTION_PROXY on a
// null handle). Only the process's own setting changes; the system's Internet settings are
// never written.
#pragma once

#include "platform/InternetProxy.h"

namespace lumbrel::win32 {

class Win32InternetProxy : public InternetProxy {
public:
    bool SetProcessProxy(const ProcessProxy& proxy) override;
    std::optional<ProcessProxy> QueryProcessProxy() override;
};

}  // namespace lumbrel::win32
