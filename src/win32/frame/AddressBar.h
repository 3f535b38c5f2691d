// The address bar: the address box (an extended combo box with an edit field, each list item
// with the page icon) and its Go button, side by side in one band of the main rebar. Enter in
// the box and the Go button hand the text and the modifier keys held to the core; an entry
// chosen from the list hands that entry's text. The box's list is what the core puts in it.
#pragma once

#include <functional>
#include <string>

#include "address/AddressRules.h"
#include "platform/FrameWidgets.h"
#include "win32/platform/WinApi.h"

#include <commctrl.h>

#include "win32/ui/Window.h"

namespace lumbrel::win32 {

class AddressBar : public Window, public AddressBox {
public:
    static constexpr const char* kClassName = "LumbrelAddressBar";

    struct Events {
        std::function<void(const std::string&, KeyModifiers)> enter;  // Enter or Go
        std::function<void(const std::string&)> listItem;             // CBN_SELENDOK
    };

    ~AddressBar() override;
    // The bar as a child of `parent` (the rebar); false when a control cannot be made.
    bool Create(HWND parent, int controlId, Events events);
    HWND Combo() const { return combo_; }
    HWND Edit() const { return edit_; }
    int Height() const;
    // The images of the box's items (cell 1 is the page icon) and of the Go button; not
    // owned, kept by the caller while the bar shows them. Null removes them.
    void SetItemImages(HIMAGELIST images);
    void SetGoImages(HIMAGELIST images);

    // AddressBox
    void SetText(const std::string& text) override;
    std::string Text() override;
    void Focus() override;
    bool HasFocus() override;
    void InsertItem(int index, const std::string& text) override;
    void ClearItems() override;
    void ToggleDropDown() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);
    static KeyModifiers HeldModifiers();
    void Layout();
    std::string SelectedItemText() const;
    void OnEnter();

    HWND combo_ = nullptr;
    HWND edit_ = nullptr;
    HWND go_ = nullptr;
    Events events_;
};

}  // namespace lumbrel::win32
