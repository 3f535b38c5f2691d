// The base of every window of the binding: one window procedure thunk for all of them. The
// object's address travels in the creation parameters into GWLP_USERDATA (for MDI children
// inside MDICREATESTRUCT) and is cleared when the window is destroyed, or earlier when its
// owner tears it down (Unbind): messages that arrive late then reach DefWindowProc instead of
// a half-dead object. No exception leaves a handler: the thunk catches it, logs it and
// answers with the default procedure.
#pragma once

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

class Window {
public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }

    // Registers a class whose procedure is the thunk (once per process and name).
    static bool RegisterClassOnce(const char* className, UINT style, HICON icon, HBRUSH background);

protected:
    // One message; return the result, or call Default() for the default handling.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The default procedure of this kind of window (DefWindowProc, DefFrameProc, …).
    virtual LRESULT DefaultProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefaultProc(hwnd_, message, wParam, lParam);
    }
    // Called after WM_NCDESTROY; the handle is already cleared.
    virtual void OnDestroyed() {}
    // Detaches the object from its window before a teardown; returns the window, which
    // from now on is served by DefWindowProc.
    HWND Unbind();

    static LRESULT CALLBACK Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    HWND hwnd_ = nullptr;
};

}  // namespace lumbrel::win32
