// The favorites and groups dialogs of the real main window driven through their controls:
// "Select URL" refusing a name no file can have and then saving the ticked pages, "Add to
// Favorite" preset from the page and writing what the user kept, and the shell's dialogs
// loaded from "shdocvw.dll" on demand (under Wine they load or are skipped; nothing crashes).
#include <gtest/gtest.h>

#include "win32/platform/WinApi.h"

#include <commctrl.h>

#include <optional>
#include <regex>
#include <string>

#include "commands/CommandIds.h"
#include "frame/NewChildRequest.h"
#include "language/DialogIds.h"
#include "win32/DialogDriver.h"
#include "win32/RunningMainWindow.h"
#include "win32/favorites/Win32FavoritesDialogs.h"
#include "win32/platform/Win32CodePage.h"

namespace lumbrel::test {
namespace {

std::string ItemText(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

std::string Profile(const std::string& file, const char* section, const std::string& key) {
    char text[256] = {};
    GetPrivateProfileStringA(section, key.c_str(), "<none>", text, sizeof(text), file.c_str());
    return text;
}

class FavoritesDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.Write("User\\Lumbrel.ini",
                                  "[Settings]\r\nUseLngFile=0\r\nConfirmExit=0\r\n"
                                  "MenuLoadLastClose=0\r\nStartupMode=6\r\n"
                                  "UseDefaultFavPath=0\r\nFavPath=.\\Fav\r\n"));
        for (const char* sub : {"Fav", "groups"})
            CreateDirectoryA((folder_.Path() + sub).c_str(), nullptr);
        program_.emplace(folder_);
        ASSERT_TRUE(program_->Start());
        program_->Frame().DeferredInit();
        // The start may have said something of its own (a page script missing from this
        // folder): the tests count only what their dialogs say.
        program_->Boxes().messages.clear();
    }
    // A window on `url`, with the address the engine was asked for.
    void OpenPage(const std::string& url) {
        ASSERT_NE(program_->Frame().NewChild(NewChildRequest::Url(url, true)), nullptr);
        MSG msg;
        for (int i = 0; i < 50 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    bool Run(int command, std::function<void(HWND)> step) {
        DialogDriver driver(program_->Handle(), std::move(step));
        SendMessageA(program_->Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
        return driver.Ran();
    }
    bool Exists(const std::string& relative) const {
        return GetFileAttributesA((folder_.Path() + relative).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    ProgramFolder folder_{"favorites-dialogs"};
    std::optional<RunningMainWindow> program_;
};

TEST_F(FavoritesDialogsTest, SelectUrlRefusesAForbiddenNameThenSavesTheTickedPages) {
    OpenPage("http://one.invalid/");
    OpenPage("http://two.invalid/");
    std::string rows, timeName, stillOpen;
    ASSERT_TRUE(Run(IDM_SAVE_WINDOWS_AS_GROUP, [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_GROUP_SELECT_LIST);
        for (int i = 0, n = ListView_GetItemCount(list); i < n; ++i) {
            char url[256] = {};
            ListView_GetItemText(list, i, 1, url, sizeof(url));
            rows += std::string(rows.empty() ? "" : " ") + url +
                    (ListView_GetCheckState(list, i) ? "*" : "");
        }
        Click(dialog, IDC_GROUP_SELECT_TIME);
        timeName = ItemText(dialog, IDC_GROUP_SELECT_NAME);
        SetDlgItemTextA(dialog, IDC_GROUP_SELECT_NAME, "Bad:Name");
        Click(dialog, IDOK);
        stillOpen = IsWindow(dialog) ? "open" : "closed";
        // The second page stays out.
        ListView_SetCheckState(list, 1, FALSE);
        SetDlgItemTextA(dialog, IDC_GROUP_SELECT_NAME, "Saved");
        Click(dialog, IDOK);
    }));
    EXPECT_EQ(rows, "http://one.invalid/* http://two.invalid/*");
    EXPECT_TRUE(std::regex_match(timeName, std::regex(R"(\d\d_\d\d-\d\d\.\d\d\.\d\d)")))
        << timeName;
    EXPECT_EQ(stillOpen, "open");
    std::string shown;
    for (const std::string& message : program_->Boxes().messages)
        shown += "[" + message + "]";
    ASSERT_EQ(program_->Boxes().messages.size(), 1u) << shown;
    EXPECT_NE(program_->Boxes().messages[0].find("Can not create group"), std::string::npos);
    EXPECT_FALSE(Exists("groups\\Bad:Name.cgp"));
    const std::string file = folder_.Path() + "groups\\Saved.cgp";
    EXPECT_EQ(Profile(file, "Group", "url0"), "http://one.invalid/");
    EXPECT_EQ(Profile(file, "Group", "url1"), "<none>");
}

TEST_F(FavoritesDialogsTest, AddUrlHereShowsThePageAndWritesWhatTheUserKept) {
    OpenPage("http://page.invalid/");
    std::string url, folder;
    bool special = false, imagesEnabled = false, imagesEnabledAfter = false;
    // "Add URL Here..." of the root: the first folder of the build.
    ASSERT_TRUE(Run(IDM_FAV_ADD_HERE_FIRST, [&](HWND dialog) {
        url = ItemText(dialog, IDC_ADD_FAV_URL);
        folder = ItemText(dialog, IDC_ADD_FAV_FOLDER);
        special = IsDlgButtonChecked(dialog, IDC_DL_SPECIAL) == BST_CHECKED;
        imagesEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_DL_IMAGES)) != FALSE;
        SetDlgItemTextA(dialog, IDC_ADD_FAV_NAME, "My:Page");
        // The page's own flags come preset; the user keeps a special control either way.
        if (!special)
            Click(dialog, IDC_DL_SPECIAL);
        imagesEnabledAfter = IsWindowEnabled(GetDlgItem(dialog, IDC_DL_IMAGES)) != FALSE;
        Click(dialog, IDOK);
    }));
    EXPECT_EQ(url, "http://page.invalid/");
    EXPECT_EQ(folder, folder_.Path() + "Fav\\");
    // The six boxes follow "Use Special Download Control".
    EXPECT_EQ(imagesEnabled, special);
    EXPECT_TRUE(imagesEnabledAfter);
    // The colon becomes "_"; the special download control is written as its flags.
    const std::string file = folder_.Path() + "Fav\\My_Page.url";
    EXPECT_EQ(Profile(file, "InternetShortcut", "URL"), "http://page.invalid/");
    EXPECT_NE(Profile(file, "InternetShortcut", "Property"), "<none>");
}

TEST_F(FavoritesDialogsTest, TheShellsDialogsLoadOnDemandOrAreSkipped) {
    win32::Win32CodePage cp;
    win32::Win32FavoritesDialogs dialogs(cp);
    dialogs.SetOwner(program_->Handle());
    const bool loaded = GetModuleHandleA("shdocvw.dll") != nullptr;
    const bool available = dialogs.HasShellAddDialog();
    // Asking loads the library for the call only.
    EXPECT_EQ(GetModuleHandleA("shdocvw.dll") != nullptr, loaded);
    // A dialog the shell shows is cancelled; one it does not have returns at once.
    {
        DialogDriver cancel(program_->Handle(), [](HWND dialog) { EndDialog(dialog, IDCANCEL); });
        const auto chosen = dialogs.ShellChooseFavoriteFile(folder_.Path() + "Fav\\", "Title");
        if (!available) {
            EXPECT_FALSE(chosen.has_value());
        }
    }
    EXPECT_FALSE(Exists("Fav\\Title.url"));
    {
        DialogDriver cancel(program_->Handle(), [](HWND dialog) { EndDialog(dialog, IDCANCEL); });
        dialogs.ShellOrganizeFavorites(folder_.Path() + "Fav\\");
    }
    EXPECT_TRUE(IsWindow(program_->Handle()));
}

}  // namespace
}  // namespace lumbrel::test
