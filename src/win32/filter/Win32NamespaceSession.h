// The namespace handler's registration with the engine's internet session: the handler's
// class object (the one the program's COM module registered for the process) is registered
// as a temporary namespace handler for "http" and "https". Both COM pointers are held while
// the registration lasts and released when it ends.
#pragma once

#include "platform/NamespaceHandlerSession.h"
#include "win32/platform/ComPtr.h"
#include "win32/platform/WinApi.h"

#include <urlmon.h>

namespace lumbrel::win32 {

class Win32NamespaceSession : public NamespaceHandlerSession {
public:
    Win32NamespaceSession() = default;
    ~Win32NamespaceSession() override;
    Win32NamespaceSession(const Win32NamespaceSession&) = delete;
    Win32NamespaceSession& operator=(const Win32NamespaceSession&) = delete;

    // Needs COM initialised on the calling thread.
    bool Register() override;
    void Unregister() override;
    bool IsRegistered() const override { return static_cast<bool>(session_); }

private:
    ComPtr<IClassFactory> factory_;
    ComPtr<IInternetSession> session_;
};

}  // namespace lumbrel::win32
