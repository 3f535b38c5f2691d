#include "win32/frame/MdiClient.h"

namespace lumbrel::win32 {

MdiClient::~MdiClient() {
    DestroyAll();
}

bool MdiClient::Create(HWND frame, HMENU windowMenu, std::function<void()> presentationChanged) {
    presentationChanged_ = std::move(presentationChanged);
    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = windowMenu;
    ccs.idFirstChild = kFirstChildId;
    // Without MDIS_ALLCHILDSTYLES the client gives every child the visible, framed style: a
    // browser window would show before its first navigation and could not go without frame.
    client_ = CreateWindowExA(
        WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES, 0,
        0, 0, 0, frame, nullptr, GetModuleHandleA(nullptr), &ccs);
    return client_ != nullptr;
}

RECT MdiClient::ClientArea() const {
    RECT area{};
    GetClientRect(client_, &area);
    return area;
}

ChildWindow* MdiClient::CreateChild(ChildId id, const ChildCreateOptions& options,
                                    ChildWindowEvents& events, BrowserEvents& browserEvents,
                                    MessageTarget& target, const CodePage& codePage,
                                    std::function<void(ChildId)> gone) {
    auto child = std::make_unique<ChildWindow>(id, events, browserEvents, target, codePage);
    ChildWindow* raw = child.get();
    children_[id] = std::move(child);
    auto forget = [this, gone = std::move(gone)](ChildId closed) {
        gone(closed);
        children_.erase(closed);
        PresentationChanged();
    };
    // Before the control exists: it reads the flags as soon as it has its site, and the
    // first page may load before anyone tells it of a change.
    raw->Host().SetDownloadControlFlags(options.downloadControlFlags);
    if (!raw->Create(*this, options.maximized, std::move(forget))) {
        children_.erase(id);
        return nullptr;
    }
    return raw;
}

HWND MdiClient::CreateWindowFor(MDICREATESTRUCTA& create) {
    return reinterpret_cast<HWND>(
        SendMessageA(client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

void MdiClient::DestroyWindowOf(HWND child) {
    SendMessageA(client_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
}

ChildWindow* MdiClient::Find(ChildId id) const {
    auto it = children_.find(id);
    return it == children_.end() ? nullptr : it->second.get();
}

ChildWindow* MdiClient::FindByHandle(HWND child) const {
    if (!child)
        return nullptr;
    for (const auto& [id, window] : children_)
        if (window->Handle() == child)
            return window.get();
    return nullptr;
}

HWND MdiClient::ActiveHandle() const {
    return reinterpret_cast<HWND>(SendMessageA(client_, WM_MDIGETACTIVE, 0, 0));
}

ChildWindow* MdiClient::Active() const {
    return FindByHandle(ActiveHandle());
}

void MdiClient::Activate(ChildId id) {
    ChildWindow* child = Find(id);
    if (child && child->Handle())
        SendMessageA(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->Handle()), 0);
}

void MdiClient::ActivateNext() {
    SendMessageA(client_, WM_MDINEXT, 0, 0);
}

void MdiClient::Cascade() {
    UnfillAll();
    SendMessageA(client_, WM_MDICASCADE, 0, 0);
}

void MdiClient::Tile(bool horizontally) {
    UnfillAll();
    SendMessageA(client_, WM_MDITILE, horizontally ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

bool MdiClient::IsFilled(HWND child) const {
    const ChildWindow* window = FindByHandle(child);
    return window && window->Filled();
}

void MdiClient::UnfillAll() {
    for (const auto& [id, window] : children_)
        window->Unfill();
    ShowScrollBars(true);
}

void MdiClient::FitActive() {
    if (ChildWindow* active = Active())
        active->FitClient();
}

void MdiClient::ShowScrollBars(bool show) {
    constexpr LONG_PTR kScrollBars = WS_HSCROLL | WS_VSCROLL;
    const LONG_PTR style = GetWindowLongPtrA(client_, GWL_STYLE);
    if (((style & kScrollBars) != 0) == show)
        return;
    if (!show)
        ShowScrollBar(client_, SB_BOTH, FALSE);
    SetWindowLongPtrA(client_, GWL_STYLE, show ? style | kScrollBars : style & ~kScrollBars);
    SetWindowPos(client_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void MdiClient::SysCommandToActive(UINT command) {
    if (HWND active = ActiveHandle())
        SendMessageA(active, WM_SYSCOMMAND, command, 0);
}

void MdiClient::PresentationChanged() {
    if (presentationChanged_)
        presentationChanged_();
}

void MdiClient::SetMenus(HMENU frameMenu, HMENU windowMenu) {
    SendMessageA(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(frameMenu),
                 reinterpret_cast<LPARAM>(windowMenu));
}

bool MdiClient::TranslateSysAccel(MSG& msg) {
    return client_ && TranslateMDISysAccel(client_, &msg);
}

void MdiClient::DestroyAll() {
    // A window's destruction erases its entry: take them out first.
    auto children = std::move(children_);
    children_.clear();
    presentationChanged_ = nullptr;
    children.clear();
}

}  // namespace lumbrel::win32
