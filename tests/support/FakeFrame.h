// The main window, its browser windows, tab strip, address box and status bar, in memory.
// MDI activation behaves as Windows does: activating a window first deactivates the active one,
// and destroying the active window activates the one activated before it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/PageManager.h"
#include "platform/FrameWidgets.h"
#include "support/FakeBrowser.h"
#include "support/FakeEventLoop.h"
#include "support/FakePageMouseWindow.h"

namespace lumbrel::test {

class FakeFrameWindow;

class FakeChildWindow : public ChildWindow {
public:
    FakeChildWindow(FakeFrameWindow& frame, ChildId id, bool startMaximized,
                    ChildWindowEvents& windowEvents, BrowserEvents& browserEvents)
        : maximized(startMaximized),
          events(windowEvents),
          browser(browserEvents),
          frame_(frame),
          id_(id) {}

    bool visible = false;
    bool maximized = false;
    bool pageVisible = true;
    std::string text;
    ChildWindowEvents& events;
    FakeBrowser browser;

    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    bool IsVisible() override { return visible; }
    bool IsMaximized() override { return maximized; }
    void SetText(const std::string& value) override { text = value; }
    std::string Text() override { return text; }
    void SetPageVisible(bool value) override { pageVisible = value; }
    void Destroy() override;
    BrowserControl& Browser() override { return browser; }
    PageMouseWindow& MouseWindow() override { return mouse; }
    FakePageMouseWindow mouse;

private:
    FakeFrameWindow& frame_;
    ChildId id_;
};

class FakeFrameWindow : public FrameWindow {
public:
    explicit FakeFrameWindow(FakeEventLoop& loop) : loop_(loop) {}

    // Test controls and inspection.
    FakeChildWindow* ChildWindowOf(ChildId id);
    std::vector<ChildId> Children() const;
    int created = 0;
    int destroyedChildren = 0;
    bool failCreate = false;
    bool visible = true;
    bool minimized = false;
    bool maximized = true;
    bool foreground = true;
    bool destroyed = false;
    bool trayShown = false;
    bool hotKeyRegistered = false;
    bool hotKeyAvailable = true;
    int foreignDialogs = 0;
    int throbber = -1;
    int arranged = 0;
    int commandRefreshes = 0;
    int menuRebuilds = 0;
    std::string title = "Lumbrel";
    Placement normalPlacement{40, 30, 900, 600};
    std::vector<BandLayout> bands{{1, 600, 0, true}, {2, 300, 4, false}};
    bool statusBarVisible = true;
    std::vector<MenuEntry> undoItems;
    int tabBandFits = 0;
    int tabBandHeight = 0;
    int trayMenus = 0;
    std::map<ChildId, ChildCreateOptions> createdWith;

    // FrameWindow
    ChildWindow* CreateChild(ChildId id, const ChildCreateOptions& options,
                             ChildWindowEvents& events, BrowserEvents& browserEvents,
                             MessageTarget& target) override;
    void MdiActivate(ChildId id) override;
    ChildId ActiveChild() override { return active_; }
    void MdiActivateNext() override;
    void Cascade() override { ++arranged; }
    void TileHorizontally() override { ++arranged; }
    void TileVertically() override { ++arranged; }
    bool IsVisible() override { return visible; }
    bool IsMinimized() override { return minimized; }
    bool IsMaximized() override { return maximized; }
    bool IsForeground() override { return foreground; }
    void ShowAndRestore() override {
        visible = true;
        minimized = false;
    }
    void BringToFront() override { foreground = true; }
    void MinimizeAndHide() override {
        minimized = true;
        visible = false;
    }
    void Hide() override { visible = false; }
    void SetTitle(const std::string& text) override { title = text; }
    void RefreshCommandStates() override { ++commandRefreshes; }
    void Destroy() override { destroyed = true; }
    ShowState CurrentShowState() override;
    Placement NormalPlacement() override { return normalPlacement; }
    void SetThrobber(int frame) override { throbber = frame; }
    std::vector<BandLayout> Bands() override { return bands; }
    void ShowBand(int bandId, bool show) override {
        for (BandLayout& band : bands)
            if (band.id == bandId)
                band.visible = show;
    }
    bool StatusBarVisible() override { return statusBarVisible; }
    // As on Windows: the menu bar is built again from its data, without the closed windows.
    void RebuildMenus() override {
        ++menuRebuilds;
        undoItems.clear();
    }
    void SetUndoCloseItems(const std::vector<MenuEntry>& items) override { undoItems = items; }
    // The Page Manager: what a test does in it (nothing: the dialog is cancelled at once).
    std::function<void(PageManager&)> pageManagerScript;
    std::vector<PageManagerTab> pageManagersShown;
    void RunPageManager(PageManager& manager) override;
    void FitTabBand(int height) override {
        ++tabBandFits;
        tabBandHeight = height;
    }
    void ShowTrayMenu() override { ++trayMenus; }
    bool RegisterShowHideHotKey(int, int) override { return hotKeyRegistered = hotKeyAvailable; }
    void UnregisterShowHideHotKey() override { hotKeyRegistered = false; }
    bool ShowTrayIcon() override { return trayShown = true; }
    void RemoveTrayIcon() override { trayShown = false; }
    int ForeignThreadDialogCount() override { return foreignDialogs; }

private:
    friend class FakeChildWindow;
    void Forget(ChildId id);

    FakeEventLoop& loop_;
    std::map<ChildId, std::unique_ptr<FakeChildWindow>> children_;
    std::vector<ChildId> activationOrder_;
    ChildId active_ = kNoChild;
};

// The tab control. Inserting before the selection moves the selection along, deleting the
// selected tab leaves none selected, as the Windows tab control does. Items are laid out
// left to right in rows of `width` pixels, each `itemWidth` wide (kUnsizedWidth until set)
// and `itemHeight` high; without multi-line rows everything stays in one row.
class FakeTabStrip : public TabStrip {
public:
    static constexpr int kUnsizedWidth = 60;
    struct Item {
        std::string text;
        int image = -1;
        ChildId child = kNoChild;
        std::string tip;
    };
    std::vector<Item> items;
    int selected = -1;
    int widened = 0;
    int repaints = 0;
    int width = 600;
    int itemWidth = 0;
    int itemHeight = 19;
    int reflows = 0;
    bool fixedWidth = true;
    bool multiLine = true;
    bool captured = false;
    bool moveCursor = false;

    // Client point inside tab `index`, `dx` pixels from its left edge.
    TabPoint PointIn(int index, int dx = 30);
    std::vector<std::string> Texts() const;

    // "0 1* 2" — each tab's index, "*" on the selection, with its image after a colon when set.
    std::string State() const;

    int Count() override { return static_cast<int>(items.size()); }
    void Insert(int index, const std::string& text, ChildId child) override;
    void Delete(int index) override;
    ChildId ItemChild(int index) override;
    int Selected() override { return selected; }
    void Select(int index) override;
    void SetText(int index, const std::string& text) override;
    std::string Text(int index) override;
    void SetImage(int index, int image) override;
    int Image(int index) override;
    void SetTip(int index, const std::string& tip) override;
    int RowCount() override;
    void Widen(int pixels) override { widened += pixels; }
    void Repaint() override { ++repaints; }
    int Width() override { return width; }
    int HitTest(TabPoint point) override;
    TabRect ItemRect(int index) override;
    int ItemWidth() override { return itemWidth; }
    void SetItemSize(int w, int h) override {
        itemWidth = w;
        itemHeight = h;
    }
    void Reflow() override { ++reflows; }
    void SetFixedWidth(bool on) override { fixedWidth = on; }
    void SetMultiLine(bool on) override { multiLine = on; }
    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }
    void ShowMoveCursor(bool move) override { moveCursor = move; }
    void Restyle() override { ++restyled; }
    int restyled = 0;

private:
    int PerRow() const;
};

class FakeAddressBox : public AddressBox {
public:
    std::string text;
    bool focused = false;
    std::vector<std::string> items;
    bool droppedDown = false;
    void SetText(const std::string& value) override { text = value; }
    std::string Text() override { return text; }
    void Focus() override { focused = true; }
    bool HasFocus() override { return focused; }
    void InsertItem(int index, const std::string& value) override {
        const bool append = index < 0 || static_cast<size_t>(index) >= items.size();
        items.insert(append ? items.end() : items.begin() + index, value);
    }
    void ClearItems() override { items.clear(); }
    void ToggleDropDown() override { droppedDown = !droppedDown; }
};

class FakeStatusBar : public StatusBar {
public:
    std::string text;
    std::optional<int> progress;
    std::string progressText;
    bool secure = false;
    void SetText(const std::string& value) override { text = value; }
    void SetProgress(std::optional<int> position, const std::string& value) override {
        progress = position;
        progressText = value;
    }
    void SetSecure(bool value) override { secure = value; }
};

}  // namespace lumbrel::test
