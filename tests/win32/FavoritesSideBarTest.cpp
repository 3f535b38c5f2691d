// The favorites side bar of the real main window: shown by its command beside the pages,
// folders filled when opened, a click opening a favorite, the Delete key removing exactly
// the selected item's file.
#include <gtest/gtest.h>

#include "win32/platform/WinApi.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "commands/CommandIds.h"
#include "win32/RunningMainWindow.h"
#include "win32/SavedRootOrder.h"
#include "win32/favorites/FavoritesSideBar.h"

namespace lumbrel::test {
namespace {

std::string TextOf(HWND tree, HTREEITEM item) {
    char text[128] = {};
    TVITEMA info{};
    info.mask = TVIF_TEXT | TVIF_HANDLE;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = sizeof(text);
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    return text;
}

int ImageOf(HWND tree, HTREEITEM item) {
    TVITEMA info{};
    info.mask = TVIF_IMAGE | TVIF_HANDLE;
    info.hItem = item;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    return info.iImage;
}

HTREEITEM Next(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// The children of `parent` (null: the roots) as "text:image | …".
std::string Describe(HWND tree, HTREEITEM parent) {
    std::string text;
    for (HTREEITEM item = parent ? Next(tree, parent, TVGN_CHILD) : Next(tree, nullptr, TVGN_ROOT);
         item; item = Next(tree, item, TVGN_NEXT))
        text += (text.empty() ? "" : " | ") + TextOf(tree, item) + ":" +
                std::to_string(ImageOf(tree, item));
    return text;
}

HTREEITEM Find(HWND tree, HTREEITEM parent, const std::string& text, int nth = 0) {
    for (HTREEITEM item = parent ? Next(tree, parent, TVGN_CHILD) : Next(tree, nullptr, TVGN_ROOT);
         item; item = Next(tree, item, TVGN_NEXT))
        if (TextOf(tree, item) == text && nth-- == 0)
            return item;
    return nullptr;
}

class FavoritesSideBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        order_.Clear();  // the tree comes in name order, folders first
        ASSERT_TRUE(folder_.Write("User\\Lumbrel.ini",
                                  "[Settings]\r\nUseLngFile=0\r\nConfirmExit=0\r\n"
                                  "MenuLoadLastClose=0\r\nStartupMode=6\r\n"
                                  "UseDefaultFavPath=0\r\nFavPath=.\\Fav\r\nFavInNewWindow=1\r\n"));
        for (const char* sub : {"Fav", "Fav\\News", "Fav\\Empty"})
            CreateDirectoryA((folder_.Path() + sub).c_str(), nullptr);
        for (const char* name : {"Only.url", "Same.url", "News\\daily.url", "News\\weekly.url"})
            ASSERT_TRUE(
                folder_.Write(std::string("Fav\\") + name,
                              std::string("[InternetShortcut]\r\nURL=http://") + name + "/\r\n"));
        ASSERT_TRUE(folder_.Write("Fav\\Same.lnk", "a shell link"));
        program_.emplace(folder_);
        ASSERT_TRUE(program_->Start());
        program_->Frame().DeferredInit();
    }
    HWND Bar() const {
        return FindWindowExA(program_->Handle(), nullptr, win32::FavoritesSideBar::kClassName,
                             nullptr);
    }
    HWND Tree() const { return FindWindowExA(Bar(), nullptr, WC_TREEVIEWA, nullptr); }
    bool Exists(const std::string& relative) const {
        return GetFileAttributesA((folder_.Path() + relative).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    int PagesLeft() const {
        HWND client = FindWindowExA(program_->Handle(), nullptr, "MDICLIENT", nullptr);
        RECT rect{};
        GetWindowRect(client, &rect);
        MapWindowPoints(nullptr, program_->Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect.left;
    }

    SavedRootOrder order_;  // put back after the program ended
    ProgramFolder folder_{"favorites-side-bar"};
    std::optional<RunningMainWindow> program_;
};

TEST_F(FavoritesSideBarTest, TheCommandShowsTheTreeBesideThePagesAndHidesItAgain) {
    ASSERT_NE(Bar(), nullptr);
    EXPECT_FALSE(IsWindowVisible(Bar()));
    EXPECT_EQ(PagesLeft(), 0);
    SendMessageA(program_->Handle(), WM_COMMAND, IDM_SIDEBAR_FAVORITES, 0);
    ASSERT_TRUE(IsWindowVisible(Bar()));
    EXPECT_TRUE(program_->Frame().QueryCommand(IDM_SIDEBAR_FAVORITES).checked);
    RECT bar{};
    GetClientRect(Bar(), &bar);
    EXPECT_GT(bar.right, 0);
    EXPECT_GE(PagesLeft(), bar.right) << "the pages move aside";

    HWND tree = Tree();
    ASSERT_NE(tree, nullptr);
    // Folders first, then favorites; pictures: 0 a folder, 1 a link.
    EXPECT_EQ(Describe(tree, nullptr), "Empty:0 | News:0 | Only:1 | Same:1 | Same:1");
    HTREEITEM news = Find(tree, nullptr, "News");
    EXPECT_EQ(Describe(tree, news), "") << "a folder is read when it is opened";
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(news));
    EXPECT_EQ(Describe(tree, news), "daily:1 | weekly:1");

    SendMessageA(program_->Handle(), WM_COMMAND, IDM_SIDEBAR_FAVORITES, 0);
    EXPECT_FALSE(IsWindowVisible(Bar()));
    EXPECT_EQ(PagesLeft(), 0);
}

TEST_F(FavoritesSideBarTest, AClickOpensTheFavoriteAndDeleteRemovesTheSelectedFileOnly) {
    SendMessageA(program_->Handle(), WM_COMMAND, IDM_SIDEBAR_FAVORITES, 0);
    HWND tree = Tree();
    ASSERT_NE(tree, nullptr);

    // A click on the label, where the user's pointer is.
    HTREEITEM only = Find(tree, nullptr, "Only");
    ASSERT_NE(only, nullptr);
    RECT label{};
    ASSERT_TRUE(TreeView_GetItemRect(tree, only, &label, TRUE));
    POINT point{label.left + 2, (label.top + label.bottom) / 2};
    POINT screen = point;
    ClientToScreen(tree, &screen);
    SetCursorPos(screen.x, screen.y);
    // The tree watches for a drag inside the press, reading the queue until the button goes
    // up: the release waits in the queue before the press is sent, as it would for a click.
    PostMessageA(tree, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    SendMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    ASSERT_EQ(program_->Frame().Windows().Count(), 1);

    // The first "Same" is the shell link (".lnk" sorts before ".url"): only its file goes.
    HTREEITEM link = Find(tree, nullptr, "Same", 0);
    ASSERT_NE(link, nullptr);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(link));
    SetFocus(tree);
    SendMessageA(tree, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_FALSE(Exists("Fav\\Same.lnk"));
    EXPECT_TRUE(Exists("Fav\\Same.url"));
    EXPECT_EQ(Describe(tree, nullptr), "Empty:0 | News:0 | Only:1 | Same:1");
    // A folder is not deleted by the key.
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(Find(tree, nullptr, "Empty")));
    SendMessageA(tree, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_TRUE(Exists("Fav\\Empty"));
}

}  // namespace
}  // namespace lumbrel::test
