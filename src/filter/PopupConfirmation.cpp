#include "filter/PopupConfirmation.h"

#include <utility>

namespace lumbrel {

PopupConfirmation::PopupConfirmation(FileSystem& fs, FilterDialogs& dialogs, UrlFilter& filter,
                                     std::string soundPath,
                                     std::function<void(bool)> storeNotConfirm)
    : fs_(fs),
      dialogs_(dialogs),
      filter_(filter),
      soundPath_(std::move(soundPath)),
      storeNotConfirm_(std::move(storeNotConfirm)) {}

PopupConfirmation::Verdict PopupConfirmation::Decide(const std::string& url, bool ask) {
    if (settings_.playPopupFilterSound && fs_.Exists(soundPath_))
        dialogs_.PlaySoundAsync(soundPath_);
    if (!ask || filter_.Lists().InPopFilter(url))
        return Verdict::Filter;
    if (settings_.notConfirmPopupFilter || url == "about:blank")
        return Verdict::Filter;
    return Verdict::AskLater;
}

bool PopupConfirmation::AskNow(const std::string& url) {
    // An answer to an earlier question may have settled this one: "Don't show the dialog
    // again" counts for every question still waiting, and an address added to the list is
    // filtered without one.
    if (settings_.notConfirmPopupFilter || filter_.Lists().InPopFilter(url))
        return true;
    const PopupConfirmAnswer answer = dialogs_.ConfirmPopup(url);
    if (answer.ok && answer.addToList)
        filter_.AddToPopFilter(answer.text);
    if (answer.dontShowAgain != settings_.notConfirmPopupFilter) {
        settings_.notConfirmPopupFilter = answer.dontShowAgain;
        if (storeNotConfirm_)
            storeNotConfirm_(answer.dontShowAgain);
    }
    return answer.ok;
}

}  // namespace lumbrel
