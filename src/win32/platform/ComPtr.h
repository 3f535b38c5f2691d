// An owning COM interface pointer: one reference, released when the holder goes. Every COM
// pointer the binding keeps or passes around lives in one of these, so that an early return
// or an exception never leaks a reference and nothing is released twice.
#pragma once

#include <cstddef>
#include <utility>

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    // Shares `pointer`: takes a reference of its own.
    explicit ComPtr(T* pointer) noexcept : pointer_(pointer) {
        if (pointer_)
            pointer_->AddRef();
    }
    ComPtr(const ComPtr& other) noexcept : ComPtr(other.pointer_) {}
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ~ComPtr() { Reset(); }

    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }

    // Takes over a reference the caller already owns (a fresh object, an [out] result).
    static ComPtr Adopt(T* pointer) noexcept {
        ComPtr result;
        result.pointer_ = pointer;
        return result;
    }

    T* Get() const noexcept { return pointer_; }
    T* operator->() const noexcept { return pointer_; }
    T& operator*() const noexcept { return *pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    void Reset() noexcept {
        if (T* old = std::exchange(pointer_, nullptr))
            old->Release();
    }
    // Gives up the reference without releasing it.
    T* Detach() noexcept { return std::exchange(pointer_, nullptr); }
    // A new reference for an [out] parameter of a COM method the binding implements.
    T* CopyOut() const noexcept {
        if (pointer_)
            pointer_->AddRef();
        return pointer_;
    }

    // The slot for an [out] parameter: drops what is held first, so a reused holder never leaks.
    T** Put() noexcept {
        Reset();
        return &pointer_;
    }
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }

    // QueryInterface for U; empty when the object does not have it.
    template <class U>
    ComPtr<U> As() const noexcept {
        ComPtr<U> result;
        if (pointer_)
            pointer_->QueryInterface(__uuidof(U), result.PutVoid());
        return result;
    }

    friend bool operator==(const ComPtr& a, const ComPtr& b) noexcept {
        return a.pointer_ == b.pointer_;
    }

private:
    T* pointer_ = nullptr;
};

// The object's identity: the IUnknown every interface of one COM object answers alike.
template <class T>
ComPtr<IUnknown> IdentityOf(T* pointer) noexcept {
    ComPtr<IUnknown> identity;
    if (pointer)
        pointer->QueryInterface(IID_IUnknown, identity.PutVoid());
    return identity;
}

}  // namespace lumbrel::win32
