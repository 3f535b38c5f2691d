#include "win32/platform/ComValues.h"

#include <climits>
#include <cstring>
#include <new>
#include <utility>

namespace lumbrel::win32 {
namespace {

static_assert(sizeof(OLECHAR) == sizeof(char16_t), "UTF-16 OLECHAR expected");

// Enough for any chain the engine builds (it uses one level); stops a malicious cycle.
constexpr int kMaxByRefDepth = 4;

const VARIANT& Resolved(const VARIANT& value) noexcept {
    const VARIANT* resolved = Unwrap(&value);
    return resolved ? *resolved : value;
}

VARTYPE BaseType(const VARIANT& value) noexcept {
    return V_VT(&value) & ~VT_BYREF;
}
bool ByRef(const VARIANT& value) noexcept {
    return (V_VT(&value) & VT_BYREF) != 0;
}

// The single-dimension VT_UI1 array a variant holds, or null.
SAFEARRAY* ByteArrayOf(const VARIANT& value) noexcept {
    if (BaseType(value) != (VT_ARRAY | VT_UI1))
        return nullptr;
    SAFEARRAY* array = ByRef(value) ? (value.pparray ? *value.pparray : nullptr) : value.parray;
    if (!array || SafeArrayGetDim(array) != 1 || SafeArrayGetElemsize(array) != 1)
        return nullptr;
    return array;
}

class SafeArrayData {
public:
    explicit SafeArrayData(SAFEARRAY* array) noexcept : array_(array) {
        if (FAILED(SafeArrayAccessData(array_, &data_)))
            data_ = nullptr;
    }
    ~SafeArrayData() {
        if (data_)
            SafeArrayUnaccessData(array_);
    }
    SafeArrayData(const SafeArrayData&) = delete;
    SafeArrayData& operator=(const SafeArrayData&) = delete;

    char* Bytes() const noexcept { return static_cast<char*>(data_); }

private:
    SAFEARRAY* array_;
    void* data_ = nullptr;
};

}  // namespace

Bstr::Bstr(Bstr&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}

Bstr& Bstr::operator=(Bstr&& other) noexcept {
    if (this != &other) {
        SysFreeString(value_);
        value_ = std::exchange(other.value_, nullptr);
    }
    return *this;
}

Bstr Bstr::FromAnsi(const CodePage& codePage, std::string_view ansi) {
    return FromUtf16(codePage.AnsiToUtf16(ansi));
}

Bstr Bstr::FromUtf16(std::u16string_view utf16) {
    if (utf16.size() > INT_MAX / sizeof(OLECHAR))
        throw std::bad_alloc();
    Bstr text;
    text.value_ = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(utf16.data()),
                                    static_cast<UINT>(utf16.size()));
    if (!text.value_)
        throw std::bad_alloc();
    return text;
}

BSTR* Bstr::Put() noexcept {
    SysFreeString(std::exchange(value_, nullptr));
    return &value_;
}

BSTR Bstr::Detach() noexcept {
    return std::exchange(value_, nullptr);
}

std::string AnsiFromBstr(const CodePage& codePage, BSTR text) {
    if (!text)
        return {};
    auto utf16 = reinterpret_cast<const char16_t*>(text);
    return codePage.Utf16ToAnsi(std::u16string_view(utf16, SysStringLen(text)));
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_) {
    VariantInit(&other.value_);
}

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        VariantClear(&value_);
        value_ = other.value_;
        VariantInit(&other.value_);
    }
    return *this;
}

Variant Variant::Int32(int32_t value) noexcept {
    Variant result;
    V_VT(&result.value_) = VT_I4;
    V_I4(&result.value_) = value;
    return result;
}

Variant Variant::Bool(bool value) noexcept {
    Variant result;
    V_VT(&result.value_) = VT_BOOL;
    V_BOOL(&result.value_) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return result;
}

Variant Variant::String(const CodePage& codePage, std::string_view ansi) {
    Variant result;
    V_BSTR(&result.value_) = Bstr::FromAnsi(codePage, ansi).Detach();
    V_VT(&result.value_) = VT_BSTR;
    return result;
}

Variant Variant::Bytes(std::string_view bytes) {
    if (bytes.size() > INT_MAX)
        throw std::bad_alloc();
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (!array)
        throw std::bad_alloc();
    Variant result;
    V_VT(&result.value_) = VT_ARRAY | VT_UI1;
    V_ARRAY(&result.value_) = array;  // owned by the variant from here on
    if (!bytes.empty()) {
        SafeArrayData data(array);
        if (!data.Bytes())
            throw std::bad_alloc();
        std::memcpy(data.Bytes(), bytes.data(), bytes.size());
    }
    return result;
}

VARIANT* Variant::Put() noexcept {
    VariantClear(&value_);
    return &value_;
}

const VARIANT* Unwrap(const VARIANT* value) noexcept {
    for (int depth = 0; value && V_VT(value) == (VT_BYREF | VT_VARIANT); ++depth) {
        if (depth == kMaxByRefDepth)
            return nullptr;
        value = V_VARIANTREF(value);
    }
    return value;
}

std::string AnsiFromVariant(const CodePage& codePage, const VARIANT& value) {
    const VARIANT& v = Resolved(value);
    if (V_VT(&v) == VT_BSTR)
        return AnsiFromBstr(codePage, V_BSTR(&v));
    if (V_VT(&v) == (VT_BYREF | VT_BSTR) && V_BSTRREF(&v))
        return AnsiFromBstr(codePage, *V_BSTRREF(&v));
    return {};
}

std::optional<int32_t> Int32FromVariant(const VARIANT& value) noexcept {
    const VARIANT& v = Resolved(value);
    bool byRef = ByRef(v);
    if (byRef && !v.byref)
        return std::nullopt;
    switch (BaseType(v)) {
        case VT_I4:
        case VT_INT:
            return byRef ? *v.plVal : v.lVal;
        case VT_UI4:
        case VT_UINT:
            return static_cast<int32_t>(byRef ? *v.pulVal : v.ulVal);
        case VT_I2:
            return byRef ? *v.piVal : v.iVal;
        case VT_UI2:
            return byRef ? *v.puiVal : v.uiVal;
        case VT_UI1:
            return byRef ? *v.pbVal : v.bVal;
        default:
            return std::nullopt;
    }
}

std::optional<bool> BoolFromVariant(const VARIANT& value) noexcept {
    const VARIANT& v = Resolved(value);
    if (V_VT(&v) == VT_BOOL)
        return V_BOOL(&v) != VARIANT_FALSE;
    if (V_VT(&v) == (VT_BYREF | VT_BOOL) && V_BOOLREF(&v))
        return *V_BOOLREF(&v) != VARIANT_FALSE;
    return std::nullopt;
}

IUnknown* ObjectFromVariant(const VARIANT& value) noexcept {
    const VARIANT& v = Resolved(value);
    switch (V_VT(&v)) {
        case VT_DISPATCH:
            return V_DISPATCH(&v);
        case VT_UNKNOWN:
            return V_UNKNOWN(&v);
        case VT_BYREF | VT_DISPATCH:
            return V_DISPATCHREF(&v) ? *V_DISPATCHREF(&v) : nullptr;
        case VT_BYREF | VT_UNKNOWN:
            return V_UNKNOWNREF(&v) ? *V_UNKNOWNREF(&v) : nullptr;
        default:
            return nullptr;
    }
}

std::string BytesFromVariant(const VARIANT& value) {
    SAFEARRAY* array = ByteArrayOf(Resolved(value));
    LONG lower = 0;
    LONG upper = -1;
    if (!array || FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)) || upper < lower)
        return {};
    SafeArrayData data(array);
    if (!data.Bytes())
        return {};
    auto count = static_cast<size_t>(static_cast<int64_t>(upper) - lower + 1);
    return std::string(data.Bytes(), count);
}

bool WriteBool(const VARIANT& target, bool value) noexcept {
    VARIANT_BOOL flag = value ? VARIANT_TRUE : VARIANT_FALSE;
    const VARIANT* inner = Unwrap(&target);
    if (!inner)
        return false;
    if (V_VT(inner) == (VT_BYREF | VT_BOOL) && V_BOOLREF(inner)) {
        *V_BOOLREF(inner) = flag;
        return true;
    }
    // A variant reached by reference belongs to the caller and is meant to be written.
    if (inner != &target && V_VT(inner) == VT_BOOL) {
        V_BOOL(const_cast<VARIANT*>(inner)) = flag;
        return true;
    }
    return false;
}

}  // namespace lumbrel::win32
