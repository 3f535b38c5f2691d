#include "win32/frame/StatusBarView.h"

#include <commctrl.h>

namespace lumbrel::win32 {
namespace {

enum Pane { kTextPane = 0, kSecurePane, kThrobberPane, kProgressPane, kPaneCount };
constexpr int kSecureWidth = 60;
constexpr int kThrobberWidth = 24;
constexpr int kProgressWidth = 150;

}  // namespace

bool StatusBarView::Create(HWND parent, int controlId) {
    bar_ = CreateWindowExA(
        0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | SBARS_SIZEGRIP, 0, 0, 0,
        0, parent, reinterpret_cast<HMENU>(INT_PTR{controlId}), GetModuleHandleA(nullptr), nullptr);
    if (!bar_)
        return false;
    progress_ = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | PBS_SMOOTH, 0, 0, 0, 0, bar_,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(progress_, PBM_SETRANGE32, 0, 100);
    Layout();
    return true;
}

void StatusBarView::Layout() {
    if (!bar_)
        return;
    SendMessageA(bar_, WM_SIZE, 0, 0);
    RECT client{};
    GetClientRect(bar_, &client);
    const int right = client.right - GetSystemMetrics(SM_CXVSCROLL);
    int edges[kPaneCount] = {right - kProgressWidth - kThrobberWidth - kSecureWidth,
                             right - kProgressWidth - kThrobberWidth, right - kProgressWidth, -1};
    SendMessageA(bar_, SB_SETPARTS, kPaneCount, reinterpret_cast<LPARAM>(edges));
    RECT pane{};
    SendMessageA(bar_, SB_GETRECT, kProgressPane, reinterpret_cast<LPARAM>(&pane));
    MoveWindow(progress_, pane.left + 2, pane.top + 2, pane.right - pane.left - 4,
               pane.bottom - pane.top - 4, TRUE);
}

int StatusBarView::Height() const {
    if (!bar_ || !IsWindowVisible(bar_))
        return 0;
    RECT rect{};
    GetWindowRect(bar_, &rect);
    return rect.bottom - rect.top;
}

void StatusBarView::SetThrobber(int frame) {
    static const char* const kFrames[] = {"|", "/", "-", "\\", "|", "/", "-"};
    const char* text = frame < 0 ? "" : kFrames[frame % 7];
    SendMessageA(bar_, SB_SETTEXTA, kThrobberPane, reinterpret_cast<LPARAM>(text));
}

void StatusBarView::SetText(const std::string& text) {
    SendMessageA(bar_, SB_SETTEXTA, kTextPane, reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBarView::SetProgress(std::optional<int> position, const std::string& text) {
    if (!position) {
        ShowWindow(progress_, SW_HIDE);
        return;
    }
    SendMessageA(progress_, PBM_SETPOS, static_cast<WPARAM>(*position), 0);
    SetWindowTextA(progress_, text.c_str());
    ShowWindow(progress_, SW_SHOWNA);
}

void StatusBarView::SetSecure(bool secure) {
    SendMessageA(bar_, SB_SETTEXTA, kSecurePane, reinterpret_cast<LPARAM>(secure ? "Secure" : ""));
}

}  // namespace lumbrel::win32
