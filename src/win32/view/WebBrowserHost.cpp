#include "win32/view/WebBrowserHost.h"

#include <idispids.h>
#include <tlogstg.h>

#include <cstring>

#include "win32/platform/ComValues.h"
#include "win32/view/BrowserEventSink.h"
#include "win32/view/BrowserSite.h"
#include "win32/view/PageMessages.h"
#include "win32/view/PageSelection.h"
#include "win32/view/Win32PageDocument.h"

namespace lumbrel::win32 {
namespace {

RECT ControlRect(int width, int height) {
    constexpr int b = WebBrowserHost::kBorder;
    return RECT{-b, -b, width + b, height + b};
}

// IID_ITravelLogStg, also the service id of the engine's travel log (SID_STravelLogCursor):
// declared by <tlogstg.h>, defined by no MinGW import library.
constexpr GUID kTravelLogService = {
    0x7ebfdd80, 0xad18, 0x11d3, {0xa4, 0xc5, 0x00, 0xc0, 0x4f, 0x72, 0xd6, 0xb8}};

constexpr const char* kDocumentViewClass = "Shell DocObject View";

// EnumChildWindows: stops at the first document view and stores it at `found`.
BOOL CALLBACK FindDocumentView(HWND window, LPARAM found) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (std::strcmp(name, kDocumentViewClass) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

IOleClientSite* AsClientSite(const ComPtr<BrowserSite>& site) {
    return static_cast<IOleClientSite*>(site.Get());
}

}  // namespace

WebBrowserHost::WebBrowserHost(BrowserEvents& events, const CodePage& codePage)
    : events_(events), codePage_(codePage) {}

WebBrowserHost::~WebBrowserHost() {
    Destroy();
}

bool WebBrowserHost::Create(HWND parent, int width, int height) {
    if (site_ || view_.Handle() || !parent)
        return false;
    bool created = false;
    try {
        created = view_.Create(parent, RECT{0, 0, width, height}) &&
                  CreateControl(view_.Handle(), ControlRect(width, height)) && ConnectEvents();
    } catch (...) {
        created = false;
    }
    if (!created) {
        Destroy();
        return false;
    }
    BrowserViewWindow::Listener listener;
    listener.notified = [this](const ChildNotice& notice) { events_.OnParentNotify(notice); };
    listener.mouse = [this](const PageMouse& mouse) { return events_.OnViewMouse(mouse); };
    // The parent went first (its owner did not call Destroy): the control must be closed
    // while its window still exists.
    listener.destroying = [this] { ReleaseControl(); };
    view_.SetListener(std::move(listener));
    return true;
}

bool WebBrowserHost::CreateControl(HWND view, const RECT& position) {
    site_ = BrowserSite::Create(view);
    site_->SetPosition(position);
    site_->SetDownloadControlFlags(downloadControlFlags_);
    site_->SetPolicy(policy_);
    if (PageDropEvents* drops = events_.DropEvents())
        site_->SetDropEvents(drops, codePage_);
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                control_.object.PutVoid())))
        return false;
    // The control reads the ambient properties as soon as it has a site.
    if (FAILED(control_.object->SetClientSite(AsClientSite(site_))))
        return false;
    control_.browser = control_.object.As<IWebBrowser2>();
    control_.inPlace = control_.object.As<IOleInPlaceObject>();
    control_.identity = IdentityOf(control_.object.Get());
    if (!control_.browser || !control_.inPlace || !control_.identity)
        return false;
    if (FAILED(control_.browser->get_Application(control_.dispatch.Put())) || !control_.dispatch)
        control_.dispatch = control_.browser.As<IDispatch>();
    site_->SetInPlaceObject(control_.inPlace.Get());

    RECT rect = position;
    if (FAILED(control_.object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, AsClientSite(site_), 0,
                                       view, &rect)))
        return false;
    if (FAILED(control_.inPlace->GetWindow(&controlWindow_)) || !controlWindow_)
        return false;
    SetWindowLongPtrA(controlWindow_, GWLP_ID, kControlId);
    return true;
}

bool WebBrowserHost::ConnectEvents() {
    auto container = control_.object.As<IConnectionPointContainer>();
    if (!container ||
        FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, control_.events.Put())))
        return false;
    sink_ = BrowserEventSink::Create(events_, codePage_, control_.identity.Get());
    if (FAILED(control_.events->Advise(sink_.Get(), &control_.cookie))) {
        control_.cookie = 0;
        return false;
    }
    return true;
}

void WebBrowserHost::Destroy() {
    // Closing the control destroys its window, which the view would report.
    view_.SetListener({});
    ReleaseControl();
    view_.Destroy();
}

void WebBrowserHost::ReleaseControl() {
    // First, so that whatever the teardown makes the engine raise never reaches the core.
    if (sink_)
        sink_->Disconnect();
    control_.Release();
    if (site_)
        site_->Disconnect();
    site_.Reset();
    sink_.Reset();
    controlWindow_ = nullptr;
}

void WebBrowserHost::Resize(int width, int height) {
    if (!controlWindow_)
        return;
    FitView(width, height);
    RECT wanted = ControlRect(width, height);
    RECT current{};
    if (GetWindowRect(controlWindow_, &current)) {
        MapWindowPoints(HWND_DESKTOP, view_.Handle(), reinterpret_cast<POINT*>(&current), 2);
        if (current.left == wanted.left && current.top == wanted.top &&
            ResizeThroughProperties(current, width, height))
            return;
    }
    MoveControl(wanted);
}

// A zero dimension (a minimised parent) keeps the view's size in that direction, as the
// control keeps its own.
void WebBrowserHost::FitView(int width, int height) {
    RECT client{};
    GetClientRect(view_.Handle(), &client);
    SetWindowPos(view_.Handle(), nullptr, 0, 0, width ? width : client.right,
                 height ? height : client.bottom, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

// The engine's Width and Height, each written only when it changes and the area has that
// dimension at all (a minimised parent reports 0 and the page keeps its layout). False when
// the engine refused or did not follow, so that the caller moves the window itself.
bool WebBrowserHost::ResizeThroughProperties(const RECT& current, int width, int height) {
    const long wantedWidth = width + 2 * kBorder;
    const long wantedHeight = height + 2 * kBorder;
    bool writeWidth = width != 0 && current.right - current.left != wantedWidth;
    bool writeHeight = height != 0 && current.bottom - current.top != wantedHeight;
    if (writeWidth && FAILED(control_.browser->put_Width(wantedWidth)))
        return false;
    if (writeHeight && FAILED(control_.browser->put_Height(wantedHeight)))
        return false;
    if (!writeWidth && !writeHeight)
        return true;
    RECT now{};
    if (!GetWindowRect(controlWindow_, &now))
        return false;
    return (!writeWidth || now.right - now.left == wantedWidth) &&
           (!writeHeight || now.bottom - now.top == wantedHeight);
}

void WebBrowserHost::MoveControl(const RECT& position) {
    site_->SetPosition(position);
    if (FAILED(control_.inPlace->SetObjectRects(&position, &position)))
        MoveWindow(controlWindow_, position.left, position.top, position.right - position.left,
                   position.bottom - position.top, TRUE);
}

void WebBrowserHost::SetDownloadControlFlags(int32_t flags) {
    int32_t oldFlags = downloadControlFlags_;
    downloadControlFlags_ = flags;
    if (!site_ || !control_.object)
        return;
    site_->SetDownloadControlFlags(flags);
    AnnounceAmbientChange(oldFlags);
}

// The control is told, and so is the document it shows: the document reads the flags for
// its own downloads, and not every engine version passes the news on.
void WebBrowserHost::AnnounceAmbientChange(int32_t oldFlags) {
    auto changed = static_cast<uint32_t>(oldFlags ^ downloadControlFlags_);
    if (auto control = control_.object.As<IOleControl>()) {
        control->OnAmbientPropertyChange(DISPID_AMBIENT_DLCONTROL);
        if (changed & DLCTL_SILENT)
            control->OnAmbientPropertyChange(DISPID_AMBIENT_SILENT);
        if (changed & DLCTL_OFFLINEIFNOTCONNECTED)
            control->OnAmbientPropertyChange(DISPID_AMBIENT_OFFLINEIFNOTCONNECTED);
    }
    ComPtr<IDispatch> document;
    if (control_.browser && SUCCEEDED(control_.browser->get_Document(document.Put())) && document) {
        if (auto documentControl = document.As<IOleControl>())
            documentControl->OnAmbientPropertyChange(DISPID_AMBIENT_DLCONTROL);
    }
}

void WebBrowserHost::SetDocHostPolicy(DocHostPolicy* policy) {
    policy_ = policy;
    if (site_)
        site_->SetPolicy(policy);
}

bool WebBrowserHost::IsInView(HWND window) const {
    HWND view = view_.Handle();
    return view && window && (window == view || IsChild(view, window));
}

bool WebBrowserHost::PreTranslateMessage(MSG& message) {
    if (!controlWindow_ || !IsInView(message.hwnd))
        return false;
    try {
        return OfferToView(message);
    } catch (...) {
        return false;  // the message goes on as it came
    }
}

bool WebBrowserHost::OfferToView(MSG& message) {
    const std::weak_ptr<int> alive = lifetime_;
    if (std::optional<PageKey> key = PageKeyOf(message)) {
        const KeyVerdict verdict = events_.OnPageKey(*key);
        if (alive.expired() || verdict == KeyVerdict::Eat)
            return true;
        if (verdict == KeyVerdict::DeliverAsChar) {
            message.message = WM_CHAR;
            return false;
        }
        return TranslateKey(message);
    }
    if (std::optional<PageMouse> mouse = PageMouseOf(message, view_.Handle()))
        return events_.OnPageMouse(*mouse) || alive.expired();
    return TranslateKey(message);
}

// The engine's own keys (Tab through the page, Ctrl+C, …); characters are none of them.
bool WebBrowserHost::TranslateKey(MSG& message) {
    if (!controlWindow_ || message.message < WM_KEYFIRST || message.message > WM_KEYLAST ||
        message.message == WM_CHAR)
        return false;
    ComPtr<IOleInPlaceActiveObject> active = site_->ActiveObject();
    if (!active)
        active = control_.object.As<IOleInPlaceActiveObject>();
    return active && active->TranslateAccelerator(&message) == S_OK;
}

template <class Call>
bool WebBrowserHost::Guarded(Call&& call) {
    if (!control_.browser)
        return false;
    try {
        return SUCCEEDED(call(*control_.browser));
    } catch (...) {
        return false;
    }
}

bool WebBrowserHost::Navigate2(const std::string& url, int32_t flags, const std::string& target,
                               const std::string& headers, const std::string& postData) {
    return Guarded([&](IWebBrowser2& browser) {
        Variant urlValue = Variant::String(codePage_, url);
        Variant flagsValue = Variant::Int32(flags);
        Variant targetValue = target.empty() ? Variant() : Variant::String(codePage_, target);
        Variant headersValue = headers.empty() ? Variant() : Variant::String(codePage_, headers);
        Variant postValue = postData.empty() ? Variant() : Variant::Bytes(postData);
        return browser.Navigate2(urlValue.Ptr(), flagsValue.Ptr(), targetValue.Ptr(),
                                 postValue.Ptr(), headersValue.Ptr());
    });
}

bool WebBrowserHost::GoHome() {
    return Guarded([](IWebBrowser2& browser) { return browser.GoHome(); });
}

bool WebBrowserHost::GoBack() {
    return Guarded([](IWebBrowser2& browser) { return browser.GoBack(); });
}

bool WebBrowserHost::GoForward() {
    return Guarded([](IWebBrowser2& browser) { return browser.GoForward(); });
}

bool WebBrowserHost::Refresh2(int level) {
    return Guarded([&](IWebBrowser2& browser) {
        Variant levelValue = Variant::Int32(level);
        return browser.Refresh2(levelValue.Ptr());
    });
}

bool WebBrowserHost::Stop() {
    return Guarded([](IWebBrowser2& browser) { return browser.Stop(); });
}

std::string WebBrowserHost::LocationUrl() {
    std::string url;
    Guarded([&](IWebBrowser2& browser) {
        Bstr text;
        HRESULT result = browser.get_LocationURL(text.Put());
        url = AnsiFromBstr(codePage_, text.Get());
        return result;
    });
    return url;
}

std::string WebBrowserHost::LocationName() {
    std::string name;
    Guarded([&](IWebBrowser2& browser) {
        Bstr text;
        HRESULT result = browser.get_LocationName(text.Put());
        name = AnsiFromBstr(codePage_, text.Get());
        return result;
    });
    return name;
}

bool WebBrowserHost::Busy() {
    VARIANT_BOOL busy = VARIANT_FALSE;
    return Guarded([&](IWebBrowser2& browser) { return browser.get_Busy(&busy); }) &&
           busy != VARIANT_FALSE;
}

// UI activation makes the control the active object (keyboard translation, the caret); the
// focus then goes to the document's own window, or to the control while it has none.
void WebBrowserHost::FocusPage() {
    if (!control_.object || !site_)
        return;
    RECT position = site_->Position();
    control_.object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, AsClientSite(site_), 0, view_.Handle(),
                            &position);
    HWND target = controlWindow_;
    ComPtr<IDispatch> document;
    if (SUCCEEDED(control_.browser->get_Document(document.Put())) && document) {
        HWND documentWindow = nullptr;
        auto window = document.As<IOleWindow>();
        if (window && SUCCEEDED(window->GetWindow(&documentWindow)) && documentWindow)
            target = documentWindow;
    }
    if (target)
        SetFocus(target);
}

std::unique_ptr<PageDocument> WebBrowserHost::Document() {
    ComPtr<IDispatch> document;
    if (!Guarded([&](IWebBrowser2& browser) { return browser.get_Document(document.Put()); }) ||
        !document)
        return nullptr;
    return std::make_unique<Win32PageDocument>(std::move(document), codePage_);
}

bool WebBrowserHost::ScrollPage(int dx, int dy) {
    ComPtr<IDispatch> document;
    if (!Guarded([&](IWebBrowser2& browser) { return browser.get_Document(document.Put()); }) ||
        !document)
        return false;
    return Win32PageDocument(std::move(document), codePage_).ScrollBy(dx, dy);
}

ScrollMetrics WebBrowserHost::Metrics() {
    ScrollMetrics metrics;
    HWND view = view_.Handle();
    RECT client{};
    if (!view || !GetClientRect(view, &client))
        return metrics;
    metrics.width = client.right - client.left;
    metrics.height = client.bottom - client.top;
    metrics.scrollBarWidth = GetSystemMetrics(SM_CXVSCROLL);
    metrics.scrollBarHeight = GetSystemMetrics(SM_CYHSCROLL);
    POINT cursor{};
    if (GetCursorPos(&cursor) && ScreenToClient(view, &cursor)) {
        metrics.cursorX = cursor.x;
        metrics.cursorY = cursor.y;
    }
    return metrics;
}

bool WebBrowserHost::HasTravelLog() {
    auto services = control_.browser.As<IServiceProvider>();
    if (!services)
        return false;
    ComPtr<ITravelLogStg> travelLog;
    return SUCCEEDED(
               services->QueryService(kTravelLogService, kTravelLogService, travelLog.PutVoid())) &&
           travelLog;
}

bool WebBrowserHost::ExecWB(int command, int option, std::optional<int32_t> argument) {
    return Guarded([&](IWebBrowser2& browser) {
        Variant in = argument ? Variant::Int32(*argument) : Variant();
        return browser.ExecWB(static_cast<OLECMDID>(command), static_cast<OLECMDEXECOPT>(option),
                              argument ? in.Ptr() : nullptr, nullptr);
    });
}

// The document view is a direct child of the control's window in every engine version seen;
// a deeper one is looked for only when it is not.
bool WebBrowserHost::CommandDocumentView(int commandId) {
    if (!controlWindow_)
        return false;
    HWND target = FindWindowExA(controlWindow_, nullptr, kDocumentViewClass, nullptr);
    if (!target)
        EnumChildWindows(controlWindow_, FindDocumentView, reinterpret_cast<LPARAM>(&target));
    if (!target)
        return false;
    SendMessageA(target, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
    return true;
}

std::string WebBrowserHost::SelectedText() {
    if (!control_.browser)
        return {};
    try {
        return win32::SelectedText(*control_.browser.Get(), codePage_);
    } catch (...) {
        return {};
    }
}

std::vector<std::string> WebBrowserHost::SelectedLinks() {
    if (!control_.browser)
        return {};
    try {
        return win32::SelectedLinks(*control_.browser.Get(), codePage_);
    } catch (...) {
        return {};
    }
}

}  // namespace lumbrel::win32
