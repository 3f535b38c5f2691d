// The proxies inside the frame: "Proxy.ini" read at the deferred start and the proxy in use
// applied, the proxy-server and web-proxy items run as commands, the proxy dialog's OK, import
// and export through the dialogs, and the exit that writes a changed list whole.
#include <gtest/gtest.h>

#include "commands/CommandIds.h"
#include "support/FakeSearchProxyDialogs.h"
#include "support/FrameHarness.h"

namespace lumbrel {
namespace {

using test::FrameHarness;

constexpr char kProxyIni[] = "C:\\Lumbrel\\User\\Proxy.ini";
constexpr char kProxies[] =
    "[Proxy]\r\nCategoryName=Office\r\nproxy1=office.test:8080\r\nalias1=Office\r\n"
    "speed1=4\r\nProxyByPass=<local> *.corp\r\n"
    "[Proxy1]\r\nCategoryName=Home\r\nproxy1=home.test:3128\r\nalias1=Home\r\n"
    "ProxyByPass=*.lan\r\n"
    "[Proxy2]\r\nCategoryName=Services\r\nProxyType=1\r\n"
    "proxy1=http://web.test/browse?u=%s\r\nalias1=Browse\r\n";

struct ProxyHarness {
    explicit ProxyHarness(const std::string& settings = "") : h(settings, false) {
        h.platform.fs.AddFile(kProxyIni, kProxies);
        h.frame->Proxies().SetDialogs(&dialogs);
        h.frame->DeferredInit();
        h.Pump();
    }
    FrameProxies& P() { return h.frame->Proxies(); }
    const ProcessProxy& Applied() { return h.platform.internet.current; }
    // Builds the proxy-server menu as the "&Proxy" menu does when it opens.
    void OpenServerMenu() { P().Menus().BuildServerMenu(); }

    FrameHarness h;
    test::FakeSearchProxyDialogs dialogs;
};

TEST(FrameProxies, TheDeferredStartReadsTheListAndAppliesTheProxyInUse) {
    ProxyHarness p(
        "EnableProxy=1\r\nCurrentProxy=home.test:3128\r\nCurrentProxyName=Home\r\n"
        "ProxyByPass=*.lan\r\n");
    const auto& categories = p.P().List().Categories();
    ASSERT_EQ(categories.size(), 4u) << "the translation kind is added";
    EXPECT_EQ(categories[3].Kind(), ProxyKind::Translation);
    EXPECT_EQ(categories[3].name, "Translation Proxy");
    EXPECT_EQ(p.Applied(), (ProcessProxy{true, "home.test:3128", "*.lan"}));
    EXPECT_TRUE(p.h.frame->QueryCommand(IDM_ENABLE_PROXY).checked);

    ProxyHarness off;
    EXPECT_FALSE(off.Applied().named);
    EXPECT_TRUE(off.h.platform.internet.sets.empty()) << "nothing to apply while off";
}

TEST(FrameProxies, AProxyServerItemSwitchesToItsProxyAndTheCurrentOneSwitchesOff) {
    ProxyHarness p;
    p.OpenServerMenu();
    // Two proxy-server categories: Office's entry is item 0, Home's item 1.
    p.h.Command(IDM_PROXY_SERVER_FIRST + 1);
    EXPECT_EQ(p.Applied(), (ProcessProxy{true, "home.test:3128", "*.lan"}));
    EXPECT_TRUE(p.h.frame->QueryCommand(IDM_PROXY_SERVER_FIRST + 1).checked);
    EXPECT_FALSE(p.h.frame->QueryCommand(IDM_PROXY_SERVER_FIRST).checked);

    p.h.Command(IDM_PROXY_SERVER_FIRST);
    EXPECT_EQ(p.Applied(), (ProcessProxy{true, "office.test:8080", "<local> *.corp"}));
    p.h.Command(IDM_PROXY_SERVER_FIRST);
    EXPECT_FALSE(p.Applied().named) << "choosing the proxy in use switches it off";
    EXPECT_EQ(p.h.app->Prefs().enableProxy, 0);
}

TEST(FrameProxies, AWebItemRoutesTheActivePageThroughItsTemplateAndAgainSwitchesOff) {
    ProxyHarness p;
    CChildFrame* page = p.h.Open("http://page.test/a", true);
    const size_t before = p.h.BrowserOf(page).navigations.size();
    p.h.Command(IDM_WEB_PROXY_FIRST);
    EXPECT_TRUE(page->View().Proxy().webProxyOn);
    EXPECT_TRUE(p.h.frame->QueryCommand(IDM_WEB_PROXY_FIRST).checked);
    EXPECT_EQ(p.h.app->Prefs().defaultWebProxy, "http://web.test/browse?u=%s");
    ASSERT_EQ(p.h.BrowserOf(page).navigations.size(), before + 1);
    EXPECT_EQ(p.h.BrowserOf(page).navigations.back(),
              "http://web.test/browse?u=http%3A%2F%2Fpage.test%2Fa");

    p.h.Command(IDM_WEB_PROXY_FIRST);
    EXPECT_FALSE(page->View().Proxy().webProxyOn);
    EXPECT_EQ(p.h.BrowserOf(page).navigations.size(), before + 1) << "off reloads nothing";
    EXPECT_FALSE(p.h.frame->QueryCommand(IDM_WEB_PROXY_FIRST + 1).enabled) << "no such entry";
}

TEST(FrameProxies, TheDialogsOkTakesTheBypassListOfTheCategoryHoldingTheChosenProxy) {
    ProxyHarness p;
    p.dialogs.proxyDialog = [](ProxyDialogModel& model) {
        model.enableProxy = true;
        model.SelectEntry(1, 0);  // Home, second of three categories
        model.DeleteCategory(0);  // Home's list is now the first
        return true;
    };
    p.h.Command(IDM_SET_PROXY);
    EXPECT_EQ(p.Applied(), (ProcessProxy{true, "home.test:3128", "*.lan <local>"}));
    // The list was written whole, without the deleted category.
    const std::string file = p.h.platform.fs.Content(kProxyIni);
    EXPECT_EQ(file.find("Office"), std::string::npos) << file;
    EXPECT_NE(file.find("CategoryName=Home"), std::string::npos) << file;
}

TEST(FrameProxies, TheDialogsOkReachesOnlyAWindowThatIsStillThere) {
    ProxyHarness p;
    CChildFrame* page = p.h.Open("http://page.test/", true);
    const ChildId id = page->Id();
    p.dialogs.proxyDialog = [&p, id](ProxyDialogModel& model) {
        model.enableWebProxy = true;
        model.webProxyTemplate = "http://web.test/browse?u=%s";
        p.h.frame->CloseChild(id);  // closed while the dialog is up
        p.h.Pump();
        return true;
    };
    p.h.Command(IDM_SET_PROXY);
    EXPECT_EQ(p.h.frame->Windows().Find(id), nullptr);
    EXPECT_EQ(p.h.app->Prefs().defaultWebProxy, "http://web.test/browse?u=%s");
}

TEST(FrameProxies, AnImportTouchesTheListOnlyAfterTheFileWasRead) {
    ProxyHarness p;
    const std::string file = p.h.platform.fs.Content(kProxyIni);
    p.dialogs.importTarget = ImportTarget{.category = 0, .emptyFirst = true};

    // Cancelled at the file dialog, or a file that cannot be read: Office keeps its proxy.
    p.h.Command(IDM_IMPORT_PROXY);
    p.dialogs.openFile = "C:\\missing.txt";
    p.h.Command(IDM_IMPORT_PROXY);
    ASSERT_EQ(p.P().List().Categories()[0].entries.size(), 1u);
    EXPECT_EQ(p.h.platform.fs.Content(kProxyIni), file);

    p.h.platform.fs.AddFile("C:\\list.txt", "a.test:1@HTTP#A\nb.test:2@SOCKS#B$1\n");
    p.dialogs.openFile = "C:\\list.txt";
    p.h.Command(IDM_IMPORT_PROXY);
    const auto& office = p.P().List().Categories()[0].entries;
    ASSERT_EQ(office.size(), 2u);
    EXPECT_EQ(office[1].address, "socks=b.test:2");
    EXPECT_EQ(office[1].speed, 0);
    EXPECT_NE(p.h.platform.fs.Content(kProxyIni).find("proxy2=socks=b.test:2"), std::string::npos);

    // And back out: the export writes the category's lines.
    p.dialogs.exportCategory = 0;
    p.dialogs.saveFile = "C:\\out.txt";
    p.h.Command(IDM_EXPORT_PROXY);
    EXPECT_EQ(p.h.platform.fs.Content("C:\\out.txt"), "a.test:1@HTTP#A\nb.test:2@SOCKS#B\n");
}

TEST(FrameProxies, TheExitWritesAChangedListAndLeavesAnUnchangedOneAlone) {
    ProxyHarness same;
    same.h.platform.fs.AddFile(kProxyIni, "[Proxy]\r\nCategoryName=Edited elsewhere\r\n");
    same.h.platform.ui.AnswerMessage(MsgResult::Yes);  // "Do you really want to exit?"
    ASSERT_TRUE(same.h.frame->OnCloseRequest(false));
    EXPECT_EQ(same.h.platform.fs.Content(kProxyIni),
              "[Proxy]\r\nCategoryName=Edited elsewhere\r\n");

    ProxyHarness changed;
    changed.P().List().Categories()[0].name = "Work";
    changed.P().List().changed = true;
    changed.h.platform.ui.AnswerMessage(MsgResult::Yes);
    ASSERT_TRUE(changed.h.frame->OnCloseRequest(false));
    const std::string file = changed.h.platform.fs.Content(kProxyIni);
    EXPECT_NE(file.find("CategoryName=Work"), std::string::npos) << file;
    EXPECT_NE(file.find("CategoryName=Translation Proxy"), std::string::npos) << file;
}

}  // namespace
}  // namespace lumbrel
