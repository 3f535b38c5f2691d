// The engine's own boxes about a page — a script error, a message such as the ActiveX
// warning — handed to the window's view, which decides whether the engine shows them. The
// message's text is read where the engine leaves it for its host: the `messageText` of the
// event object of the document's window.
#pragma once

#include "platform/BrowserControl.h"
#include "platform/CodePage.h"
#include "win32/view/BrowserSite.h"

namespace lumbrel::win32 {

class EnginePrompts : public DocHostPolicy {
public:
    EnginePrompts(BrowserEvents& events, const CodePage& codePage)
        : events_(events), codePage_(codePage) {}

    ScriptErrorAnswer ScriptError() override;
    bool SuppressMessage(IDispatch* document) override;

private:
    BrowserEvents& events_;
    const CodePage& codePage_;
};

}  // namespace lumbrel::win32
