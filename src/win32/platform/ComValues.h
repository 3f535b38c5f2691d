// BSTR, VARIANT and byte SAFEARRAY values at the COM edge. The core's texts are ANSI; they
// become UTF-16 here, through the CodePage port, and only here. The owners free what they
// hold on every path; the readers accept a value as the engine hands it, directly or behind
// VT_BYREF, and answer empty for anything else rather than guessing.
// Allocation failures throw std::bad_alloc, which the COM guards turn into E_OUTOFMEMORY.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

class Bstr {
public:
    Bstr() noexcept = default;
    ~Bstr() { SysFreeString(value_); }
    Bstr(Bstr&& other) noexcept;
    Bstr& operator=(Bstr&& other) noexcept;
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    // An empty text gives an empty BSTR, not a null one: some callees refuse null.
    static Bstr FromAnsi(const CodePage& codePage, std::string_view ansi);
    static Bstr FromUtf16(std::u16string_view utf16);

    BSTR Get() const noexcept { return value_; }
    // The slot for an [out] BSTR: frees what is held first.
    BSTR* Put() noexcept;
    BSTR Detach() noexcept;

private:
    BSTR value_ = nullptr;
};

// A null BSTR is an empty text; embedded NULs are kept (SysStringLen, not wcslen).
std::string AnsiFromBstr(const CodePage& codePage, BSTR text);

class Variant {
public:
    Variant() noexcept { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant&& other) noexcept;
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    static Variant Int32(int32_t value) noexcept;
    static Variant Bool(bool value) noexcept;
    static Variant String(const CodePage& codePage, std::string_view ansi);
    // A one-dimensional VT_UI1 array with lower bound 0 holding `bytes` as they are.
    static Variant Bytes(std::string_view bytes);

    const VARIANT& Get() const noexcept { return value_; }
    // For methods that take VARIANT* although they only read it (Navigate2, Refresh2).
    VARIANT* Ptr() noexcept { return &value_; }
    // The slot for an [out] VARIANT: clears what is held first.
    VARIANT* Put() noexcept;

private:
    VARIANT value_;
};

// Follows VT_BYREF|VT_VARIANT to the value (a few levels at most); null stays null.
const VARIANT* Unwrap(const VARIANT* value) noexcept;

// VT_BSTR (also by reference) as ANSI; anything else is empty.
std::string AnsiFromVariant(const CodePage& codePage, const VARIANT& value);
// The integer types the engine uses for flags, codes and counts; unsigned 32-bit values keep
// their bit pattern (status codes such as 0x800C0008 arrive either way).
std::optional<int32_t> Int32FromVariant(const VARIANT& value) noexcept;
std::optional<bool> BoolFromVariant(const VARIANT& value) noexcept;
// VT_DISPATCH or VT_UNKNOWN (also by reference), not AddRef'ed.
IUnknown* ObjectFromVariant(const VARIANT& value) noexcept;
// A one-dimensional VT_UI1 array (also by reference) as bytes; anything else is empty.
std::string BytesFromVariant(const VARIANT& value);

// Writes through a VT_BYREF|VT_BOOL argument, or a by-reference variant holding VT_BOOL.
// False when the argument is not such a reference.
bool WriteBool(const VARIANT& target, bool value) noexcept;

}  // namespace lumbrel::win32
