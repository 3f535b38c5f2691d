#include "frame/CChildFrame.h"

#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"

namespace lumbrel {

CChildFrame::CChildFrame(CMainFrame& frame, ChildId id, const ViewSettings& viewSettings)
    : frame_(frame), id_(id), view_(frame, *this, viewSettings) {}

CChildFrame::~CChildFrame() = default;

void CChildFrame::OnCloseRequest() {
    // The frame may destroy this object: nothing of it is touched afterwards.
    frame_.CloseChild(*this);
}

void CChildFrame::OnMdiActivate(bool active) {
    frame_.OnChildActivate(*this, active);
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

void CChildFrame::OnPosted(uint32_t message, uintptr_t, intptr_t) {
    switch (message) {
        case UM_FOCUS_PAGE:
            if (view_.Location() != "about:blank" && view_.Browser())
                view_.Browser()->FocusPage();
            break;
        case kWmClose:
            OnCloseRequest();
            break;
        default:
            break;
    }
}

void CChildFrame::OnTimer(uint32_t) {}

}  // namespace lumbrel
