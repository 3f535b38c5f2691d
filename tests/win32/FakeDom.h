// A stand-in for the engine's page objects (document, elements, the page's window, history):
// objects with named properties reached through IDispatch, as page scripts and the binding
// reach the real ones. Wine's engine here has no renderer and never gives out a document, so
// the document rules are proven against these.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "win32/platform/WinApi.h"

#include <docobj.h>

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects release themselves
#endif

namespace lumbrel::test {

class FakeDom : public IDispatch, public IOleCommandTarget {
public:
    // A method: called with its text arguments in written order.
    using Method = std::function<HRESULT(const std::vector<std::wstring>&)>;
    using Value = std::variant<std::wstring, int, FakeDom*, Method>;

    // Properties by name; a name not here is unknown to the object.
    std::map<std::wstring, Value> properties;
    // Names whose writes the object refuses (a read-only property).
    std::vector<std::wstring> readOnly;
    // Whether the object is a command target, and the command ids it was given.
    bool commandTarget = false;
    std::vector<DWORD> commands;
    HRESULT commandResult = S_OK;

    std::wstring TextOf(const std::wstring& name) const {
        auto it = properties.find(name);
        return it != properties.end() && std::holds_alternative<std::wstring>(it->second)
                   ? std::get<std::wstring>(it->second)
                   : L"<none>";
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch)
            *object = static_cast<IDispatch*>(this);
        else if (iid == IID_IOleCommandTarget && commandTarget)
            *object = static_cast<IOleCommandTarget*>(this);
        else
            *object = nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    // Lives on the test's stack.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (count != 1)
            return E_INVALIDARG;
        auto it = properties.find(names[0]);
        if (it == properties.end()) {
            ids[0] = DISPID_UNKNOWN;
            return DISP_E_UNKNOWNNAME;
        }
        ids[0] = static_cast<DISPID>(std::distance(properties.begin(), it)) + 1;
        return S_OK;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO*, UINT*) override {
        if (id < 1 || id > static_cast<DISPID>(properties.size()))
            return DISP_E_MEMBERNOTFOUND;
        auto it = std::next(properties.begin(), id - 1);
        if (flags & DISPATCH_PROPERTYPUT)
            return Write(*it, params);
        if (auto* method = std::get_if<Method>(&it->second))
            return (flags & DISPATCH_METHOD) ? Call(*method, params) : DISP_E_MEMBERNOTFOUND;
        if (!(flags & DISPATCH_PROPERTYGET) || !result)
            return DISP_E_MEMBERNOTFOUND;
        VariantInit(result);
        if (auto* text = std::get_if<std::wstring>(&it->second)) {
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = SysAllocString(text->c_str());
        } else if (auto* number = std::get_if<int>(&it->second)) {
            // Counts such as history.length come as short integers.
            V_VT(result) = VT_I2;
            V_I2(result) = static_cast<SHORT>(*number);
        } else if (FakeDom* object = std::get<FakeDom*>(it->second)) {
            V_VT(result) = VT_DISPATCH;
            V_DISPATCH(result) = object;
            object->AddRef();
        } else {
            V_VT(result) = VT_NULL;  // an object property that holds nothing
        }
        return S_OK;
    }

    STDMETHODIMP QueryStatus(const GUID*, ULONG, OLECMD*, OLECMDTEXT*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Exec(const GUID* group, DWORD id, DWORD, VARIANT*, VARIANT*) override {
        if (group)
            return OLECMDERR_E_UNKNOWNGROUP;
        commands.push_back(id);
        return commandResult;
    }

private:
    static HRESULT Call(const Method& method, DISPPARAMS* params) {
        std::vector<std::wstring> args;
        for (UINT i = params ? params->cArgs : 0; i-- > 0;) {
            const VARIANT& arg = params->rgvarg[i];
            if (V_VT(&arg) != VT_BSTR)
                return DISP_E_TYPEMISMATCH;
            args.emplace_back(V_BSTR(&arg), SysStringLen(V_BSTR(&arg)));
        }
        return method(args);
    }

    HRESULT Write(std::pair<const std::wstring, Value>& property, DISPPARAMS* params) {
        for (const std::wstring& name : readOnly)
            if (name == property.first)
                return E_ACCESSDENIED;
        if (!params || params->cArgs != 1 || params->cNamedArgs != 1 ||
            params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTOPTIONAL;
        const VARIANT& value = params->rgvarg[0];
        if (V_VT(&value) != VT_BSTR)
            return DISP_E_TYPEMISMATCH;
        property.second = std::wstring(V_BSTR(&value), SysStringLen(V_BSTR(&value)));
        return S_OK;
    }
};

}  // namespace lumbrel::test

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
