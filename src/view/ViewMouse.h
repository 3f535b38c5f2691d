// A view's mouse: its gesture and button rules (MouseGestures) and what they need of this view,
// its window and the main frame. The view hands it the button presses, the captured messages
// and the message filter's mouse messages.
#pragma once

#include "mouse/MouseGestures.h"
#include "mouse/MouseViewHost.h"
#include "mouse/PageDropRules.h"

namespace lumbrel {

class CQuorralView;

class ViewMouse : public MouseViewHost {
public:
    explicit ViewMouse(CQuorralView& view);

    MouseGestures& Gestures() { return gestures_; }
    // The page's drag-and-drop: drag actions, and right-button drags feeding the gestures.
    PageDropRules& Drop() { return drop_; }

    // --- MouseViewHost
    void CaptureMouse() override;
    void ReleaseMouse() override;
    std::optional<WindowAtPoint> WindowAt(PagePoint point) override;
    void PostRightUp(const WindowAtPoint& window, PagePoint point, uint16_t keyState) override;
    void PostLeftClick(PagePoint point) override;
    PagePoint CursorInView() override;
    std::string LinkAt(PagePoint point) override;
    void ScrollPage(int dx, int dy) override;
    void SetPendingOpenMode(int mode) override;
    void PostCommand(int id) override;
    void ShowStatus(const std::string& text) override;
    bool KeepsClickRecord() override;
    bool Closing() override;

private:
    // Null while the view has no window (being made or torn down).
    PageMouseWindow* Window();

    CQuorralView& view_;
    MouseGestures gestures_;
    PageDropRules drop_;
};

}  // namespace lumbrel
