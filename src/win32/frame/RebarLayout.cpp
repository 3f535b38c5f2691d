#include "win32/frame/RebarLayout.h"

#include <commctrl.h>

namespace lumbrel::win32 {
namespace {

// A band's width before the user drags it: the rebar stretches the last band of a row.
constexpr UINT kInitialBandWidth = 400;

}  // namespace

bool RebarLayout::Create(HWND frame, int controlId) {
    rebar_ = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                 RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER,
                             0, 0, 0, 0, frame, reinterpret_cast<HMENU>(INT_PTR{controlId}),
                             GetModuleHandleA(nullptr), nullptr);
    return rebar_ != nullptr;
}

bool RebarLayout::AddBand(int bandId, HWND child, int height, bool visible) {
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_STYLE | RBBIM_SIZE;
    band.fStyle = RBBS_CHILDEDGE | RBBS_BREAK | (visible ? 0 : RBBS_HIDDEN);
    band.hwndChild = child;
    band.cyMinChild = static_cast<UINT>(height);
    band.cyChild = static_cast<UINT>(height);
    band.cx = kInitialBandWidth;
    band.wID = static_cast<UINT>(bandId);
    return SendMessageA(rebar_, RB_INSERTBANDA, 0, reinterpret_cast<LPARAM>(&band)) != 0;
}

bool RebarLayout::FitBand(int bandId, int height) {
    const int index = static_cast<int>(SendMessageA(rebar_, RB_IDTOINDEX, bandId, 0));
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
    band.cyMinChild = wanted;
    band.cyChild = wanted;
    SendMessageA(rebar_, RB_SETBANDINFOA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&band));
    return true;
}

int RebarLayout::Arrange() {
    SendMessageA(rebar_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(rebar_, &bar);
    return bar.bottom - bar.top;
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
