#include "proxy/ProxyServer.h"

#include <gtest/gtest.h>

#include "proxy/ProxyMenus.h"
#include "support/FakeInternetProxy.h"
#include "support/FakeRegistry.h"
#include "support/ScriptedUi.h"

namespace lumbrel {
namespace {

constexpr const char* kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

class ProxyServerTest : public ::testing::Test {
protected:
    ProxyServerTest() { prefs.proxyByPass = "<local>"; }
    void SetSystemProxy(const std::string& proxy, const std::string& bypass) {
        registry.WriteString(RegRoot::CurrentUser, kInternetSettings, "ProxyServer", proxy);
        registry.WriteString(RegRoot::CurrentUser, kInternetSettings, "ProxyOverride", bypass);
    }
    std::vector<std::string> Messages() const { return ui.MessagesShown(); }

    Preferences prefs;
    test::FakeRegistry registry;
    test::FakeInternetProxy internet;
    test::ScriptedUi ui;
    Language language;
    ProxyServer server{prefs, registry, internet, ui, language};
};

TEST_F(ProxyServerTest, ApplySetsTheNamedProxyOrDirectAccess) {
    prefs.enableProxy = 1;
    prefs.currentProxy = "10.0.0.1:8080";
    prefs.proxyByPass = "<local> *.lan";
    ASSERT_TRUE(server.ApplyProxy());
    EXPECT_EQ(internet.current, (ProcessProxy{true, "10.0.0.1:8080", "<local> *.lan"}));
    server.ToggleEnable();
    EXPECT_EQ(internet.current, ProcessProxy{});
    EXPECT_EQ(prefs.enableProxy, 0);

    internet.failSets = true;
    server.ToggleEnable();
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{
                  "Fail to set proxy server. Please use Internet Option to try again."}));
    EXPECT_EQ(prefs.enableProxy, 1) << "a failed option call leaves the settings as chosen";
}

TEST_F(ProxyServerTest, EnablingWithoutAProxyTakesTheSystemsOrSwitchesOff) {
    server.ToggleEnable();
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Please select a proxy server before enable !"}));
    EXPECT_EQ(prefs.enableProxy, 0);
    EXPECT_FALSE(internet.current.named);

    SetSystemProxy("sys:3128", "<local>;*.corp");
    server.ToggleEnable();
    EXPECT_EQ(internet.current, (ProcessProxy{true, "sys:3128", "<local>;*.corp"}));
    EXPECT_TRUE(server.UsingSystemProxy());
    EXPECT_TRUE(server.UseIeProxyChecked());
    EXPECT_EQ(prefs.currentProxyName, "IE Proxy Server");
}

TEST_F(ProxyServerTest, TheSystemsProxyComesFromTheProcessWhenTheRegistryHasNone) {
    internet.current = {true, "proc:8000", "<local>"};
    EXPECT_EQ(server.ReadSystemProxy().proxy, "proc:8000");
    internet.current = {false, "ignored:1", ""};
    EXPECT_EQ(server.ReadSystemProxy().proxy, "");
    SetSystemProxy("reg:1", "");
    EXPECT_EQ(server.ReadSystemProxy().proxy, "reg:1");
}

TEST_F(ProxyServerTest, UseIeProxyTogglesAndAsksWhenThereIsNone) {
    server.UseIeProxy();
    EXPECT_EQ(Messages(), (std::vector<std::string>{"IE proxy server is empty !"}));
    EXPECT_TRUE(internet.sets.empty());
    SetSystemProxy("sys:1", "<local>");
    server.UseIeProxy();
    EXPECT_TRUE(internet.current.named);
    server.UseIeProxy();
    EXPECT_FALSE(internet.current.named);
    EXPECT_FALSE(server.UseIeProxyChecked());
}

TEST_F(ProxyServerTest, ChoosingTheProxyInUseSwitchesItOff) {
    const std::string bypass = "<local> *.home";
    const ProxyEntry entry{.alias = "Home", .address = "h:1"};
    server.Choose(entry, bypass);
    EXPECT_EQ(internet.current, (ProcessProxy{true, "h:1", "<local> *.home"}));
    EXPECT_TRUE(server.IsCurrent({.alias = "HOME", .address = "H:1"}));
    server.Choose(entry, bypass);
    EXPECT_FALSE(internet.current.named);
    EXPECT_EQ(prefs.enableProxy, 0);
    // Off, the same item switches it on again.
    server.Choose(entry, bypass);
    EXPECT_TRUE(internet.current.named);
}

TEST_F(ProxyServerTest, SystemModeDoesNotDependOnTheLanguageOrOnAnAlias) {
    // A user's own proxy called like the system's is not the system's.
    server.Choose({.alias = "IE Proxy Server", .address = "mine:1"}, "<local>");
    EXPECT_FALSE(server.UsingSystemProxy());
    EXPECT_FALSE(server.UseIeProxyChecked());

    // Stored in system mode under another language's name: still recognised at start, and the
    // address is refreshed from the system.
    Preferences stored;
    stored.enableProxy = 1;
    stored.useSystemProxy = 1;
    stored.currentProxyName = "Proxy-Server des Systems";
    stored.currentProxy = "old:1";
    SetSystemProxy("new:2", "<local>");
    ProxyServer later(stored, registry, internet, ui, language);
    later.Start();
    EXPECT_EQ(internet.current, (ProcessProxy{true, "new:2", "<local>"}));

    // Settings written before the marker existed: the old stored name still counts.
    Preferences old;
    old.enableProxy = 1;
    old.currentProxyName = "IE Proxy Server";
    old.currentProxy = "old:1";
    ProxyServer older(old, registry, internet, ui, language);
    older.Start();
    EXPECT_EQ(old.useSystemProxy, 1);
    EXPECT_EQ(old.currentProxy, "new:2");

    Preferences plain;
    plain.currentProxyName = "Home";
    ProxyServer mine(plain, registry, internet, ui, language);
    mine.Start();
    EXPECT_EQ(plain.useSystemProxy, 0);
}

}  // namespace
}  // namespace lumbrel
