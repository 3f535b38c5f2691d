// Find and highlight over the engine's text ranges: a range over the document body
// (IHTMLBodyElement::createTextRange) moved from match to match with IHTMLTxtRange::findText.
#pragma once

#include <memory>

#include "platform/CodePage.h"
#include "platform/PageText.h"
#include "win32/platform/ComPtr.h"
#include "win32/platform/WinApi.h"

#include <mshtml.h>

namespace lumbrel::win32 {

class Win32TextRange : public TextRange {
public:
    Win32TextRange(ComPtr<IHTMLTxtRange> range, const CodePage& codePage)
        : range_(std::move(range)), codePage_(codePage) {}

    bool FindText(const std::string& text, int flags) override;
    void Select() override;
    void ScrollIntoView() override;
    void CollapseToEnd() override;
    bool ExecCommand(const std::string& command, const std::string& value) override;

private:
    ComPtr<IHTMLTxtRange> range_;
    const CodePage& codePage_;
};

// A fresh range over the body of `document` (the engine's document object); null when it has
// no body.
std::unique_ptr<TextRange> BodyTextRange(IDispatch* document, const CodePage& codePage);

}  // namespace lumbrel::win32
