// The search bar's band for tests: the keyword box and its drop-down as plain values, the
// button strip as it was last set, and icon files that load unless named in `missingIcons`.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/SearchBand.h"

namespace lumbrel::test {

class FakeSearchBand : public SearchBand {
public:
    std::string keyword;
    bool focused = false;
    std::vector<std::string> dropDown;
    int selected = -1;
    std::set<std::string> missingIcons;
    std::vector<std::string> loadedIcons;
    std::vector<SearchBarButton> buttons;
    int idealWidth = 0;
    int strips = 0;

    std::string KeywordText() override { return keyword; }
    void SetKeywordText(const std::string& text) override { keyword = text; }
    bool KeywordHasFocus() override { return focused; }
    void FocusKeyword() override { focused = true; }
    void InsertKeyword(size_t position, const std::string& text) override {
        dropDown.insert(dropDown.begin() + static_cast<std::ptrdiff_t>(position), text);
    }
    void RemoveKeyword(size_t position) override {
        dropDown.erase(dropDown.begin() + static_cast<std::ptrdiff_t>(position));
    }
    void SelectKeyword(size_t position) override { selected = static_cast<int>(position); }
    void ClearKeywords() override { dropDown.clear(); }
    std::vector<bool> LoadEngineIcons(const std::vector<std::string>& files) override {
        std::vector<bool> loaded;
        loadedIcons.clear();
        for (const std::string& file : files) {
            loaded.push_back(!missingIcons.contains(file));
            if (loaded.back())
                loadedIcons.push_back(file);
        }
        return loaded;
    }
    void SetButtons(const std::vector<SearchBarButton>& strip, int width) override {
        buttons = strip;
        idealWidth = width;
        ++strips;
    }
    int ButtonWidth() override { return 23; }

    // The commands of the strip's buttons, in order.
    std::vector<int> Commands() const {
        std::vector<int> commands;
        for (const SearchBarButton& button : buttons)
            if (button.kind == SearchBarButton::Kind::Button)
                commands.push_back(button.command);
        return commands;
    }
};

}  // namespace lumbrel::test
