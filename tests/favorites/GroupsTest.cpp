// Groups in the main frame: the menu data, opening a group, saving the windows as a group,
// adding a page to a group.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "favorites/FavoritesFakes.h"
#include "favorites/Groups.h"
#include "support/FrameHarness.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

constexpr const char* kFolder = "C:\\Lumbrel\\groups\\";

class GroupsTest : public ::testing::Test {
protected:
    explicit GroupsTest(const std::string& settings = "NewSequence=2\r\n") : h(settings) {
        groups().Attach(&ui);
    }
    Groups& groups() { return h.frame->UrlGroups(); }
    void Group(const std::string& name, const std::string& body) {
        h.platform.fs.AddFile(kFolder + name + ".cgp", "[Group]\r\n" + body);
    }
    // The address each window opened, in tab order.
    std::string Tabs() {
        std::string text;
        for (int i = 0; i < h.frame->Windows().Count(); ++i) {
            CChildFrame* child = h.frame->Windows().At(i);
            if (!text.empty())
                text += ' ';
            text += h.BrowserOf(child).navigations.empty() ? "?"
                                                           : h.BrowserOf(child).navigations.back();
        }
        return text;
    }
    int OpenIdOf(const std::string& name) {
        for (const GroupItem& item : groups().Menu().groups)
            if (item.file == kFolder + name + ".cgp")
                return item.openId;
        ADD_FAILURE() << "no group " << name;
        return 0;
    }

    test::FrameHarness h;
    test::FakeGroupsUi ui;
};

class GroupsCloseFirstTest : public GroupsTest {
protected:
    GroupsCloseFirstTest() : GroupsTest("CloseAllBeforeNewGroup=1\r\nConfirmCloseAll=0\r\n") {}
};

TEST_F(GroupsTest, TheMenuListsTheGroupsWithTheirMembers) {
    Group("Work",
          "name0=Mail\r\nurl0=http://mail/\r\nname1=Wiki\r\nurl1=http://wiki/\r\nstate1=0\r\n"
          "name3=Gone\r\nurl3=http://gone/\r\n");
    Group("News", "");
    groups().RebuildMenu();
    ASSERT_EQ(ui.menusShown, 1);
    const GroupsMenu& menu = ui.lastMenu;
    ASSERT_EQ(menu.groups.size(), 2u);
    EXPECT_EQ(menu.groups[0].text, "1. News");
    EXPECT_EQ(menu.groups[1].text, "2. Work");
    EXPECT_EQ(menu.groups[1].openId, IDM_GROUP_OPEN_FIRST + 1);
    EXPECT_EQ(menu.groups[1].addId, IDM_ADD_TO_GROUP_FIRST + 1);
    ASSERT_EQ(menu.groups[1].members.size(), 2u);
    EXPECT_TRUE(menu.groups[1].members[0].ticked);
    EXPECT_FALSE(menu.groups[1].members[1].ticked);
    EXPECT_EQ(menu.groups[1].members[1].commandId, IDM_GROUP_MEMBER_FIRST + 1);
    EXPECT_EQ(menu.AddToGroupItems("Empty").size(), 2u);
}

TEST(GroupsMenuFolder, TheFolderIsMadeWhenTheMenuIsBuiltAndAnEmptyMenuSaysSo) {
    // Before the frame's deferred start, which builds the menu the first time.
    test::FrameHarness h("", /*deferredInit=*/false);
    ASSERT_FALSE(h.platform.fs.HasFolder("C:\\Lumbrel\\groups"));
    h.frame->UrlGroups().RebuildMenu();
    EXPECT_TRUE(h.platform.fs.HasFolder("C:\\Lumbrel\\groups"));
    const auto items = h.frame->UrlGroups().Menu().AddToGroupItems("Empty");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].commandId, 0);
    EXPECT_EQ(items[0].text, "Empty");
}

TEST_F(GroupsTest, OpeningSkipsState0StopsAtAGapAndAppendsAtTheEnd) {
    Group("G",
          "name0=A\r\nurl0=http://a/\r\nstate0=0\r\nname1=B\r\nurl1=http://b/\r\n"
          "name2=C\r\nurl2=http://c/\r\ndownload2=16\r\nname4=E\r\nurl4=http://e/\r\n");
    h.Open("http://first/", true);
    h.Open("http://second/", true);
    h.frame->ActivateChild(*h.frame->Windows().At(0));
    const std::string before = Tabs();
    groups().RebuildMenu();
    h.Command(OpenIdOf("G"));
    // NewSequence 2 would put each new tab before the current one; the group goes to the end.
    EXPECT_EQ(Tabs(), before + " http://b/ http://c/");
    EXPECT_EQ(h.frame->Windows().At(3)->View().Flags().dlFlags, 16);
    EXPECT_TRUE(h.frame->Windows().At(3)->View().Flags().dlFlagsFixed);
    EXPECT_FALSE(h.frame->Windows().At(2)->View().Flags().dlFlagsFixed);
    // The preference was never touched, and the next window follows it again.
    EXPECT_EQ(h.app->Prefs().newSequence, 2);
}

TEST_F(GroupsTest, AProgramMemberIsStartedAndEndsTheOpening) {
    Group("G",
          "name0=A\r\nurl0=http://a/\r\nname1=Tool\r\nurl1=C:\\Tools\\tool.exe\r\n"
          "name2=C\r\nurl2=http://c/\r\n");
    groups().Open(kFolder + std::string("G.cgp"), false);
    h.Pump();
    EXPECT_EQ(Tabs(), "http://a/");
    ASSERT_EQ(h.platform.shell.executed.size(), 1u);
    EXPECT_EQ(h.platform.shell.executed[0].verb, "open");
    EXPECT_EQ(h.platform.shell.executed[0].file, "C:\\Tools\\tool.exe");
}

TEST(GroupsFolder, WithoutTheGroupsFolderTheUserIsTold) {
    // The folder is made when the menu is built at the deferred start: here it never was.
    test::FrameHarness h("", /*deferredInit=*/false);
    h.frame->UrlGroups().Open(kFolder + std::string("G.cgp"), true);
    ASSERT_EQ(h.platform.ui.Questions().size(), 1u);
    EXPECT_EQ(h.platform.ui.Questions()[0].text, "Group path not exist !");
}

TEST_F(GroupsCloseFirstTest, TheOtherWindowsCloseOnlyWhenTheGroupStillExists) {
    Group("A", "name0=A\r\nurl0=http://a/\r\n");
    Group("B", "name0=B\r\nurl0=http://b/\r\n");
    h.Open("http://old/", true);
    groups().RebuildMenu();
    const int openB = OpenIdOf("B");
    // Group A goes: B's command still names B, not the file that now lists second.
    h.platform.fs.DeleteFile(kFolder + std::string("A.cgp"));
    h.Command(openB);
    EXPECT_EQ(Tabs(), "http://b/");
    // B goes too: its command closes nothing.
    h.platform.fs.DeleteFile(kFolder + std::string("B.cgp"));
    h.Command(openB);
    EXPECT_EQ(Tabs(), "http://b/");
}

TEST_F(GroupsTest, AMemberItemOpensItsAddressWithItsFlags) {
    Group("G", "name0=A\r\nurl0=http://a/\r\ndownload0=48\r\n");
    groups().RebuildMenu();
    h.Command(IDM_GROUP_MEMBER_FIRST);
    ASSERT_EQ(h.frame->Windows().Count(), 1);
    EXPECT_EQ(Tabs(), "http://a/");
    EXPECT_EQ(h.frame->Windows().At(0)->View().Flags().dlFlags, 48);
}

TEST_F(GroupsTest, TheStartGroupOpensAtStartModeFive) {
    Group("Morning", "name0=A\r\nurl0=http://a/\r\nname1=B\r\nurl1=http://b/\r\n");
    h.app->Prefs().startGroup = "Morning";
    h.frame->RestoreAtStart(5, false);
    h.Pump();
    EXPECT_EQ(Tabs(), "http://a/ http://b/");
}

class SaveWindowsTest : public GroupsTest {
protected:
    SaveWindowsTest() {
        h.platform.fs.AddFolder("C:\\Lumbrel\\groups");
        h.Open("http://a/", true)->SetTitle("Page A");
        h.Open("http://b/", true)->SetTitle("Page B");
    }
    // Runs "Save Windows As Group" with `name` typed, and whatever `edit` does first.
    bool Save(const std::string& name, std::function<void(SelectUrlModel&)> edit = {}) {
        bool saved = false;
        ui.onSelectUrls = [&](SelectUrlModel& model, Groups& g) {
            if (edit)
                edit(model);
            saved = g.SaveAsGroup(name, model);
        };
        h.Command(IDM_SAVE_WINDOWS_AS_GROUP);
        return saved;
    }
    GroupSection Read(const std::string& name) {
        return GroupSection::Read(h.app->Profiles(), kFolder + name + ".cgp");
    }
};

TEST_F(SaveWindowsTest, SavingTwiceAppendsTheSecondSetAfterTheFirst) {
    ASSERT_TRUE(Save("Day"));
    ASSERT_TRUE(Save("Day", [](SelectUrlModel& model) { model.SetTicked(0, false); }));
    // Each member keeps its window's title, address and download flags, in tab order.
    std::vector<GroupMember> tabs;
    for (int i = 0; i < h.frame->Windows().Count(); ++i) {
        const CChildFrame* child = h.frame->Windows().At(i);
        tabs.push_back(
            {child->DisplayTitle(), child->View().Location(), 1, child->View().Flags().dlFlags});
    }
    ASSERT_EQ(tabs.size(), 2u);
    EXPECT_EQ(Read("Day").Members(), (std::vector<GroupMember>{tabs[0], tabs[1], tabs[1]}));
    // The menu was rebuilt with the new group.
    EXPECT_EQ(ui.lastMenu.groups.size(), 1u);
    EXPECT_EQ(ui.lastMenu.groups[0].members.size(), 3u);
}

TEST_F(SaveWindowsTest, ANameWithAForbiddenCharacterIsRefused) {
    EXPECT_FALSE(Save("a:b"));
    ASSERT_EQ(h.platform.ui.Questions().size(), 1u);
    EXPECT_EQ(h.platform.ui.Questions()[0].text,
              "Can not create group, name can not use \\ / : * ? \" < > |");
    EXPECT_TRUE(groups().Names().empty());
    EXPECT_FALSE(Save("   "));
}

TEST_F(SaveWindowsTest, AChineseNameWhoseTrailByteIsABarIsAccepted) {
    h.platform.codePage = test::FakeCodePage(test::FakeCodePage::kGbk);
    // "|" as a trail byte (a backslash trail byte takes the same walk; the fake file system
    // cannot hold it in a name).
    const std::string name = std::string(test::gbk::kZhongWen) + test::gbk::kTrailBar;
    EXPECT_TRUE(Save(name));
    EXPECT_TRUE(h.platform.ui.Questions().empty());
    EXPECT_EQ(groups().Names(), (std::vector<std::string>{name}));
}

TEST_F(SaveWindowsTest, AGoneFolderIsReported) {
    h.platform.fs.FailOn(test::FsOp::Write, kFolder + std::string("X.cgp"));
    EXPECT_FALSE(Save("X"));
    ASSERT_EQ(h.platform.ui.Questions().size(), 1u);
    EXPECT_EQ(h.platform.ui.Questions()[0].text.substr(0, 23), "Can not create group, n");
}

TEST_F(GroupsTest, WithoutWindowsTheSaveDialogDoesNotShow) {
    h.Command(IDM_SAVE_WINDOWS_AS_GROUP);
    EXPECT_EQ(ui.selectUrlsShown, 0);
}

TEST_F(SaveWindowsTest, AddUrlToThisGroupAppendsTheEditedPage) {
    ASSERT_TRUE(Save("Day"));
    GroupUrlForm edited;
    edited.name = "  ";
    edited.url = " http://b/x ";
    edited.special = true;
    edited.enableScript = false;
    ui.urlAnswers.push_back(edited);
    h.Command(ui.lastMenu.groups[0].addId);
    ASSERT_EQ(ui.shownForms.size(), 1u);
    EXPECT_EQ(ui.shownForms[0].name, "Page B");
    EXPECT_EQ(ui.shownForms[0].url, "http://b/");
    const auto members = Read("Day").Members();
    ASSERT_EQ(members.size(), 3u);
    EXPECT_EQ(members[2], (GroupMember{"http://b/x", "http://b/x", 1, 0x10 | 0x40 | 0x20 | 0x80}));
}

TEST(SelectUrl, LinesComeFromTheOpenPagesAndMove) {
    SelectUrlModel model({{"A", "http://a/", 16}, {"No address", "", -1}, {"B", "http://b/", -1}},
                         {"G"});
    ASSERT_EQ(model.Lines().size(), 2u);
    EXPECT_EQ(model.MoveDown(0), 1u);
    EXPECT_EQ(model.Lines()[0].url, "http://b/");
    EXPECT_EQ(model.MoveDown(1), 1u);
    EXPECT_EQ(model.MoveUp(0), 0u);
    model.SelectNone();
    EXPECT_TRUE(model.TickedMembers().empty());
    model.SelectAll();
    model.Edit(1, "Edited", "http://e/");
    EXPECT_EQ(model.TickedMembers(), (std::vector<GroupMember>{{"B", "http://b/", 1, -1},
                                                               {"Edited", "http://e/", 1, 16}}));
}

TEST(SelectUrl, GetTimeNamesTheGroupByMonthDayAndTime) {
    LocalTime now;
    now.year = 2026;
    now.month = 3;
    now.day = 7;
    now.hour = 9;
    now.minute = 5;
    now.second = 1;
    EXPECT_EQ(SelectUrlModel::TimeName(now), "03_07-09.05.01");
}

}  // namespace
}  // namespace lumbrel

namespace lumbrel {
namespace {

TEST_F(GroupsTest, TheTabMenuAddsTheTabsPageNotTheActiveOne) {
    Group("Work", "");
    groups().RebuildMenu();
    CChildFrame* tab = h.Open("http://tab.example/");
    h.Open("http://active.example/", true);
    ASSERT_NE(h.Active(), tab);
    ui.urlAnswers = {std::nullopt};
    h.frame->OnTabMenuCommand(groups().Menu().groups.at(0).addId, tab->Id());
    ASSERT_EQ(ui.shownForms.size(), 1u);
    EXPECT_EQ(ui.shownForms[0].url, "http://tab.example/");

    // From the menu bar the active window's page is the one added.
    ui.urlAnswers = {std::nullopt};
    h.Command(groups().Menu().groups.at(0).addId);
    ASSERT_EQ(ui.shownForms.size(), 2u);
    EXPECT_EQ(ui.shownForms[1].url, "http://active.example/");
}

}  // namespace
}  // namespace lumbrel
