// The frame's controls as the rules use them: the tab strip that is the window list, the
// address box and the status bar.
#pragma once

#include <optional>
#include <string>

#include "platform/FrameWindow.h"

namespace lumbrel {

// The tab control. Item order is window order; each item carries the id of its window.
class TabStrip {
public:
    virtual ~TabStrip() = default;
    virtual int Count() = 0;
    virtual void Insert(int index, const std::string& text, ChildId child) = 0;
    virtual void Delete(int index) = 0;
    virtual ChildId ItemChild(int index) = 0;  // kNoChild outside the range
    virtual int Selected() = 0;                // -1 when none
    virtual void Select(int index) = 0;
    virtual void SetText(int index, const std::string& text) = 0;
    virtual std::string Text(int index) = 0;
    virtual void SetImage(int index, int image) = 0;  // -1: no image
    virtual int Image(int index) = 0;
    virtual int RowCount() = 0;
    virtual void Widen(int pixels) = 0;
    virtual void Repaint() = 0;
};

class AddressBox {
public:
    virtual ~AddressBox() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() = 0;
    virtual void Focus() = 0;
    // Whether the keyboard focus is in the box or in the search box.
    virtual bool HasFocus() = 0;
    // The drop-down list of typed addresses, each shown with the page icon. `index` -1 appends.
    virtual void InsertItem(int index, const std::string& text) = 0;
    virtual void ClearItems() = 0;
    // Opens the drop-down list, or closes it when it is open.
    virtual void ToggleDropDown() = 0;
};

class StatusBar {
public:
    virtual ~StatusBar() = default;
    virtual void SetText(const std::string& text) = 0;
    // Shows the progress pane at `position` with `text`, or hides it.
    virtual void SetProgress(std::optional<int> position, const std::string& text) = 0;
    virtual void SetSecure(bool secure) = 0;
};

struct FrameWidgets {
    FrameWindow& window;
    TabStrip& tabs;
    AddressBox& address;
    StatusBar& status;
};

}  // namespace lumbrel
