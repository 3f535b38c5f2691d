// The frame's two rebars and which bar lives in which: the top rebar holds the address band
// and, when the tabs are placed at the top, the tab band; the bottom rebar, just above the
// status bar, holds the tab band otherwise. A band's id is the command id that shows it, so
// the bar commands and the saved layout name bands the same way wherever they sit.
#pragma once

#include <vector>

#include "platform/FrameWindow.h"
#include "win32/frame/RebarLayout.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

class FrameBars {
public:
    // Creates both rebars as children of `frame` (the bottom one stays empty and hidden until
    // the tab band goes there).
    bool Create(HWND frame);
    // The window the bars' controls are created in before their bands exist.
    HWND TopRebar() const { return top_.Handle(); }
    bool HoldsControl(HWND window) const;

    bool AddAddressBand(HWND address, int height, bool visible);
    // The links bar's band, after the address band.
    bool AddLinksBand(HWND links, int height, bool visible);
    // The search bar's band, after the links band; `idealWidth` its width when there is room.
    bool AddSearchBand(HWND search, int height, int idealWidth, bool visible);
    // Gives the search band its new ideal width (its engine buttons changed).
    void SetSearchBandWidth(int idealWidth);
    // Puts the tab control into its band, at the top or above the status bar.
    bool AddTabBand(HWND tabs, bool atTop, int height, bool visible);
    // Gives the tab band `height`; false when it had that height already.
    bool FitTabBand(int height);
    void ShowBand(int bandId, bool show);
    // The tab band first, then the top rebar's other bands in display order.
    std::vector<BandLayout> Bands() const;

    struct PageArea {
        int top;
        int bottom;
    };
    // Lays both rebars out over a client area `width` wide and `height` high whose bottom
    // `statusHeight` pixels belong to the status bar; returns what is left for the pages.
    PageArea Arrange(int width, int height, int statusHeight);

private:
    RebarLayout& TabHolder() { return tabsAtTop_ ? top_ : bottom_; }
    const RebarLayout& TabHolder() const { return tabsAtTop_ ? top_ : bottom_; }
    RebarLayout* Holder(int bandId);

    RebarLayout top_;
    RebarLayout bottom_;
    bool tabsAtTop_ = true;
};

}  // namespace lumbrel::win32
