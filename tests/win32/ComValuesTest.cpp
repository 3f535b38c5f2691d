// The COM value helpers against the system's own BSTR, VARIANT and SAFEARRAY functions: texts
// through the code page and back, byte arrays as the engine shapes them, readers that refuse
// what they do not understand, and ComPtr's reference counting.
#include "win32/platform/ComValues.h"

#include <gtest/gtest.h>

#include <string>

#include "support/GbkSamples.h"
#include "win32/platform/ComPtr.h"
#include "win32/platform/Win32CodePage.h"

namespace lumbrel::win32 {
namespace {

VARIANT ByRef(VARIANT& inner) {
    VARIANT reference;
    VariantInit(&reference);
    V_VT(&reference) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&reference) = &inner;
    return reference;
}

// A byte array the way a caller other than Variant::Bytes may build it.
SAFEARRAY* ByteArray(const std::string& bytes, LONG lowerBound) {
    SAFEARRAYBOUND bound{static_cast<ULONG>(bytes.size()), lowerBound};
    SAFEARRAY* array = SafeArrayCreate(VT_UI1, 1, &bound);
    void* data = nullptr;
    SafeArrayAccessData(array, &data);
    std::copy(bytes.begin(), bytes.end(), static_cast<char*>(data));
    SafeArrayUnaccessData(array);
    return array;
}

TEST(ComValues, TextsRoundTripThroughTheCodePage) {
    Win32CodePage gbk(936);
    const std::string chinese(test::gbk::kZhongWen);
    Bstr text = Bstr::FromAnsi(gbk, chinese);
    EXPECT_EQ(SysStringLen(text.Get()), 2u) << "two characters, four bytes";
    EXPECT_EQ(AnsiFromBstr(gbk, text.Get()), chinese);

    Win32CodePage latin(1252);
    const std::string withNul("a\0\xE9", 3);
    Bstr kept = Bstr::FromAnsi(latin, withNul);
    EXPECT_EQ(SysStringLen(kept.Get()), 3u);
    EXPECT_EQ(AnsiFromBstr(latin, kept.Get()), withNul);

    Bstr empty = Bstr::FromAnsi(latin, "");
    ASSERT_NE(empty.Get(), nullptr) << "callees may refuse a null BSTR";
    EXPECT_EQ(SysStringLen(empty.Get()), 0u);
    EXPECT_EQ(AnsiFromBstr(latin, nullptr), "");
}

TEST(ComValues, ByteArraysKeepEveryByte) {
    const std::string bytes("a=1\0\xFF\x80&", 7);
    Variant post = Variant::Bytes(bytes);
    ASSERT_EQ(V_VT(&post.Get()), VT_ARRAY | VT_UI1);
    EXPECT_EQ(SafeArrayGetDim(post.Get().parray), 1u);
    EXPECT_EQ(BytesFromVariant(post.Get()), bytes);

    VARIANT reference = ByRef(*post.Ptr());
    VARIANT twice = ByRef(reference);
    EXPECT_EQ(BytesFromVariant(twice), bytes) << "the engine nests references";

    SAFEARRAY* array = post.Get().parray;
    VARIANT arrayReference;
    V_VT(&arrayReference) = VT_BYREF | VT_ARRAY | VT_UI1;
    V_ARRAYREF(&arrayReference) = &array;
    EXPECT_EQ(BytesFromVariant(arrayReference), bytes);

    EXPECT_EQ(BytesFromVariant(Variant::Bytes("").Get()), "");
}

TEST(ComValues, OnlyOneDimensionalByteArraysArePostData) {
    Variant shifted;
    V_VT(shifted.Ptr()) = VT_ARRAY | VT_UI1;
    V_ARRAY(shifted.Ptr()) = ByteArray("xyz", 5);
    EXPECT_EQ(BytesFromVariant(shifted.Get()), "xyz") << "another lower bound";

    SAFEARRAYBOUND square[2] = {{2, 0}, {2, 0}};
    Variant twoDimensions;
    V_VT(twoDimensions.Ptr()) = VT_ARRAY | VT_UI1;
    V_ARRAY(twoDimensions.Ptr()) = SafeArrayCreate(VT_UI1, 2, square);
    EXPECT_EQ(BytesFromVariant(twoDimensions.Get()), "");
}

TEST(ComValues, IntegersKeepTheirBitPattern) {
    VARIANT unsignedCode;
    V_VT(&unsignedCode) = VT_UI4;
    V_UI4(&unsignedCode) = 0x800C0008u;
    EXPECT_EQ(Int32FromVariant(unsignedCode), static_cast<int32_t>(0x800C0008u));

    LONG flags = 0x40;
    VARIANT flagsReference;
    V_VT(&flagsReference) = VT_BYREF | VT_I4;
    V_I4REF(&flagsReference) = &flags;
    EXPECT_EQ(Int32FromVariant(flagsReference), 0x40);

    VARIANT broken;
    V_VT(&broken) = VT_BYREF | VT_I4;
    V_I4REF(&broken) = nullptr;
    EXPECT_EQ(Int32FromVariant(broken), std::nullopt);
    Win32CodePage latin(1252);
    EXPECT_EQ(Int32FromVariant(Variant::String(latin, "5").Get()), std::nullopt);
}

TEST(ComValues, AReferenceCycleEndsTheWalk) {
    VARIANT cycle;
    V_VT(&cycle) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&cycle) = &cycle;
    EXPECT_EQ(Unwrap(&cycle), nullptr);
    Win32CodePage latin(1252);
    EXPECT_EQ(AnsiFromVariant(latin, cycle), "");
    EXPECT_EQ(BytesFromVariant(cycle), "");
    EXPECT_FALSE(WriteBool(cycle, true));
}

TEST(ComValues, WriteBoolGoesThroughReferencesOnly) {
    VARIANT_BOOL flag = VARIANT_FALSE;
    VARIANT direct;
    V_VT(&direct) = VT_BYREF | VT_BOOL;
    V_BOOLREF(&direct) = &flag;
    EXPECT_TRUE(WriteBool(direct, true));
    EXPECT_EQ(flag, VARIANT_TRUE);

    Variant held = Variant::Bool(true);
    VARIANT reference = ByRef(*held.Ptr());
    EXPECT_TRUE(WriteBool(reference, false));
    EXPECT_EQ(V_BOOL(&held.Get()), VARIANT_FALSE);

    EXPECT_FALSE(WriteBool(held.Get(), true)) << "a value is a copy; writing it reaches no one";
    EXPECT_EQ(V_BOOL(&held.Get()), VARIANT_FALSE);
}

#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects release themselves
#endif

// Counts its references; answers IUnknown and IDispatch, nothing else.
class CountedObject : public IDispatch {
public:
    ULONG references = 1;
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        bool known = iid == IID_IUnknown || iid == IID_IDispatch;
        *object = known ? this : nullptr;
        if (known)
            ++references;
        return known ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
    STDMETHODIMP_(ULONG) Release() override { return --references; }
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        return E_NOTIMPL;
    }
};

TEST(ComPtr, EveryReferenceTakenIsGivenBack) {
    CountedObject object;
    {
        auto adopted = ComPtr<IDispatch>::Adopt(&object);
        EXPECT_EQ(object.references, 1u) << "adopting takes no new reference";
        ComPtr<IDispatch> copy = adopted;
        EXPECT_EQ(object.references, 2u);
        ComPtr<IDispatch> moved = std::move(copy);
        EXPECT_EQ(object.references, 2u);
        EXPECT_FALSE(copy);

        ComPtr<IUnknown> asUnknown = moved.As<IUnknown>();
        EXPECT_EQ(object.references, 3u);
        EXPECT_FALSE(moved.As<IOleObject>()) << "an interface it does not have";
        EXPECT_EQ(object.references, 3u);

        // A reused [out] slot releases what it held before the callee writes.
        asUnknown->QueryInterface(IID_IDispatch, moved.PutVoid());
        EXPECT_EQ(object.references, 3u);

        IDispatch* handedOut = adopted.CopyOut();
        EXPECT_EQ(object.references, 4u);
        handedOut->Release();
        adopted = adopted;
        EXPECT_EQ(object.references, 3u) << "self-assignment";
        ComPtr<IDispatch>::Adopt(adopted.Detach());
        EXPECT_EQ(object.references, 2u);
    }
    EXPECT_EQ(object.references, 0u);
}

}  // namespace
}  // namespace lumbrel::win32
