// The window list's tab strip: a tab control living in a band of the main rebar. Each item's
// parameter is the id of its browser window. A selection made by the user is reported to the
// main frame by a posted message, after the control has finished with the click.
#pragma once

#include "platform/FrameWidgets.h"
#include "win32/platform/WinApi.h"

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
    // The control's height for the band, from its row count.
    int IdealHeight() const;

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
    int RowCount() override;
    void Widen(int pixels) override;
    void Repaint() override;

    // The tab under a point of the screen, or -1.
    int HitTest(POINT screen) const;

private:
    HWND hwnd_ = nullptr;
    HIMAGELIST images_ = nullptr;
    int extraWidth_ = 0;
};

}  // namespace lumbrel::win32
