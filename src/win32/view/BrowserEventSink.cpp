#include "win32/view/BrowserEventSink.h"

#include <exdisp.h>
#include <exdispid.h>

#include <optional>

#include "win32/platform/ComGuard.h"
#include "win32/platform/ComValues.h"
#include "win32/view/WebBrowserHost.h"

namespace lumbrel::win32 {
namespace {

// How many arguments each event the core hears about carries; nothing for the others.
std::optional<UINT> ArgumentCount(DISPID id) {
    switch (id) {
        case DISPID_BEFORENAVIGATE2:
            return 7;
        case DISPID_NAVIGATEERROR:
            return 5;
        case DISPID_NAVIGATECOMPLETE2:
        case DISPID_DOCUMENTCOMPLETE:
        case DISPID_PROGRESSCHANGE:
        case DISPID_COMMANDSTATECHANGE:
        case DISPID_NEWWINDOW2:
            return 2;
        case DISPID_TITLECHANGE:
        case DISPID_STATUSTEXTCHANGE:
            return 1;
        case DISPID_DOWNLOADBEGIN:
        case DISPID_DOWNLOADCOMPLETE:
            return 0;
        default:
            return std::nullopt;
    }
}

// The IDispatch** of a VT_BYREF|VT_DISPATCH argument (also behind a variant reference).
IDispatch** DispatchSlot(const VARIANT& value) {
    const VARIANT* v = Unwrap(&value);
    return v && V_VT(v) == (VT_BYREF | VT_DISPATCH) ? V_DISPATCHREF(v) : nullptr;
}

}  // namespace

// An event's arguments in their declared order (DISPPARAMS holds them last to first).
class BrowserEventSink::Args {
public:
    explicit Args(const DISPPARAMS& params) : params_(params) {}

    UINT Count() const { return params_.rgvarg ? params_.cArgs : 0; }
    const VARIANT& operator[](UINT index) const {
        static const VARIANT kEmpty{};
        return index < Count() ? params_.rgvarg[Count() - 1 - index] : kEmpty;
    }
    int32_t Int(UINT index) const { return Int32FromVariant((*this)[index]).value_or(0); }
    bool Bool(UINT index) const { return BoolFromVariant((*this)[index]).value_or(false); }

private:
    const DISPPARAMS& params_;
};

ComPtr<BrowserEventSink> BrowserEventSink::Create(BrowserEvents& events, const CodePage& codePage,
                                                  IUnknown* browserIdentity) {
    return ComPtr<BrowserEventSink>::Adopt(new BrowserEventSink(events, codePage, browserIdentity));
}

void BrowserEventSink::Disconnect() {
    events_ = nullptr;
    browserIdentity_ = nullptr;
}

STDMETHODIMP BrowserEventSink::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) BrowserEventSink::AddRef() {
    return ++references_;
}

STDMETHODIMP_(ULONG) BrowserEventSink::Release() {
    ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

STDMETHODIMP BrowserEventSink::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP BrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP BrowserEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) {
    for (UINT i = 0; ids && i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP BrowserEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                      EXCEPINFO*, UINT*) {
    return ComGuard([&] {
        std::optional<UINT> expected = ArgumentCount(id);
        if (!expected)
            return DISP_E_MEMBERNOTFOUND;
        static const DISPPARAMS kNoArguments{};
        Args args(params ? *params : kNoArguments);
        if (args.Count() < *expected)
            return DISP_E_BADPARAMCOUNT;
        // The core may tear the host down from inside an event, and with it the engine's and
        // the host's references to this sink.
        ComPtr<BrowserEventSink> keepAlive(this);
        if (events_)
            Deliver(id, args);
        return S_OK;
    });
}

void BrowserEventSink::Deliver(DISPID id, const Args& args) {
    switch (id) {
        case DISPID_BEFORENAVIGATE2:
            return BeforeNavigate2(args);
        case DISPID_NAVIGATEERROR:
            return NavigateError(args);
        case DISPID_NEWWINDOW2:
            return NewWindow2(args);
        case DISPID_NAVIGATECOMPLETE2: {
            FrameToken frame = FrameOf(args[0]);
            return events_->OnNavigateComplete2(Text(args[1]), frame, IsTopLevel(frame));
        }
        case DISPID_DOCUMENTCOMPLETE: {
            FrameToken frame = FrameOf(args[0]);
            return events_->OnDocumentComplete(Text(args[1]), frame, IsTopLevel(frame));
        }
        case DISPID_TITLECHANGE:
            return events_->OnTitleChange(Text(args[0]));
        case DISPID_PROGRESSCHANGE:
            return events_->OnProgressChange(args.Int(0), args.Int(1));
        case DISPID_STATUSTEXTCHANGE:
            return events_->OnStatusTextChange(Text(args[0]));
        case DISPID_COMMANDSTATECHANGE:
            return events_->OnCommandStateChange(args.Int(0), args.Bool(1));
        case DISPID_DOWNLOADBEGIN:
            return events_->OnDownloadBegin();
        case DISPID_DOWNLOADCOMPLETE:
            return events_->OnDownloadComplete();
        default:
            return;
    }
}

// (pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel)
void BrowserEventSink::BeforeNavigate2(const Args& args) {
    BeforeNavigateArgs navigation;
    navigation.frame = FrameOf(args[0]);
    navigation.topLevel = IsTopLevel(navigation.frame);
    navigation.url = Text(args[1]);
    navigation.flags = args.Int(2);
    navigation.targetFrame = Text(args[3]);
    navigation.postData = BytesFromVariant(args[4]);
    navigation.headers = Text(args[5]);
    bool cancel = args.Bool(6);
    events_->OnBeforeNavigate2(navigation, cancel);
    WriteBool(args[6], cancel);
}

// (pDisp, URL, Frame, StatusCode, Cancel)
void BrowserEventSink::NavigateError(const Args& args) {
    bool cancel = args.Bool(4);
    events_->OnNavigateError(Text(args[1]), FrameOf(args[0]), args.Int(3), cancel);
    WriteBool(args[4], cancel);
}

// (ppDisp, Cancel). The engine opens the page in the control handed back; only a control of
// this program can take it, anything else refuses the window.
void BrowserEventSink::NewWindow2(const Args& args) {
    bool cancel = args.Bool(1);
    BrowserControl* control = events_->OnNewWindow2(cancel);
    auto* host = dynamic_cast<WebBrowserHost*>(control);
    IDispatch* dispatch = host && !cancel ? host->Dispatch() : nullptr;
    IDispatch** slot = DispatchSlot(args[0]);
    if (dispatch && slot) {
        dispatch->AddRef();
        *slot = dispatch;
    } else {
        cancel = true;
    }
    WriteBool(args[1], cancel);
}

std::string BrowserEventSink::Text(const VARIANT& value) const {
    return AnsiFromVariant(*codePage_, value);
}

FrameToken BrowserEventSink::FrameOf(const VARIANT& value) const {
    // The identity outlives this reference: the engine holds the frame while it raises events
    // about it, and the token is only compared.
    return IdentityOf(ObjectFromVariant(value)).Get();
}

bool BrowserEventSink::IsTopLevel(FrameToken frame) const {
    return frame && frame == browserIdentity_;
}

}  // namespace lumbrel::win32
