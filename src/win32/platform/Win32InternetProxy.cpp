#include "win32/platform/Win32InternetProxy.h"

#include <vector>

#include "win32/platform/WinApi.h"

#include <wininet.h>

namespace lumbrel::win32 {

bool Win32InternetProxy::SetProcessProxy(const ProcessProxy& proxy) {
    INTERNET_PROXY_INFO info{};
    if (proxy.named) {
        info.dwAccessType = INTERNET_OPEN_TYPE_PROXY;
        info.lpszProxy = proxy.proxy.c_str();
        info.lpszProxyBypass = proxy.bypass.c_str();
    } else {
        info.dwAccessType = INTERNET_OPEN_TYPE_DIRECT;
    }
    return InternetSetOptionA(nullptr, INTERNET_OPTION_PROXY, &info, sizeof(info)) != FALSE;
}

std::optional<ProcessProxy> Win32InternetProxy::QueryProcessProxy() {
    // The record is followed by its two strings, so the size is known only when asked; the
    // buffer grows until the answer fits.
    DWORD size = 0;
    std::vector<unsigned char> buffer;
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (size < sizeof(INTERNET_PROXY_INFO))
            size = static_cast<DWORD>(sizeof(INTERNET_PROXY_INFO) + 1024);
        buffer.assign(size, 0);
        DWORD got = size;
        if (InternetQueryOptionA(nullptr, INTERNET_OPTION_PROXY, buffer.data(), &got)) {
            const auto* info = reinterpret_cast<const INTERNET_PROXY_INFO*>(buffer.data());
            ProcessProxy proxy;
            proxy.named = info->dwAccessType == INTERNET_OPEN_TYPE_PROXY;
            if (info->lpszProxy)
                proxy.proxy = info->lpszProxy;
            if (info->lpszProxyBypass)
                proxy.bypass = info->lpszProxyBypass;
            return proxy;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return std::nullopt;
        size = got > size ? got : size * 2;
    }
    return std::nullopt;
}

}  // namespace lumbrel::win32
