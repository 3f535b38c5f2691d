// Owners for GDI resources: a pen, brush, font or bitmap deleted once; an icon destroyed once; a
// memory DC deleted once; a screen or window DC released once; an object selected into a DC for a
// scope, with the DC's previous object put back when the scope ends (a DC must not be deleted with
// one of ours still selected).
#pragma once

#include "win32/platform/Handles.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

struct GdiObjectTraits {
    using Handle = HGDIOBJ;
    static Handle None() noexcept { return nullptr; }
    static bool IsValid(Handle handle) noexcept { return handle != nullptr; }
    static void Close(Handle handle) noexcept { ::DeleteObject(handle); }
};
using UniqueGdiObject = UniqueResource<GdiObjectTraits>;

struct IconTraits {
    using Handle = HICON;
    static Handle None() noexcept { return nullptr; }
    static bool IsValid(Handle handle) noexcept { return handle != nullptr; }
    static void Close(Handle handle) noexcept { ::DestroyIcon(handle); }
};
using UniqueIcon = UniqueResource<IconTraits>;

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle None() noexcept { return nullptr; }
    static bool IsValid(Handle handle) noexcept { return handle != nullptr; }
    static void Close(Handle handle) noexcept { ::DeleteDC(handle); }
};
using UniqueMemoryDc = UniqueResource<MemoryDcTraits>;

// GetDC/ReleaseDC of a window (nullptr: the screen).
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

class GdiSelection {
public:
    GdiSelection(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~GdiSelection() {
        if (old_)
            ::SelectObject(dc_, old_);
    }
    GdiSelection(const GdiSelection&) = delete;
    GdiSelection& operator=(const GdiSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace lumbrel::win32
