#include "win32/view/Win32PageDocument.h"

#include "win32/view/Win32TextRange.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace lumbrel::win32 {
namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The input types that take no typed text; every other one (text, password, search, a type
// the engine does not know and treats as text, …) does.
bool TakesNoText(const std::string& inputType) {
    static constexpr std::array<std::string_view, 9> kNoText = {
        "BUTTON", "CHECKBOX", "FILE", "HIDDEN", "IMAGE", "RADIO", "RESET", "SUBMIT", "RANGE"};
    const std::string type = Upper(inputType);
    return std::find(kNoText.begin(), kNoText.end(), type) != kNoText.end();
}

// Every step below is an engine call that may fail or throw through a broken object; a
// failure is the port's empty answer.
template <class T, class Body>
T Guarded(T fallback, Body&& body) {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

// document.elementFromPoint(x, y), a method of the document: called by name.
DomObject ElementFromPoint(const DomObject& document, int x, int y) {
    IDispatch* dispatch = document.Dispatch();
    if (!dispatch)
        return {};
    OLECHAR* name = const_cast<OLECHAR*>(L"elementFromPoint");
    DISPID id = 0;
    if (FAILED(dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id)))
        return {};
    VARIANT args[2];  // in reverse order
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = VT_I4;
    args[0].lVal = y;
    args[1].vt = VT_I4;
    args[1].lVal = x;
    DISPPARAMS params{args, nullptr, 2, 0};
    Variant result;
    if (FAILED(dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                result.Put(), nullptr, nullptr)))
        return {};
    IUnknown* object = ObjectFromVariant(result.Get());
    ComPtr<IDispatch> element;
    if (object)
        object->QueryInterface(IID_IDispatch, element.PutVoid());
    return DomObject(std::move(element));
}

// Deeper nesting than this is no link a user pressed.
constexpr int kMaxLinkDepth = 64;

}  // namespace

std::string Win32PageDocument::LinkAt(int x, int y) {
    return Guarded(std::string(), [&] {
        DomObject element = ElementFromPoint(document_, x, y);
        for (int depth = 0; element && depth < kMaxLinkDepth; ++depth) {
            if (element.Text(codePage_, L"tagName") == "A")
                return element.Text(codePage_, L"href");
            element = element.Object(L"parentElement");
        }
        return std::string();
    });
}

std::string Win32PageDocument::ImageAt(int x, int y) {
    return Guarded(std::string(), [&] {
        DomObject element = ElementFromPoint(document_, x, y);
        if (element && element.Text(codePage_, L"tagName") == "IMG")
            return element.Text(codePage_, L"src");
        return std::string();
    });
}

std::string Win32PageDocument::Protocol() {
    return Guarded(std::string(), [&] { return document_.Text(codePage_, L"protocol"); });
}

bool Win32PageDocument::SetBodyScroll(const std::string& value) {
    return Guarded(false, [&] {
        DomObject body = document_.Object(L"body");
        return body && body.Put(L"scroll", Variant::String(codePage_, value));
    });
}

bool Win32PageDocument::ForceBackground(const std::string& color) {
    return Guarded(false, [&] {
        DomObject body = document_.Object(L"body");
        // The picture first: a colour under a picture that stays would not show.
        return body && body.Put(L"background", Variant::String(codePage_, std::string())) &&
               body.Put(L"bgColor", Variant::String(codePage_, color));
    });
}

FocusedElementKind Win32PageDocument::FocusedElement() {
    return Guarded(FocusedElementKind::None, [&] {
        DomObject element = document_.Object(L"activeElement");
        if (!element)
            return FocusedElementKind::None;
        const std::string tag = Upper(element.Text(codePage_, L"tagName"));
        if (tag == "TEXTAREA")
            return FocusedElementKind::TextArea;
        if (tag == "INPUT" && !TakesNoText(element.Text(codePage_, L"type")))
            return FocusedElementKind::TextInput;
        return FocusedElementKind::Other;
    });
}

std::optional<int> Win32PageDocument::HistoryLength() {
    return Guarded(std::optional<int>(), [&]() -> std::optional<int> {
        DomObject history = document_.Object(L"parentWindow").Object(L"history");
        if (!history)
            return std::nullopt;
        std::optional<int32_t> length = history.Int(L"length");
        if (!length || *length < 0)
            return std::nullopt;
        return *length;
    });
}

bool Win32PageDocument::ExecCommand(int commandId) {
    return Guarded(false, [&] {
        ComPtr<IOleCommandTarget> target =
            ComPtr<IDispatch>(document_.Dispatch()).As<IOleCommandTarget>();
        return target && SUCCEEDED(target->Exec(nullptr, static_cast<DWORD>(commandId),
                                                OLECMDEXECOPT_DODEFAULT, nullptr, nullptr));
    });
}

bool Win32PageDocument::ExecScript(const std::string& script, const std::string& language) {
    return Guarded(false, [&] {
        DomObject window = document_.Object(L"parentWindow");
        std::vector<Variant> args;
        args.push_back(Variant::String(codePage_, script));
        args.push_back(Variant::String(codePage_, language));
        return window && window.Call(L"execScript", std::move(args));
    });
}

bool Win32PageDocument::ScrollBy(int dx, int dy) {
    return Guarded(false, [&] {
        std::vector<Variant> arguments;
        arguments.push_back(Variant::Int32(dx));
        arguments.push_back(Variant::Int32(dy));
        return document_.Object(L"parentWindow").Call(L"scrollBy", std::move(arguments));
    });
}

std::unique_ptr<TextRange> Win32PageDocument::BodyRange() {
    return Guarded(std::unique_ptr<TextRange>(),
                   [&] { return BodyTextRange(document_.Dispatch(), codePage_); });
}

}  // namespace lumbrel::win32
