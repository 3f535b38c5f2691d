// The namespace handler: the COM object the URL filter registers with the engine's session
// for "http" and "https", so that the engine calls its Start for every request of this
// process. Start asks the core's RequestFilter, when one is set, and either hands the request
// back to the engine's default handler or answers it with the filter's bytes; without a
// filter every request goes back to the default handler.
//
// urlmon first tries to create a protocol aggregated (asking for IUnknown), then alone; the
// object supports both. Its class factory is NSHandleFactory.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "filter/RequestFilter.h"
#include "win32/platform/Win32CodePage.h"
#include "win32/platform/WinApi.h"

#include <urlmon.h>

namespace lumbrel::win32 {

// What every handler of the process shares with its factory: the code page the engine's
// URLs are converted to, and the filter the program plugs in (none until it does) with the
// thread it belongs to. The filter's lists live on the user-interface thread: a request that
// arrives on any other thread (a binding the engine runs on a worker) goes to the default
// handler rather than read them while the user edits them.
struct NSHandleContext {
    Win32CodePage codePage;

    void SetFilter(RequestFilter* filter) {
        thread_ = filter ? GetCurrentThreadId() : 0;
        filter_ = filter;
    }
    // The filter when the caller runs on its thread; null otherwise.
    RequestFilter* FilterForThisThread() const {
        RequestFilter* filter = filter_;
        return filter && thread_ == GetCurrentThreadId() ? filter : nullptr;
    }

private:
    std::atomic<RequestFilter*> filter_{nullptr};
    std::atomic<DWORD> thread_{0};
};

// COM interfaces have no virtual destructor by design: an object deletes itself in Release.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class LumbrelNSHandle final : public IInternetProtocol, public IInternetProtocolInfo {
public:
    // COM creation. With `outer`, `iid` must be IID_IUnknown (CLASS_E_NOAGGREGATION else)
    // and the object returned is the aggregator's private inner unknown.
    static HRESULT Create(IUnknown* outer, REFIID iid, void** object,
                          std::shared_ptr<NSHandleContext> context);

    // --- IUnknown, delegating to the controlling unknown ---
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // --- IInternetProtocolRoot ---
    HRESULT STDMETHODCALLTYPE Start(LPCWSTR url, IInternetProtocolSink* sink,
                                    IInternetBindInfo* bindInfo, DWORD flags,
                                    HANDLE_PTR reserved) override;
    HRESULT STDMETHODCALLTYPE Continue(PROTOCOLDATA* data) override;
    HRESULT STDMETHODCALLTYPE Abort(HRESULT reason, DWORD options) override;
    HRESULT STDMETHODCALLTYPE Terminate(DWORD options) override;
    HRESULT STDMETHODCALLTYPE Suspend() override;
    HRESULT STDMETHODCALLTYPE Resume() override;

    // --- IInternetProtocol ---
    // Copies the next bytes of an answer; S_FALSE once nothing is left.
    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG size, ULONG* read) override;
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin,
                                   ULARGE_INTEGER* position) override;
    HRESULT STDMETHODCALLTYPE LockRequest(DWORD options) override;
    HRESULT STDMETHODCALLTYPE UnlockRequest() override;

    // --- IInternetProtocolInfo: the default handling, except an exact CompareUrl ---
    HRESULT STDMETHODCALLTYPE ParseUrl(LPCWSTR url, PARSEACTION action, DWORD flags, LPWSTR result,
                                       DWORD size, DWORD* resultSize, DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE CombineUrl(LPCWSTR base, LPCWSTR relative, DWORD flags, LPWSTR result,
                                         DWORD size, DWORD* resultSize, DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE CompareUrl(LPCWSTR first, LPCWSTR second, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE QueryInfo(LPCWSTR url, QUERYOPTION option, DWORD flags, LPVOID buffer,
                                        DWORD size, DWORD* resultSize, DWORD reserved) override;

private:
    // The object's own identity: it counts the references and answers QueryInterface. When
    // the object is aggregated only the aggregator holds it.
    class Inner final : public IUnknown {
    public:
        explicit Inner(LumbrelNSHandle& owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;

    private:
        LumbrelNSHandle& owner_;
    };

    LumbrelNSHandle(IUnknown* outer, std::shared_ptr<NSHandleContext> context);
    ~LumbrelNSHandle();
    LumbrelNSHandle(const LumbrelNSHandle&) = delete;
    LumbrelNSHandle& operator=(const LumbrelNSHandle&) = delete;

    RequestDecision Decide(LPCWSTR url, IInternetBindInfo* bindInfo) const;
    void Answer(IInternetProtocolSink* sink, std::string body);

    Inner inner_;
    IUnknown* controlling_;
    std::atomic<ULONG> references_{1};
    std::shared_ptr<NSHandleContext> context_;
    std::string answer_;
    size_t answerRead_ = 0;
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace lumbrel::win32
