// The dialogs of the address input, as the rules use them: the Open dialog, the general
// input box, and the alias and quick-key dialogs of the tab menu. The Windows binding shows
// them; tests answer from a script. Each returns nothing when the user cancels.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "address/DialogInput.h"
#include "address/QuickKeys.h"

namespace lumbrel {

// "Open File": the address and its two check boxes.
struct OpenDialogFields {
    std::string text;
    bool openInNew = true;   // "Open In New Window" (`OpenInNew`)
    bool directOpen = true;  // "Direct Open Local File" (`DirectOpenFile`)
};

struct AliasFields {
    std::string alias;
    std::string url;
};

class AddressDialogs {
public:
    virtual ~AddressDialogs() = default;
    // `typed`: the typed-address list for the field's drop-down.
    virtual std::optional<OpenDialogFields> OpenAddress(const OpenDialogFields& initial,
                                                        const std::vector<std::string>& typed) = 0;
    // The text confirmed with OK; nothing when cancelled or closed by "Save" or
    // "&Copy Selected".
    virtual std::optional<std::string> Input(const DialogInput& box) = 0;
    virtual std::optional<AliasFields> Alias(const AliasFields& proposed) = 0;
    // `shown`: the keys as the box starts (see ProposeQuickKey).
    virtual std::optional<QuickKeyFields> QuickKeys(const QuickKeyFields& shown) = 0;
};

}  // namespace lumbrel
