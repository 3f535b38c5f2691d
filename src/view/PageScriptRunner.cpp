#include "view/PageScriptRunner.h"

#include <algorithm>
#include <cctype>

#include "frame/CMainFrame.h"

namespace lumbrel {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

std::optional<ScriptElement> ParseScriptElement(std::string_view text) {
    const size_t open = text.find('<');
    const size_t close = text.find('>');
    if (open == std::string_view::npos || close == std::string_view::npos || open > close)
        return std::nullopt;
    // The language is looked for after the tag's first character.
    const std::string tag = Lower(text.substr(open + 1, close - open - 1));
    ScriptElement script;
    if (tag.find("javascript") != std::string::npos)
        script.language = "JavaScript";
    else if (tag.find("jscript") != std::string::npos)
        script.language = "JScript";
    else if (tag.find("vbscript") != std::string::npos)
        script.language = "VBScript";
    else
        return std::nullopt;
    const std::string rest = Lower(text.substr(close + 1));
    const size_t end = rest.find("</script>");
    if (end == std::string::npos)
        return std::nullopt;
    script.body = std::string(text.substr(close + 1, end));
    return script;
}

bool PageScriptRunner::RunIn(ChildId window, const ScriptElement& script) {
    CChildFrame* child = frame_.Windows().Find(window);
    BrowserControl* browser = child ? child->View().Browser() : nullptr;
    const std::unique_ptr<PageDocument> document = browser ? browser->Document() : nullptr;
    return document && document->ExecScript(script.body, script.language);
}

bool PageScriptRunner::Run(std::string_view element, ChildId window, bool everyWindow) {
    const std::optional<ScriptElement> script = ParseScriptElement(element);
    if (!script)
        return false;
    if (!everyWindow)
        return RunIn(window, *script);
    // Taken first: a script may close windows (and run the message loop) while the walk goes.
    std::vector<ChildId> windows = frame_.Windows().InOrder();
    bool allRan = !windows.empty();
    for (auto id = windows.rbegin(); id != windows.rend(); ++id)
        if (frame_.Windows().Find(*id) && !RunIn(*id, *script))
            allRan = false;
    return allRan;
}

}  // namespace lumbrel
