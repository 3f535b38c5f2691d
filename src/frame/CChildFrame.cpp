#include "frame/CChildFrame.h"

#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"

namespace lumbrel {

CChildFrame::CChildFrame(CMainFrame& frame, ChildId id, const ChildOpening& opening,
                         int defaultProperty, std::string defaultWebProxy)
    : frame_(frame),
      id_(id),
      opening_(opening),
      view_(frame, *this, defaultProperty, std::move(defaultWebProxy)) {}

CChildFrame::~CChildFrame() = default;

void CChildFrame::FirstShown() {
    opening_ = ChildOpening{};
    openFlags_ = 0;
}

void CChildFrame::RememberOpened(ChildId opened, int64_t when) {
    lastOpened_ = opened;
    lastOpenedTime_ = when;
}

void CChildFrame::OnCloseRequest() {
    // The frame may destroy this object: nothing of it is touched afterwards.
    frame_.CloseChild(id_);
}

void CChildFrame::OnMdiActivate(bool active) {
    frame_.OnChildActivate(id_, active);
}

void CChildFrame::OnSizeCommand(SizeCommand command) {
    frame_.OnChildSizeCommand(command);
}

bool CChildFrame::PaintsFrame() {
    return frame_.ChildrenDisplayMode() != DisplayMode::Maximized;
}

bool CChildFrame::PassesResize(bool maximized) {
    return maximized || frame_.ChildrenDisplayMode() != DisplayMode::Maximized;
}

void CChildFrame::OnPosted(uint32_t message, uintptr_t wParam, intptr_t) {
    switch (message) {
        case UM_FOCUS_PAGE:
            if (view_.Location() != kAboutBlank && view_.Browser())
                view_.Browser()->FocusPage();
            break;
        case kWmClose:
            OnCloseRequest();
            break;
        case kWmCommand:
            // A command meant for this window's page (a tab action), not the active one's.
            if (CQuorralView::HandlesCommand(static_cast<int>(wParam & 0xFFFF)))
                view_.OnCommand(static_cast<int>(wParam & 0xFFFF));
            break;
        default:
            break;
    }
}

void CChildFrame::OnTimer(uint32_t timerId) {
    view_.OnTimer(timerId);
}

}  // namespace lumbrel
