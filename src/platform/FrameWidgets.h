// The frame's controls as the rules use them: the tab strip that is the window list, the
// address box and the status bar.
#pragma once

#include <optional>
#include <string>

#include "platform/FrameWindow.h"

namespace lumbrel {

// A point and a rectangle in the tab control's client pixels.
struct TabPoint {
    int x = 0;
    int y = 0;
};
struct TabRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(TabPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
};

// The tab control. Item order is window order; each item carries the id of its window.
// Inserting before the selection moves the selection along; deleting the selected item
// leaves none selected (as the Windows control does).
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
    // The tool tip shown over the item.
    virtual void SetTip(int index, const std::string& tip) = 0;
    virtual int RowCount() = 0;
    virtual void Widen(int pixels) = 0;
    virtual void Repaint() = 0;

    // --- Geometry ---
    // The control's width in pixels.
    virtual int Width() = 0;
    // The item under `point`, -1 when none.
    virtual int HitTest(TabPoint point) = 0;
    // The item's rectangle; empty outside the range.
    virtual TabRect ItemRect(int index) = 0;
    // The width every item has while items are of fixed width.
    virtual int ItemWidth() = 0;
    virtual void SetItemSize(int width, int height) = 0;
    // Makes the control lay its rows out again (it does so only when its size changes).
    virtual void Reflow() = 0;
    // Fixed-width items and multi-line rows on or off.
    virtual void SetFixedWidth(bool on) = 0;
    virtual void SetMultiLine(bool on) = 0;
    // The bar's style or colours changed: the control is built again as the bar says.
    virtual void Restyle() = 0;

    // --- The mouse ---
    // Every mouse event goes to the control until the capture is released or lost.
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    // The cursor while a tab is dragged: the move cursor over another tab, else the normal one.
    virtual void ShowMoveCursor(bool move) = 0;
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
