#include "win32/frame/ChildWindow.h"

#include "frame/FrameMessages.h"

namespace lumbrel::win32 {

ChildWindow::ChildWindow(ChildId id, ChildWindowEvents& events, BrowserEvents& browserEvents,
                         MessageTarget& target, const CodePage& codePage)
    : id_(id), events_(&events), target_(&target), host_(browserEvents, codePage) {}

ChildWindow::~ChildWindow() {
    host_.Destroy();
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool ChildWindow::Create(HWND mdiClient, bool maximized, std::function<void(ChildId)> gone) {
    mdiClient_ = mdiClient;
    maximizedAtCreation_ = maximized;
    gone_ = std::move(gone);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!RegisterClassOnce(kClassName, CS_DBLCLKS, icon ? icon : LoadIcon(nullptr, IDI_APPLICATION),
                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return false;
    MDICREATESTRUCTA mdi{};
    mdi.szClass = kClassName;
    mdi.szTitle = "";
    mdi.hOwner = GetModuleHandleA(nullptr);
    mdi.x = CW_USEDEFAULT;
    mdi.y = CW_USEDEFAULT;
    mdi.cx = 520;
    mdi.cy = 320;
    // Hidden until its first navigation is let through.
    mdi.style = WS_CHILD | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW | (maximized ? WS_MAXIMIZE : 0);
    mdi.lParam = reinterpret_cast<LPARAM>(static_cast<Window*>(this));
    const HWND created = reinterpret_cast<HWND>(
        SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mdi)));
    if (!created)
        return false;
    RECT client{};
    GetClientRect(created, &client);
    if (!host_.Create(created, client.right, client.bottom)) {
        SendMessageA(mdiClient_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(created), 0);
        return false;
    }
    return true;
}

void ChildWindow::Show() {
    if (!hwnd_)
        return;
    ShowWindow(hwnd_, maximizedAtCreation_ ? SW_SHOWMAXIMIZED : SW_SHOWNA);
    ResizeBrowser();
}

void ChildWindow::Hide() {
    if (hwnd_)
        ShowWindow(hwnd_, SW_HIDE);
}

bool ChildWindow::IsVisible() {
    return hwnd_ && IsWindowVisible(hwnd_);
}

bool ChildWindow::IsMaximized() {
    return hwnd_ && IsZoomed(hwnd_);
}

void ChildWindow::SetText(const std::string& text) {
    if (hwnd_)
        SetWindowTextA(hwnd_, text.c_str());
}

std::string ChildWindow::Text() {
    if (!hwnd_)
        return {};
    char text[1024] = {};
    GetWindowTextA(hwnd_, text, sizeof(text));
    return text;
}

void ChildWindow::SetPageVisible(bool visible) {
    if (HWND control = host_.ControlWindow())
        ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void ChildWindow::Destroy() {
    // The core is done with this window: nothing reaches it from here on.
    events_ = nullptr;
    target_ = nullptr;
    host_.Destroy();
    if (hwnd_)
        SendMessageA(mdiClient_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd_), 0);
}

void ChildWindow::OnDestroyed() {
    host_.Destroy();
    if (gone_) {
        auto gone = std::move(gone_);
        gone(id_);  // may delete this
    }
}

void ChildWindow::ResizeBrowser() {
    if (!hwnd_)
        return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    host_.Resize(client.right, client.bottom);
}

bool ChildWindow::OnSysCommand(WPARAM command) {
    if (!events_)
        return false;
    switch (command & 0xFFF0) {
        case SC_MINIMIZE:
            events_->OnSizeCommand(ChildWindowEvents::SizeCommand::Minimize);
            break;
        case SC_RESTORE:
            events_->OnSizeCommand(ChildWindowEvents::SizeCommand::Restore);
            break;
        case SC_MAXIMIZE:
            events_->OnSizeCommand(ChildWindowEvents::SizeCommand::Maximize);
            break;
        default:
            break;
    }
    return false;
}

LRESULT ChildWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: {
            const LRESULT result = Default(message, wParam, lParam);
            ResizeBrowser();
            return result;
        }
        case WM_CLOSE:
            if (events_)
                events_->OnCloseRequest();  // the core destroys the window if it goes
            return 0;
        case WM_MDIACTIVATE:
            if (events_)
                events_->OnMdiActivate(reinterpret_cast<HWND>(lParam) == hwnd_);
            return Default(message, wParam, lParam);
        case WM_SYSCOMMAND:
            OnSysCommand(wParam);
            return Default(message, wParam, lParam);
        case WM_SETFOCUS:
            host_.FocusPage();
            return 0;
        case WM_TIMER:
            if (target_)
                target_->OnTimer(static_cast<uint32_t>(wParam));
            return 0;
        case UM_FOCUS_PAGE:
            if (target_)
                target_->OnPosted(message, wParam, lParam);
            return 0;
        case WM_DESTROY:
            host_.Destroy();
            return Default(message, wParam, lParam);
        default:
            return Default(message, wParam, lParam);
    }
}

LRESULT ChildWindow::DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(hwnd, message, wParam, lParam);
}

}  // namespace lumbrel::win32
