#include "win32/view/Win32TextRange.h"

#include "win32/platform/ComValues.h"

namespace lumbrel::win32 {

bool Win32TextRange::FindText(const std::string& text, int flags) {
    const Bstr wanted = Bstr::FromAnsi(codePage_, text);
    VARIANT_BOOL found = VARIANT_FALSE;
    // The count bounds how far the search runs from the range's start: the whole rest of the
    // body, in the forward direction.
    constexpr long kToTheEnd = 0x7FFFFFFF;
    return SUCCEEDED(range_->findText(wanted.Get(), kToTheEnd, flags, &found)) &&
           found == VARIANT_TRUE;
}

void Win32TextRange::Select() {
    range_->select();
}

void Win32TextRange::ScrollIntoView() {
    range_->scrollIntoView(VARIANT_TRUE);
}

void Win32TextRange::CollapseToEnd() {
    range_->collapse(VARIANT_FALSE);
}

bool Win32TextRange::ExecCommand(const std::string& command, const std::string& value) {
    const Bstr name = Bstr::FromAnsi(codePage_, command);
    Variant argument = Variant::String(codePage_, value);
    VARIANT_BOOL done = VARIANT_FALSE;
    return SUCCEEDED(range_->execCommand(name.Get(), VARIANT_FALSE, argument.Get(), &done)) &&
           done == VARIANT_TRUE;
}

std::unique_ptr<TextRange> BodyTextRange(IDispatch* document, const CodePage& codePage) {
    ComPtr<IHTMLDocument2> html = ComPtr<IDispatch>(document).As<IHTMLDocument2>();
    if (!html)
        return nullptr;
    ComPtr<IHTMLElement> body;
    if (FAILED(html->get_body(body.Put())) || !body)
        return nullptr;
    ComPtr<IHTMLBodyElement> bodyElement = body.As<IHTMLBodyElement>();
    ComPtr<IHTMLTxtRange> range;
    if (!bodyElement || FAILED(bodyElement->createTextRange(range.Put())) || !range)
        return nullptr;
    return std::make_unique<Win32TextRange>(std::move(range), codePage);
}

}  // namespace lumbrel::win32
