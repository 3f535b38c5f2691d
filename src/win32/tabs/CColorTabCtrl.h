// The tab bar's look: the style mode, the colour scheme, the two fonts and the painting of the
// owner-drawn styles. "Normal Tab" has the system draw the tab frames and draws each item on
// the system's request; "Flat Tab" paints the whole control; "Flat Button" is left to the
// system. Paint code reads only this object, never the settings.
#pragma once

#include "tabs/CTabBar.h"
#include "win32/platform/GdiHandles.h"
#include "win32/platform/WinApi.h"

#include <commctrl.h>

namespace lumbrel::win32 {

class CColorTabCtrl {
public:
    // The colours of the scheme, in the order of TabBarLook::colors.
    enum Color { kUnselectedBack = 0, kUnselectedText = 1, kSelectedText = 2, kSeparator = 3 };

    // Takes the style and the colours (-1: the system colour of this moment) and makes the
    // fonts from the system's menu font.
    void SetLook(const TabBarLook& look);
    const TabBarLook& Look() const { return look_; }
    COLORREF ColorOf(Color color) const { return colors_[color]; }
    HFONT ControlFont() const { return static_cast<HFONT>(fonts_[0].Get()); }
    // Whether the items are drawn here (styles 0 and 1) and the whole control (style 1).
    bool DrawsItems() const { return look_.look != TabLook::Buttons; }
    bool PaintsControl() const { return look_.look == TabLook::Flat; }

    // Style 1: the whole control into `dc` (a memory DC the size of the client area).
    void PaintControl(HWND tab, HDC dc, HIMAGELIST images) const;
    // Styles 0 and 1: the item the system asks for.
    void DrawItem(HWND tab, const DRAWITEMSTRUCT& item, HIMAGELIST images) const;

private:
    void DrawOne(HWND tab, HDC dc, int index, RECT rect, bool selected, HIMAGELIST images) const;
    void DrawFlatEdges(HDC dc, RECT rect, bool selected) const;

    TabBarLook look_;
    COLORREF colors_[4] = {};
    UniqueGdiObject fonts_[2];
};

}  // namespace lumbrel::win32
