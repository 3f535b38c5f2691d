// Answers the program's questions from a script and records every question asked.
// A question without a scripted answer gets the "cancel" answer (No, Cancel, nothing).
// Like the real dialogs, every box runs the message loop while it is up: messages posted
// before the question (a close request, a deferred activation) are delivered before the
// answer comes back.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Ui.h"
#include "support/FakeEventLoop.h"

namespace lumbrel::test {

class ScriptedUi : public Ui {
public:
    struct Asked {
        std::string kind;  // "message", "input", "number" or "password"
        std::string text;
    };

    // The loop the boxes run while they are up; none: they answer at once.
    void RunLoopInsideBoxes(FakeEventLoop* loop) { loop_ = loop; }
    // Something the system does while the next box is up (as the end of the session, which
    // is sent, not posted); runs once, after the loop's posted messages.
    void WhileNextBoxIsUp(std::function<void()> action) { whileUp_ = std::move(action); }

    void AnswerMessage(MsgResult result) { messages_.push_back(result); }
    void AnswerInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
    void AnswerPassword(std::optional<PasswordAnswer> answer) { passwords_.push_back(answer); }

    const std::vector<Asked>& Questions() const { return asked_; }
    std::vector<std::string> MessagesShown() const;
    bool AllAnswersUsed() const;
    void Clear();

    MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
    // Whether Ctrl is down for what the test does next.
    bool ctrlHeld = false;
    bool CtrlHeld() override { return ctrlHeld; }
    bool shiftHeld = false;
    bool ShiftHeld() override { return shiftHeld; }
    std::optional<std::string> InputBox(const std::string& prompt,
                                        const std::string& initial) override;
    // Takes the scripted inputs as the texts typed: each refused one shows the refusal as a
    // message, as the real dialog does, and the next is tried.
    std::optional<int> NumberBox(const NumberRequest& request) override;
    std::optional<PasswordAnswer> PasswordBox(const std::string& prompt,
                                              const PasswordAnswer& initial) override;
    std::optional<int> ChooseLanguage(const LanguageRow& columnTitles,
                                      const std::vector<LanguageRow>& rows, int selected) override;

    void AnswerLanguage(std::optional<int> row) { languages_.push_back(row); }
    // The rows and selection of the last language dialog.
    std::vector<LanguageRow> lastLanguageRows;
    int lastLanguageSelected = -1;

    // What the last password box was prefilled with.
    PasswordAnswer lastPasswordInitial;
    // What the last input box was prefilled with.
    std::string lastInputInitial;
    std::string lastNumberCaption;

private:
    void RunLoop();

    FakeEventLoop* loop_ = nullptr;
    std::function<void()> whileUp_;
    std::deque<MsgResult> messages_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<std::optional<PasswordAnswer>> passwords_;
    std::deque<std::optional<int>> languages_;
    std::vector<Asked> asked_;
};

}  // namespace lumbrel::test
