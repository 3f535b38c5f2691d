// An object of a page (the document, an element, the page's window) reached by the names page
// scripts use ("protocol", "body", "activeElement"), through its IDispatch. Every engine
// version answers these names, and a test can stand in for a page with a few named values.
// A missing name, a refused call or an empty object gives an empty result, never a fault.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "win32/platform/ComPtr.h"
#include "win32/platform/ComValues.h"

namespace lumbrel::win32 {

class DomObject {
public:
    DomObject() = default;
    explicit DomObject(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    explicit operator bool() const { return static_cast<bool>(object_); }
    IDispatch* Dispatch() const { return object_.Get(); }

    // The value of a property; an empty variant when there is none.
    Variant Get(const wchar_t* name) const;
    // The object a property holds; empty when it holds none.
    DomObject Object(const wchar_t* name) const;
    // A text property as ANSI; empty when it is not a text.
    std::string Text(const CodePage& codePage, const wchar_t* name) const;
    std::optional<int32_t> Int(const wchar_t* name) const;
    // Sets a property; false when the object has no such property or refuses the value.
    bool Put(const wchar_t* name, Variant value) const;
    // Calls a method with `arguments` in the order a page script writes them; false when the
    // object has no such method or the call fails.
    bool Call(const wchar_t* name, std::vector<Variant> arguments) const;

private:
    std::optional<DISPID> IdOf(const wchar_t* name) const;

    ComPtr<IDispatch> object_;
};

}  // namespace lumbrel::win32
