#include "support/ScriptedUi.h"

#include <utility>

namespace lumbrel::test {

std::vector<std::string> ScriptedUi::MessagesShown() const {
    std::vector<std::string> texts;
    for (const auto& a : asked_)
        if (a.kind == "message")
            texts.push_back(a.text);
    return texts;
}

bool ScriptedUi::AllAnswersUsed() const {
    return messages_.empty() && inputs_.empty() && passwords_.empty() && languages_.empty();
}

void ScriptedUi::Clear() {
    messages_.clear();
    inputs_.clear();
    passwords_.clear();
    languages_.clear();
    asked_.clear();
}

void ScriptedUi::RunLoop() {
    if (loop_)
        loop_->Pump();
    if (auto action = std::exchange(whileUp_, nullptr))
        action();
}

MsgResult ScriptedUi::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon) {
    asked_.push_back({"message", text});
    RunLoop();
    if (!messages_.empty()) {
        MsgResult r = messages_.front();
        messages_.pop_front();
        return r;
    }
    switch (buttons) {
        case MsgButtons::Ok:
            return MsgResult::Ok;
        case MsgButtons::OkCancel:
            return MsgResult::Cancel;
        default:
            return MsgResult::No;
    }
}

std::optional<std::string> ScriptedUi::InputBox(const std::string& prompt,
                                                const std::string& initial) {
    asked_.push_back({"input", prompt});
    lastInputInitial = initial;
    RunLoop();
    if (inputs_.empty())
        return std::nullopt;
    auto r = inputs_.front();
    inputs_.pop_front();
    return r;
}

std::optional<int> ScriptedUi::NumberBox(const NumberRequest& request) {
    asked_.push_back({"number", request.prompt});
    lastNumberCaption = request.caption;
    lastInputInitial = std::to_string(request.initial);
    RunLoop();
    while (!inputs_.empty()) {
        const std::optional<std::string> text = inputs_.front();
        inputs_.pop_front();
        if (!text)
            return std::nullopt;
        if (std::optional<int> value = request.accept(*text))
            return value;
        asked_.push_back({"message", request.refusal});
        lastInputInitial = *text;
    }
    return std::nullopt;
}

std::optional<PasswordAnswer> ScriptedUi::PasswordBox(const std::string& prompt,
                                                      const PasswordAnswer& initial) {
    asked_.push_back({"password", prompt});
    lastPasswordInitial = initial;
    RunLoop();
    if (passwords_.empty())
        return std::nullopt;
    auto r = passwords_.front();
    passwords_.pop_front();
    return r;
}

std::optional<int> ScriptedUi::ChooseLanguage(const LanguageRow& columnTitles,
                                              const std::vector<LanguageRow>& rows, int selected) {
    asked_.push_back({"language", columnTitles.fileName});
    lastLanguageRows = rows;
    lastLanguageSelected = selected;
    RunLoop();
    if (languages_.empty())
        return std::nullopt;
    auto r = languages_.front();
    languages_.pop_front();
    return r;
}

}  // namespace lumbrel::test
