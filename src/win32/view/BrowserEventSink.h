// The DWebBrowserEvents2 sink of one hosted control. Each engine event becomes one call of the
// core's BrowserEvents with ANSI texts; the core's answers (cancel, the new window's control)
// are written back into the event's arguments. Frames are identified by their COM identity,
// the top level by the identity of the control the host created.
// Disconnect (the start of the host's teardown) makes every later event a no-op, even one the
// engine had already queued.
#pragma once

#include <atomic>

#include "platform/BrowserControl.h"
#include "platform/CodePage.h"
#include "win32/platform/ComPtr.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

// COM interfaces have no virtual destructor by design: an object deletes itself in Release.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class BrowserEventSink final : public IDispatch {
public:
    // `browserIdentity` is the control's IUnknown; not owned, only compared.
    static ComPtr<BrowserEventSink> Create(BrowserEvents& events, const CodePage& codePage,
                                           IUnknown* browserIdentity);

    void Disconnect();
    bool Connected() const { return events_ != nullptr; }

    // IUnknown: answers IDispatch and DIID_DWebBrowserEvents2 alike.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) override;
    // Known events answer S_OK (also when ignored after Disconnect), unknown ones
    // DISP_E_MEMBERNOTFOUND, an event with too few arguments DISP_E_BADPARAMCOUNT.
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    class Args;

    BrowserEventSink(BrowserEvents& events, const CodePage& codePage, IUnknown* browserIdentity)
        : events_(&events), codePage_(&codePage), browserIdentity_(browserIdentity) {}
    ~BrowserEventSink() = default;

    void Deliver(DISPID id, const Args& args);
    void BeforeNavigate2(const Args& args);
    void NavigateError(const Args& args);
    void NewWindow2(const Args& args);
    std::string Text(const VARIANT& value) const;
    FrameToken FrameOf(const VARIANT& value) const;
    bool IsTopLevel(FrameToken frame) const;

    std::atomic<ULONG> references_{1};
    BrowserEvents* events_;
    const CodePage* codePage_;
    IUnknown* browserIdentity_;
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace lumbrel::win32
