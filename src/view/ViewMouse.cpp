#include "view/ViewMouse.h"

#include "app/CBrowserApp.h"
#include "commands/BuiltinMenus.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "view/CQuorralView.h"

namespace lumbrel {
namespace {

MouseEnvironment EnvironmentOf(CQuorralView& view) {
    CMainFrame& frame = view.Frame();
    MouseControl& mouse = frame.Mouse();
    return MouseEnvironment{mouse.settings,
                            mouse.gestures,
                            BuiltinMainMenu(),
                            frame.App().Lang(),
                            frame.App().Ports().clock,
                            mouse.shared};
}

}  // namespace

ViewMouse::ViewMouse(CQuorralView& view)
    : view_(view),
      gestures_(EnvironmentOf(view), *this, view.Clicks()),
      // The drag host is the frame's: a command's box or menu may close this view, and what
      // runs after it must not belong to the view.
      drop_(view.Frame().Mouse().settings, view.Frame().Mouse().drag,
            view.Frame().App().Ports().clock, gestures_, view.Frame().DragHost().Commands(),
            view.Frame().DragHost(), view.Frame().Mouse().dragItem) {}

PageMouseWindow* ViewMouse::Window() {
    ChildWindow* window = view_.Child().Window();
    return window ? &window->MouseWindow() : nullptr;
}

void ViewMouse::CaptureMouse() {
    if (PageMouseWindow* window = Window())
        window->CaptureMouse();
}

void ViewMouse::ReleaseMouse() {
    if (PageMouseWindow* window = Window())
        window->ReleaseMouse();
}

std::optional<WindowAtPoint> ViewMouse::WindowAt(PagePoint point) {
    PageMouseWindow* window = Window();
    return window ? window->WindowAt(point.x, point.y) : std::nullopt;
}

void ViewMouse::PostRightUp(const WindowAtPoint& target, PagePoint point, uint16_t keyState) {
    if (PageMouseWindow* window = Window())
        window->PostRightUp(target, point.x, point.y, keyState);
}

void ViewMouse::PostLeftClick(PagePoint point) {
    if (PageMouseWindow* window = Window())
        window->PostLeftClick(point.x, point.y);
}

PagePoint ViewMouse::CursorInView() {
    PagePoint point;
    if (PageMouseWindow* window = Window())
        window->CursorPosition(point.x, point.y);
    return point;
}

std::string ViewMouse::LinkAt(PagePoint point) {
    BrowserControl* browser = view_.Browser();
    const std::unique_ptr<PageDocument> document = browser ? browser->Document() : nullptr;
    return document ? document->LinkAt(point.x, point.y) : std::string();
}

void ViewMouse::ScrollPage(int dx, int dy) {
    if (BrowserControl* browser = view_.Browser())
        browser->ScrollPage(dx, dy);
}

void ViewMouse::SetPendingOpenMode(int mode) {
    view_.SetPendingOpenMode(mode);
}

void ViewMouse::PostCommand(int id) {
    view_.Frame().Post(kWmCommand, static_cast<uintptr_t>(id));
}

void ViewMouse::ShowStatus(const std::string& text) {
    view_.Frame().Widgets().status.SetText(text);
}

bool ViewMouse::KeepsClickRecord() {
    const Preferences& prefs = view_.Frame().Prefs();
    return prefs.linkInNewWindow || prefs.killAutoWin || view_.Child().Locked();
}

bool ViewMouse::Closing() {
    return view_.IsClosing();
}

}  // namespace lumbrel
