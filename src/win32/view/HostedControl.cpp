#include "win32/view/HostedControl.h"

namespace lumbrel::win32 {

void HostedControl::Release() noexcept {
    if (events && cookie)
        events->Unadvise(cookie);
    cookie = 0;
    events.Reset();
    // Close deactivates an in-place object itself; asking first keeps controls that do not
    // from closing with their windows still up.
    if (inPlace)
        inPlace->InPlaceDeactivate();
    if (object) {
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
    }
    dispatch.Reset();
    browser.Reset();
    inPlace.Reset();
    identity.Reset();
    object.Reset();
}

}  // namespace lumbrel::win32
