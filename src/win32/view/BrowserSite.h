// The container side of one hosted WebBrowser control: client site, in-place site and frame,
// control site, document host UI handler and command target, service provider and the ambient
// properties. It
// holds no policy. The WebBrowserHost tells it where the control sits, which in-place object
// moves it and which download-control flags to answer; a DocHostPolicy, when the program sets
// one, decides the context menu, the external object and the host flags.
// After Disconnect (teardown) it answers like an empty container, so a late call from the
// engine finds nothing of the host.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/CodePage.h"
#include "platform/PageDrop.h"

#include "win32/platform/ComPtr.h"
#include "win32/platform/WinApi.h"

#include <mshtmhst.h>
#include <ocidl.h>
#include <servprov.h>

namespace lumbrel::win32 {

// What the program customises of the document host. The defaults are the engine's own
// behaviour: its context menu, no external object, its 3-D border and double-click handling,
// its script error dialog and its message boxes.
class DocHostPolicy {
public:
    // How a script error in the page is dealt with.
    enum class ScriptErrorAnswer {
        EngineDefault,    // the engine asks the user
        ContinueScripts,  // nothing shown, the page's scripts go on
        StopScripts,      // nothing shown, the page's scripts stop
    };

    virtual ~DocHostPolicy() = default;
    // DOCHOSTUIFLAG_* for IDocHostUIHandler::GetHostInfo.
    virtual DWORD HostFlags() { return 0; }
    // S_OK when the program showed its own menu (or chose to show none), S_FALSE to let the
    // engine show its menu. `menuId` is the engine's CONTEXT_MENU_* kind.
    virtual HRESULT ShowContextMenu(DWORD /*menuId*/, const POINT& /*screenPoint*/,
                                    IUnknown* /*commandTarget*/, IDispatch* /*element*/) {
        return S_FALSE;
    }
    // The object page scripts reach as window.external; empty for none.
    virtual ComPtr<IDispatch> External() { return {}; }
    virtual ScriptErrorAnswer ScriptError() { return ScriptErrorAnswer::EngineDefault; }
    // A message box the engine is about to show for `document` (may be null); true when it
    // must not show it.
    virtual bool SuppressMessage(IDispatch* /*document*/) { return false; }
};

// COM interfaces have no virtual destructor by design: an object deletes itself in Release.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class BrowserSite final : public IOleClientSite,
                          public IOleInPlaceSite,
                          public IOleInPlaceFrame,
                          public IOleControlSite,
                          public IDocHostUIHandler,
                          public IServiceProvider,
                          public IOleCommandTarget,
                          public IDispatch {
public:
    // A new site for a control inside `container`; the caller holds its only reference.
    static ComPtr<BrowserSite> Create(HWND container);

    // The rectangle (in the container's client coordinates) the control is given.
    void SetPosition(const RECT& position) { position_ = position; }
    const RECT& Position() const { return position_; }
    void SetDownloadControlFlags(int32_t flags) { downloadControlFlags_ = flags; }
    // Not owned: the host keeps it alive until Disconnect.
    void SetInPlaceObject(IOleInPlaceObject* inPlaceObject) { inPlaceObject_ = inPlaceObject; }
    // Not owned; null for the engine's defaults.
    void SetPolicy(DocHostPolicy* policy) { policy_ = policy; }
    // The object the engine made active for keyboard translation; may be empty.
    const ComPtr<IOleInPlaceActiveObject>& ActiveObject() const { return activeObject_; }
    // The page's drops go to `events` (not owned) through a target wrapping the engine's;
    // null leaves the engine's own target alone. The targets given out stop reaching
    // `events` at Disconnect.
    void SetDropEvents(PageDropEvents* events, const CodePage& codePage);
    // Drops every link to the host and to the control (breaks the reference cycle).
    void Disconnect();

    // The answer to one ambient property for the given download-control flags; nothing for
    // the properties left to the control's defaults.
    static std::optional<VARIANT> AmbientProperty(DISPID id, int32_t downloadControlFlags);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL show) override;
    STDMETHODIMP RequestNewObjectLayout() override;

    // IOleWindow (shared by the in-place site and the frame)
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                  LPRECT position, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO frameInfo) override;
    STDMETHODIMP Scroll(SIZE extent) override;
    STDMETHODIMP OnUIDeactivate(BOOL undoable) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(LPCRECT position) override;

    // IOleInPlaceUIWindow / IOleInPlaceFrame
    STDMETHODIMP GetBorder(LPRECT border) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS widths) override;
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS widths) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR name) override;
    STDMETHODIMP InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS widths) override;
    STDMETHODIMP SetMenu(HMENU shared, HOLEMENU descriptor, HWND activeObject) override;
    STDMETHODIMP RemoveMenus(HMENU shared) override;
    STDMETHODIMP SetStatusText(LPCOLESTR text) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;
    STDMETHODIMP TranslateAccelerator(LPMSG message, WORD id) override;

    // IOleControlSite
    STDMETHODIMP OnControlInfoChanged() override;
    STDMETHODIMP LockInPlaceActive(BOOL lock) override;
    STDMETHODIMP GetExtendedControl(IDispatch** control) override;
    STDMETHODIMP TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override;
    STDMETHODIMP TranslateAccelerator(MSG* message, DWORD modifiers) override;
    STDMETHODIMP OnFocus(BOOL gotFocus) override;
    STDMETHODIMP ShowPropertyFrame() override;

    // IDocHostUIHandler
    STDMETHODIMP ShowContextMenu(DWORD menuId, POINT* screenPoint, IUnknown* commandTarget,
                                 IDispatch* element) override;
    STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* info) override;
    STDMETHODIMP ShowUI(DWORD id, IOleInPlaceActiveObject* object, IOleCommandTarget* target,
                        IOleInPlaceFrame* frame, IOleInPlaceUIWindow* document) override;
    STDMETHODIMP HideUI() override;
    STDMETHODIMP UpdateUI() override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window,
                              BOOL frameWindow) override;
    STDMETHODIMP TranslateAccelerator(LPMSG message, const GUID* group, DWORD id) override;
    STDMETHODIMP GetOptionKeyPath(LPOLESTR* key, DWORD reserved) override;
    STDMETHODIMP GetDropTarget(IDropTarget* engineTarget, IDropTarget** target) override;
    STDMETHODIMP GetExternal(IDispatch** external) override;
    STDMETHODIMP TranslateUrl(DWORD translate, LPWSTR url, LPWSTR* translated) override;
    STDMETHODIMP FilterDataObject(IDataObject* object, IDataObject** filtered) override;

    // IServiceProvider
    STDMETHODIMP QueryService(REFGUID service, REFIID iid, void** object) override;

    // IOleCommandTarget: the document host's command group (the engine asks its host before
    // it shows a script error); every other group is unknown here.
    STDMETHODIMP QueryStatus(const GUID* group, ULONG count, OLECMD* commands,
                             OLECMDTEXT* text) override;
    STDMETHODIMP Exec(const GUID* group, DWORD id, DWORD option, VARIANT* in,
                      VARIANT* out) override;

    // IDispatch: the ambient properties
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    explicit BrowserSite(HWND container) : container_(container) {}
    ~BrowserSite() = default;
    HRESULT ShowMessage(VARIANT* in, VARIANT* out);

    std::atomic<ULONG> references_{1};
    HWND container_;
    RECT position_{};
    int32_t downloadControlFlags_ = 0;
    IOleInPlaceObject* inPlaceObject_ = nullptr;
    DocHostPolicy* policy_ = nullptr;
    ComPtr<IOleInPlaceActiveObject> activeObject_;
    PageDropEvents* dropEvents_ = nullptr;
    const CodePage* codePage_ = nullptr;
    std::shared_ptr<int> dropLink_;  // expires at Disconnect
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace lumbrel::win32
