// The number box driven through its controls inside its own message loop: the question's
// caption, prompt and value on show, and the typed value taken.
#include <gtest/gtest.h>

#include "win32/platform/WinApi.h"

#include <string>

#include "language/DialogIds.h"
#include "view/AutoRefresh.h"
#include "win32/DialogDriver.h"
#include "win32/ui/StandardDialogs.h"

namespace lumbrel::test {
namespace {

using win32::NumberDialog;

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class NumberDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_ = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    void TearDown() override { DestroyWindow(owner_); }

    NumberRequest Request() {
        return NumberRequest{"Set Refresh Frequency", "Refresh Frequency (S) :",
                             "Please enter an integer between 1 and 10000.", 60,
                             &AutoRefresh::ParsePeriod};
    }

    HWND owner_ = nullptr;
};

TEST_F(NumberDialogTest, ShowsTheQuestionAndTakesTheTypedNumber) {
    const NumberRequest request = Request();
    std::string caption, prompt, initial;
    DialogDriver driver(owner_, [&](HWND dialog) {
        caption = WindowText(dialog);
        prompt = WindowText(GetDlgItem(dialog, IDC_NUMBER_PROMPT));
        initial = WindowText(GetDlgItem(dialog, IDC_NUMBER_TEXT));
        SetDlgItemTextA(dialog, IDC_NUMBER_TEXT, "30");
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    NumberDialog dialog(nullptr, request);
    EXPECT_EQ(dialog.Run(owner_), IDOK);
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(caption, "Set Refresh Frequency");
    EXPECT_EQ(prompt, "Refresh Frequency (S) :");
    EXPECT_EQ(initial, "60");
    EXPECT_EQ(dialog.value, 30);
}

TEST_F(NumberDialogTest, CancelTakesNothing) {
    const NumberRequest request = Request();
    DialogDriver driver(owner_, [&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_NUMBER_TEXT, "30");
        SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    NumberDialog dialog(nullptr, request);
    EXPECT_EQ(dialog.Run(owner_), IDCANCEL);
    EXPECT_EQ(dialog.value, std::nullopt);
}

}  // namespace
}  // namespace lumbrel::test
