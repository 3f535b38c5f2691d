// Whether a popup the rules found is to be filtered, and the question that may come with it.
// A popup on the popup list, a refusal that asks nothing, "about:blank" and the setting
// "NotConfirmPopupFilter" need no question. Otherwise the user is asked, but never inside an
// engine callback, whose window may be gone after a dialog's message loop: there the answer
// is "ask later", and the caller posts a message and asks from it (AskNow), after looking the
// window up again; meanwhile the window goes on loading.
#pragma once

#include <functional>
#include <string>

#include "filter/UrlFilter.h"
#include "platform/FileSystem.h"
#include "platform/FilterDialogs.h"

namespace lumbrel {

struct PopupConfirmSettings {
    bool notConfirmPopupFilter = true;
    bool playPopupFilterSound = true;
};

class PopupConfirmation {
public:
    enum class Verdict { Filter, Keep, AskLater };

    // `soundPath` is "Resource\PopFilter.wav" of the program folder; `storeNotConfirm` writes
    // the setting at once.
    PopupConfirmation(FileSystem& fs, FilterDialogs& dialogs, UrlFilter& filter,
                      std::string soundPath, std::function<void(bool)> storeNotConfirm);

    void SetSettings(const PopupConfirmSettings& settings) { settings_ = settings; }
    const PopupConfirmSettings& Settings() const { return settings_; }

    // Plays the sound when set and the file is there; `ask` false: the rule needs no
    // consent (a listed window). Never shows anything.
    Verdict Decide(const std::string& url, bool ask);
    // The question itself, from a posted message: true filters. Asks nothing (and filters)
    // when an earlier answer turned the questions off or listed the address. Stores "Don't
    // show the dialog again" whichever button closed it, and adds the edited text to the popup list
    // (saved at once) when asked to.
    bool AskNow(const std::string& url);

private:
    FileSystem& fs_;
    FilterDialogs& dialogs_;
    UrlFilter& filter_;
    const std::string soundPath_;
    std::function<void(bool)> storeNotConfirm_;
    PopupConfirmSettings settings_;
};

}  // namespace lumbrel
