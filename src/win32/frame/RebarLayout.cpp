#include "win32/frame/RebarLayout.h"

#include <commctrl.h>

namespace lumbrel::win32 {
namespace {

// A band's width before the user drags it: the rebar stretches the last band of a row.
constexpr UINT kInitialBandWidth = 400;

}  // namespace

bool RebarLayout::Create(HWND frame, int controlId, Edge edge) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT | RBS_BANDBORDERS |
                  CCS_NODIVIDER;
    // The bottom rebar shares the bottom edge with the status bar: its owner places it.
    style |= edge == Edge::Top ? WS_VISIBLE : CCS_NOPARENTALIGN | CCS_NORESIZE;
    rebar_ = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, nullptr, style, 0, 0, 0, 0, frame,
                             reinterpret_cast<HMENU>(INT_PTR{controlId}), GetModuleHandleA(nullptr),
                             nullptr);
    return rebar_ != nullptr;
}

bool RebarLayout::AddBand(const Band& wanted) {
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_STYLE | RBBIM_SIZE;
    band.fStyle = RBBS_CHILDEDGE | RBBS_BREAK | (wanted.visible ? 0 : RBBS_HIDDEN);
    band.hwndChild = wanted.child;
    band.cyMinChild = static_cast<UINT>(wanted.height);
    band.cyChild = static_cast<UINT>(wanted.height);
    band.cx = kInitialBandWidth;
    band.wID = static_cast<UINT>(wanted.id);
    if (wanted.idealWidth > 0) {
        band.fMask |= RBBIM_IDEALSIZE;
        band.cxIdeal = static_cast<UINT>(wanted.idealWidth);
    }
    return SendMessageA(rebar_, RB_INSERTBANDA, 0, reinterpret_cast<LPARAM>(&band)) != 0;
}

int RebarLayout::IndexOf(int bandId) const {
    return rebar_ ? static_cast<int>(SendMessageA(rebar_, RB_IDTOINDEX, bandId, 0)) : -1;
}

bool RebarLayout::HasBand(int bandId) const {
    return IndexOf(bandId) >= 0;
}

bool RebarLayout::FitBand(int bandId, int height, int idealWidth) {
    const int index = IndexOf(bandId);
    if (index < 0)
        return false;
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILDSIZE;
    SendMessageA(rebar_, RB_GETBANDINFOA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&band));
    const auto wanted = static_cast<UINT>(height);
    // Setting the same height again still lays the whole rebar out and repaints it.
    if (band.cyMinChild == wanted)
        return false;
    band.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
    band.cyMinChild = wanted;
    band.cyChild = wanted;
    band.cxIdeal = static_cast<UINT>(idealWidth);
    SendMessageA(rebar_, RB_SETBANDINFOA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&band));
    return true;
}

void RebarLayout::SetIdealWidth(int bandId, int idealWidth) {
    const int index = IndexOf(bandId);
    if (index < 0)
        return;
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_IDEALSIZE;
    band.cxIdeal = static_cast<UINT>(idealWidth);
    SendMessageA(rebar_, RB_SETBANDINFOA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&band));
}

void RebarLayout::ShowBand(int bandId, bool show) {
    const int index = IndexOf(bandId);
    if (index >= 0)
        SendMessageA(rebar_, RB_SHOWBAND, static_cast<WPARAM>(index), show ? TRUE : FALSE);
}

int RebarLayout::ArrangeAtTop() {
    SendMessageA(rebar_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(rebar_, &bar);
    return bar.bottom - bar.top;
}

int RebarLayout::ArrangeAbove(int bottom, int width) {
    bool anyShown = false;
    for (const BandLayout& band : Bands())
        anyShown = anyShown || band.visible;
    if (!anyShown) {
        ShowWindow(rebar_, SW_HIDE);
        return 0;
    }
    // The rows' height depends on the width: give the width first, then ask.
    RECT bar{};
    GetWindowRect(rebar_, &bar);
    MoveWindow(rebar_, 0, bottom - (bar.bottom - bar.top), width, bar.bottom - bar.top, FALSE);
    const int height = static_cast<int>(SendMessageA(rebar_, RB_GETBARHEIGHT, 0, 0));
    MoveWindow(rebar_, 0, bottom - height, width, height, TRUE);
    ShowWindow(rebar_, SW_SHOWNA);
    return height;
}

std::vector<BandLayout> RebarLayout::Bands() const {
    std::vector<BandLayout> bands;
    const int count = static_cast<int>(SendMessageA(rebar_, RB_GETBANDCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        REBARBANDINFOA band{};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_ID | RBBIM_SIZE | RBBIM_STYLE;
        SendMessageA(rebar_, RB_GETBANDINFOA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&band));
        bands.push_back(BandLayout{static_cast<int>(band.wID), static_cast<int>(band.cx),
                                   static_cast<int>(band.fStyle), !(band.fStyle & RBBS_HIDDEN)});
    }
    return bands;
}

}  // namespace lumbrel::win32
