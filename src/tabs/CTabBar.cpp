#include "tabs/CTabBar.h"

#include <algorithm>

#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"

namespace lumbrel {

CTabBar::CTabBar(CMainFrame& frame, TabStrip& strip) : frame_(frame), strip_(strip) {}

TabLook TabLookOfStyle(int style) {
    return style == 0 ? TabLook::Normal : style == 2 ? TabLook::Buttons : TabLook::Flat;
}

TabLook CTabBar::Look() const {
    return TabLookOfStyle(frame_.Options().tabStyle);
}

TabBarLook CTabBar::Appearance() const {
    const Preferences& prefs = frame_.Prefs();
    return TabBarLook{
        Look(),
        options_.tabPos == 1,
        prefs.multiLineTab != 0,
        prefs.autoTab != 0,
        options_.showDot != 0,
        {options_.unSelColor, options_.unSelFontColor, options_.selFontColor, options_.sepColor}};
}

// --- What a tab shows ---------------------------------------------------------------------

TabTextOptions CTabBar::TextOptions() const {
    return TabTextOptions{frame_.Options().showIndex != 0, frame_.Prefs().tabSize,
                          options_.showDot != 0};
}

std::string CTabBar::TitleOf(CChildFrame& child) {
    if (!child.DisplayTitle().empty())
        return child.DisplayTitle();
    const std::string& location = child.View().Location();
    return location.empty() ? kAboutBlank : location;
}

void CTabBar::ShowTitle(int index, const std::string& title) {
    if (index < 0 || index >= strip_.Count())
        return;
    strip_.SetText(index, TabText(frame_.App().Ports().codePage, title, index, TextOptions()));
    strip_.SetTip(index, title.empty() ? kAboutBlank : title);
}

int CTabBar::ImageShown(int image) const {
    return image == kTabRead && !frame_.Options().showRead ? kTabNoImage : image;
}

void CTabBar::Renumber(int from) {
    if (!frame_.Options().showIndex)
        return;
    WindowList& windows = frame_.Windows();
    for (int i = std::max(from, 0), n = strip_.Count(); i < n; ++i)
        if (CChildFrame* child = windows.At(i))
            ShowTitle(i, TitleOf(*child));
}

void CTabBar::ApplySettings() {
    strip_.Restyle();
    WindowList& windows = frame_.Windows();
    for (int i = 0, n = strip_.Count(); i < n; ++i)
        if (CChildFrame* child = windows.At(i))
            ShowTitle(i, TitleOf(*child));
    frame_.Post(UM_TAB_LAYOUT, 2);
}

void CTabBar::RefreshTips() {
    WindowList& windows = frame_.Windows();
    for (int i = 0, n = strip_.Count(); i < n; ++i) {
        CChildFrame* child = windows.At(i);
        if (child && !child->View().IsClosing())
            strip_.SetTip(i, TitleOf(*child));
    }
}

// --- Layout -------------------------------------------------------------------------------

void CTabBar::OnPosted(uint32_t message, uintptr_t wParam) {
    if (message == UM_TAB_LAYOUT)
        OnLayoutMessage(wParam);
    else if (message == UM_TAB_TIPS)
        RefreshTips();
}

void CTabBar::OnLayoutMessage(uintptr_t wParam) {
    if (wParam != 0 && frame_.Prefs().autoTab)
        UpdateWidth();
    const int rows = std::max(strip_.RowCount(), 1);
    if (rows == rows_ && wParam != 2)
        return;
    rows_ = rows;
    const TabRect first = strip_.ItemRect(0);
    const int height = first.bottom > first.top ? first.bottom - first.top : kDefaultTabHeight;
    frame_.Widgets().window.FitTabBand(TabBandHeight(Look(), rows, height));
}

void CTabBar::UpdateWidth() {
    const TabRect first = strip_.ItemRect(0);
    const int height = first.bottom > first.top ? first.bottom - first.top : kDefaultTabHeight;
    const Preferences& prefs = frame_.Prefs();
    const int width =
        AutoTabWidth(Look(), strip_.Width(), strip_.Count(), prefs.minTabWidth, prefs.maxTabWidth);
    if (width == strip_.ItemWidth())
        return;
    strip_.SetItemSize(width, height);
    // Buttons are laid out again only when the control's size changes.
    if (Look() == TabLook::Buttons)
        strip_.Reflow();
}

void CTabBar::OnResized(int width) {
    if (width == width_)
        return;
    width_ = width;
    frame_.Post(UM_TAB_LAYOUT, 1);
}

void CTabBar::SetAutoTab(bool on) {
    Preferences& prefs = frame_.Prefs();
    if ((prefs.autoTab != 0) == on)
        return;
    prefs.autoTab = on ? 1 : 0;
    strip_.SetFixedWidth(on);
    if (!on)
        strip_.SetMultiLine(prefs.multiLineTab != 0);
    frame_.Post(UM_TAB_LAYOUT, 1);
}

// --- The mouse ----------------------------------------------------------------------------

bool CTabBar::LeftAlone(CChildFrame& child) {
    return child.Protected() && frame_.ActiveChild() != &child;
}

CChildFrame* CTabBar::ChildAt(TabPoint point, int* index) {
    const int hit = strip_.HitTest(point);
    if (index)
        *index = hit;
    return hit >= 0 ? frame_.Windows().At(hit) : nullptr;
}

bool CTabBar::InImageArea(int index, TabPoint point) {
    const TabRect rect = strip_.ItemRect(index);
    return rect.Contains(point) && point.x - rect.left < kTabImageArea;
}

bool CTabBar::TakeClosePress(TabPoint point, bool rightButton) {
    if (options_.clickClose != (rightButton ? 1 : 2))
        return false;
    int index = -1;
    CChildFrame* child = ChildAt(point, &index);
    if (!child || LeftAlone(*child) || !InImageArea(index, point))
        return false;
    press_ = ClosePress{child->Id(), rightButton, true};
    strip_.SetImage(index, kTabCloseImage);
    strip_.CaptureMouse();
    return true;
}

void CTabBar::RestoreOwnImage(ChildId id) {
    const int index = frame_.Windows().IndexOf(id);
    if (CChildFrame* child = frame_.Windows().Find(id); child && index >= 0)
        strip_.SetImage(index, child->View().TabImageShown());
}

void CTabBar::FinishClosePress() {
    const ClosePress press = std::exchange(press_, ClosePress{});
    strip_.ReleaseMouse();
    CChildFrame* child = frame_.Windows().Find(press.tab);
    if (!child)
        return;  // the window went while the button was down
    if (press.imageShown)
        // The close itself decides whether the window goes; only then is it marked closing.
        frame_.App().Ports().loop.Post(press.tab, kWmClose, 0, 0);
    RestoreOwnImage(press.tab);
}

bool CTabBar::OnLeftDown(TabPoint point) {
    if (TakeClosePress(point, false))
        return true;
    const int index = strip_.HitTest(point);
    if (index < 0)
        return false;
    drag_ = strip_.ItemChild(index);
    if (drag_ == kNoChild)
        return false;  // a tab without a window is nobody's to drag
    // Held so that a release anywhere ends the drag, not a later release over the bar.
    strip_.CaptureMouse();
    return false;
}

void CTabBar::OnLeftUp(TabPoint point) {
    if (press_.tab != kNoChild && !press_.rightButton)
        FinishClosePress();
    else if (drag_ != kNoChild)
        FinishDrag(point);
}

bool CTabBar::OnRightDown(TabPoint point) {
    return TakeClosePress(point, true);
}

bool CTabBar::OnRightUp(TabPoint point, bool ctrlHeld) {
    if (press_.tab != kNoChild && press_.rightButton) {
        FinishClosePress();
        return true;
    }
    if (!ctrlHeld)
        return false;
    CChildFrame* child = ChildAt(point);
    if (!child)
        return false;
    if (!LeftAlone(*child))
        RunAction(options_.allowRc, *child);
    return true;
}

void CTabBar::OnMouseMove(TabPoint point) {
    if (press_.tab != kNoChild) {
        const int index = frame_.Windows().IndexOf(press_.tab);
        const bool over = index >= 0 && InImageArea(index, point);
        if (over != press_.imageShown) {
            press_.imageShown = over;
            if (over)
                strip_.SetImage(index, kTabCloseImage);
            else
                RestoreOwnImage(press_.tab);
        }
    }
    if (drag_ != kNoChild) {
        const int over = strip_.HitTest(point);
        strip_.ShowMoveCursor(over >= 0 && over != frame_.Windows().IndexOf(drag_));
    }
}

void CTabBar::FinishDrag(TabPoint point) {
    const ChildId source = std::exchange(drag_, kNoChild);
    strip_.ReleaseMouse();
    strip_.ShowMoveCursor(false);
    const int to = strip_.HitTest(point);
    // The source is looked up again: tabs may have come or gone since the press.
    const int from = frame_.Windows().IndexOf(source);
    if (from < 0 || to < 0 || to == from)
        return;
    MoveTab(from, to);
}

void CTabBar::MoveTab(int from, int to) {
    WindowList& windows = frame_.Windows();
    const ChildId selected = windows.Selected();
    const ChildId moved = strip_.ItemChild(from);
    const std::string text = strip_.Text(from);
    const int image = strip_.Image(from);
    const int insertAt = to > from ? to + 1 : to;
    strip_.Insert(insertAt, text, moved);
    strip_.SetImage(insertAt, image);
    strip_.Delete(to > from ? from : from + 1);
    if (CChildFrame* child = windows.Find(moved))
        strip_.SetTip(to, TitleOf(*child));
    // The window that had the selection keeps it, wherever it is now.
    if (selected != kNoChild)
        windows.Select(selected);
    Renumber(std::min(from, to));
    windows.MarkChanged();
    frame_.Post(UM_TAB_TIPS);
}

void CTabBar::OnLeftDoubleClick(TabPoint point) {
    int index = -1;
    CChildFrame* child = ChildAt(point, &index);
    if (index < 0) {
        if (options_.lDbClickTabBlank > 0)
            frame_.Post(kWmCommand, static_cast<uintptr_t>(options_.lDbClickTabBlank));
    } else if (child && !LeftAlone(*child)) {
        RunAction(options_.allowDbc, *child);
    }
}

void CTabBar::OnRightDoubleClick(TabPoint point) {
    if (strip_.HitTest(point) < 0 && options_.rDbClickTabBlank > 0)
        frame_.Post(kWmCommand, static_cast<uintptr_t>(options_.rDbClickTabBlank));
}

void CTabBar::OnMiddleDown(TabPoint point) {
    CChildFrame* child = ChildAt(point);
    if (child && !LeftAlone(*child))
        RunAction(options_.allowMc, *child);
}

void CTabBar::OnWheel(int delta) {
    if (!options_.wheelOnTab || delta == 0)
        return;
    frame_.Post(kWmCommand, delta > 0 ? IDM_PREVIOUS_WINDOW : IDM_NEXT_WINDOW);
}

void CTabBar::OnCaptureLost() {
    if (press_.tab != kNoChild) {
        const ChildId tab = std::exchange(press_, ClosePress{}).tab;
        RestoreOwnImage(tab);
    }
    if (drag_ != kNoChild) {
        drag_ = kNoChild;
        strip_.ShowMoveCursor(false);
    }
}

void CTabBar::RunAction(int setting, CChildFrame& child) {
    EventLoop& loop = frame_.App().Ports().loop;
    const ChildId id = child.Id();
    switch (TabActionOf(setting)) {
        case TabAction::Close:
            // Marked closing by its close handler, once nothing refused the close.
            loop.Post(id, kWmClose, 0, 0);
            break;
        case TabAction::SaveAs:
            loop.Post(id, kWmCommand, IDM_SAVE_AS, 0);
            break;
        case TabAction::SaveHtml:
            loop.Post(id, kWmCommand, IDM_SAVE_HTML, 0);
            break;
        case TabAction::AutoSave:
            loop.Post(id, kWmCommand, IDM_AUTO_SAVE, 0);
            break;
        case TabAction::ToggleLock:
            frame_.Protection().ToggleLock(id);
            break;
        case TabAction::Refresh:
            child.View().Refresh();
            break;
        case TabAction::SortSave:
            child.View().RequestSortSave();
            loop.Post(id, kWmCommand, IDM_AUTO_SAVE, 0);
            break;
        case TabAction::None:
            break;
    }
}

}  // namespace lumbrel
