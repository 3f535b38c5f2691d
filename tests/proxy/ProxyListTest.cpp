#include "proxy/ProxyList.h"

#include <gtest/gtest.h>

#include "base/SerialFileWriter.h"
#include "support/FakeFileSystem.h"
#include "support/ImmediateTasks.h"

namespace lumbrel {
namespace {

constexpr const char* kProxyIni = "C:\\User\\Proxy.ini";

class ProxyListTest : public ::testing::Test {
protected:
    void SetUp() override { fs.AddFolder("C:\\User"); }
    ProxyList Load() {
        PrivateProfile profile(fs);
        ProxyList list;
        list.Load(profile, kProxyIni, "<local> *.lan", {});
        return list;
    }
    test::FakeFileSystem fs;
};

std::vector<std::string> Names(const ProxyList& list) {
    std::vector<std::string> names;
    for (const ProxyCategory& c : list.Categories())
        names.push_back(c.name);
    return names;
}

TEST_F(ProxyListTest, AMissingOrEmptyFileGivesTheThreeKinds) {
    ProxyList list = Load();
    EXPECT_EQ(Names(list),
              (std::vector<std::string>{"Web Proxy", "Translation Proxy", "Proxy Server"}));
    EXPECT_EQ(list.Categories()[0].Kind(), ProxyKind::Web);
    EXPECT_EQ(list.Categories()[1].Kind(), ProxyKind::Translation);
    EXPECT_EQ(list.Categories()[2].Kind(), ProxyKind::Server);
    EXPECT_EQ(list.Categories()[2].bypass, "<local>");

    // A numbered section without the first one is not read.
    fs.AddFile(kProxyIni, "[Proxy1]\r\nCategoryName=Lost\r\nproxy1=a:1\r\n");
    EXPECT_EQ(Load().Categories().size(), 3u);
}

TEST_F(ProxyListTest, SectionsAndEntriesEndAtTheFirstGapAndKeepLongValuesWhole) {
    const std::string longBypass = "<local> " + std::string(1500, 'b');
    fs.AddFile(kProxyIni,
               "[Proxy]\r\nCategoryName=Mine\r\nproxy1=1.2.3.4:80\r\nalias1=One\r\nspeed1=5\r\n"
               "proxy2=ftp=5.6.7.8:21\r\nspeed2=9\r\nproxy3=\r\nproxy4=lost:1\r\n"
               "ProxyByPass=" +
                   longBypass +
                   "\r\n"
                   "[Proxy1]\r\nCategoryName=Web\r\nProxyType=1\r\nproxy1=http://w/?u=%s\r\n"
                   "[Proxy3]\r\nCategoryName=Unreached\r\n");
    ProxyList list = Load();
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Mine", "Web", "Translation Proxy"}));
    const ProxyCategory& mine = list.Categories()[0];
    ASSERT_EQ(mine.entries.size(), 2u);
    EXPECT_EQ(mine.entries[0], (ProxyEntry{-1, "One", "1.2.3.4:80", 5}));
    EXPECT_EQ(mine.entries[1].speed, 3) << "a speed out of 0-5 reads as Normal";
    EXPECT_EQ(mine.bypass, longBypass);
    EXPECT_EQ(list.Categories()[1].bypass, "<local> *.lan") << "the setting stands in";

    // Written whole and read back the same, the long value uncut.
    ASSERT_TRUE(fs.WriteFileAtomic(kProxyIni, list.FileText()));
    EXPECT_EQ(Load().Categories(), list.Categories());
}

TEST_F(ProxyListTest, SavingIsAtomicAndSerialised) {
    test::ImmediateTasks tasks;
    SerialFileWriter writer(fs, tasks, kProxyIni);
    ProxyList list = Load();
    list.Categories()[2].entries.push_back({.alias = "A", .address = "a:1"});
    writer.Save(list.FileText());
    list.Categories()[2].entries.clear();
    fs.CutAfter(1);  // the end comes between the temporary file and the rename
    writer.Save(list.FileText());
    fs.CutAfter(-1);
    ASSERT_EQ(Load().Categories()[2].entries.size(), 1u) << "the proxies must survive";
}

TEST_F(ProxyListTest, ACategoryIsFoundByTheProxyItHolds) {
    ProxyList list;
    list.Assign(
        {{.entries = {{.alias = "A", .address = "a:1"}}, .bypass = "one", .name = "1"},
         {.entries = {{.alias = "A", .address = "x=b:2"}}, .bypass = "", .name = "W", .type = 1},
         {.entries = {{.alias = "B", .address = "A:1"}, {.alias = "C", .address = "c:3"}},
          .bypass = "two",
          .name = "2"}});
    EXPECT_EQ(list.CategoryHolding("a:1", "b")->bypass, "two");
    EXPECT_EQ(list.CategoryHolding("a:1", "Z")->bypass, "one");
    EXPECT_EQ(list.CategoryHolding("x=b:2", "A"), nullptr) << "web categories hold no server";
    EXPECT_EQ(list.CategoryHolding("d:4", "D"), nullptr);
}

}  // namespace
}  // namespace lumbrel
