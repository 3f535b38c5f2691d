// Browser windows shown maximised (PageMax=1, the usual tabbed view) in the real main window:
// they fill the MDI client without a frame, switching between them moves no window (no
// restore of the one and maximise of the other), and the frame shows the active one's buttons
// and title as the MDI client does for a maximised window.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "win32/OleWindowTest.h"
#include "win32/RunningMainWindow.h"

namespace lumbrel::test {
namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

RECT ClientOf(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

RECT PlaceOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

class MaximisedWindowsTest : public OleWindowTest {
protected:
    void Start(const char* pageMax) {
        ASSERT_TRUE(folder_.Write("User\\Lumbrel.ini",
                                  std::string("[Settings]\r\nUseLngFile=0\r\nConfirmExit=0\r\n"
                                              "MenuLoadLastClose=0\r\nStartupMode=6\r\n") +
                                      pageMax));
        program_.emplace(folder_);
        ASSERT_TRUE(program_->Start());
    }
    void TearDown() override {
        program_.reset();
        OleWindowTest::TearDown();
    }

    // A window opened as a link opens it: shown, in the foreground or behind the active one.
    CChildFrame* Open(bool foreground) {
        NewChildRequest request = NewChildRequest::Url("about:blank", foreground);
        request.mode = ChildMode::Create;
        CChildFrame* child = program_->Frame().NewChild(request);
        PumpUntil([] { return false; }, 200);
        return child;
    }
    static win32::ChildWindow* WindowOf(CChildFrame* child) {
        return child ? dynamic_cast<win32::ChildWindow*>(child->Window()) : nullptr;
    }
    static HWND HandleOf(CChildFrame* child) {
        win32::ChildWindow* window = WindowOf(child);
        return window ? window->Handle() : nullptr;
    }
    static HWND PageOf(CChildFrame* child) {
        win32::ChildWindow* window = WindowOf(child);
        return window ? window->Host().ControlWindow() : nullptr;
    }
    HWND Top() const { return GetWindow(program_->MdiClient(), GW_CHILD); }
    // A window opened in front, then one behind it: shown, the first one still active.
    std::pair<CChildFrame*, CChildFrame*> OpenFrontAndBehind() {
        CChildFrame* front = Open(true);
        CChildFrame* behind = Open(false);
        if (!front || !behind)
            return {front, behind};
        EXPECT_TRUE(IsWindowVisible(HandleOf(behind)));
        EXPECT_EQ(program_->Frame().ActiveChild(), front);
        EXPECT_FALSE(behind->View().IsActiveView());
        return {front, behind};
    }
    int MenuItems() const { return GetMenuItemCount(GetMenu(program_->Handle())); }

    ProgramFolder folder_{"maximised"};
    std::optional<RunningMainWindow> program_;
};

TEST_F(MaximisedWindowsTest, WindowsFillTheClientAndSwitchingMovesNone) {
    Start("PageMax=1\r\n");
    CChildFrame* a = Open(true);
    CChildFrame* b = Open(true);
    ASSERT_TRUE(a && b);
    const RECT client = ClientOf(program_->MdiClient());
    for (CChildFrame* child : {a, b}) {
        EXPECT_TRUE(child->Window()->IsMaximized());
        EXPECT_TRUE(SameRect(ClientOf(HandleOf(child)), client)) << "fills the client";
        EXPECT_FALSE(GetWindowLongPtrA(HandleOf(child), GWL_STYLE) & WS_CAPTION);
        EXPECT_FALSE(IsZoomed(HandleOf(child))) << "not maximised by the MDI client";
        RECT page = PlaceOf(PageOf(child));
        EXPECT_EQ(page.right - page.left, client.right + 2 * win32::WebBrowserHost::kBorder);
    }
    ASSERT_EQ(program_->Frame().ActiveChild(), b);
    const RECT placeA = PlaceOf(HandleOf(a));
    const RECT placeB = PlaceOf(HandleOf(b));
    const RECT pageA = PlaceOf(PageOf(a));

    program_->Frame().ActivateChild(*a);
    EXPECT_EQ(program_->Frame().ActiveChild(), a);
    EXPECT_EQ(Top(), HandleOf(a));
    EXPECT_TRUE(SameRect(PlaceOf(HandleOf(a)), placeA)) << "no window moved or changed size";
    EXPECT_TRUE(SameRect(PlaceOf(HandleOf(b)), placeB));
    EXPECT_TRUE(SameRect(PlaceOf(PageOf(a)), pageA));
    EXPECT_EQ(program_->Frame().ChildrenDisplayMode(), DisplayMode::Maximized);
}

TEST_F(MaximisedWindowsTest, AWindowOpenedBehindStaysBehindTheActiveOne) {
    Start("PageMax=1\r\n");
    const auto [front, behind] = OpenFrontAndBehind();
    ASSERT_TRUE(front && behind);
    EXPECT_TRUE(behind->Window()->IsMaximized());
    EXPECT_EQ(Top(), HandleOf(front)) << "the page shown is still the active one";
}

TEST_F(MaximisedWindowsTest, NormalWindowsOpenedBehindLeaveTheActiveOneActive) {
    Start("PageMax=0\r\n");
    ASSERT_TRUE(OpenFrontAndBehind().second);
    CChildFrame* next = Open(true);
    EXPECT_EQ(program_->Frame().ActiveChild(), next) << "a window opened in front is activated";
}

TEST_F(MaximisedWindowsTest, TheFrameShowsTheButtonsAndTitleOfTheMaximisedWindow) {
    Start("PageMax=1\r\n");
    const int items = static_cast<int>(BuiltinMainMenu().size());
    EXPECT_EQ(MenuItems(), items) << "no window, no buttons";
    CChildFrame* a = Open(true);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(MenuItems(), items + 4);
    a->View().OnTitleChange("First page");  // as the page tells it
    EXPECT_EQ(TextOf(program_->Handle()), "Lumbrel - [First page]");
    CChildFrame* b = Open(true);
    b->View().OnTitleChange("Second page");
    EXPECT_EQ(TextOf(program_->Handle()), "Lumbrel - [Second page]");
    program_->Frame().ActivateChild(*a);
    EXPECT_EQ(TextOf(program_->Handle()), "Lumbrel - [First page]");
    EXPECT_EQ(MenuItems(), items + 4) << "the buttons are added once";

    // The close button closes the active window; the last one takes the buttons with it.
    SendMessageA(program_->Handle(), WM_COMMAND, SC_CLOSE, 0);
    PumpUntil([&] { return program_->BrowserWindows().size() == 1; });
    ASSERT_EQ(program_->BrowserWindows().size(), 1u);
    EXPECT_EQ(TextOf(program_->Handle()), "Lumbrel - [Second page]");
    SendMessageA(program_->Handle(), WM_COMMAND, SC_CLOSE, 0);
    PumpUntil([&] { return program_->BrowserWindows().empty(); });
    EXPECT_EQ(MenuItems(), items);
    EXPECT_EQ(TextOf(program_->Handle()), "Lumbrel");
}

TEST_F(MaximisedWindowsTest, RestoringTheMaximisedWindowRestoresAllAndMaximisingFillsAgain) {
    Start("PageMax=1\r\n");
    CChildFrame* a = Open(true);
    CChildFrame* b = Open(true);
    ASSERT_TRUE(a && b);
    SendMessageA(program_->Handle(), WM_COMMAND, SC_RESTORE, 0);  // the button in the menu bar
    for (CChildFrame* child : {a, b}) {
        EXPECT_FALSE(child->Window()->IsMaximized());
        EXPECT_TRUE(GetWindowLongPtrA(HandleOf(child), GWL_STYLE) & WS_CAPTION);
        const RECT place = PlaceOf(HandleOf(child));
        EXPECT_EQ(place.right - place.left, win32::ChildWindow::kNormalWidth);
        EXPECT_EQ(place.bottom - place.top, win32::ChildWindow::kNormalHeight);
    }
    EXPECT_EQ(program_->Frame().ChildrenDisplayMode(), DisplayMode::Sized);
    EXPECT_EQ(MenuItems(), static_cast<int>(BuiltinMainMenu().size()));
    RECT page = PlaceOf(PageOf(b));
    EXPECT_EQ(page.right - page.left,
              ClientOf(HandleOf(b)).right + 2 * win32::WebBrowserHost::kBorder)
        << "a restored window's page follows its size";

    CChildFrame* c = Open(true);
    EXPECT_FALSE(c->Window()->IsMaximized()) << "opened as the active one is shown";

    SendMessageA(HandleOf(c), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(c->Window()->IsMaximized());
    EXPECT_EQ(program_->Frame().ChildrenDisplayMode(), DisplayMode::Maximized);
    program_->Frame().ActivateChild(*a);
    EXPECT_TRUE(a->Window()->IsMaximized()) << "the maximised look goes on to the next window";
    EXPECT_TRUE(SameRect(ClientOf(HandleOf(a)), ClientOf(program_->MdiClient())));
}

TEST_F(MaximisedWindowsTest, TheActiveWindowFollowsTheFrameAndOneBehindFollowsWhenShown) {
    Start("PageMax=1\r\n");
    CChildFrame* a = Open(true);
    CChildFrame* b = Open(true);
    ASSERT_TRUE(a && b);
    const RECT placeA = PlaceOf(HandleOf(a));
    const RECT pageA = PlaceOf(PageOf(a));
    RECT frame = PlaceOf(program_->Handle());
    for (int grow : {60, -120}) {
        SetWindowPos(program_->Handle(), nullptr, 0, 0, frame.right - frame.left + grow,
                     frame.bottom - frame.top + grow, SWP_NOMOVE | SWP_NOZORDER);
        const RECT client = ClientOf(program_->MdiClient());
        EXPECT_TRUE(SameRect(ClientOf(HandleOf(b)), client)) << grow;
        const RECT pageB = PlaceOf(PageOf(b));
        EXPECT_EQ(pageB.right - pageB.left, client.right + 2 * win32::WebBrowserHost::kBorder);
        EXPECT_TRUE(SameRect(PlaceOf(HandleOf(a)), placeA)) << "the window behind waits";
        EXPECT_TRUE(SameRect(PlaceOf(PageOf(a)), pageA));
        EXPECT_FALSE(GetWindowLongPtrA(program_->MdiClient(), GWL_STYLE) &
                     (WS_HSCROLL | WS_VSCROLL))
            << "a larger window behind shows no scroll bars";
    }

    program_->Frame().ActivateChild(*a);
    const RECT client = ClientOf(program_->MdiClient());
    EXPECT_TRUE(SameRect(ClientOf(HandleOf(a)), client));
    const RECT page = PlaceOf(PageOf(a));
    EXPECT_EQ(page.right - page.left, client.right + 2 * win32::WebBrowserHost::kBorder);
    EXPECT_EQ(page.bottom - page.top, client.bottom + 2 * win32::WebBrowserHost::kBorder);

    SendMessageA(program_->Handle(), WM_COMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(GetWindowLongPtrA(program_->MdiClient(), GWL_STYLE) & WS_VSCROLL)
        << "normal windows may scroll again";
}

TEST_F(MaximisedWindowsTest, NormalWindowsKeepTheirFrameAndMenuBar) {
    Start("PageMax=0\r\n");
    CChildFrame* a = Open(true);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->Window()->IsMaximized());
    EXPECT_TRUE(GetWindowLongPtrA(HandleOf(a), GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(MenuItems(), static_cast<int>(BuiltinMainMenu().size()));
    a->View().OnTitleChange("Page");
    EXPECT_EQ(TextOf(program_->Handle()), "Lumbrel") << "only a maximised window's title shows";
}

}  // namespace
}  // namespace lumbrel::test
