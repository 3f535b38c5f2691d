// The references a container keeps to one hosted ActiveX control (the WebBrowser control),
// and the one order in which OLE lets such a control go: its events unadvised, the object
// deactivated and closed, its client site unset, and only then every reference released.
// Another order leaves the control holding the container's site or sink (a cycle that
// keeps both alive) or lets it raise events into a container that is half gone.
#pragma once

#include "win32/platform/ComPtr.h"
#include "win32/platform/WinApi.h"

#include <exdisp.h>
#include <ocidl.h>

namespace lumbrel::win32 {

struct HostedControl {
    // The control's event connection point and the cookie of the container's sink on it.
    ComPtr<IConnectionPoint> events;
    DWORD cookie = 0;
    ComPtr<IOleInPlaceObject> inPlace;
    ComPtr<IOleObject> object;
    ComPtr<IWebBrowser2> browser;
    ComPtr<IDispatch> dispatch;
    ComPtr<IUnknown> identity;

    // Runs every step on whatever is there (a half-made control goes the same way) and
    // leaves every member empty. Safe to call again.
    void Release() noexcept;
};

}  // namespace lumbrel::win32
