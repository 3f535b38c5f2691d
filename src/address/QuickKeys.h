// The quick keys F2 … F12 (commands 32913 … 32923): an address bound to a key opens in new
// windows, or a script address runs in the active page; a key without a binding does its
// built-in action. Bindings live in section "Shortcuts" ("F2" … "F12").
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace lumbrel {

inline constexpr int kQuickKeyCount = 11;  // F2 … F12

// What a quick key's binding asks for.
struct QuickKeyBinding {
    enum class Kind {
        BuiltIn,     // no binding in use: the key's own action
        ActivePage,  // a "javascript:" or "vbscript:" address for the active window
        NewWindows,  // each address in a new window of its own, in order
    };
    Kind kind = Kind::BuiltIn;
    std::vector<std::string> urls;
    bool isList = false;  // written with "|": its windows go to the end of the tab bar
};

// The binding of a key: in use only with `UseSC` on and a text other than empty or exactly
// "javascript:"; a text with "|" is a list, each trimmed non-empty piece one address.
QuickKeyBinding ResolveQuickKey(const CodePage& cp, bool useSC, std::string_view binding);

// The built-in actions of F2 … F12.
enum class QuickKeyAction {
    PreviousWindow,
    NextWindow,
    Close,
    Refresh,
    FindBackward,
    FindForward,
    FocusAddress,
    AddressDropDown,
    FocusSearch,
    FullScreen,
    AutoHide,
};

// The action of key `index` (0 = F2); F4 does F9's with `UseIeKey` on. Nothing outside F2 … F12.
std::optional<QuickKeyAction> BuiltInQuickKeyAction(int index, bool useIeKey);

// The texts bound to F2 … F12 and `UseIeKey`.
struct QuickKeyFields {
    std::array<std::string, kQuickKeyCount> bindings;
    bool useIeKey = false;
    // The row that takes the focus, its text selected (0 … kQuickKeyCount - 1).
    int focusRow = 0;
};

// What the quick-key box shows for a page: the keys as stored, with `pageUrl` put into the
// first free key, which takes the focus so that OK binds it. With no free key (or no
// address) nothing is proposed and the first key takes the focus.
QuickKeyFields ProposeQuickKey(QuickKeyFields stored, const std::string& pageUrl);

}  // namespace lumbrel
