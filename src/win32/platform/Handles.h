// Owners for the handles of the Win32 API: each closes its handle exactly once, when it goes
// out of scope or is reset, so no return path can leak one.
//
// UniqueHandle holds a kernel handle (file, event, mutex, mapping, thread, process); both NULL
// and INVALID_HANDLE_VALUE mean "none", since CreateFile and the other creators differ on
// which they return on failure. FindHandle holds a FindFirstFile search; UniqueBitmap a GDI
// bitmap.
#pragma once

#include <utility>

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

template <typename Traits>
class UniqueResource {
public:
    using Handle = typename Traits::Handle;

    UniqueResource() noexcept = default;
    explicit UniqueResource(Handle handle) noexcept : handle_(handle) {}
    ~UniqueResource() { Reset(); }
    UniqueResource(UniqueResource&& other) noexcept : handle_(other.Release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Handle Get() const noexcept { return handle_; }
    bool Valid() const noexcept { return Traits::IsValid(handle_); }
    explicit operator bool() const noexcept { return Valid(); }

    // Gives up ownership without closing.
    Handle Release() noexcept { return std::exchange(handle_, Traits::None()); }
    // Closes the handle held (if any) and takes `handle`.
    void Reset(Handle handle = Traits::None()) noexcept {
        if (Valid())
            Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::None();
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle None() noexcept { return nullptr; }
    static bool IsValid(Handle handle) noexcept {
        return handle != nullptr && handle != INVALID_HANDLE_VALUE;
    }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle None() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle handle) noexcept {
        return handle != nullptr && handle != INVALID_HANDLE_VALUE;
    }
    static void Close(Handle handle) noexcept { ::FindClose(handle); }
};

struct BitmapTraits {
    using Handle = HBITMAP;
    static Handle None() noexcept { return nullptr; }
    static bool IsValid(Handle handle) noexcept { return handle != nullptr; }
    static void Close(Handle handle) noexcept { ::DeleteObject(handle); }
};

// A library loaded with LoadLibrary, freed once.
struct ModuleTraits {
    using Handle = HMODULE;
    static Handle None() noexcept { return nullptr; }
    static bool IsValid(Handle handle) noexcept { return handle != nullptr; }
    static void Close(Handle handle) noexcept { ::FreeLibrary(handle); }
};

using UniqueHandle = UniqueResource<KernelHandleTraits>;
using UniqueModule = UniqueResource<ModuleTraits>;
using FindHandle = UniqueResource<FindHandleTraits>;
using UniqueBitmap = UniqueResource<BitmapTraits>;

}  // namespace lumbrel::win32
