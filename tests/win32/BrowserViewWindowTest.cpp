// The view window around the real control under Wine: what its child windows report to the
// core (the control's own end by its id 100, other windows by theirs, presses with their
// place), and the messages for the page that the core sees before the engine.
#include <memory>
#include <optional>
#include <string>

#include "win32/OleWindowTest.h"
#include "win32/RecordingBrowserEvents.h"
#include "win32/platform/Win32CodePage.h"
#include "win32/view/WebBrowserHost.h"

namespace lumbrel::win32 {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class BrowserViewWindowTest : public test::OleWindowTest {
protected:
    void SetUp() override {
        OleWindowTest::SetUp();
        ASSERT_TRUE(host_->Create(window_, 400, 300));
    }
    void TearDown() override {
        host_.reset();
        OleWindowTest::TearDown();
    }

    // A plain window inside the view, at (30, 40) with id `id`.
    HWND ChildOfView(int id) {
        return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 30, 40, 50, 50,
                               host_->ViewWindow(), reinterpret_cast<HMENU>(INT_PTR{id}),
                               GetModuleHandleA(nullptr), nullptr);
    }

    MSG Message(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
        MSG msg{};
        msg.hwnd = target;
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = lParam;
        return msg;
    }

    Win32CodePage codePage_{1252};
    test::RecordingBrowserEvents events_;
    std::unique_ptr<WebBrowserHost> host_ = std::make_unique<WebBrowserHost>(events_, codePage_);
};

// A page script's window.close() ends the control's window: the core hears it by the
// control's id and closes the browser window. Other windows come and go with their own ids.
TEST_F(BrowserViewWindowTest, WindowsEndingInsideTheViewAreReportedByTheirIds) {
    HWND other = ChildOfView(7);
    ASSERT_NE(other, nullptr);
    DestroyWindow(other);
    DestroyWindow(host_->ControlWindow());
    EXPECT_EQ(events_.Joined(), "child created 7\nchild destroyed 7\nchild destroyed 100\n");
}

TEST_F(BrowserViewWindowTest, TheHostsOwnTeardownReportsNothing) {
    host_->Destroy();
    EXPECT_EQ(events_.Joined(), "");
    // Nor does a view that goes with its parent.
    auto second = std::make_unique<WebBrowserHost>(events_, codePage_);
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 100, window_,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(second->Create(parent, 200, 100));
    DestroyWindow(parent);
    EXPECT_FALSE(second->IsCreated());
    EXPECT_EQ(events_.Joined(), "");
}

// A real click on the control: the system tells the view where, in the view's coordinates.
TEST_F(BrowserViewWindowTest, APressOnThePageIsReportedWithItsPlace) {
    SetForegroundWindow(window_);
    POINT at{120, 80};
    ClientToScreen(host_->ViewWindow(), &at);
    INPUT input[3] = {};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dx = static_cast<LONG>(at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1));
    input[0].mi.dy = static_cast<LONG>(at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1] = input[0];
    input[1].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    input[2] = input[0];
    input[2].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    ASSERT_EQ(SendInput(3, input, sizeof(INPUT)), 3u);
    EXPECT_TRUE(PumpUntil([&] { return Contains(events_.Joined(), "child right press"); }))
        << events_.Joined();
    EXPECT_TRUE(Contains(events_.Joined(), "child right press at 120,80\n")) << events_.Joined();
}

TEST_F(BrowserViewWindowTest, KeysForThePageGoToTheCoreFirst) {
    HWND control = host_->ControlWindow();
    MSG down = Message(control, WM_KEYDOWN, VK_RETURN, 0);
    host_->PreTranslateMessage(down);
    EXPECT_EQ(down.message, static_cast<UINT>(WM_KEYDOWN));

    events_.keyVerdict = KeyVerdict::DeliverAsChar;
    MSG up = Message(control, WM_KEYUP, VK_RETURN, 0);
    EXPECT_FALSE(host_->PreTranslateMessage(up)) << "delivered, as a character";
    EXPECT_EQ(up.message, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(up.wParam, static_cast<WPARAM>(VK_RETURN));

    events_.keyVerdict = KeyVerdict::Eat;
    MSG right = Message(control, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(host_->PreTranslateMessage(right)) << "eaten";
    MSG character = Message(control, WM_CHAR, 'a', 0);
    EXPECT_TRUE(host_->PreTranslateMessage(character));

    // Not the page's: the frame's own windows and keys the rules do not look at.
    MSG elsewhere = Message(window_, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(host_->PreTranslateMessage(elsewhere));
    MSG alt = Message(control, WM_SYSKEYDOWN, VK_LEFT, 0);
    host_->PreTranslateMessage(alt);
    EXPECT_EQ(events_.Joined(), "key down 13\nkey up 13\nkey down 39\nkey char 97\n");
}

TEST_F(BrowserViewWindowTest, MouseMessagesForThePageArePlacedInTheView) {
    HWND inside = ChildOfView(7);
    events_.log.clear();
    MSG up = Message(inside, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    EXPECT_FALSE(host_->PreTranslateMessage(up));
    MSG twice = Message(inside, WM_LBUTTONDBLCLK, 0, MAKELPARAM(0, 0));
    host_->PreTranslateMessage(twice);
    MSG rightAgain = Message(inside, WM_RBUTTONDBLCLK, 0, MAKELPARAM(1, 1));
    host_->PreTranslateMessage(rightAgain);
    POINT screen{50, 60};
    ClientToScreen(host_->ViewWindow(), &screen);
    MSG wheel = Message(inside, WM_MOUSEWHEEL, MAKEWPARAM(MK_RBUTTON, -WHEEL_DELTA),
                        MAKELPARAM(screen.x, screen.y));
    host_->PreTranslateMessage(wheel);
    events_.mouseUsed = true;
    MSG used = Message(inside, WM_RBUTTONUP, 0, MAKELPARAM(-3, 2));
    EXPECT_TRUE(host_->PreTranslateMessage(used)) << "the core used it";
    MSG move = Message(inside, WM_MOUSEMOVE, 0, 0);
    EXPECT_FALSE(host_->PreTranslateMessage(move));
    EXPECT_EQ(events_.Joined(),
              "mouse left up at 35,46\nmouse double click at 30,40\nmouse right down at 31,41\n"
              "mouse wheel at 50,60 keys 2 delta -120\nmouse right up at 27,42\n");
}

// While a gesture holds the capture, the view's own window passes moves and releases on; what
// the core used gets no default handling.
TEST_F(BrowserViewWindowTest, TheCapturedViewPassesMovesAndReleasesToTheCore) {
    HWND view = host_->ViewWindow();
    PageMouseWindow& mouse = host_->MouseWindow();
    mouse.CaptureMouse();
    EXPECT_EQ(GetCapture(), view);
    SendMessageA(view, WM_MOUSEMOVE, MK_RBUTTON | MK_SHIFT, MAKELPARAM(60, 70));
    events_.viewMouseUsed = true;
    SendMessageA(view, WM_RBUTTONUP, 0, MAKELPARAM(-4, 9));
    mouse.ReleaseMouse();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(events_.Joined(), "view move at 60,70 keys 6\nview right up at -4,9 keys 0\n");
}

TEST_F(BrowserViewWindowTest, ClicksArePostedOnlyToWindowsOfThePage) {
    // A button: a static control is transparent to the search for the window under a point.
    HWND inside = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE, 30, 40, 50, 50,
                                  host_->ViewWindow(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(inside, nullptr);
    SetWindowPos(inside, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PageMouseWindow& mouse = host_->MouseWindow();
    const std::optional<WindowAtPoint> under = mouse.WindowAt(35, 45);
    ASSERT_TRUE(under);
    EXPECT_EQ(reinterpret_cast<HWND>(under->window), inside);
    EXPECT_TRUE(under->insideView);
    mouse.PostRightUp(*under, 35, 45, MK_SHIFT);
    MSG posted{};
    ASSERT_TRUE(PeekMessageA(&posted, inside, WM_RBUTTONUP, WM_RBUTTONUP, PM_REMOVE));
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(MK_SHIFT));
    EXPECT_EQ(posted.lParam, MAKELPARAM(5, 5)) << "in the window's own coordinates";

    const std::optional<WindowAtPoint> outside = mouse.WindowAt(-20000, -20000);
    EXPECT_TRUE(!outside || !outside->insideView);
}

// The core may end the window, and with it the host, from inside the call.
TEST_F(BrowserViewWindowTest, AHostEndedByTheCoreDuringAMessageIsNotTouchedAgain) {
    WebBrowserHost* host = host_.get();
    MSG down = Message(host->ControlWindow(), WM_KEYDOWN, VK_TAB, 0);
    events_.afterEvent = [this] { host_.reset(); };
    EXPECT_TRUE(host->PreTranslateMessage(down));
    EXPECT_EQ(host_, nullptr);
    EXPECT_EQ(events_.Joined(), "key down 9\n");
}

TEST_F(BrowserViewWindowTest, AfterTeardownNothingIsOffered) {
    HWND control = host_->ControlWindow();
    host_->Destroy();
    MSG down = Message(control, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(host_->PreTranslateMessage(down));
    EXPECT_EQ(events_.Joined(), "");
}

}  // namespace
}  // namespace lumbrel::win32
