#include "win32/ui/Window.h"

#include <cstdio>
#include <exception>

namespace lumbrel::win32 {
namespace {

Window* FromCreateStruct(LPARAM lParam) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    if (!cs || !cs->lpCreateParams)
        return nullptr;
    if (cs->dwExStyle & WS_EX_MDICHILD) {
        auto* mdi = static_cast<MDICREATESTRUCTA*>(cs->lpCreateParams);
        return reinterpret_cast<Window*>(mdi->lParam);
    }
    return static_cast<Window*>(cs->lpCreateParams);
}

void LogHandlerFailure(UINT message, const char* what) noexcept {
    char line[256];
    std::snprintf(line, sizeof(line), "Lumbrel: message 0x%04X failed in its handler: %s\n",
                  message, what);
    OutputDebugStringA(line);
}

}  // namespace

bool Window::RegisterClassOnce(const char* className, UINT style, HICON icon, HBRUSH background) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoExA(instance, className, &existing))
        return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = &Window::Thunk;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

LRESULT Window::DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND Window::Unbind() {
    HWND hwnd = hwnd_;
    if (hwnd && reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) == this)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    return hwnd;
}

LRESULT CALLBACK Window::Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self && message == WM_NCCREATE) {
        self = FromCreateStruct(lParam);
        if (self) {
            self->hwnd_ = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    if (!self)
        return DefWindowProcA(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        LogHandlerFailure(message, error.what());
        result = self->DefaultProc(hwnd, message, wParam, lParam);
    } catch (...) {
        LogHandlerFailure(message, "unknown exception");
        result = self->DefaultProc(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        try {
            self->OnDestroyed();  // may delete the object
        } catch (...) {
            LogHandlerFailure(message, "failure after the window was destroyed");
        }
    }
    return result;
}

}  // namespace lumbrel::win32
