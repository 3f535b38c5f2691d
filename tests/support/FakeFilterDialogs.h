// The popup filter's dialogs answered from a script. Like the real ones they run the message
// loop while they are open (when given one), so whatever was posted meanwhile happens before
// they return.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/FilterDialogs.h"
#include "support/FakeEventLoop.h"

namespace lumbrel::test {

class FakeFilterDialogs : public FilterDialogs {
public:
    PopupConfirmAnswer confirmAnswer;
    PopupAddAnswer addAnswer;
    // What was shown, one line each: "confirm URL", "add URL", "sound PATH".
    std::vector<std::string> shown;
    void RunLoopInsideDialogs(FakeEventLoop* loop) { loop_ = loop; }
    // Runs while a dialog is open, after the loop was pumped.
    std::function<void()> whileOpen;

    PopupConfirmAnswer ConfirmPopup(const std::string& url) override {
        shown.push_back("confirm " + url);
        Open();
        return confirmAnswer;
    }
    PopupAddAnswer AddToPopupFilter(const std::string& url) override {
        shown.push_back("add " + url);
        Open();
        PopupAddAnswer answer = addAnswer;
        if (answer.text.empty())
            answer.text = url;
        return answer;
    }
    void PlaySoundAsync(const std::string& path) override { shown.push_back("sound " + path); }

    int Count(const std::string& prefix) const {
        int count = 0;
        for (const std::string& line : shown)
            count += line.starts_with(prefix) ? 1 : 0;
        return count;
    }

private:
    void Open() {
        if (loop_)
            loop_->Pump();
        if (whileOpen)
            whileOpen();
    }
    FakeEventLoop* loop_ = nullptr;
};

}  // namespace lumbrel::test
