#include "win32/view/PageSelection.h"

#include <mshtml.h>

#include "win32/platform/ComPtr.h"
#include "win32/platform/ComValues.h"

namespace lumbrel::win32 {
namespace {

ComPtr<IHTMLDocument2> DocumentOf(IWebBrowser2& browser) {
    ComPtr<IDispatch> document;
    if (FAILED(browser.get_Document(document.Put())) || !document)
        return {};
    return document.As<IHTMLDocument2>();
}

// The selection as a text range; nothing when nothing (or no text) is selected.
ComPtr<IHTMLTxtRange> SelectionRange(IHTMLDocument2& document) {
    ComPtr<IHTMLSelectionObject> selection;
    if (FAILED(document.get_selection(selection.Put())) || !selection)
        return {};
    ComPtr<IDispatch> range;
    if (FAILED(selection->createRange(range.Put())) || !range)
        return {};
    return range.As<IHTMLTxtRange>();
}

}  // namespace

std::string SelectedText(IWebBrowser2& browser, const CodePage& codePage) {
    ComPtr<IHTMLDocument2> document = DocumentOf(browser);
    if (!document)
        return {};
    ComPtr<IHTMLTxtRange> range = SelectionRange(*document);
    if (!range)
        return {};
    Bstr text;
    if (FAILED(range->get_text(text.Put())))
        return {};
    return AnsiFromBstr(codePage, text.Get());
}

std::vector<std::string> SelectedLinks(IWebBrowser2& browser, const CodePage& codePage) {
    std::vector<std::string> links;
    ComPtr<IHTMLDocument2> document = DocumentOf(browser);
    if (!document)
        return links;
    ComPtr<IHTMLTxtRange> selection = SelectionRange(*document);
    ComPtr<IHTMLElement> body;
    ComPtr<IHTMLElementCollection> anchors;
    if (!selection || FAILED(document->get_body(body.Put())) || !body ||
        FAILED(document->get_links(anchors.Put())) || !anchors)
        return links;
    ComPtr<IHTMLBodyElement> bodyElement = body.As<IHTMLBodyElement>();
    long count = 0;
    if (!bodyElement || FAILED(anchors->get_length(&count)))
        return links;
    for (long i = 0; i < count; ++i) {
        const Variant index = Variant::Int32(static_cast<int32_t>(i));
        ComPtr<IDispatch> item;
        if (FAILED(anchors->item(index.Get(), index.Get(), item.Put())) || !item)
            continue;
        ComPtr<IHTMLElement> element = item.As<IHTMLElement>();
        ComPtr<IHTMLAnchorElement> anchor = item.As<IHTMLAnchorElement>();
        ComPtr<IHTMLTxtRange> linkRange;
        if (!element || !anchor || FAILED(bodyElement->createTextRange(linkRange.Put())) ||
            !linkRange || FAILED(linkRange->moveToElementText(element.Get())))
            continue;
        VARIANT_BOOL inside = VARIANT_FALSE;
        if (FAILED(selection->inRange(linkRange.Get(), &inside)) || inside != VARIANT_TRUE)
            continue;
        Bstr href;
        if (SUCCEEDED(anchor->get_href(href.Put())) && href.Get())
            links.push_back(AnsiFromBstr(codePage, href.Get()));
    }
    return links;
}

}  // namespace lumbrel::win32
