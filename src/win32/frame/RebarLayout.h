// A rebar along an edge of the frame and its bands: adds a band for a control, fits a band
// to its control's height, shows or hides a band, and reports the bands as the exit
// sequence saves them. The top rebar follows the frame by itself; the bottom one is placed
// above the status bar by its owner and hides itself while it has no band to show.
#pragma once

#include <vector>

#include "platform/FrameWindow.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

class RebarLayout {
public:
    enum class Edge { Top, Bottom };
    struct Band {
        int id;
        HWND child;
        int height;
        int idealWidth;  // 0: none
        bool visible;
    };

    // Creates the rebar as a child of `frame`; false when the system refuses.
    bool Create(HWND frame, int controlId, Edge edge);
    HWND Handle() const { return rebar_; }

    // Puts `band.child` into a new first band: the band added last is band 0.
    bool AddBand(const Band& band);
    bool HasBand(int bandId) const;
    // Gives band `bandId` the height `height` (and its ideal width); false when it had that
    // height already or there is no such band.
    bool FitBand(int bandId, int height, int idealWidth);
    // The width band `bandId` takes when the rebar has room.
    void SetIdealWidth(int bandId, int idealWidth);
    void ShowBand(int bandId, bool show);
    // The top rebar follows the frame's width; returns its height.
    int ArrangeAtTop();
    // The bottom rebar spans `width` pixels and ends at `bottom`; returns its height (0 when
    // no band shows).
    int ArrangeAbove(int bottom, int width);
    std::vector<BandLayout> Bands() const;

private:
    int IndexOf(int bandId) const;

    HWND rebar_ = nullptr;
};

}  // namespace lumbrel::win32
