// Faults found by reading the favorites and groups code: a dragged order that never reaches
// the registry, group writes that fail without a word, appended members hidden behind a gap,
// and a free favorite name that is not free.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/CommandIds.h"
#include "favorites/Favorites.h"
#include "favorites/FavoritesFakes.h"
#include "favorites/GroupFile.h"
#include "favorites/Groups.h"
#include "favorites/MenuOrderStore.h"
#include "favorites/SetGroupsModel.h"
#include "support/FakeCodePage.h"
#include "support/FakeRegistry.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

constexpr const char* kGroups = "C:\\Lumbrel\\groups\\";

// The names of a folder's order, by menu position.
std::vector<std::string> NamesByPosition(const OrderTable& table) {
    std::vector<std::string> names;
    for (size_t p = 0; p < table.byPosition.size(); ++p)
        if (const OrderEntry* entry = table.AtPosition(p))
            names.push_back(entry->longName);
    return names;
}

// The side bar hands the items in the order the user dragged them into; that order is what
// the menus must show afterwards. Stored name order would make the value say nothing a
// missing value does not say already.
TEST(OrderWritingFaults, TheDraggedOrderIsTheOrderTheMenuReadsBack) {
    const test::FakeCodePage cp;
    test::FakeRegistry registry;
    MenuOrderStore store(cp, registry, "C:\\Fav\\");
    ASSERT_TRUE(store.Write("C:\\Fav\\", {{"b.url", kAttrArchive, 1, 0},
                                          {"Zeta", kAttrDirectory, 0, 0},
                                          {"a.url", kAttrArchive, 1, 0}}));
    const OrderTable table = store.Read("C:\\Fav\\");
    EXPECT_EQ(NamesByPosition(table), (std::vector<std::string>{"b.url", "Zeta", "a.url"}));
    // Stored as the shell stores it: folders first, then files by name.
    ASSERT_EQ(table.entries.size(), 3u);
    EXPECT_EQ(table.entries[0].longName, "Zeta");
    EXPECT_EQ(table.entries[1].longName, "a.url");
    EXPECT_EQ(table.entries[2].longName, "b.url");
}

class GroupFaultsTest : public ::testing::Test {
protected:
    GroupFaultsTest() {
        h.platform.fs.AddFolder("C:\\Lumbrel\\groups");
        groups().Attach(&ui);
    }
    Groups& groups() { return h.frame->UrlGroups(); }
    std::vector<GroupMember> Members(const std::string& name) {
        return GroupSection::Read(h.app->Profiles(), kGroups + name + ".cgp").Members();
    }

    test::FrameHarness h;
    test::FakeGroupsUi ui;
};

// "Set Groups" writes a group back when another is selected and when the dialog ends; a write
// that fails must not pass for a saved one.
TEST_F(GroupFaultsTest, MemberEditsThatCannotBeWrittenAreNotDroppedSilently) {
    h.platform.fs.AddFile(kGroups + std::string("G.cgp"),
                          "[Group]\r\nname0=A\r\nurl0=http://a/\r\nname1=B\r\nurl1=http://b/\r\n");
    ui.onSetGroups = [&](SetGroupsModel& model) {
        model.SelectGroup(0);
        model.DeleteMember(1);
        h.platform.fs.FailOn(test::FsOp::Write, kGroups + std::string("G.cgp"));
    };
    h.Command(IDM_SET_GROUPS);
    ASSERT_EQ(Members("G").size(), 2u) << "the write was meant to fail";
    EXPECT_FALSE(h.platform.ui.Questions().empty()) << "the lost edit went unreported";
}

// "Add URL to this Group...": the page the user confirmed is either in the group or the user
// hears that it is not.
TEST_F(GroupFaultsTest, APageThatCannotBeAddedToAGroupIsReported) {
    h.platform.fs.AddFile(kGroups + std::string("G.cgp"),
                          "[Group]\r\nname0=A\r\nurl0=http://a/\r\n");
    groups().RebuildMenu();
    h.Open("http://page/", true)->SetTitle("Page");
    GroupUrlForm answer;
    answer.name = "Page";
    answer.url = "http://page/";
    ui.urlAnswers.push_back(answer);
    h.platform.fs.FailOn(test::FsOp::Write, kGroups + std::string("G.cgp"));
    h.Command(groups().Menu().groups.at(0).addId);
    ASSERT_EQ(ui.shownForms.size(), 1u);
    ASSERT_EQ(Members("G").size(), 1u) << "the write was meant to fail";
    EXPECT_FALSE(h.platform.ui.Questions().empty()) << "the lost page went unreported";
}

// A member with a title but no address ends the list: pages saved after it must not land
// where no menu shows them and no opening reaches them.
TEST_F(GroupFaultsTest, SavedPagesAreNotHiddenBehindAMemberWithoutAddress) {
    h.platform.fs.AddFile(kGroups + std::string("G.cgp"),
                          "[Group]\r\nname0=A\r\nurl0=http://a/\r\nname1=B\r\n");
    h.Open("http://saved/", true)->SetTitle("Saved");
    ui.onSelectUrls = [](SelectUrlModel& model, Groups& g) {
        ASSERT_TRUE(g.SaveAsGroup("G", model));
    };
    h.Command(IDM_SAVE_WINDOWS_AS_GROUP);
    ASSERT_EQ(ui.selectUrlsShown, 1);
    const std::vector<GroupMember> members = Members("G");
    EXPECT_TRUE(std::any_of(members.begin(), members.end(), [](const GroupMember& m) {
        return m.url == "http://saved/";
    })) << "the saved page is in the file but behind the end of the member list";
}

// "Add URL Here..." never overwrites a favorite, however many of the same name exist.
TEST(FreeFavoriteNameFaults, TheNameChosenIsNeverAnExistingFile) {
    test::FrameHarness h;
    h.platform.shell.folders[SystemFolder::Favorites] = "C:\\Fav";
    h.platform.fs.AddFolder("C:\\Fav");
    h.platform.fs.AddFile("C:\\Fav\\N.url", "x");
    for (int n = 2; n <= 10000; ++n)
        h.platform.fs.AddFile("C:\\Fav\\N (" + std::to_string(n) + ").url", "x");
    const std::string path = h.frame->Favs().FreeFavoritePath("C:\\Fav\\", "N");
    EXPECT_FALSE(h.platform.fs.Exists(path)) << path;
}

}  // namespace
}  // namespace lumbrel
