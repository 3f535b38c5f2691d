#include "address/QuickKeys.h"

#include "base/DbcsText.h"

namespace lumbrel {

QuickKeyBinding ResolveQuickKey(const CodePage& cp, bool useSC, std::string_view binding) {
    QuickKeyBinding result;
    if (!useSC || binding.empty() || binding == "javascript:")
        return result;
    if (binding.starts_with("javascript:") || binding.starts_with("vbscript:")) {
        result.kind = QuickKeyBinding::Kind::ActivePage;
        result.urls.emplace_back(binding);
        return result;
    }
    result.kind = QuickKeyBinding::Kind::NewWindows;
    result.isList = FindChar(cp, binding, '|', 0) != std::string_view::npos;
    size_t start = 0;
    for (;;) {
        const size_t bar = FindChar(cp, binding, '|', start);
        const std::string_view piece = TrimBlanks(
            cp, binding.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (!piece.empty())
            result.urls.emplace_back(piece);
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    return result;
}

std::optional<QuickKeyAction> BuiltInQuickKeyAction(int index, bool useIeKey) {
    static constexpr QuickKeyAction kActions[kQuickKeyCount] = {
        QuickKeyAction::PreviousWindow, QuickKeyAction::NextWindow,
        QuickKeyAction::Close,          QuickKeyAction::Refresh,
        QuickKeyAction::FindBackward,   QuickKeyAction::FindForward,
        QuickKeyAction::FocusAddress,   QuickKeyAction::AddressDropDown,
        QuickKeyAction::FocusSearch,    QuickKeyAction::FullScreen,
        QuickKeyAction::AutoHide,
    };
    if (index < 0 || index >= kQuickKeyCount)
        return std::nullopt;
    if (index == 2 && useIeKey)
        return QuickKeyAction::AddressDropDown;
    return kActions[index];
}

QuickKeyFields ProposeQuickKey(QuickKeyFields stored, const std::string& pageUrl) {
    stored.focusRow = 0;
    if (pageUrl.empty())
        return stored;
    for (int i = 0; i < kQuickKeyCount; ++i) {
        std::string& binding = stored.bindings[static_cast<size_t>(i)];
        if (binding.empty()) {
            binding = pageUrl;
            stored.focusRow = i;
            break;
        }
    }
    return stored;
}

}  // namespace lumbrel
