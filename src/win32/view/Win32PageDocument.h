// The PageDocument port over the engine's document object, reached by the names page
// scripts use. Made for one step by WebBrowserHost::Document and dropped after it.
#pragma once

#include "platform/BrowserControl.h"
#include "platform/CodePage.h"
#include "win32/view/DomObject.h"

namespace lumbrel::win32 {

class Win32PageDocument : public PageDocument {
public:
    // `document` is the engine's document (the control's Document property).
    Win32PageDocument(ComPtr<IDispatch> document, const CodePage& codePage)
        : document_(std::move(document)), codePage_(codePage) {}

    std::string Protocol() override;
    bool SetBodyScroll(const std::string& value) override;
    bool ForceBackground(const std::string& color) override;
    FocusedElementKind FocusedElement() override;
    std::optional<int> HistoryLength() override;
    bool ExecCommand(int commandId) override;
    std::string LinkAt(int x, int y) override;
    std::string ImageAt(int x, int y) override;
    bool ExecScript(const std::string& script, const std::string& language) override;
    std::unique_ptr<TextRange> BodyRange() override;
    // The document window's scrollBy; false without the window.
    bool ScrollBy(int dx, int dy);

private:
    DomObject document_;
    const CodePage& codePage_;
};

}  // namespace lumbrel::win32
