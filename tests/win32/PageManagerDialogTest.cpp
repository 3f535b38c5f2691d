// The Page Manager dialog driven through its controls, as the user drives it: the program's
// main window runs it modally over the core's model, and a timer inside the dialog's message
// loop reads the list, ticks rows, presses the buttons and switches the tabs.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "frame/PageManager.h"
#include "language/DialogIds.h"
#include "win32/DialogDriver.h"
#include "win32/OleWindowTest.h"
#include "win32/RunningMainWindow.h"

namespace lumbrel::test {
namespace {

struct ShownRow {
    bool checked = false;
    int image = -1;
    std::string title;
    std::string url;
};

std::string ItemText(HWND list, int row, int column) {
    char text[512] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

std::vector<ShownRow> ShownRows(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_PM_LIST);
    std::vector<ShownRow> rows;
    const int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        rows.push_back({ListView_GetCheckState(list, i) != 0, item.iImage, ItemText(list, i, 0),
                        ItemText(list, i, 1)});
    }
    return rows;
}

std::vector<std::string> Titles(const std::vector<ShownRow>& rows) {
    std::vector<std::string> titles;
    for (const ShownRow& row : rows)
        titles.push_back(row.title);
    return titles;
}

int TickedCount(const std::vector<ShownRow>& rows) {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const ShownRow& row) { return row.checked; }));
}

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// A click on a tab: the strip moves its selection and tells its parent.
void ChooseTab(HWND dialog, int tab) {
    HWND tabs = GetDlgItem(dialog, IDC_PM_TABS);
    SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    NMHDR header{tabs, IDC_PM_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(dialog, WM_NOTIFY, IDC_PM_TABS, reinterpret_cast<LPARAM>(&header));
}

void FocusRow(HWND dialog, int row) {
    HWND list = GetDlgItem(dialog, IDC_PM_LIST);
    ListView_SetItemState(list, row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
}

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

class PageManagerDialogTest : public OleWindowTest {
protected:
    void Start(const std::string& settings) {
        ASSERT_TRUE(folder_.Write("User\\Lumbrel.ini",
                                  "[Settings]\r\nConfirmExit=0\r\nMenuLoadLastClose=0\r\n"
                                  "StartupMode=6\r\n" +
                                      settings));
        program_.emplace(folder_);
        ASSERT_TRUE(program_->Start());
    }
    void TearDown() override {
        program_.reset();
        OleWindowTest::TearDown();
    }

    ProgramFolder folder_{"page-manager"};
    std::optional<RunningMainWindow> program_;
};

TEST_F(PageManagerDialogTest, EveryControlActsOnTheModelAndTheListShowsItsRows) {
    ASSERT_TRUE(folder_.Write("User\\LastVisit.ini",
                              "[LastVisit]\r\nstate0=0\r\nname0=A\r\nurl0=http://a.invalid/\r\n"
                              "state1=4\r\nname1=B\r\nurl1=http://b.invalid/\r\n"
                              "state2=0\r\nname2=C\r\nurl2=http://c.invalid/\r\n"));
    Start("UseLngFile=0\r\n");
    CMainFrame& frame = program_->Frame();
    frame.Closer().Ring().Push("http://r.invalid/", "Ring");
    Network& network = program_->App().Ports().network;
    const bool offlineBefore = network.WorkOffline();
    program_->Boxes().inputAnswer = "Renamed";

    PageManager manager(frame, PageManagerTab::LastVisiting);
    DialogDriver driver(program_->Handle(), [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_PM_LIST);
        std::vector<ShownRow> rows = ShownRows(dialog);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(TickedCount(rows), 3) << "opened on the last session, every row is ticked";
        EXPECT_EQ(rows[1].image, 4);
        EXPECT_EQ(rows[1].url, "http://b.invalid/");

        ChooseTab(dialog, 3);
        EXPECT_EQ(manager.Tab(), PageManagerTab::CurrentClosed);
        rows = ShownRows(dialog);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].title, "Ring");
        EXPECT_EQ(rows[0].image, 9);

        ChooseTab(dialog, 0);
        EXPECT_EQ(TickedCount(ShownRows(dialog)), 0) << "a tab chosen again is loaded afresh";
        Click(dialog, IDC_PM_SELECT_ALL);
        EXPECT_EQ(TickedCount(ShownRows(dialog)), 3);
        Click(dialog, IDC_PM_SELECT_NONE);
        EXPECT_EQ(TickedCount(ShownRows(dialog)), 0);
        EXPECT_FALSE(manager.Rows()[0].checked);
        Click(dialog, IDC_PM_SELECT_ALL);
        ListView_SetCheckState(list, 2, FALSE);
        EXPECT_FALSE(manager.Rows()[2].checked) << "a tick taken off in the list";
        EXPECT_TRUE(manager.Rows()[1].checked);

        FocusRow(dialog, 1);
        Click(dialog, IDC_PM_EDIT_TITLE);
        EXPECT_EQ(manager.Rows()[1].title, "Renamed");
        EXPECT_EQ(ShownRows(dialog)[1].title, "Renamed");
        FocusRow(dialog, 0);
        Click(dialog, IDC_PM_DELETE_CURRENT);
        EXPECT_EQ(Titles(ShownRows(dialog)), (std::vector<std::string>{"Renamed", "C"}));
        EXPECT_EQ(manager.Rows().size(), 2u);

        Click(dialog, IDC_PM_WORK_OFFLINE);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_PM_WORK_OFFLINE) == BST_CHECKED,
                  network.WorkOffline())
            << "the box shows the state the system reports";
        if (network.WorkOffline() != offlineBefore)
            Click(dialog, IDC_PM_WORK_OFFLINE);
        EXPECT_EQ(network.WorkOffline(), offlineBefore);

        Click(dialog, IDOK);
    });
    frame.Widgets().window.RunPageManager(manager);
    EXPECT_TRUE(driver.Ran());
    EXPECT_TRUE(manager.Ended());
    EXPECT_EQ(program_->Boxes().inputPrompts, std::vector<std::string>{"Input Title:"});
    // OK opened the one ticked row left ("B", locked in the file).
    PumpUntil([&] { return program_->BrowserWindows().size() == 1; });
    ASSERT_EQ(program_->BrowserWindows().size(), 1u);
    ASSERT_EQ(frame.Windows().Count(), 1);
    EXPECT_TRUE(frame.Windows().At(0)->Locked());
}

TEST_F(PageManagerDialogTest, TranslatedThroughItsLanguageSectionAndCancelEndsTheModel) {
    ASSERT_TRUE(folder_.Write("Language\\Test.ini",
                              "[Information]\r\nLanguage=Test\r\n"
                              "[StringGeneral]\r\n2=Abbrechen\r\n"
                              "[StringTable]\r\n61426=Zuletzt besucht\r\n61430=Titel\r\n"
                              "[DialogPageManager]\r\nCaption=Seitenverwaltung\r\n"
                              "1672=Alle waehlen\r\n1680=Offline arbeiten\r\n"));
    Start("UseLngFile=1\r\nLngFile=Test.ini\r\n");
    PageManager manager(program_->Frame(), PageManagerTab::LastVisiting);
    std::string caption, tab, selectAll, offline, cancel, column;
    DialogDriver driver(program_->Handle(), [&](HWND dialog) {
        caption = WindowText(dialog);
        selectAll = WindowText(GetDlgItem(dialog, IDC_PM_SELECT_ALL));
        offline = WindowText(GetDlgItem(dialog, IDC_PM_WORK_OFFLINE));
        cancel = WindowText(GetDlgItem(dialog, IDCANCEL));
        char text[128] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        SendMessageA(GetDlgItem(dialog, IDC_PM_TABS), TCM_GETITEMA, 0,
                     reinterpret_cast<LPARAM>(&item));
        tab = text;
        char heading[128] = {};
        LVCOLUMNA header{};
        header.mask = LVCF_TEXT;
        header.pszText = heading;
        header.cchTextMax = sizeof(heading);
        SendMessageA(GetDlgItem(dialog, IDC_PM_LIST), LVM_GETCOLUMNA, 0,
                     reinterpret_cast<LPARAM>(&header));
        column = heading;
        Click(dialog, IDCANCEL);
    });
    program_->Frame().Widgets().window.RunPageManager(manager);
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(caption, "Seitenverwaltung");
    EXPECT_EQ(selectAll, "Alle waehlen");
    EXPECT_EQ(offline, "Offline arbeiten");
    EXPECT_EQ(cancel, "Abbrechen");
    EXPECT_EQ(tab, "Zuletzt besucht");
    EXPECT_EQ(column, "Titel");
    EXPECT_TRUE(manager.Ended());
    EXPECT_EQ(program_->BrowserWindows().size(), 0u);
}

}  // namespace
}  // namespace lumbrel::test
