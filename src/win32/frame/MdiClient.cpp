#include "win32/frame/MdiClient.h"

namespace lumbrel::win32 {

MdiClient::~MdiClient() {
    DestroyAll();
}

bool MdiClient::Create(HWND frame, HMENU windowMenu) {
    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = windowMenu;
    ccs.idFirstChild = kFirstChildId;
    client_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0,
                              0, 0, 0, frame, nullptr, GetModuleHandleA(nullptr), &ccs);
    return client_ != nullptr;
}

ChildWindow* MdiClient::CreateChild(ChildId id, bool maximized, ChildWindowEvents& events,
                                    BrowserEvents& browserEvents, MessageTarget& target,
                                    const CodePage& codePage, std::function<void(ChildId)> gone) {
    auto child = std::make_unique<ChildWindow>(id, events, browserEvents, target, codePage);
    ChildWindow* raw = child.get();
    children_[id] = std::move(child);
    auto forget = [this, gone = std::move(gone)](ChildId closed) {
        gone(closed);
        children_.erase(closed);
    };
    if (!raw->Create(client_, maximized, std::move(forget))) {
        children_.erase(id);
        return nullptr;
    }
    return raw;
}

ChildWindow* MdiClient::Find(ChildId id) const {
    auto it = children_.find(id);
    return it == children_.end() ? nullptr : it->second.get();
}

ChildWindow* MdiClient::Active() const {
    const auto active = reinterpret_cast<HWND>(SendMessageA(client_, WM_MDIGETACTIVE, 0, 0));
    if (!active)
        return nullptr;
    for (const auto& [id, child] : children_)
        if (child->Handle() == active)
            return child.get();
    return nullptr;
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
    SendMessageA(client_, WM_MDICASCADE, 0, 0);
}

void MdiClient::Tile(bool horizontally) {
    SendMessageA(client_, WM_MDITILE, horizontally ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
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
    children.clear();
}

}  // namespace lumbrel::win32
