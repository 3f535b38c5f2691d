// The main rebar at the top of the frame and its bands (the tab bar, the address box): adds a
// band for a control, fits a band to its control's height, and reports the bands as the exit
// sequence saves them.
#pragma once

#include <vector>

#include "platform/FrameWindow.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

class RebarLayout {
public:
    // Creates the rebar as a child of `frame`; false when the system refuses.
    bool Create(HWND frame, int controlId);
    HWND Handle() const { return rebar_; }

    // Puts `child` into a new first band with id `bandId`, `height` pixels high. Bands go in
    // front, so the band added last is band 0.
    bool AddBand(int bandId, HWND child, int height, bool visible);
    // Gives band `bandId` the height `height`; false when it had it already or there is no
    // such band.
    bool FitBand(int bandId, int height);
    // Lets the rebar follow the frame's width; returns its height.
    int Arrange();
    std::vector<BandLayout> Bands() const;

private:
    HWND rebar_ = nullptr;
};

}  // namespace lumbrel::win32
