// A frame that records what the search bar did, over a fake page.
#pragma once

#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "search/PageFinder.h"
#include "search/SearchBarHost.h"
#include "support/FakePageText.h"

namespace lumbrel::test {

class FakeSearchHost : public SearchBarHost {
public:
    std::string keywordBox, addressBox, selectedText;
    bool keywordBoxFocused = false;
    std::vector<std::string> dropDown;
    std::vector<std::string> opened;
    std::vector<std::string> statusTexts;
    std::vector<int> posted;
    std::vector<std::string> focusMoves;  // "box", "page"
    int rebuilds = 0;
    int selectedItem = -1;
    FakePageText page;
    FindState findState;
    bool hasWindow = true;

    std::string KeywordBoxText() override { return keywordBox; }
    void SetKeywordBoxText(const std::string& text) override { keywordBox = text; }
    bool KeywordBoxHasFocus() override { return keywordBoxFocused; }
    void FocusKeywordBox() override {
        keywordBoxFocused = true;
        focusMoves.push_back("box");
    }
    void InsertKeywordItem(size_t position, const std::string& text) override {
        dropDown.insert(dropDown.begin() + static_cast<std::ptrdiff_t>(position), text);
    }
    void RemoveKeywordItem(size_t position) override {
        dropDown.erase(dropDown.begin() + static_cast<std::ptrdiff_t>(position));
    }
    void SelectKeywordItem(size_t position) override { selectedItem = static_cast<int>(position); }
    void ClearKeywordItems() override { dropDown.clear(); }
    std::string AddressBoxText() override { return addressBox; }
    PageText* ActivePageText() override { return hasWindow ? &page : nullptr; }
    FindState* ActiveFindState() override { return hasWindow ? &findState : nullptr; }
    std::string ActiveSelectedText() override { return selectedText; }
    void FocusActivePage() override {
        keywordBoxFocused = false;
        focusMoves.push_back("page");
    }
    void OpenInNewWindow(const std::string& url) override { opened.push_back(url); }
    void SetStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void PostCommand(int id) override { posted.push_back(id); }
    void RebuildSearchBar() override { ++rebuilds; }
};

}  // namespace lumbrel::test
