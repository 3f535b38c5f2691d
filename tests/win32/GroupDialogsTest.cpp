// The group dialogs driven through their controls inside their own message loops: "Set
// Groups" over the group files of a real program folder (ticks, selection, Insert, the
// nested "URL in Group" for a new member) and what the files and settings hold afterwards.
#include <gtest/gtest.h>

#include "win32/platform/WinApi.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "language/DialogIds.h"
#include "win32/DialogDriver.h"
#include "win32/RunningMainWindow.h"

namespace lumbrel::test {
namespace {

std::string RowText(HWND list, int row, int column = 0) {
    char text[256] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

int RowOf(HWND list, const std::string& text) {
    for (int i = 0, n = ListView_GetItemCount(list); i < n; ++i)
        if (RowText(list, i) == text)
            return i;
    return -1;
}

// The rows as "name" or "name*" when ticked, in the order shown.
std::string Rows(HWND list) {
    std::string text;
    for (int i = 0, n = ListView_GetItemCount(list); i < n; ++i) {
        if (!text.empty())
            text += ' ';
        text += RowText(list, i) + (ListView_GetCheckState(list, i) ? "*" : "");
    }
    return text;
}

void Select(HWND list, int row) {
    ListView_SetItemState(list, row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
}

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

std::string Profile(const std::string& file, const std::string& key) {
    char text[256] = {};
    GetPrivateProfileStringA("Group", key.c_str(), "<none>", text, sizeof(text), file.c_str());
    return text;
}

class GroupDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.Write("User\\Lumbrel.ini",
                                  "[Settings]\r\nUseLngFile=0\r\nConfirmExit=0\r\n"
                                  "MenuLoadLastClose=0\r\nStartupMode=6\r\n"));
        CreateDirectoryA((folder_.Path() + "groups").c_str(), nullptr);
        ASSERT_TRUE(folder_.Write("groups\\Work.cgp",
                                  "[Group]\r\nname0=Mail\r\nurl0=http://mail/\r\n"
                                  "name1=Wiki\r\nurl1=http://wiki/\r\nstate1=0\r\n"));
        ASSERT_TRUE(folder_.Write("groups\\News.cgp", "[Group]\r\n"));
        program_.emplace(folder_);
        ASSERT_TRUE(program_->Start());
        program_->Frame().DeferredInit();
    }
    std::string GroupFile(const std::string& name) {
        return folder_.Path() + "groups\\" + name + ".cgp";
    }
    // Runs "Set &Groups..." with `step` inside it.
    bool SetGroups(std::function<void(HWND)> step) {
        DialogDriver driver(program_->Handle(), std::move(step));
        SendMessageA(program_->Handle(), WM_COMMAND, IDM_SET_GROUPS, 0);
        return driver.Ran();
    }

    ProgramFolder folder_{"group-dialogs"};
    std::optional<RunningMainWindow> program_;
};

TEST_F(GroupDialogsTest, SetGroupsShowsTheTicksAndKeepsWhatTheUserChanges) {
    std::string shownMembers, groupsAfterInsert;
    ASSERT_TRUE(SetGroups([&](HWND dialog) {
        HWND groups = GetDlgItem(dialog, IDC_GROUPS_LIST);
        HWND members = GetDlgItem(dialog, IDC_MEMBERS_LIST);
        const int work = RowOf(groups, "Work");
        ASSERT_GE(work, 0);
        Select(groups, work);
        shownMembers = Rows(members);
        // The user lets Mail stay closed, makes Work the start group and adds a group.
        ListView_SetCheckState(members, 0, FALSE);
        ListView_SetCheckState(groups, work, TRUE);
        Click(dialog, IDC_GROUPS_INSERT);
        groupsAfterInsert = Rows(groups);
        Click(dialog, IDOK);
    }));
    EXPECT_EQ(shownMembers, "Mail* Wiki") << "ticked: opens with the group";
    EXPECT_NE(groupsAfterInsert.find("Work*"), std::string::npos) << groupsAfterInsert;
    EXPECT_NE(groupsAfterInsert.find("New Group"), std::string::npos) << groupsAfterInsert;
    EXPECT_EQ(GetFileAttributesA(GroupFile("New Group").c_str()) != INVALID_FILE_ATTRIBUTES, true)
        << "a new group's file is made at once";
    EXPECT_EQ(Profile(GroupFile("Work"), "state0"), "0");
    EXPECT_EQ(Profile(GroupFile("Work"), "name1"), "Wiki");
    EXPECT_EQ(program_->App().Prefs().startGroup, "Work");
    // The menu is built again from the files when the dialog ends.
    const auto& menu = program_->Frame().UrlGroups().Menu().groups;
    EXPECT_EQ(menu.size(), 3u);
}

TEST_F(GroupDialogsTest, AMemberInsertedThroughUrlInGroupGetsItsFlags) {
    std::string nestedRan;
    ASSERT_TRUE(SetGroups([&](HWND dialog) {
        HWND groups = GetDlgItem(dialog, IDC_GROUPS_LIST);
        Select(groups, RowOf(groups, "News"));
        // "URL in Group" opens over "Set Groups": the user fills it in and keeps it.
        DialogDriver nested(dialog, [&](HWND url) {
            SetDlgItemTextA(url, IDC_GROUP_URL_NAME, "  Paper  ");
            SetDlgItemTextA(url, IDC_GROUP_URL_URL, "http://paper/");
            nestedRan = IsWindowEnabled(GetDlgItem(url, IDC_DL_SCRIPT)) ? "enabled" : "disabled";
            Click(url, IDC_DL_SPECIAL);
            Click(url, IDC_DL_SCRIPT);  // clear: no scripts
            Click(url, IDOK);
        });
        Click(dialog, IDC_MEMBERS_INSERT);
        Click(dialog, IDOK);
    }));
    EXPECT_EQ(nestedRan, "disabled") << "the six boxes wait for \"Use Special Download Control\"";
    EXPECT_EQ(Profile(GroupFile("News"), "name0"), "Paper");
    EXPECT_EQ(Profile(GroupFile("News"), "url0"), "http://paper/");
    // Images, sounds and videos on (0x10 | 0x40 | 0x20), scripts off (0x80).
    EXPECT_EQ(Profile(GroupFile("News"), "download0"), std::to_string(0x10 | 0x20 | 0x40 | 0x80));
}

}  // namespace
}  // namespace lumbrel::test
