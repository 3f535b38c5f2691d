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
