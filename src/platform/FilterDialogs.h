// The popup filter's own dialogs and its sound: the confirmation of an automatic popup
// ("Confirm Filter Auto Popup Ad Window", with its two check boxes), the "Confirm" dialog of
// "Add to Popup Filter..." and the filter sound played without waiting. The Windows binding
// shows the dialog resources through the language file; the fake answers from a script.
#pragma once

#include <string>

namespace lumbrel {

struct PopupConfirmAnswer {
    bool ok = false;
    std::string text{};          // the edit box, as the user left it
    bool addToList = false;      // "Add to Filter List ( Can Modify With * )"
    bool dontShowAgain = false;  // "Don't show the dialog again"
};

struct PopupAddAnswer {
    bool ok = false;
    std::string text{};     // the edit box, as the user left it
    bool closePage = true;  // "Close The Page"
};

class FilterDialogs {
public:
    virtual ~FilterDialogs() = default;
    // Modal: runs a message loop. Both check boxes start clear.
    virtual PopupConfirmAnswer ConfirmPopup(const std::string& url) = 0;
    // Modal: runs a message loop. The edit box holds `url`, "Close The Page" starts ticked.
    virtual PopupAddAnswer AddToPopupFilter(const std::string& url) = 0;
    // Plays a sound file and returns at once; a missing file plays nothing.
    virtual void PlaySoundAsync(const std::string& path) = 0;
};

}  // namespace lumbrel
