#include "win32/frame/ChildWindow.h"

#include "frame/FrameMessages.h"
#include "win32/frame/MdiClient.h"

namespace lumbrel::win32 {
namespace {

// What a window that fills the MDI client goes without.
constexpr LONG_PTR kFrameStyles = WS_CAPTION | WS_THICKFRAME;

// The window's place in its parent's client coordinates.
RECT PlaceInParent(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

}  // namespace

ChildWindow::ChildWindow(ChildId id, ChildWindowEvents& events, BrowserEvents& browserEvents,
                         MessageTarget& target, const CodePage& codePage)
    : id_(id), events_(&events), target_(&target), host_(browserEvents, codePage) {}

ChildWindow::~ChildWindow() {
    host_.Destroy();
    if (HWND window = Unbind())
        DestroyWindow(window);
}

bool ChildWindow::Create(MdiClient& owner, bool maximized, std::function<void(ChildId)> gone) {
    mdi_ = &owner;
    gone_ = std::move(gone);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!RegisterClassOnce(kClassName, CS_DBLCLKS, icon ? icon : LoadIcon(nullptr, IDI_APPLICATION),
                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return false;
    MDICREATESTRUCTA create{};
    create.szClass = kClassName;
    create.szTitle = "";
    create.hOwner = GetModuleHandleA(nullptr);
    create.x = CW_USEDEFAULT;
    create.y = CW_USEDEFAULT;
    create.cx = kNormalWidth;
    create.cy = kNormalHeight;
    // Hidden until its first navigation is let through; a maximised one fills the client
    // before its page is created, so the page is made at its size once.
    create.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_OVERLAPPEDWINDOW;
    create.lParam = reinterpret_cast<LPARAM>(static_cast<Window*>(this));
    const HWND created = owner.CreateWindowFor(create);
    if (!created)
        return false;
    if (maximized)
        Fill();
    RECT client{};
    GetClientRect(created, &client);
    if (!host_.Create(created, client.right, client.bottom)) {
        owner.DestroyWindowOf(created);
        return false;
    }
    return true;
}

void ChildWindow::Fill() {
    if (filled_ || !hwnd_)
        return;
    if (IsIconic(hwnd_))
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    normalPlace_ = PlaceInParent(hwnd_);
    filled_ = true;
    mdi_->ShowScrollBars(false);
    SetWindowLongPtrA(hwnd_, GWL_STYLE, GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~kFrameStyles);
    const RECT client = mdi_->ClientArea();
    SetWindowPos(hwnd_, nullptr, 0, 0, client.right, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    mdi_->PresentationChanged();
}

void ChildWindow::Unfill() {
    if (!filled_ || !hwnd_)
        return;
    filled_ = false;
    SetWindowLongPtrA(hwnd_, GWL_STYLE, GetWindowLongPtrA(hwnd_, GWL_STYLE) | kFrameStyles);
    SetWindowPos(hwnd_, nullptr, normalPlace_.left, normalPlace_.top,
                 normalPlace_.right - normalPlace_.left, normalPlace_.bottom - normalPlace_.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    mdi_->PresentationChanged();
}

void ChildWindow::FitClient() {
    if (!filled_ || !hwnd_)
        return;
    const RECT client = mdi_->ClientArea();
    RECT own{};
    GetClientRect(hwnd_, &own);
    if (own.right == client.right && own.bottom == client.bottom)
        return;
    // Nothing of a window behind the active one shows: it needs no drawing now.
    const UINT hidden = mdi_->ActiveHandle() == hwnd_ ? 0 : SWP_NOREDRAW | SWP_NOCOPYBITS;
    SetWindowPos(hwnd_, nullptr, 0, 0, client.right, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | hidden);
}

void ChildWindow::Show() {
    if (!hwnd_)
        return;
    // Shown without activation: a window opened behind stays behind the active one.
    ShowWindow(hwnd_, SW_SHOWNA);
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
    return hwnd_ && (filled_ || IsZoomed(hwnd_));
}

void ChildWindow::SetText(const std::string& text) {
    if (!hwnd_ || text == text_)
        return;
    SetWindowTextA(hwnd_, text.c_str());
    text_ = text;
    if (filled_)
        mdi_->PresentationChanged();
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
        mdi_->DestroyWindowOf(hwnd_);
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
    using SizeCommand = ChildWindowEvents::SizeCommand;
    switch (command & 0xFFF0) {
        case SC_MAXIMIZE:
            if (events_)
                events_->OnSizeCommand(SizeCommand::Maximize);
            Fill();
            return true;
        case SC_RESTORE:
            if (events_)
                events_->OnSizeCommand(SizeCommand::Restore);
            if (!filled_)
                return false;
            // Restoring the maximised window restores them all, as with MDI maximising.
            mdi_->UnfillAll();
            return true;
        case SC_MINIMIZE:
            if (events_)
                events_->OnSizeCommand(SizeCommand::Minimize);
            mdi_->UnfillAll();
            return false;
        default:
            return false;
    }
}

void ChildWindow::OnActivated(HWND previous) {
    // The maximised look goes on to the window activated next, as the MDI client hands on
    // its maximised state.
    if (!filled_ && previous && previous != hwnd_ && mdi_->IsFilled(previous))
        Fill();
    FitClient();
    mdi_->PresentationChanged();
}

LRESULT ChildWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: {
            const LRESULT result = Default(message, wParam, lParam);
            if (events_ && events_->PassesResize(IsMaximized()))
                ResizeBrowser();
            return result;
        }
        case WM_NCPAINT:
            if (events_ && !events_->PaintsFrame())
                return 0;
            return Default(message, wParam, lParam);
        case WM_CLOSE:
            if (events_)
                events_->OnCloseRequest();  // the core destroys the window if it goes
            return 0;
        case WM_MDIACTIVATE: {
            const bool activating = reinterpret_cast<HWND>(lParam) == hwnd_;
            if (activating)
                OnActivated(reinterpret_cast<HWND>(wParam));
            if (events_)
                events_->OnMdiActivate(activating);
            return Default(message, wParam, lParam);
        }
        case WM_SYSCOMMAND:
            if (OnSysCommand(wParam))
                return 0;
            return Default(message, wParam, lParam);
        case WM_SETFOCUS:
            host_.FocusPage();
            return 0;
        case WM_TIMER:
            if (target_)
                target_->OnTimer(static_cast<uint32_t>(wParam));
            return 0;
        case WM_COMMAND:
            // A command the core posted to this window's page (no control sends one here).
            if (!target_ || lParam != 0)
                return Default(message, wParam, lParam);
            target_->OnPosted(message, wParam, lParam);
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
