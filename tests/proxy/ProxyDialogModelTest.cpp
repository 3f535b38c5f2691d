#include "proxy/ProxyDialogModel.h"

#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "language/StringIds.h"
#include "proxy/ProxyMenus.h"
#include "support/FakeCodePage.h"
#include "support/FakeInternetProxy.h"
#include "support/FakeRegistry.h"
#include "support/ScriptedUi.h"

namespace lumbrel {
namespace {

class ProxyDialogModelTest : public ::testing::Test {
protected:
    ProxyDialogModelTest() {
        prefs.proxyByPass = "<local>";
        list.Assign(
            {{.entries = {{.alias = "W", .address = "http://w/?u=%s"}}, .name = "Web", .type = 1},
             {.entries = {{.alias = "T", .address = "http://t/%S"}},
              .name = "Tr",
              .type = 1,
              .translation = 1},
             {.entries = {{.alias = "A", .address = "a:1"}, {.alias = "B", .address = "b:2"}},
              .bypass = "*.home",
              .name = "Home"},
             {.entries = {{.alias = "C", .address = "c:3"}}, .bypass = "*.work", .name = "Work"}});
    }
    ProxyDialogModel Open() { return ProxyDialogModel(cp, list, prefs, window); }

    test::FakeCodePage cp;
    Preferences prefs;
    test::FakeRegistry registry;
    test::FakeInternetProxy internet;
    test::ScriptedUi ui;
    Language language;
    ProxyServer server{prefs, registry, internet, ui, language};
    ProxyList list;
    WebProxy window;
};

TEST_F(ProxyDialogModelTest, EditsStayOnTheCopyUntilOkAndMovesKeepToOneType) {
    ProxyDialogModel dialog = Open();
    EXPECT_EQ(dialog.DragEntry(2, 0, 3, false), 0);
    EXPECT_EQ(dialog.DragEntry(2, 0, 3, true), 0);  // Ctrl: a copy
    EXPECT_EQ(dialog.categories[2].entries.size(), 1u);
    EXPECT_EQ(dialog.categories[3].entries.size(), 3u);
    EXPECT_EQ(dialog.DragEntry(3, 0, 0, false), IDS_CANNOT_MOVE_PROXY);
    EXPECT_EQ(dialog.categories[3].entries.size(), 3u);
    EXPECT_EQ(list.Categories()[2].entries.size(), 2u) << "the list waits for OK";

    const size_t added = dialog.AddCategory("New");
    EXPECT_EQ(dialog.categories[added].Kind(), ProxyKind::Server);
    EXPECT_EQ(dialog.categories[added].bypass, "<local>");
    dialog.InsertEntry(added, std::nullopt, {.alias = "N", .address = "n:9"});
    EXPECT_TRUE(dialog.MoveCategory(added, -1));
    EXPECT_FALSE(dialog.MoveCategory(0, -1));
    dialog.DeleteCategory(0);
    EXPECT_EQ(dialog.categories[0].name, "Tr");
}

TEST_F(ProxyDialogModelTest, OkTakesTheBypassOfTheCategoryHoldingTheChosenProxy) {
    ProxyDialogModel dialog = Open();
    dialog.enableProxy = true;
    dialog.SelectEntry(3, 0);  // "C" of "Work", the fourth category
    dialog.currentProxy = "  C:3 ";
    dialog.Apply(list, prefs, window, server);
    EXPECT_EQ(prefs.currentProxy, "c:3");
    EXPECT_EQ(prefs.currentProxyName, "C");
    EXPECT_EQ(prefs.proxyByPass, "*.work <local>");
    EXPECT_EQ(internet.current, (ProcessProxy{true, "c:3", "*.work <local>"}));
    EXPECT_TRUE(list.changed);

    // After the categories are deleted, nothing holds the proxy: the bypass list stays.
    ProxyDialogModel again = Open();
    again.DeleteCategory(3);
    again.DeleteCategory(2);
    again.Apply(list, prefs, window, server);
    EXPECT_EQ(prefs.proxyByPass, "*.work <local>");
}

TEST_F(ProxyDialogModelTest, OkForgetsOldMenuNumbers) {
    ProxyMenus menus(list, server, language);
    menus.BuildServerMenu();
    ProxyDialogModel dialog = Open();
    dialog.DragEntry(2, 1, 3, true);  // the copy carries "B"'s number
    dialog.InsertEntry(2, 0, {.menuIndex = 7, .alias = "X", .address = "x:1"});
    dialog.Apply(list, prefs, window, server);
    for (const ProxyCategory& category : list.Categories())
        for (const ProxyEntry& entry : category.entries)
            EXPECT_EQ(entry.menuIndex, -1) << entry.alias;
    menus.BuildServerMenu();
    EXPECT_EQ(menus.ServerEntry(IDM_PROXY_SERVER_FIRST + 1)->alias, "X");
}

TEST_F(ProxyDialogModelTest, TheWindowsWebProxyAndTheSystemProxyModeAreTakenOver) {
    prefs.useSystemProxy = 1;
    prefs.enableProxy = 1;
    prefs.currentProxy = "sys:1";
    ProxyDialogModel dialog = Open();
    dialog.SelectEntry(1, 0);
    dialog.enableWebProxy = true;
    dialog.SelectEntry(2, 0);  // a server item does not leave system mode by itself
    dialog.Apply(list, prefs, window, server);
    EXPECT_TRUE(window.webProxyOn);
    EXPECT_EQ(window.webProxyTemplate, "http://t/%S");
    EXPECT_EQ(prefs.defaultWebProxy, "http://t/%S");
    EXPECT_EQ(prefs.currentProxy, "sys:1");
    EXPECT_TRUE(internet.sets.empty()) << "the switch did not change";

    ProxyDialogModel off = Open();
    off.enableProxy = false;
    off.webProxyTemplate.clear();
    off.Apply(list, prefs, window, server);
    EXPECT_FALSE(window.webProxyOn);
    EXPECT_EQ(prefs.defaultWebProxy, "http://t/%S");
    ASSERT_EQ(internet.sets.size(), 1u);
    EXPECT_FALSE(internet.current.named);
}

}  // namespace
}  // namespace lumbrel
