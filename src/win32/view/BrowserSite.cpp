#include "win32/view/BrowserSite.h"

#include <idispids.h>
#include <mshtmdid.h>
#include <olectl.h>

#include "win32/platform/ComGuard.h"
#include "win32/platform/ComValues.h"
#include "win32/view/PageDropTarget.h"

namespace lumbrel::win32 {
namespace {

// CGID_DocHostCommandHandler: declared by <mshtmhst.h>, defined by no MinGW import library.
constexpr GUID kDocHostCommandGroup = {
    0xf38bc242, 0xb950, 0x11d1, {0x89, 0x18, 0x00, 0xc0, 0x4f, 0xc2, 0xc8, 0x36}};

VARIANT BoolAnswer(bool value) {
    VARIANT answer;
    VariantInit(&answer);
    V_VT(&answer) = VT_BOOL;
    V_BOOL(&answer) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return answer;
}

// [out] pointers are set even on failure: callers may release whatever they find there.
template <class T>
void ClearOut(T** out) {
    if (out)
        *out = nullptr;
}

}  // namespace

ComPtr<BrowserSite> BrowserSite::Create(HWND container) {
    return ComPtr<BrowserSite>::Adopt(new BrowserSite(container));
}

void BrowserSite::SetDropEvents(PageDropEvents* events, const CodePage& codePage) {
    dropEvents_ = events;
    codePage_ = &codePage;
    dropLink_ = std::make_shared<int>(0);
}

void BrowserSite::Disconnect() {
    dropLink_.reset();
    dropEvents_ = nullptr;
    container_ = nullptr;
    inPlaceObject_ = nullptr;
    policy_ = nullptr;
    activeObject_.Reset();
}

std::optional<VARIANT> BrowserSite::AmbientProperty(DISPID id, int32_t downloadControlFlags) {
    auto flags = static_cast<uint32_t>(downloadControlFlags);
    switch (id) {
        case DISPID_AMBIENT_DLCONTROL: {
            VARIANT answer;
            VariantInit(&answer);
            V_VT(&answer) = VT_I4;
            V_I4(&answer) = downloadControlFlags;
            return answer;
        }
        case DISPID_AMBIENT_USERMODE:
            return BoolAnswer(true);
        case DISPID_AMBIENT_UIDEAD:
        case DISPID_AMBIENT_SHOWGRABHANDLES:
        case DISPID_AMBIENT_SHOWHATCHING:
        case DISPID_AMBIENT_DISPLAYASDEFAULT:
        case DISPID_AMBIENT_MESSAGEREFLECT:
            return BoolAnswer(false);
        // The control asks for these two before anything else; they follow the flag bits
        // of the same meaning so that one flag set describes the whole download behaviour.
        case DISPID_AMBIENT_OFFLINEIFNOTCONNECTED:
            return BoolAnswer((flags & DLCTL_OFFLINEIFNOTCONNECTED) != 0);
        case DISPID_AMBIENT_SILENT:
            return BoolAnswer((flags & DLCTL_SILENT) != 0);
        default:
            return std::nullopt;
    }
}

// --- IUnknown

STDMETHODIMP BrowserSite::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
        *object = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
        *object = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
        *object = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IOleControlSite)
        *object = static_cast<IOleControlSite*>(this);
    else if (iid == IID_IDocHostUIHandler)
        *object = static_cast<IDocHostUIHandler*>(this);
    else if (iid == IID_IServiceProvider)
        *object = static_cast<IServiceProvider*>(this);
    else if (iid == IID_IOleCommandTarget)
        *object = static_cast<IOleCommandTarget*>(this);
    else if (iid == IID_IDispatch)
        *object = static_cast<IDispatch*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) BrowserSite::AddRef() {
    return ++references_;
}

STDMETHODIMP_(ULONG) BrowserSite::Release() {
    ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

// --- IOleClientSite

STDMETHODIMP BrowserSite::SaveObject() {
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    ClearOut(moniker);
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::GetContainer(IOleContainer** container) {
    ClearOut(container);
    return E_NOINTERFACE;
}

STDMETHODIMP BrowserSite::ShowObject() {
    return S_OK;
}
STDMETHODIMP BrowserSite::OnShowWindow(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserSite::RequestNewObjectLayout() {
    return E_NOTIMPL;
}

// --- IOleWindow

STDMETHODIMP BrowserSite::GetWindow(HWND* window) {
    if (!window)
        return E_POINTER;
    *window = container_;
    return container_ ? S_OK : E_FAIL;
}

STDMETHODIMP BrowserSite::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

// --- IOleInPlaceSite

STDMETHODIMP BrowserSite::CanInPlaceActivate() {
    return container_ ? S_OK : S_FALSE;
}
STDMETHODIMP BrowserSite::OnInPlaceActivate() {
    return S_OK;
}
STDMETHODIMP BrowserSite::OnUIActivate() {
    return S_OK;
}

STDMETHODIMP BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           LPRECT position, LPRECT clip,
                                           LPOLEINPLACEFRAMEINFO frameInfo) {
    ClearOut(frame);
    ClearOut(document);
    if (!frame || !document || !position || !clip || !frameInfo)
        return E_POINTER;
    if (!container_)
        return E_FAIL;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *position = position_;
    *clip = position_;
    frameInfo->fMDIApp = FALSE;
    // The top-level window owns the engine's dialogs.
    frameInfo->hwndFrame = GetAncestor(container_, GA_ROOT);
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP BrowserSite::Scroll(SIZE) {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::OnUIDeactivate(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserSite::OnInPlaceDeactivate() {
    return S_OK;
}
STDMETHODIMP BrowserSite::DiscardUndoState() {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::DeactivateAndUndo() {
    return E_NOTIMPL;
}

// The control asks to move (its Width and Height properties end here): the container agrees
// and applies the rectangle through the in-place object.
STDMETHODIMP BrowserSite::OnPosRectChange(LPCRECT position) {
    if (!position)
        return E_POINTER;
    return ComGuard([&] {
        position_ = *position;
        return inPlaceObject_ ? inPlaceObject_->SetObjectRects(position, position) : S_OK;
    });
}

// --- IOleInPlaceUIWindow / IOleInPlaceFrame: no toolbars or menus to share with the control

STDMETHODIMP BrowserSite::GetBorder(LPRECT) {
    return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP BrowserSite::RequestBorderSpace(LPCBORDERWIDTHS) {
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP BrowserSite::SetBorderSpace(LPCBORDERWIDTHS widths) {
    return widths ? OLE_E_INVALIDRECT : S_OK;
}

STDMETHODIMP BrowserSite::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
    activeObject_ = container_ ? ComPtr<IOleInPlaceActiveObject>(object) : nullptr;
    return S_OK;
}

STDMETHODIMP BrowserSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::SetMenu(HMENU, HOLEMENU, HWND) {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::RemoveMenus(HMENU) {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::SetStatusText(LPCOLESTR) {
    return S_OK;
}
STDMETHODIMP BrowserSite::EnableModeless(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserSite::TranslateAccelerator(LPMSG, WORD) {
    return S_FALSE;
}

// --- IOleControlSite

STDMETHODIMP BrowserSite::OnControlInfoChanged() {
    return S_OK;
}
STDMETHODIMP BrowserSite::LockInPlaceActive(BOOL) {
    return S_OK;
}

STDMETHODIMP BrowserSite::GetExtendedControl(IDispatch** control) {
    ClearOut(control);
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::TransformCoords(POINTL*, POINTF*, DWORD) {
    return E_NOTIMPL;
}
STDMETHODIMP BrowserSite::TranslateAccelerator(MSG*, DWORD) {
    return S_FALSE;
}
STDMETHODIMP BrowserSite::OnFocus(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserSite::ShowPropertyFrame() {
    return E_NOTIMPL;
}

// --- IDocHostUIHandler

STDMETHODIMP BrowserSite::ShowContextMenu(DWORD menuId, POINT* screenPoint, IUnknown* commandTarget,
                                          IDispatch* element) {
    return ComGuard([&] {
        if (!policy_)
            return S_FALSE;
        POINT at = screenPoint ? *screenPoint : POINT{0, 0};
        return policy_->ShowContextMenu(menuId, at, commandTarget, element);
    });
}

STDMETHODIMP BrowserSite::GetHostInfo(DOCHOSTUIINFO* info) {
    if (!info)
        return E_POINTER;
    return ComGuard([&] {
        info->dwFlags = policy_ ? policy_->HostFlags() : 0;
        info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
        return S_OK;
    });
}

STDMETHODIMP BrowserSite::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                                 IOleInPlaceFrame*, IOleInPlaceUIWindow*) {
    return S_FALSE;
}

STDMETHODIMP BrowserSite::HideUI() {
    return S_OK;
}
STDMETHODIMP BrowserSite::UpdateUI() {
    return S_OK;
}
STDMETHODIMP BrowserSite::OnDocWindowActivate(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserSite::OnFrameWindowActivate(BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserSite::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
    return S_OK;
}
STDMETHODIMP BrowserSite::TranslateAccelerator(LPMSG, const GUID*, DWORD) {
    return S_FALSE;
}

STDMETHODIMP BrowserSite::GetOptionKeyPath(LPOLESTR* key, DWORD) {
    ClearOut(key);
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::GetDropTarget(IDropTarget* engineTarget, IDropTarget** target) {
    ClearOut(target);
    if (!target)
        return E_POINTER;
    if (!dropEvents_ || !codePage_ || !container_)
        return E_NOTIMPL;
    return ComGuard([&] {
        *target =
            PageDropTarget::Create(engineTarget, dropEvents_, dropLink_, container_, *codePage_)
                .CopyOut();
        return S_OK;
    });
}

STDMETHODIMP BrowserSite::GetExternal(IDispatch** external) {
    if (!external)
        return E_POINTER;
    *external = nullptr;
    return ComGuard([&] {
        if (policy_)
            *external = policy_->External().Detach();
        return *external ? S_OK : S_FALSE;
    });
}

STDMETHODIMP BrowserSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) {
    ClearOut(translated);
    return S_FALSE;
}

STDMETHODIMP BrowserSite::FilterDataObject(IDataObject*, IDataObject** filtered) {
    ClearOut(filtered);
    return S_FALSE;
}

// --- IServiceProvider: no services yet; the engine falls back to its own.

STDMETHODIMP BrowserSite::QueryService(REFGUID, REFIID, void** object) {
    ClearOut(object);
    return E_NOINTERFACE;
}

// --- IOleCommandTarget

STDMETHODIMP BrowserSite::QueryStatus(const GUID* group, ULONG count, OLECMD* commands,
                                      OLECMDTEXT*) {
    if (!group || *group != kDocHostCommandGroup)
        return OLECMDERR_E_UNKNOWNGROUP;
    if (count && !commands)
        return E_POINTER;
    // Nothing is offered for the menus or toolbars the engine might build from this group.
    for (ULONG i = 0; i < count; ++i)
        commands[i].cmdf = 0;
    return S_OK;
}

STDMETHODIMP BrowserSite::Exec(const GUID* group, DWORD id, DWORD, VARIANT* in, VARIANT* out) {
    if (!group || *group != kDocHostCommandGroup)
        return OLECMDERR_E_UNKNOWNGROUP;
    if (id == OLECMDID_SHOWMESSAGE)
        return ShowMessage(in, out);
    if (id != OLECMDID_SHOWSCRIPTERROR)
        return OLECMDERR_E_NOTSUPPORTED;
    return ComGuard([&] {
        using Answer = DocHostPolicy::ScriptErrorAnswer;
        const Answer answer = policy_ ? policy_->ScriptError() : Answer::EngineDefault;
        // "Not supported" is what makes the engine fall back to its own dialog.
        if (answer == Answer::EngineDefault || !out)
            return static_cast<HRESULT>(OLECMDERR_E_NOTSUPPORTED);
        VariantClear(out);
        V_VT(out) = VT_BOOL;
        V_BOOL(out) = answer == Answer::ContinueScripts ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    });
}

// The engine passes the document the message is about; "not supported" lets it show the box.
HRESULT BrowserSite::ShowMessage(VARIANT* in, VARIANT* out) {
    return ComGuard([&] {
        ComPtr<IDispatch> document;
        if (IUnknown* object = in ? ObjectFromVariant(*in) : nullptr)
            object->QueryInterface(IID_IDispatch, document.PutVoid());
        const bool suppress = policy_ && policy_->SuppressMessage(document.Get());
        if (out) {
            VariantClear(out);
            *out = BoolAnswer(suppress);
        }
        return suppress ? S_OK : static_cast<HRESULT>(OLECMDERR_E_NOTSUPPORTED);
    });
}

// --- IDispatch

STDMETHODIMP BrowserSite::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP BrowserSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    ClearOut(info);
    return E_NOTIMPL;
}

STDMETHODIMP BrowserSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) {
    for (UINT i = 0; ids && i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP BrowserSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                                 EXCEPINFO*, UINT*) {
    return ComGuard([&] {
        if (!(flags & DISPATCH_PROPERTYGET) || !result)
            return DISP_E_MEMBERNOTFOUND;
        std::optional<VARIANT> answer = AmbientProperty(id, downloadControlFlags_);
        if (!answer)
            return DISP_E_MEMBERNOTFOUND;
        *result = *answer;  // an [out] value: whatever the caller left there is not ours
        return S_OK;
    });
}

}  // namespace lumbrel::win32
