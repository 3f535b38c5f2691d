// The search bar's band: a toolbar whose first separator is as wide as the keyword box, with
// the box (an extended combo box with its drop-down of typed keywords) lying over it, the
// search button with its drop-down arrow, the engine buttons with their icons, highlight and
// find. Buttons, Enter, Esc and Delete in the open drop-down are handed on as they come; the
// strip is what the core lays out.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/SearchBand.h"
#include "win32/platform/WinApi.h"
#include "win32/shell/SkinImages.h"
#include "win32/ui/Window.h"

#include <commctrl.h>

namespace lumbrel::win32 {

class SearchBandWindow : public Window, public SearchBand {
public:
    static constexpr const char* kClassName = "LumbrelSearchBar";
    static constexpr int kKeywordBoxWidth = 150;

    struct Events {
        std::function<void(int)> command;            // a button, or Enter in the box (61212)
        std::function<void(int x, int y)> dropDown;  // the search button's arrow, screen point
        std::function<void(size_t)> deleteKeyword;   // Delete in the open drop-down
        std::function<void()> escape;                // Esc with the drop-down closed
        std::function<std::string(int)> tooltip;     // the text of a button that is no engine
        std::function<void(int)> widthChanged;       // the strip asks for a new ideal width
    };

    ~SearchBandWindow() override;
    // The band's window as a child of `parent` (the rebar); false when a control cannot be
    // made. `cells` is the picture of "SearchBar.bmp" (none: buttons without pictures).
    bool Create(HWND parent, int controlId, std::optional<std::string> cells, Events events);
    int Height() const;
    HWND Toolbar() const { return toolbar_; }
    HWND Combo() const { return combo_; }

    // SearchBand
    std::string KeywordText() override;
    void SetKeywordText(const std::string& text) override;
    bool KeywordHasFocus() override;
    void FocusKeyword() override;
    void InsertKeyword(size_t position, const std::string& text) override;
    void RemoveKeyword(size_t position) override;
    void SelectKeyword(size_t position) override;
    void ClearKeywords() override;
    std::vector<bool> LoadEngineIcons(const std::vector<std::string>& files) override;
    void SetButtons(const std::vector<SearchBarButton>& buttons, int idealWidth) override;
    int ButtonWidth() override;

    // The band's width the core asked for last.
    int IdealWidth() const { return idealWidth_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);
    bool OnEditKey(WPARAM key);
    LRESULT OnNotify(const NMHDR& header, LPARAM lParam);
    void PlaceKeywordBox();

    HWND toolbar_ = nullptr;
    HWND combo_ = nullptr;
    HWND edit_ = nullptr;
    std::optional<std::string> cells_;
    UniqueImageList images_;
    std::vector<SearchBarButton> buttons_;
    std::string tipText_;
    int idealWidth_ = kKeywordBoxWidth;
    Events events_;
};

}  // namespace lumbrel::win32
