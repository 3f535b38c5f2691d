// The window list's tab strip: a tab control living in a band of the main rebar. Each item's
// parameter is the id of its browser window. A selection made by the user is reported to the
// main frame by a posted message, after the control has finished with the click. The
// control's mouse events go to the core's tab bar, which answers whether the control may
// see a press; the look comes from CColorTabCtrl; each tab's tool tip is the text the core
// gave it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/FrameWidgets.h"
#include "win32/platform/WinApi.h"
#include "win32/shell/SkinImages.h"
#include "win32/tabs/CColorTabCtrl.h"

#include <commctrl.h>

namespace lumbrel::win32 {

class TabControlView : public TabStrip {
public:
    TabControlView() = default;
    ~TabControlView() override;
    TabControlView(const TabControlView&) = delete;
    TabControlView& operator=(const TabControlView&) = delete;

    // Creates the control as a child of `parent` with id `controlId`.
    bool Create(HWND parent, int controlId);
    HWND Handle() const { return hwnd_; }
    // Builds the control as `bar` says (style bits, look, fonts), takes the tab images from
    // `taskBar` (none: tabs without images) and sends the mouse to `bar`.
    void Configure(CTabBar& bar, const std::optional<std::string>& taskBar);
    // Only the look, for a strip no bar drives (the options' preview): the mouse does what the
    // control does by itself.
    void ConfigureLook(const TabBarLook& look, const std::optional<std::string>& taskBar);
    // The system asks for an item of an owner-drawn style; false when it is not ours.
    bool DrawItem(const DRAWITEMSTRUCT& item);

    int Count() override;
    void Insert(int index, const std::string& text, ChildId child) override;
    void Delete(int index) override;
    ChildId ItemChild(int index) override;
    int Selected() override;
    void Select(int index) override;
    void SetText(int index, const std::string& text) override;
    std::string Text(int index) override;
    void SetImage(int index, int image) override;
    int Image(int index) override;
    void SetTip(int index, const std::string& tip) override;
    int RowCount() override;
    void Widen(int pixels) override;
    void Repaint() override;
    int Width() override;
    int HitTest(TabPoint point) override;
    TabRect ItemRect(int index) override;
    int ItemWidth() override { return itemWidth_; }
    void SetItemSize(int width, int height) override;
    void Reflow() override;
    void SetFixedWidth(bool on) override { SetStyleBit(TCS_FIXEDWIDTH, on); }
    void SetMultiLine(bool on) override { SetStyleBit(TCS_MULTILINE, on); }
    void Restyle() override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    void ShowMoveCursor(bool move) override;

    // The tab under a point of the screen, or -1.
    int HitTestScreen(POINT screen) const;
    // The wheel goes to the window with the focus, which the bar never takes: a wheel turned
    // over the bar is handed to it here. True when it was.
    bool TakeWheel(const MSG& msg);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR data);
    // True when the message was answered here (`result` holds the answer).
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnMouse(UINT message, WPARAM wParam, TabPoint point);
    void Paint();
    void SetStyleBit(DWORD bit, bool on);
    void CreateTip();
    const char* TipUnderCursor();

    HWND hwnd_ = nullptr;
    HWND tip_ = nullptr;
    CTabBar* bar_ = nullptr;
    std::optional<std::string> taskBar_;  // the picture of the tab images
    CColorTabCtrl painter_;
    UniqueImageList images_;
    std::vector<std::string> tips_;
    int hoveredTip_ = -1;
    int itemWidth_ = 0;
    bool moveCursor_ = false;
};

}  // namespace lumbrel::win32
