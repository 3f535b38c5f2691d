#include "proxy/ProxyTransfer.h"

#include <gtest/gtest.h>

#include "support/FakeFileSystem.h"

namespace lumbrel {
namespace {

TEST(ProxyTransferTest, LinesGiveAddressTypeAliasAndSpeed) {
    const std::string text =
        "  1.2.3.4:80@HTTP#Fast one\r\n"
        "5.6.7.8:1080 @SOCKS #Socks$6\n"
        "9.9.9.9:8080$0#Dead&whatever\n"
        "@HTTP#no address\n"
        "\n"
        "h.example:3128";
    const std::vector<ImportedProxy> proxies = ParseProxyLines(text);
    ASSERT_EQ(proxies.size(), 4u);
    EXPECT_EQ(proxies[0], (ImportedProxy{"1.2.3.4:80", "Fast one", 3}));
    EXPECT_EQ(proxies[1], (ImportedProxy{"socks=5.6.7.8:1080", "Socks", 3}));
    EXPECT_EQ(proxies[2], (ImportedProxy{"9.9.9.9:8080", "Dead", 0}));
    EXPECT_EQ(proxies[3], (ImportedProxy{"h.example:3128", "h.example:3128", 3}));
}

TEST(ProxyTransferTest, ExportWritesTypesInCapitalsCutsLongAddressesAndSkipsSeparators) {
    const std::string longHost(70, 'h');
    const ProxyCategory category{.entries = {{.alias = "A", .address = "1.2.3.4:80"},
                                             {.alias = "--"},
                                             {.alias = "S", .address = "socks=5.6.7.8:1080"},
                                             {.alias = "L", .address = longHost},
                                             {.alias = "E", .address = "=odd:1"}}};
    EXPECT_EQ(ExportProxyLines(category), "1.2.3.4:80@HTTP#A\n5.6.7.8:1080@SOCKS#S\n" +
                                              longHost.substr(0, 64) + "@HTTP#L\n=odd:1@HTTP#E\n");
    // What is exported reads back the same (short addresses).
    const auto back = ParseProxyLines("1.2.3.4:80@HTTP#A\n5.6.7.8:1080@SOCKS#S\n");
    EXPECT_EQ(back[0].address, "1.2.3.4:80");
    EXPECT_EQ(back[1].address, "socks=5.6.7.8:1080");
}

class ProxyImportTest : public ::testing::Test {
protected:
    ProxyImportTest() {
        list.Assign({{.entries = {{.alias = "Old", .address = "1.2.3.4:80", .speed = 5},
                                  {.alias = "Keep", .address = "k:1"}},
                      .bypass = "<local>",
                      .name = "Mine"},
                     {.name = "Web", .type = 1}});
    }
    test::FakeFileSystem fs;
    ProxyList list;
};

TEST_F(ProxyImportTest, AnUnreadableFileLeavesTheCategoryAsItWas) {
    EXPECT_FALSE(ImportProxyFile(list, fs, "C:\\missing.txt", {.category = 0, .emptyFirst = true}));
    EXPECT_EQ(list.Categories()[0].entries.size(), 2u);
    EXPECT_FALSE(list.changed);
    fs.AddFile("C:\\list.txt", "a:1@HTTP#A\n");
    EXPECT_FALSE(ImportProxyFile(list, fs, "C:\\list.txt", {.category = 1}))
        << "web categories take no proxy servers";
    EXPECT_TRUE(list.Categories()[1].entries.empty());
}

TEST_F(ProxyImportTest, KnownAddressesAreUpdatedOthersAppendedOrANewCategoryMade) {
    fs.AddFile("C:\\list.txt", "1.2.3.4:80@HTTP#Renamed$1\nn:2@http#New\n");
    ASSERT_TRUE(ImportProxyFile(list, fs, "C:\\list.txt", {.category = 0}));
    const auto& entries = list.Categories()[0].entries;
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], (ProxyEntry{-1, "Renamed", "1.2.3.4:80", 0}));
    EXPECT_EQ(entries[2].address, "n:2");
    EXPECT_TRUE(list.changed);

    ASSERT_TRUE(ImportProxyFile(list, fs, "C:\\list.txt", {.category = 0, .emptyFirst = true}));
    EXPECT_EQ(list.Categories()[0].entries.size(), 2u);

    ASSERT_TRUE(ImportProxyFile(list, fs, "C:\\list.txt", {.newName = "Imported"}));
    ASSERT_EQ(list.Categories().size(), 3u);
    EXPECT_EQ(list.Categories()[2].name, "Imported");
    EXPECT_EQ(list.Categories()[2].bypass, "<local>");
    EXPECT_EQ(list.Categories()[2].entries.size(), 2u);
}

}  // namespace
}  // namespace lumbrel
