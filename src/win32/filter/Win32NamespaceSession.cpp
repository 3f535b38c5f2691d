#include "win32/filter/Win32NamespaceSession.h"

#include "win32/filter/NSHandleFactory.h"

namespace lumbrel::win32 {
namespace {
constexpr const wchar_t* kSchemes[] = {L"http", L"https"};
}  // namespace

Win32NamespaceSession::~Win32NamespaceSession() {
    Unregister();
}

bool Win32NamespaceSession::Register() {
    if (session_)
        return true;
    if (!factory_ &&
        FAILED(CoGetClassObject(kLumbrelNSHandleClsid, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                nullptr, IID_IClassFactory, factory_.PutVoid())))
        return false;
    ComPtr<IInternetSession> session;
    if (FAILED(CoInternetGetSession(0, session.Put(), 0)) || !session)
        return false;
    for (const wchar_t* scheme : kSchemes) {
        if (FAILED(session->RegisterNameSpace(factory_.Get(), kLumbrelNSHandleClsid, scheme, 0,
                                              nullptr, 0))) {
            // Half a registration would filter http but not https: none at all instead.
            for (const wchar_t* done : kSchemes) {
                if (done == scheme)
                    break;
                session->UnregisterNameSpace(factory_.Get(), done);
            }
            return false;
        }
    }
    session_ = std::move(session);
    return true;
}

void Win32NamespaceSession::Unregister() {
    if (session_) {
        for (const wchar_t* scheme : kSchemes)
            session_->UnregisterNameSpace(factory_.Get(), scheme);
        session_.Reset();
    }
    factory_.Reset();
}

}  // namespace lumbrel::win32
