// The address input's dialogs on Windows: "Open File", the general input box, "URL Alias" and
// "Quick Key", each translated through its language-file section. They show what the core
// hands them and hand back what the user confirmed; the rules stay in the core.
#pragma once

#include "address/AddressDialogs.h"
#include "win32/platform/WinApi.h"

namespace lumbrel {
class Language;
}

namespace lumbrel::win32 {

class AddressDialogWindows : public AddressDialogs {
public:
    // The owner window of the dialogs and the language they are translated with.
    void SetOwner(HWND owner) { owner_ = owner; }
    void SetLanguage(const Language* language) { language_ = language; }

    std::optional<OpenDialogFields> OpenAddress(const OpenDialogFields& initial,
                                                const std::vector<std::string>& typed) override;
    std::optional<std::string> Input(const DialogInput& box) override;
    std::optional<AliasFields> Alias(const AliasFields& proposed) override;
    std::optional<QuickKeyFields> QuickKeys(const QuickKeyFields& shown) override;

private:
    HWND owner_ = nullptr;
    const Language* language_ = nullptr;
};

}  // namespace lumbrel::win32
