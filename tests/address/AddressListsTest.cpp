// The lists behind the address box: typed addresses shared with the system browser in the
// registry, URL aliases in the settings file, and the quick-key bindings.
#include <gtest/gtest.h>

#include "address/AliasTable.h"
#include "address/QuickKeys.h"
#include "address/TypedAddressList.h"
#include "base/PrivateProfile.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/FakeRegistry.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using test::FakeRegistry;

constexpr const char* kKey = TypedAddressList::kKey;

std::vector<std::string> Stored(FakeRegistry& registry) {
    std::vector<std::string> values;
    for (int n = 1;
         auto value = registry.ReadString(RegRoot::CurrentUser, kKey, "url" + std::to_string(n));
         ++n)
        values.push_back(*value);
    return values;
}

void Store(FakeRegistry& registry, int number, const std::string& url) {
    registry.WriteString(RegRoot::CurrentUser, kKey, "url" + std::to_string(number), url);
}

TEST(TypedAddressList, AddsAnAddressOnceWhateverItsClosingSlash) {
    FakeRegistry registry;
    TypedAddressList list(registry);
    list.Load();
    EXPECT_TRUE(list.Add("http://a.example/"));
    EXPECT_FALSE(list.Add("http://a.example/")) << "the same address twice";
    EXPECT_FALSE(list.Add("http://a.example")) << "only the closing slash differs";
    EXPECT_TRUE(list.Add("http://b.example"));
    EXPECT_FALSE(list.Add("http://b.example/"));
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"http://b.example", "http://a.example/"}));
}

TEST(TypedAddressList, LoadsUpToTheFirstMissingNumber) {
    FakeRegistry registry;
    Store(registry, 1, "http://one/");
    Store(registry, 2, "");
    Store(registry, 3, std::string(300, 'x'));
    Store(registry, 5, "http://five/");
    TypedAddressList list(registry);
    list.Load();
    ASSERT_EQ(list.Items().size(), 2u) << "empty values skipped, stops at url4";
    EXPECT_EQ(list.Items()[1], std::string(300, 'x')) << "kept whole";
}

TEST(TypedAddressList, WritesTheNewest24InPlaceAndDeletesOnlyHigherNumbers) {
    FakeRegistry registry;
    for (int n = 1; n <= 30; ++n)
        Store(registry, n, "http://old" + std::to_string(n) + "/");
    registry.WriteString(RegRoot::CurrentUser, kKey, "other", "kept");
    TypedAddressList list(registry);
    list.Load();
    list.Add("http://new/");
    ASSERT_TRUE(list.Save());
    const std::vector<std::string> stored = Stored(registry);
    ASSERT_EQ(stored.size(), 24u);
    EXPECT_EQ(stored.front(), "http://new/");
    EXPECT_EQ(stored.back(), "http://old23/");
    EXPECT_FALSE(registry.HasValue(RegRoot::CurrentUser, kKey, "url25"));
    EXPECT_EQ(registry.ReadString(RegRoot::CurrentUser, kKey, "other"), "kept")
        << "the key is shared: it is never deleted";
}

TEST(TypedAddressList, KeepsWhatTheOtherProgramAddedSinceTheLoad) {
    FakeRegistry registry;
    Store(registry, 1, "http://old1/");
    Store(registry, 2, "http://old2/");
    TypedAddressList list(registry);
    list.Load();
    list.Add("http://mine/");
    // Meanwhile the system browser put two of its own on top.
    Store(registry, 1, "http://theirs1/");
    Store(registry, 2, "http://theirs2/");
    Store(registry, 3, "http://old1/");
    Store(registry, 4, "http://old2/");
    Store(registry, 5, "http://mine");
    ASSERT_TRUE(list.Save());
    EXPECT_EQ(Stored(registry),
              (std::vector<std::string>{"http://mine/", "http://theirs1/", "http://theirs2/",
                                        "http://old1/", "http://old2/"}));
}

TEST(TypedAddressList, WhatTheOtherProgramClearedSinceTheLoadIsNotWrittenBack) {
    FakeRegistry registry;
    Store(registry, 1, "http://old1/");
    Store(registry, 2, "http://old2/");
    TypedAddressList list(registry);
    list.Load();
    list.Add("http://mine/");
    // Meanwhile the user cleared the system browser's typed addresses (its history).
    registry.DeleteValue(RegRoot::CurrentUser, kKey, "url1");
    registry.DeleteValue(RegRoot::CurrentUser, kKey, "url2");
    ASSERT_TRUE(list.Save());
    EXPECT_EQ(Stored(registry), (std::vector<std::string>{"http://mine/"}))
        << "addresses the user erased come back at this program's close";
}

TEST(TypedAddressList, ALongAddressOfTheSystemBrowserIsWrittenBackWhole) {
    // The key is shared: what this program only shows cut must not be stored cut.
    FakeRegistry registry;
    const std::string longUrl = "http://long.example/?q=" + std::string(300, 'x');
    Store(registry, 1, longUrl);
    TypedAddressList list(registry);
    list.Load();
    list.Add("http://new/");
    ASSERT_TRUE(list.Save());
    EXPECT_EQ(Stored(registry), (std::vector<std::string>{"http://new/", longUrl}));
}

TEST(TypedAddressList, ALongValueIsNeverCutInsideADoubleByteCharacter) {
    FakeRegistry registry;
    std::string url = "http://z.example/?q=";
    url += std::string(259 - 1 - url.size(), 'x');
    url += test::gbk::kZhong;  // its lead byte is byte 259, its trail byte 260
    url += "tail";
    Store(registry, 1, url);
    TypedAddressList list(registry);
    list.Load();
    ASSERT_EQ(list.Items().size(), 1u);
    EXPECT_NE(list.Items()[0].back(), test::gbk::kZhong[0])
        << "half a character is shown in the list and written back to the shared key";
}

TEST(TypedAddressList, CleanEmptiesTheListAndItsValues) {
    FakeRegistry registry;
    Store(registry, 1, "http://a/");
    Store(registry, 2, "http://b/");
    TypedAddressList list(registry);
    list.Load();
    list.Clean();
    EXPECT_TRUE(list.Items().empty());
    EXPECT_TRUE(Stored(registry).empty());
    list.Save();
    EXPECT_TRUE(Stored(registry).empty()) << "nothing comes back at close";
}

class AliasTableTest : public ::testing::Test {
protected:
    static constexpr const char* kIni = "C:\\User\\Lumbrel.ini";
    void SetUp() override {
        fs.AddFolder("C:\\User");
        store.SetProfileName(kIni);
    }
    test::FakeFileSystem fs;
    PrivateProfile profile{fs};
    SettingsStore store{profile};
};

TEST_F(AliasTableTest, LoadStopsAtTheFirstPairWithAnEmptyPart) {
    fs.AddFile(kIni,
               "[Alias]\r\na0= news \r\nU0=http://news.example/\r\nA1=x\r\nU1=\r\n"
               "A2=y\r\nU2=http://y/\r\n");
    AliasTable table;
    table.Load(store);
    EXPECT_EQ(table.Entries().size(), 1u);
    EXPECT_EQ(table.Find("news"), "http://news.example/");
    EXPECT_FALSE(table.Find("News")) << "aliases are case-sensitive";
}

TEST_F(AliasTableTest, ATitleWithLineBreaksCannotAddLinesToTheFile) {
    AliasTable table;
    ASSERT_TRUE(table.Assign("two\r\nlines\r\n[Settings]\tx  ", "http://t.example/\n"));
    ASSERT_TRUE(table.Save(store));
    AliasTable loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded.Find("two  lines  [Settings] x"), "http://t.example/");
    EXPECT_TRUE(store.Section("Settings").empty()) << "no section was injected";
    EXPECT_FALSE(table.Assign(" \r\n", "http://x/")) << "nothing left of the alias";
}

TEST_F(AliasTableTest, AFailedSaveLeavesTheOldTableWhole) {
    AliasTable table;
    table.Assign("a", "http://a/");
    table.Assign("b", "http://b/");
    ASSERT_TRUE(table.Save(store));
    const int writes = fs.WriteCount();
    table.Assign("c", "http://c/");
    ASSERT_TRUE(table.Save(store));
    EXPECT_EQ(fs.WriteCount(), writes + 1) << "the section is written in one replacement";
    fs.FailOn(test::FsOp::Write, kIni);
    table.Remove("a");
    EXPECT_FALSE(table.Save(store));
    fs.ClearFailures();
    AliasTable loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded.Entries().size(), 3u);
}

TEST(QuickKeys, ABindingOpensItsAddressesOrLeavesTheKeyItsOwnAction) {
    const test::FakeCodePage cp(1252);
    using Kind = QuickKeyBinding::Kind;
    EXPECT_EQ(ResolveQuickKey(cp, false, "http://a/").kind, Kind::BuiltIn) << "UseSC off";
    EXPECT_EQ(ResolveQuickKey(cp, true, "").kind, Kind::BuiltIn);
    EXPECT_EQ(ResolveQuickKey(cp, true, "javascript:").kind, Kind::BuiltIn);
    EXPECT_EQ(ResolveQuickKey(cp, true, "javascript:go()").kind, Kind::ActivePage);
    EXPECT_EQ(ResolveQuickKey(cp, true, "vbscript:x").kind, Kind::ActivePage);
    const QuickKeyBinding list = ResolveQuickKey(cp, true, " http://a/ | |http://b/ ");
    EXPECT_EQ(list.kind, Kind::NewWindows);
    EXPECT_EQ(list.urls, (std::vector<std::string>{"http://a/", "http://b/"}));

    EXPECT_EQ(BuiltInQuickKeyAction(0, false), QuickKeyAction::PreviousWindow);
    EXPECT_EQ(BuiltInQuickKeyAction(2, false), QuickKeyAction::Close);
    EXPECT_EQ(BuiltInQuickKeyAction(2, true), QuickKeyAction::AddressDropDown) << "UseIeKey";
    EXPECT_EQ(BuiltInQuickKeyAction(10, false), QuickKeyAction::AutoHide);
    EXPECT_FALSE(BuiltInQuickKeyAction(11, false));
}

}  // namespace
}  // namespace lumbrel
