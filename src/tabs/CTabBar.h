// The tab bar's rules: what each tab shows (the title cut to `TabSize`, numbered, the full
// title as its tool tip, the read image only with `ShowRead`), the width of fixed-width tabs
// and the height of the band, and the mouse — dragging a tab to a new place, closing a tab
// by clicking its image (`ClickClose`), the tab actions of double, middle and Ctrl+right
// clicks, double clicks on the empty bar and the wheel (`WheelOnTab`).
//
// Owned by the main frame, which does every insertion and removal through its window list;
// the binding forwards the tab control's mouse events here. A press is remembered by the id
// of its tab's window, never by its index: tabs may come and go before the release, which
// then finds the window again or gives up.
#pragma once

#include <cstdint>
#include <string>

#include "platform/FrameWidgets.h"
#include "settings/Preferences.h"
#include "tabs/TabBarOptions.h"
#include "tabs/TabRules.h"

namespace lumbrel {

class CMainFrame;
class CChildFrame;

// The close button shown on a tab while its image is pressed.
inline constexpr int kTabCloseImage = 8;

// How the bar is built and painted, as the settings say.
struct TabBarLook {
    TabLook look = TabLook::Flat;
    bool atTop = false;  // `TabPos` 1: above the page area
    bool multiLine = true;
    bool fixedWidth = true;
    bool showDot = true;  // texts that do not fit end with an ellipsis
    // Unselected background, unselected text, selected text, separator: COLORREF or -1.
    int colors[4] = {kSystemColor, kSystemColor, kSystemColor, kSystemColor};
};

// The look of a `TabStyle` value: 0 normal tabs, 2 flat buttons, anything else flat tabs.
TabLook TabLookOfStyle(int style);

class CTabBar {
public:
    CTabBar(CMainFrame& frame, TabStrip& strip);

    void Load(LoadStage stage, SettingsStore& store) { options_.Load(stage, store); }
    const TabBarOptions& Options() const { return options_; }
    TabLook Look() const;
    TabBarLook Appearance() const;

    // --- What a tab shows ---
    // Shows `title` on the tab at `index`: cut and numbered as a tab shows it, whole as the
    // tab's tool tip.
    void ShowTitle(int index, const std::string& title);
    // The image a tab shows for `image`: the read image only with `ShowRead`.
    int ImageShown(int image) const;
    // Numbers the tabs from `from` on again, when numbers are shown.
    void Renumber(int from);
    // Every tab's tool tip becomes its window's title (windows on their way out keep theirs).
    void RefreshTips();
    // The bar's settings changed: the control takes the look, every tab its title as the
    // numbering and the width now say, and the band its height.
    void ApplySettings();

    // --- Layout ---
    // The bar's private messages to the frame: UM_TAB_LAYOUT and UM_TAB_TIPS.
    void OnPosted(uint32_t message, uintptr_t wParam);
    // UM_TAB_LAYOUT: a non-zero `wParam` recomputes fixed widths; the band follows the rows
    // when their count changed, or always with `wParam` 2.
    void OnLayoutMessage(uintptr_t wParam);
    // Switches fixed-width tabs on or off and lays the bar out again.
    void SetAutoTab(bool on);
    // The control is `width` pixels wide now (the frame was resized): fixed widths and rows
    // follow; the same width again changes nothing.
    void OnResized(int width);

    // --- The mouse (points in the control's client pixels) ---
    // Each press returns true when it was taken here: the control must not see it.
    bool OnLeftDown(TabPoint point);
    void OnLeftUp(TabPoint point);
    bool OnRightDown(TabPoint point);
    // Returns true when the release was taken (no tab menu follows).
    bool OnRightUp(TabPoint point, bool ctrlHeld);
    void OnMouseMove(TabPoint point);
    void OnLeftDoubleClick(TabPoint point);
    void OnRightDoubleClick(TabPoint point);
    void OnMiddleDown(TabPoint point);
    // `delta` > 0: the wheel turned forward.
    void OnWheel(int delta);
    // Another window took the mouse: a drag or a press on a tab image ends without effect.
    void OnCaptureLost();

    // Whether a drag or a press on a tab image is under way.
    bool Dragging() const { return drag_ != kNoChild; }
    bool ClosePressed() const { return press_.tab != kNoChild; }

private:
    struct ClosePress {
        ChildId tab = kNoChild;
        bool rightButton = false;
        bool imageShown = false;
    };

    TabTextOptions TextOptions() const;
    static std::string TitleOf(CChildFrame& child);
    // A protected window that is not the active one: clicks on its tab do nothing.
    bool LeftAlone(CChildFrame& child);
    CChildFrame* ChildAt(TabPoint point, int* index = nullptr);
    bool InImageArea(int index, TabPoint point);
    bool TakeClosePress(TabPoint point, bool rightButton);
    void FinishClosePress();
    void FinishDrag(TabPoint point);
    void MoveTab(int from, int to);
    void RunAction(int setting, CChildFrame& child);
    void RestoreOwnImage(ChildId id);
    void UpdateWidth();

    CMainFrame& frame_;
    TabStrip& strip_;
    TabBarOptions options_;
    int width_ = -1;  // the control's width last reported
    ChildId drag_ = kNoChild;
    ClosePress press_;
    int rows_ = -1;
};

}  // namespace lumbrel
