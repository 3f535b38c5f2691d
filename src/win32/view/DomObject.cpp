#include "win32/view/DomObject.h"

namespace lumbrel::win32 {

std::optional<DISPID> DomObject::IdOf(const wchar_t* name) const {
    if (!object_)
        return std::nullopt;
    DISPID id = DISPID_UNKNOWN;
    auto* names = const_cast<LPOLESTR>(name);  // the method does not write the names
    if (FAILED(object_->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id)))
        return std::nullopt;
    return id;
}

Variant DomObject::Get(const wchar_t* name) const {
    Variant value;
    std::optional<DISPID> id = IdOf(name);
    if (!id)
        return value;
    DISPPARAMS none{};
    if (FAILED(object_->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                               value.Put(), nullptr, nullptr)))
        value.Put();  // whatever a failing callee left there is not an answer
    return value;
}

DomObject DomObject::Object(const wchar_t* name) const {
    Variant value = Get(name);
    IUnknown* object = ObjectFromVariant(value.Get());
    ComPtr<IDispatch> dispatch;
    if (object)
        object->QueryInterface(IID_IDispatch, dispatch.PutVoid());
    return DomObject(std::move(dispatch));
}

std::string DomObject::Text(const CodePage& codePage, const wchar_t* name) const {
    return AnsiFromVariant(codePage, Get(name).Get());
}

std::optional<int32_t> DomObject::Int(const wchar_t* name) const {
    return Int32FromVariant(Get(name).Get());
}

bool DomObject::Put(const wchar_t* name, Variant value) const {
    std::optional<DISPID> id = IdOf(name);
    if (!id)
        return false;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    params.rgvarg = value.Ptr();
    params.cArgs = 1;
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
    return SUCCEEDED(object_->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                     &params, nullptr, nullptr, nullptr));
}

bool DomObject::Call(const wchar_t* name, std::vector<Variant> arguments) const {
    std::optional<DISPID> id = IdOf(name);
    if (!id)
        return false;
    // IDispatch takes the arguments last first.
    std::vector<VARIANT> reversed;
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument)
        reversed.push_back(*argument->Ptr());
    DISPPARAMS params{};
    params.rgvarg = reversed.empty() ? nullptr : reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    Variant result;
    return SUCCEEDED(object_->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                     result.Put(), nullptr, nullptr));
}

}  // namespace lumbrel::win32
