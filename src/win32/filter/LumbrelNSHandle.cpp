#include "win32/filter/LumbrelNSHandle.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <new>

#include "win32/app/ServerLocks.h"

namespace lumbrel::win32 {

HRESULT LumbrelNSHandle::Create(IUnknown* outer, REFIID iid, void** object,
                                std::shared_ptr<NSHandleContext> context) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer && !IsEqualIID(iid, IID_IUnknown))
        return CLASS_E_NOAGGREGATION;
    auto* handle = new (std::nothrow) LumbrelNSHandle(outer, std::move(context));
    if (!handle)
        return E_OUTOFMEMORY;
    // The creation reference is dropped after the caller's is taken: a refused interface
    // frees the object here.
    const HRESULT result = handle->inner_.QueryInterface(iid, object);
    handle->inner_.Release();
    return result;
}

LumbrelNSHandle::LumbrelNSHandle(IUnknown* outer, std::shared_ptr<NSHandleContext> context)
    : inner_(*this), controlling_(outer ? outer : &inner_), context_(std::move(context)) {
    ServerLocks::Lock();
}

LumbrelNSHandle::~LumbrelNSHandle() {
    ServerLocks::Unlock();
}

HRESULT LumbrelNSHandle::Inner::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown))
        *object = static_cast<IUnknown*>(this);
    else if (IsEqualIID(iid, IID_IInternetProtocolRoot) || IsEqualIID(iid, IID_IInternetProtocol))
        *object = static_cast<IInternetProtocol*>(&owner_);
    else if (IsEqualIID(iid, IID_IInternetProtocolInfo))
        *object = static_cast<IInternetProtocolInfo*>(&owner_);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Through the interface handed out, so that an aggregator's count is the one raised.
    static_cast<IUnknown*>(*object)->AddRef();
    return S_OK;
}

ULONG LumbrelNSHandle::Inner::AddRef() {
    return ++owner_.references_;
}

ULONG LumbrelNSHandle::Inner::Release() {
    const ULONG left = --owner_.references_;
    if (left == 0)
        delete &owner_;
    return left;
}

HRESULT LumbrelNSHandle::QueryInterface(REFIID iid, void** object) {
    return controlling_->QueryInterface(iid, object);
}

ULONG LumbrelNSHandle::AddRef() {
    return controlling_->AddRef();
}

ULONG LumbrelNSHandle::Release() {
    return controlling_->Release();
}

HRESULT LumbrelNSHandle::Start(LPCWSTR url, IInternetProtocolSink* sink,
                               IInternetBindInfo* bindInfo, DWORD, HANDLE_PTR) {
    try {
        RequestDecision decision = Decide(url, bindInfo);
        if (decision.useDefault)
            return INET_E_USE_DEFAULT_PROTOCOLHANDLER;
        Answer(sink, std::move(decision.body));
        return S_OK;
    } catch (...) {
        // A fault in the filter must never block a page: the engine fetches it itself.
        return INET_E_USE_DEFAULT_PROTOCOLHANDLER;
    }
}

RequestDecision LumbrelNSHandle::Decide(LPCWSTR url, IInternetBindInfo* bindInfo) const {
    RequestFilter* filter = context_ ? context_->FilterForThisThread() : nullptr;
    if (!url || !filter)
        return RequestDecision::UseDefault();
    DWORD bindFlags = 0;
    if (bindInfo) {
        BINDINFO info{};
        info.cbSize = sizeof(info);
        if (SUCCEEDED(bindInfo->GetBindInfo(&bindFlags, &info)))
            ReleaseBindInfo(&info);
        else
            bindFlags = 0;
    }
    const std::u16string wide(url, url + std::wcslen(url));
    return filter->Decide(context_->codePage.Utf16ToAnsi(wide), bindFlags);
}

void LumbrelNSHandle::Answer(IInternetProtocolSink* sink, std::string body) {
    answer_ = std::move(body);
    answerRead_ = 0;
    if (!sink)
        return;
    // The whole answer is there at once: the engine may read it all and finish.
    const auto size = static_cast<ULONG>(answer_.size());
    if (size != 0)
        sink->ReportData(
            BSCF_FIRSTDATANOTIFICATION | BSCF_LASTDATANOTIFICATION | BSCF_DATAFULLYAVAILABLE, size,
            size);
    sink->ReportResult(S_OK, 0, nullptr);
}

HRESULT LumbrelNSHandle::Continue(PROTOCOLDATA*) {
    return S_OK;
}

HRESULT LumbrelNSHandle::Abort(HRESULT, DWORD) {
    return E_NOTIMPL;
}

HRESULT LumbrelNSHandle::Terminate(DWORD) {
    return S_OK;
}

HRESULT LumbrelNSHandle::Suspend() {
    return E_NOTIMPL;
}

HRESULT LumbrelNSHandle::Resume() {
    return E_NOTIMPL;
}

HRESULT LumbrelNSHandle::Read(void* buffer, ULONG size, ULONG* read) {
    if (read)
        *read = 0;
    const size_t count = std::min<size_t>(size, answer_.size() - answerRead_);
    if (count != 0) {
        if (!buffer)
            return E_POINTER;
        std::memcpy(buffer, answer_.data() + answerRead_, count);
        answerRead_ += count;
        if (read)
            *read = static_cast<ULONG>(count);
    }
    return answerRead_ == answer_.size() ? S_FALSE : S_OK;
}

HRESULT LumbrelNSHandle::Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) {
    return E_NOTIMPL;
}

HRESULT LumbrelNSHandle::LockRequest(DWORD) {
    return S_OK;
}

HRESULT LumbrelNSHandle::UnlockRequest() {
    return S_OK;
}

HRESULT LumbrelNSHandle::ParseUrl(LPCWSTR, PARSEACTION, DWORD, LPWSTR, DWORD, DWORD*, DWORD) {
    return INET_E_DEFAULT_ACTION;
}

HRESULT LumbrelNSHandle::CombineUrl(LPCWSTR, LPCWSTR, DWORD, LPWSTR, DWORD, DWORD*, DWORD) {
    return INET_E_DEFAULT_ACTION;
}

HRESULT LumbrelNSHandle::CompareUrl(LPCWSTR first, LPCWSTR second, DWORD) {
    if (!first || !second)
        return E_INVALIDARG;
    return std::wcscmp(first, second) == 0 ? S_OK : S_FALSE;
}

HRESULT LumbrelNSHandle::QueryInfo(LPCWSTR, QUERYOPTION, DWORD, LPVOID, DWORD, DWORD*, DWORD) {
    return INET_E_DEFAULT_ACTION;
}

}  // namespace lumbrel::win32
