// The "Set Groups" and "URL in Group" dialogs as models.
#include <gtest/gtest.h>

#include "favorites/FavoritesFakes.h"
#include "favorites/GroupForms.h"
#include "favorites/SetGroupsModel.h"
#include "support/FakeCodePage.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

constexpr const char* kFolder = "C:\\Lumbrel\\groups\\";

class SetGroupsTest : public ::testing::Test {
protected:
    SetGroupsTest() {
        h.platform.fs.AddFolder("C:\\Lumbrel\\groups");
        groups().Attach(&ui);
    }
    Groups& groups() { return h.frame->UrlGroups(); }
    std::vector<std::string> RowNames(const SetGroupsModel& model) {
        std::vector<std::string> names;
        for (const auto& row : model.GroupRows())
            names.push_back(row.name);
        return names;
    }
    static GroupUrlForm Form(const std::string& name, const std::string& url) {
        GroupUrlForm form;
        form.name = name;
        form.url = url;
        return form;
    }

    test::FrameHarness h;
    test::FakeGroupsUi ui;
};

TEST_F(SetGroupsTest, NewGroupsTakeTheFirstFreeName) {
    h.platform.fs.AddFile(kFolder + std::string("New Group (1).cgp"), "");
    SetGroupsModel model(groups(), &ui);
    EXPECT_EQ(model.InsertGroup(), 1);
    EXPECT_EQ(model.InsertGroup(), 2);
    EXPECT_EQ(RowNames(model),
              (std::vector<std::string>{"New Group (1)", "New Group", "New Group (2)"}));
    EXPECT_EQ(model.SelectedGroup(), 2);
    EXPECT_TRUE(h.platform.fs.HasFile(kFolder + std::string("New Group (2).cgp")));
}

TEST_F(SetGroupsTest, DeletingAsksAndClearsTheStartGroup) {
    h.platform.fs.AddFile(kFolder + std::string("Morning.cgp"), "[Group]\r\n");
    h.app->Prefs().startGroup = "Morning";
    SetGroupsModel model(groups(), &ui);
    ASSERT_TRUE(model.GroupRows()[0].startup);
    model.SelectGroup(0);
    h.platform.ui.AnswerMessage(MsgResult::No);
    EXPECT_FALSE(model.DeleteGroup());
    EXPECT_TRUE(h.platform.fs.HasFile(kFolder + std::string("Morning.cgp")));
    h.platform.ui.AnswerMessage(MsgResult::Yes);
    EXPECT_TRUE(model.DeleteGroup());
    EXPECT_EQ(h.platform.ui.Questions().back().text, "Do you really want to Delete this Group?");
    EXPECT_FALSE(h.platform.fs.HasFile(kFolder + std::string("Morning.cgp")));
    EXPECT_TRUE(model.GroupRows().empty());
    EXPECT_TRUE(model.Members().empty());
    EXPECT_EQ(h.app->Prefs().startGroup, "");
}

TEST_F(SetGroupsTest, MembersAreEditedAndWrittenBackWhole) {
    h.platform.fs.AddFile(kFolder + std::string("G.cgp"),
                          "[Group]\r\nname0=A\r\nurl0=http://a/\r\nname1=B\r\nurl1=http://b/\r\n"
                          "state1=0\r\ndownload1=16\r\n");
    ui.onSetGroups = [&](SetGroupsModel& model) {
        model.SelectGroup(0);
        ASSERT_EQ(model.Members().size(), 2u);
        ui.urlAnswers.push_back(Form("", " http://c/ "));
        EXPECT_EQ(model.InsertMember(0), 1);  // after the selected member
        EXPECT_EQ(model.MoveMember(2, true), 1);
        model.SetMemberTicked(1, true);
        model.SetMemberTicked(0, false);
        model.SetStartup(0, true);
        model.closeAllFirst = true;
    };
    h.Command(IDM_SET_GROUPS);
    EXPECT_EQ(GroupSection::Read(h.app->Profiles(), kFolder + std::string("G.cgp")).Members(),
              (std::vector<GroupMember>{{"A", "http://a/", 0, -1},
                                        {"B", "http://b/", 1, 16},
                                        {"http://c/", "http://c/", 1, -1}}));
    EXPECT_EQ(h.app->Prefs().startGroup, "G");
    EXPECT_EQ(h.app->Prefs().closeAllBeforeNewGroup, 1);
    EXPECT_EQ(ui.lastMenu.groups.at(0).members.size(), 3u);
}

TEST_F(SetGroupsTest, AnUnchangedGroupIsNotRewritten) {
    h.platform.fs.AddFile(kFolder + std::string("G.cgp"),
                          "[Group]\r\nname0=A\r\nurl0=http://a/\r\n");
    SetGroupsModel model(groups(), &ui);
    model.SelectGroup(0);
    const int writes = h.platform.fs.WriteCount();
    model.SelectGroup(-1);
    model.Apply();
    EXPECT_EQ(h.platform.fs.WriteCount(), writes);
}

TEST(GroupUrlForm, SixBoxesGiveTheFlags) {
    GroupUrlForm form;
    EXPECT_EQ(form.Flags(), -1);
    form.special = true;
    EXPECT_EQ(form.Flags(), 0x10 | 0x40 | 0x20);
    form.showImages = form.playSounds = form.playVideos = false;
    form.enableScript = form.enableActiveX = form.enableJava = false;
    EXPECT_EQ(form.Flags(), 0x80 | 0x200 | 0x100);
    // And back: a member's flags tick the same boxes.
    const GroupUrlForm again = GroupUrlForm::For({"n", "u", 0, 0x10 | 0x100});
    EXPECT_TRUE(again.special);
    EXPECT_FALSE(again.opens);
    EXPECT_TRUE(again.showImages);
    EXPECT_FALSE(again.playSounds);
    EXPECT_FALSE(again.enableJava);
    EXPECT_TRUE(again.enableScript);
    EXPECT_EQ(again.Flags(), 0x10 | 0x100);
}

TEST(GroupUrlForm, AnEmptyNameIsTakenFromTheAddress) {
    const test::FakeCodePage cp;
    GroupUrlForm form;
    form.name = " \t";
    form.url = "  http://x/  ";
    form.opens = false;
    EXPECT_EQ(form.ToMember(cp), (GroupMember{"http://x/", "http://x/", 0, -1}));
}

}  // namespace
}  // namespace lumbrel
