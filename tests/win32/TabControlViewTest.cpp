// The tab strip over the real tab control: what the core's fake of it claims (the selection
// follows an insertion before it and is gone with a deleted selected tab, no notification is
// sent for either), the tips kept beside the items, and the geometry of fixed-width tabs.
#include "win32/frame/TabControlView.h"

#include <gtest/gtest.h>

namespace lumbrel::win32 {
namespace {

int g_selectionChanges = 0;

LRESULT CALLBACK CountingParent(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE)
        ++g_selectionChanges;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

struct TabWindow : ::testing::Test {
    void SetUp() override {
        WNDCLASSA type{};
        type.lpfnWndProc = CountingParent;
        type.hInstance = GetModuleHandleA(nullptr);
        type.lpszClassName = "TabStripTestParent";
        RegisterClassA(&type);
        parent = CreateWindowExA(0, type.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 800, 200,
                                 nullptr, nullptr, type.hInstance, nullptr);
        ASSERT_NE(parent, nullptr);
        ASSERT_TRUE(tabs.Create(parent, 1001));
        SetWindowPos(tabs.Handle(), nullptr, 0, 0, 600, 60, SWP_NOZORDER);
        g_selectionChanges = 0;
    }
    void TearDown() override { DestroyWindow(parent); }
    void Three() {
        tabs.Insert(0, "a", 11);
        tabs.Insert(1, "b", 12);
        tabs.Insert(2, "c", 13);
    }
    HWND parent = nullptr;
    TabControlView tabs;
};

TEST_F(TabWindow, TheSelectionFollowsInsertionsAndGoesWithItsTabSilently) {
    Three();
    tabs.Select(1);
    tabs.Insert(0, "new", 14);
    EXPECT_EQ(tabs.Selected(), 2) << "inserted before the selection";
    EXPECT_EQ(tabs.ItemChild(2), 12u);
    tabs.Insert(3, "after", 15);
    EXPECT_EQ(tabs.Selected(), 2) << "inserted after it";
    tabs.Delete(0);
    EXPECT_EQ(tabs.Selected(), 1) << "deleted before it";
    tabs.Delete(1);
    EXPECT_EQ(tabs.Selected(), -1) << "the selected tab deleted";
    EXPECT_EQ(g_selectionChanges, 0) << "none of this is reported";
}

TEST_F(TabWindow, TipsMoveWithTheirTabs) {
    Three();
    tabs.SetTip(1, "tip of b");
    tabs.Insert(0, "new", 14);
    tabs.Delete(3);
    tabs.SetTip(5, "out of range");  // ignored
    EXPECT_EQ(tabs.Count(), 3);
    EXPECT_EQ(tabs.ItemChild(2), 12u);
    // The tips are read by the tool tip only; the text of b went in with it.
    EXPECT_EQ(tabs.Text(2), "b");
}

TEST_F(TabWindow, FixedWidthTabsHaveTheGivenSizeAndHitTestsFindThem) {
    SetWindowLongPtrA(tabs.Handle(), GWL_STYLE,
                      GetWindowLongPtrA(tabs.Handle(), GWL_STYLE) & ~TCS_OWNERDRAWFIXED);
    Three();
    tabs.SetItemSize(100, 19);
    const TabRect second = tabs.ItemRect(1);
    EXPECT_EQ(second.right - second.left, 100);
    EXPECT_EQ(second.bottom - second.top, 19);
    EXPECT_EQ(tabs.HitTest(TabPoint{second.left + 20, second.top + 5}), 1);
    EXPECT_EQ(tabs.HitTest(TabPoint{590, second.top + 5}), -1) << "right of the last tab";
    EXPECT_EQ(tabs.RowCount(), 1);
    EXPECT_EQ(tabs.ItemRect(7).right, 0) << "no such tab: an empty rectangle";
}

TEST_F(TabWindow, AWheelTurnedOverTheBarIsHandedToItWhereverTheFocusIs) {
    ShowWindow(parent, SW_SHOWNOACTIVATE);
    RECT bar{};
    GetWindowRect(tabs.Handle(), &bar);
    auto wheelAt = [&](HWND target, LONG x, LONG y) {
        MSG msg{};
        msg.hwnd = target;
        msg.message = WM_MOUSEWHEEL;
        msg.wParam = MAKEWPARAM(0, WHEEL_DELTA);
        msg.lParam = MAKELPARAM(x, y);
        return tabs.TakeWheel(msg);
    };
    EXPECT_TRUE(wheelAt(parent, bar.left + 10, bar.top + 5)) << "over the bar, sent to the page";
    EXPECT_FALSE(wheelAt(parent, bar.left + 10, bar.bottom + 40)) << "below it: the page's";
    EXPECT_FALSE(wheelAt(tabs.Handle(), bar.left + 10, bar.top + 5)) << "already the bar's";
    ShowWindow(tabs.Handle(), SW_HIDE);
    EXPECT_FALSE(wheelAt(parent, bar.left + 10, bar.top + 5)) << "a hidden bar takes nothing";
}

}  // namespace
}  // namespace lumbrel::win32
