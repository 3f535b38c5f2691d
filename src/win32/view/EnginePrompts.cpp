#include "win32/view/EnginePrompts.h"

#include "win32/view/DomObject.h"

namespace lumbrel::win32 {

DocHostPolicy::ScriptErrorAnswer EnginePrompts::ScriptError() {
    return events_.OnScriptError() ? ScriptErrorAnswer::ContinueScripts
                                   : ScriptErrorAnswer::EngineDefault;
}

bool EnginePrompts::SuppressMessage(IDispatch* document) {
    if (!document)
        return false;
    const std::string text = DomObject(ComPtr<IDispatch>(document))
                                 .Object(L"parentWindow")
                                 .Object(L"event")
                                 .Text(codePage_, L"messageText");
    return events_.OnPageMessage(text);
}

}  // namespace lumbrel::win32
