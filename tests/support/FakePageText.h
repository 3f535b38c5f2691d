// A page whose body is a plain string, walked by text ranges the way the engine's findText
// walks it: matches in order, case and whole-word flags, marks recorded by position.
#pragma once

#include <cctype>
#include <map>
#include <memory>
#include <string>

#include "platform/PageText.h"

namespace lumbrel::test {

struct FakeMark {
    size_t at;
    std::string back, fore;
};

class FakePageText : public PageText {
public:
    std::string body;
    bool hasBody = true;
    size_t selectedAt = std::string::npos;
    int scrolls = 0;
    std::map<size_t, FakeMark> marks;  // by match position

    std::unique_ptr<TextRange> BodyRange() override {
        if (!hasBody)
            return nullptr;
        return std::make_unique<Range>(*this);
    }

private:
    class Range : public TextRange {
    public:
        explicit Range(FakePageText& page) : page_(page), end_(page.body.size()) {}
        bool FindText(const std::string& text, int flags) override {
            for (size_t at = begin_; at + text.size() <= end_; ++at)
                if (MatchesAt(text, at, flags)) {
                    begin_ = at;
                    matchEnd_ = at + text.size();
                    return true;
                }
            return false;
        }
        void Select() override { page_.selectedAt = begin_; }
        void ScrollIntoView() override { ++page_.scrolls; }
        void CollapseToEnd() override { begin_ = matchEnd_; }
        bool ExecCommand(const std::string& command, const std::string& value) override {
            FakeMark& mark = page_.marks[begin_];
            mark.at = begin_;
            (command == "BackColor" ? mark.back : mark.fore) = value;
            return true;
        }

    private:
        static bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
        bool MatchesAt(const std::string& text, size_t at, int flags) const {
            const std::string& shown = page_.body;
            for (size_t i = 0; i < text.size(); ++i) {
                char a = shown[at + i], b = text[i];
                if (!(flags & kFindMatchCase)) {
                    a = static_cast<char>(std::tolower(static_cast<unsigned char>(a)));
                    b = static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
                }
                if (a != b)
                    return false;
            }
            if (flags & kFindWholeWord) {
                if (at > 0 && IsWordChar(shown[at - 1]))
                    return false;
                if (at + text.size() < shown.size() && IsWordChar(shown[at + text.size()]))
                    return false;
            }
            return true;
        }
        FakePageText& page_;
        size_t begin_ = 0, end_ = 0, matchEnd_ = 0;
    };
};

}  // namespace lumbrel::test
