#include "win32/filter/NSHandleFactory.h"

#include "win32/app/ServerLocks.h"

namespace lumbrel::win32 {

NSHandleFactory::NSHandleFactory(std::shared_ptr<NSHandleContext> context)
    : context_(std::move(context)) {}

HRESULT NSHandleFactory::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG NSHandleFactory::AddRef() {
    return ++references_;
}

ULONG NSHandleFactory::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT NSHandleFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    return LumbrelNSHandle::Create(outer, iid, object, context_);
}

HRESULT NSHandleFactory::LockServer(BOOL lock) {
    if (lock)
        ServerLocks::Lock();
    else
        ServerLocks::Unlock();
    return S_OK;
}

}  // namespace lumbrel::win32
