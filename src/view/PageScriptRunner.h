// Runs a script element ("<script language=...>...</script>") in pages: in one window's page,
// or in every window's from the last tab to the first. Used by the zoom commands and the
// script collector; the caller decides what a failure tells the user.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/FrameWindow.h"

namespace lumbrel {

class CMainFrame;

struct ScriptElement {
    std::string language;  // as the engine names it: "JavaScript", "JScript" or "VBScript"
    std::string body;
};

// The element's language and body: the first "<" must come before the first ">"; the opening
// tag names "javascript", else "jscript", else "vbscript" (in any case); the body runs from
// after the first ">" to the first "</script>" (in any case). Nothing when the text is not
// such an element.
std::optional<ScriptElement> ParseScriptElement(std::string_view text);

class PageScriptRunner {
public:
    explicit PageScriptRunner(CMainFrame& frame) : frame_(frame) {}

    // Runs `element` in the page of `window`, or with `everyWindow` in every window from the
    // last tab to the first. A window closed by a script meanwhile is skipped. False when the
    // element is malformed or a page had no document or refused the script.
    bool Run(std::string_view element, ChildId window, bool everyWindow);

private:
    bool RunIn(ChildId window, const ScriptElement& script);

    CMainFrame& frame_;
};

}  // namespace lumbrel
