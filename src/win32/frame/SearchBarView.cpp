#include "win32/frame/SearchBarView.h"

#include <utility>

namespace lumbrel::win32 {
namespace {

constexpr int kSearchBarId = 1004;

}  // namespace

bool SearchBarView::Create(HWND owner, FrameBars& bars, std::optional<std::string> cells,
                           bool visible, CommandStateQuery states) {
    owner_ = owner;
    states_ = std::move(states);
    SearchBandWindow::Events events;
    events.command = [this](int id) { Post(id); };
    events.dropDown = [this](int x, int y) { ShowEngineMenu(x, y); };
    events.deleteKeyword = [this](size_t position) {
        frame_.Search().DeleteTypedKeyword(position);
    };
    events.escape = [this] { frame_.Search().FocusActivePage(); };
    events.tooltip = [this](int id) {
        // A button's text in the string table is its status text, "\n", its tooltip.
        const std::string text = app_.LngLoadString(id);
        const size_t tip = text.find('\n');
        return tip == std::string::npos ? text : text.substr(tip + 1);
    };
    events.widthChanged = [&bars](int width) { bars.SetSearchBandWidth(width); };
    if (!band_.Create(bars.TopRebar(), kSearchBarId, std::move(cells), std::move(events)))
        return false;
    return bars.AddSearchBand(band_.Handle(), band_.Height(), band_.IdealWidth(), visible);
}

void SearchBarView::Attach() {
    frame_.Search().SetBand(&band_);
    attached_ = true;
}

void SearchBarView::Detach() {
    if (attached_)
        frame_.Search().SetBand(nullptr);
    attached_ = false;
}

void SearchBarView::ShowEngineMenu(int x, int y) {
    const int id = TrackContextMenu(frame_.Search().EngineMenu(false), "", app_.Lang(), owner_,
                                    POINT{x, y}, states_);
    if (id > 0)
        Post(id);
}

void SearchBarView::Post(int commandId) const {
    PostMessageA(owner_, WM_COMMAND, static_cast<WPARAM>(commandId), 0);
}

}  // namespace lumbrel::win32
