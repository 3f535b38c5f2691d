// The popup filter's dialogs on Windows: "Confirm Filter Auto Popup Ad Window" and the
// "Confirm" of "Add to Popup Filter...", each translated through its language-file section,
// and the filter sound played without waiting. They show what the core hands them and hand
// back what the user left in them; the rules stay in the core.
#pragma once

#include "platform/FilterDialogs.h"
#include "win32/platform/WinApi.h"

namespace lumbrel {
class Language;
}

namespace lumbrel::win32 {

class Win32FilterDialogs : public FilterDialogs {
public:
    // The owner window of the dialogs and the language they are translated with.
    void SetOwner(HWND owner) { owner_ = owner; }
    void SetLanguage(const Language* language) { language_ = language; }

    PopupConfirmAnswer ConfirmPopup(const std::string& url) override;
    PopupAddAnswer AddToPopupFilter(const std::string& url) override;
    void PlaySoundAsync(const std::string& path) override;

private:
    HWND Owner() const { return owner_ && IsWindow(owner_) ? owner_ : nullptr; }

    HWND owner_ = nullptr;
    const Language* language_ = nullptr;
};

}  // namespace lumbrel::win32
