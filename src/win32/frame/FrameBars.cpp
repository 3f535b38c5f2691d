#include "win32/frame/FrameBars.h"

#include "commands/CommandIds.h"

namespace lumbrel::win32 {
namespace {

constexpr int kTopRebarId = 59419;
constexpr int kBottomRebarId = 59420;
constexpr int kTabBandIdealWidth = 200;

}  // namespace

bool FrameBars::Create(HWND frame) {
    return top_.Create(frame, kTopRebarId, RebarLayout::Edge::Top) &&
           bottom_.Create(frame, kBottomRebarId, RebarLayout::Edge::Bottom);
}

bool FrameBars::HoldsControl(HWND window) const {
    return window == top_.Handle() || window == bottom_.Handle();
}

bool FrameBars::AddAddressBand(HWND address, int height, bool visible) {
    return top_.AddBand({IDM_VIEW_ADDRESS_BAR, address, height, 0, visible});
}

bool FrameBars::AddLinksBand(HWND links, int height, bool visible) {
    return top_.AddBand({IDM_VIEW_LINKS_BAR, links, height, 0, visible});
}

bool FrameBars::AddSearchBand(HWND search, int height, int idealWidth, bool visible) {
    return top_.AddBand({IDM_VIEW_SEARCH_BAR, search, height, idealWidth, visible});
}

void FrameBars::SetSearchBandWidth(int idealWidth) {
    top_.SetIdealWidth(IDM_VIEW_SEARCH_BAR, idealWidth);
}

bool FrameBars::AddTabBand(HWND tabs, bool atTop, int height, bool visible) {
    tabsAtTop_ = atTop;
    // The tab band leads the top rebar, as its visibility key "bandb0" says.
    return TabHolder().AddBand({IDM_VIEW_TAB_BAR, tabs, height, kTabBandIdealWidth, visible});
}

bool FrameBars::FitTabBand(int height) {
    return TabHolder().FitBand(IDM_VIEW_TAB_BAR, height, kTabBandIdealWidth);
}

RebarLayout* FrameBars::Holder(int bandId) {
    if (top_.HasBand(bandId))
        return &top_;
    if (bottom_.HasBand(bandId))
        return &bottom_;
    return nullptr;
}

void FrameBars::ShowBand(int bandId, bool show) {
    if (RebarLayout* holder = Holder(bandId))
        holder->ShowBand(bandId, show);
}

std::vector<BandLayout> FrameBars::Bands() const {
    std::vector<BandLayout> bands;
    for (const BandLayout& band : TabHolder().Bands())
        if (band.id == IDM_VIEW_TAB_BAR)
            bands.push_back(band);
    for (const BandLayout& band : top_.Bands())
        if (band.id != IDM_VIEW_TAB_BAR)
            bands.push_back(band);
    return bands;
}

FrameBars::PageArea FrameBars::Arrange(int width, int height, int statusHeight) {
    const int top = top_.ArrangeAtTop();
    const int statusTop = height - statusHeight;
    const int bottomHeight = bottom_.ArrangeAbove(statusTop, width);
    return PageArea{top, std::max(top, statusTop - bottomHeight)};
}

}  // namespace lumbrel::win32
