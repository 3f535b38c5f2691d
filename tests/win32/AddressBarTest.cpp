// The address bar over the real extended combo box: an entry chosen from the drop-down list
// reaches the core whole.
#include "win32/frame/AddressBar.h"

#include <gtest/gtest.h>

#include <string>

namespace lumbrel::win32 {
namespace {

TEST(AddressBar, AnEntryChosenFromTheListIsHandedOnWhole) {
    WNDCLASSA type{};
    type.lpfnWndProc = DefWindowProcA;
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = "AddressBarTestParent";
    RegisterClassA(&type);
    HWND parent = CreateWindowExA(0, type.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 600, 100,
                                  nullptr, nullptr, type.hInstance, nullptr);
    ASSERT_NE(parent, nullptr);
    std::string chosen;
    int choices = 0;
    {
        AddressBar bar;
        AddressBar::Events events;
        events.listItem = [&](const std::string& text) {
            chosen = text;
            ++choices;
        };
        ASSERT_TRUE(bar.Create(parent, 1002, std::move(events)));
        const std::string url = "http://www.example.com/some/page.htm";
        bar.InsertItem(-1, "http://a.example/");
        bar.InsertItem(-1, url);
        ASSERT_EQ(SendMessageA(bar.Combo(), CB_SETCURSEL, 1, 0), 1);
        // What the extended combo box sends its parent when the user picks the entry.
        SendMessageA(bar.Handle(), WM_COMMAND, MAKEWPARAM(1, CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(bar.Combo()));
        EXPECT_EQ(choices, 1);
        EXPECT_EQ(chosen, url) << "the entry's own text, not its first pointer-size bytes";
    }
    DestroyWindow(parent);
}

}  // namespace
}  // namespace lumbrel::win32
