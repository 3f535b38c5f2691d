#include "proxy/ProxyMenus.h"

#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "support/FakeInternetProxy.h"
#include "support/FakeRegistry.h"
#include "support/ScriptedUi.h"

namespace lumbrel {
namespace {

ProxyCategory Servers(std::string name, std::vector<ProxyEntry> entries) {
    return {.entries = std::move(entries), .bypass = name + "-bypass", .name = name};
}

class ProxyMenusTest : public ::testing::Test {
protected:
    std::vector<std::string> Texts(const MenuItems& items) {
        std::vector<std::string> texts;
        for (const MenuItem& item : items)
            texts.push_back(item.kind == MenuItemKind::Separator ? "-" : item.text);
        return texts;
    }

    Preferences prefs;
    test::FakeRegistry registry;
    test::FakeInternetProxy internet;
    test::ScriptedUi ui;
    Language language;
    ProxyServer server{prefs, registry, internet, ui, language};
    ProxyList list;
    ProxyMenus menus{list, server, language};
};

TEST_F(ProxyMenusTest, OneServerCategoryStandsInTheMenuTwoGetSubmenus) {
    internet.current = {true, "sys:8080", ""};
    list.Assign(
        {Servers("Home", {{.alias = "A", .address = "a:1", .speed = 5},
                          {.alias = "--"},
                          {.alias = "B", .address = "b:2", .speed = 0}}),
         {.entries = {{.alias = "W", .address = "http://w/%s"}}, .name = "Web", .type = 1}});
    MenuItems menu = menus.BuildServerMenu();
    EXPECT_EQ(Texts(menu),
              (std::vector<std::string>{"Set Proxy...", "-", "IE Proxy Server(sys:8080)", "-",
                                        "A(Faster)", "-", "B(Invalid)"}));
    EXPECT_EQ(menu[4].id, IDM_PROXY_SERVER_FIRST);
    EXPECT_EQ(menu[6].id, IDM_PROXY_SERVER_FIRST + 1);

    list.Categories().push_back(Servers("Work", {{.alias = "C", .address = "c:3"}}));
    menu = menus.BuildServerMenu();
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[4].kind, MenuItemKind::Submenu);
    EXPECT_EQ(menu[4].text, "Home");
    EXPECT_EQ(Texts(menu[5].items), (std::vector<std::string>{"C(Normal)"}));
    EXPECT_EQ(menu[5].items[0].id, IDM_PROXY_SERVER_FIRST + 2) << "numbers run across categories";
}

TEST_F(ProxyMenusTest, ChoosingAnItemUsesItsCategoryAndTheCheckFollowsTheProxyInUse) {
    list.Assign({Servers("Home", {{.alias = "A", .address = "a:1"}}),
                 Servers("Work", {{.alias = "B", .address = "b:2"}})});
    menus.BuildServerMenu();
    EXPECT_TRUE(menus.OnCommand(IDM_PROXY_SERVER_FIRST + 1));
    EXPECT_EQ(internet.current, (ProcessProxy{true, "b:2", "Work-bypass"}));
    EXPECT_TRUE(menus.IsChecked(IDM_PROXY_SERVER_FIRST + 1, nullptr).value());
    EXPECT_FALSE(menus.IsChecked(IDM_PROXY_SERVER_FIRST, nullptr).value());
    EXPECT_TRUE(menus.IsChecked(IDM_ENABLE_PROXY, nullptr).value());
    menus.OnCommand(IDM_PROXY_SERVER_FIRST + 1);
    EXPECT_FALSE(internet.current.named);
}

TEST_F(ProxyMenusTest, AReplacedListOffersNoStaleItemUntilTheMenuIsBuiltAgain) {
    list.Assign(
        {Servers("Home", {{.alias = "A", .address = "a:1"}, {.alias = "B", .address = "b:2"}})});
    menus.BuildServerMenu();
    // The dialog's copy arrives with the old numbers (and a Ctrl-copy duplicates them).
    std::vector<ProxyCategory> copy = list.Categories();
    copy[0].entries.insert(copy[0].entries.begin(), copy[0].entries[1]);
    list.Assign(copy);
    menus.OnCommand(IDM_PROXY_SERVER_FIRST);
    EXPECT_TRUE(internet.sets.empty()) << "an old number must not apply another proxy";
    menus.BuildServerMenu();
    menus.OnCommand(IDM_PROXY_SERVER_FIRST);
    EXPECT_EQ(internet.current.proxy, "b:2");
}

TEST_F(ProxyMenusTest, NoItemIsBuiltPastTheEndOfItsRange) {
    std::vector<ProxyEntry> many;
    for (int i = 0; i < 600; ++i)
        many.push_back({.alias = "P" + std::to_string(i), .address = "p:" + std::to_string(i)});
    list.Assign({Servers("Many", many),
                 {.entries = many, .name = "Web", .type = 1},
                 {.entries = many, .name = "Tr", .type = 1, .translation = 1}});
    const MenuItems servers = menus.BuildServerMenu();
    EXPECT_EQ(servers.back().id, IDM_PROXY_SERVER_LAST);
    EXPECT_EQ(servers.size(), 4u + 512u);
    EXPECT_EQ(menus.ServerEntry(IDM_PROXY_SERVER_LAST)->alias, "P511");
    const MenuItems web = menus.BuildWebMenu();
    int webItems = 0, translationItems = 0;
    for (const MenuItem& item : web) {
        webItems += item.id >= IDM_WEB_PROXY_FIRST && item.id <= IDM_WEB_PROXY_LAST;
        translationItems +=
            item.id >= IDM_TRANSLATION_PROXY_FIRST && item.id <= IDM_TRANSLATION_PROXY_LAST;
        EXPECT_TRUE(item.kind != MenuItemKind::Command || item.id == IDM_SET_PROXY ||
                    (item.id >= IDM_TRANSLATION_PROXY_FIRST && item.id <= IDM_WEB_PROXY_LAST));
    }
    EXPECT_EQ(webItems, 256);
    EXPECT_EQ(translationItems, 256);
}

TEST_F(ProxyMenusTest, WebItemsAreCheckedForTheWindowAndChoosingTwiceSwitchesOff) {
    list.Assign({{.entries = {{.alias = "W", .address = "http://w/?u=%s"}, {.alias = "--"}},
                  .name = "Web",
                  .type = 1},
                 {.entries = {{.alias = "T", .address = "http://t/?u=%S"}},
                  .name = "Tr",
                  .type = 1,
                  .translation = 1}});
    const MenuItems web = menus.BuildWebMenu();
    EXPECT_EQ(Texts(web),
              (std::vector<std::string>{"Set Proxy...", "-", "W(Normal)", "-", "-", "T(Normal)"}));
    EXPECT_EQ(web[5].id, IDM_TRANSLATION_PROXY_FIRST);
    EXPECT_EQ(menus.WebEntry(IDM_WEB_PROXY_FIRST + 1), nullptr) << "a separator";

    WebProxy window;
    std::string defaultWebProxy;
    const std::string translate = menus.WebEntry(IDM_TRANSLATION_PROXY_FIRST)->address;
    EXPECT_TRUE(ChooseWebProxy(window, translate, defaultWebProxy));
    EXPECT_EQ(defaultWebProxy, translate);
    EXPECT_TRUE(menus.IsChecked(IDM_TRANSLATION_PROXY_FIRST, &window).value());
    EXPECT_FALSE(menus.IsChecked(IDM_WEB_PROXY_FIRST, &window).value());
    EXPECT_FALSE(ChooseWebProxy(window, translate, defaultWebProxy));
    EXPECT_FALSE(menus.IsChecked(IDM_TRANSLATION_PROXY_FIRST, &window).value());
}

TEST(WebProxyRewriteTest, ATemplateIsNeverAppliedTwiceAndFtpAndFileAreLeftAlone) {
    for (const std::string tmpl :
         {"http://p.example/browse?u=%s", "http://p.example/go/%S", "http://p.example/get?"}) {
        WebProxy window;
        std::string defaultWebProxy;
        ChooseWebProxy(window, tmpl, defaultWebProxy);
        const std::string once = window.Rewrite("http://site.example/a b", false, "").value();
        EXPECT_NE(once, "http://site.example/a b") << tmpl;
        EXPECT_EQ(window.Rewrite(once, false, "").value(), once) << tmpl;
        EXPECT_EQ(window.Rewrite("ftp://files.example/x", false, ""), "ftp://files.example/x");
        EXPECT_EQ(window.Rewrite("file://C:/x.htm", false, ""), "file://C:/x.htm");
    }
}

TEST(WebProxyRewriteTest, TheGoButtonUsesTheProxyOnceAndLeavesTheWindowAsItWas) {
    WebProxy window;
    EXPECT_EQ(GoThroughWebProxy("http://a.example/", "http://p/?u=%s"),
              "http://p/?u=http%3A%2F%2Fa.example%2F");
    EXPECT_EQ(GoThroughWebProxy("ftp://a.example/", "http://p/?u=%s"), "ftp://a.example/");
    EXPECT_FALSE(window.webProxyOn);
}

}  // namespace
}  // namespace lumbrel
