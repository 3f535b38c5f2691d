// The order values in the registry: keys per folder, writing, Reset Order and moving.
#include <gtest/gtest.h>

#include "favorites/MenuOrderStore.h"
#include "support/FakeCodePage.h"
#include "support/FakeRegistry.h"

namespace lumbrel {
namespace {

constexpr const char* kRoot = "C:\\Fav\\";

class MenuOrderStoreTest : public ::testing::Test {
protected:
    std::string Key(const std::string& below = "") {
        return below.empty() ? std::string(kMenuOrderKey)
                             : std::string(kMenuOrderKey) + "\\" + below;
    }
    void PutOrder(const std::string& key, const std::vector<std::string>& names) {
        std::vector<OrderEntry> entries;
        for (const std::string& name : names) {
            OrderEntry entry;
            entry.position = static_cast<int32_t>(entries.size());
            entry.type = kOrderTypeFile;
            entry.longName = name;
            entries.push_back(entry);
        }
        registry.WriteBinary(RegRoot::CurrentUser, key, kOrderValue, WriteOrderBlob(entries));
    }
    std::vector<std::string> Names(const std::string& folder) {
        std::vector<std::string> names;
        const OrderTable table = store.Read(folder);
        for (size_t p = 0; p < table.byPosition.size(); ++p)
            if (const OrderEntry* entry = table.AtPosition(p))
                names.push_back(entry->longName);
        return names;
    }

    test::FakeCodePage cp;
    test::FakeRegistry registry;
    MenuOrderStore store{cp, registry, kRoot};
};

TEST_F(MenuOrderStoreTest, EachFolderHasItsKeyBelowTheRoot) {
    EXPECT_EQ(store.KeyOf("C:\\Fav"), Key());
    EXPECT_EQ(store.KeyOf("c:\\fav\\"), Key());
    EXPECT_EQ(store.KeyOf("C:\\Fav\\News\\Daily\\"), Key("News\\Daily"));
    EXPECT_EQ(store.KeyOf("C:\\Favorites\\News"), std::nullopt);
    EXPECT_EQ(store.KeyOf("D:\\Other"), std::nullopt);
}

TEST_F(MenuOrderStoreTest, AValueOfAnotherTypeIsIgnored) {
    registry.WriteString(RegRoot::CurrentUser, Key(), kOrderValue, "not binary");
    EXPECT_TRUE(store.Read(kRoot).entries.empty());
    PutOrder(Key(), {"b.url", "a.url"});
    EXPECT_EQ(Names(kRoot), (std::vector<std::string>{"b.url", "a.url"}));
}

TEST_F(MenuOrderStoreTest, WritingStoresFoldersFirstThenFilesByNameAtTheGivenPositions) {
    ASSERT_TRUE(store.Write("C:\\Fav\\News", {{"b.url", kAttrArchive, 1, 0},
                                              {"Zeta", kAttrDirectory, 0, 0},
                                              {"A.url", kAttrArchive, 1, 0},
                                              {"alpha", kAttrDirectory | kAttrHidden, 0, 0}}));
    EXPECT_EQ(Names("C:\\Fav\\News\\"),
              (std::vector<std::string>{"b.url", "Zeta", "A.url", "alpha"}));
    const OrderTable table = store.Read("C:\\Fav\\News");
    ASSERT_EQ(table.entries.size(), 4u);
    EXPECT_EQ(table.entries[0].longName, "alpha") << "stored folders first, by name";
    EXPECT_EQ(table.entries[3].longName, "b.url");
    EXPECT_EQ(table.AtPosition(0)->longName, "b.url");
    EXPECT_TRUE(table.AtPosition(1)->IsFolder());
    EXPECT_EQ(table.AtPosition(3)->longName, "alpha");
}

TEST_F(MenuOrderStoreTest, ResetDeletesTheFoldersValueOnly) {
    PutOrder(Key(), {"a.url"});
    PutOrder(Key("News"), {"n.url"});
    EXPECT_TRUE(store.Reset("C:\\Fav\\News"));
    EXPECT_TRUE(Names("C:\\Fav\\News").empty());
    EXPECT_EQ(Names(kRoot), (std::vector<std::string>{"a.url"}));
}

TEST_F(MenuOrderStoreTest, MovingCopiesTheWholeTreeThenDeletesTheOld) {
    PutOrder(Key("Old"), {"o.url"});
    PutOrder(Key("Old\\Sub"), {"s.url"});
    ASSERT_TRUE(store.Move("C:\\Fav\\Old", "C:\\Fav\\New"));
    EXPECT_EQ(Names("C:\\Fav\\New"), (std::vector<std::string>{"o.url"}));
    EXPECT_EQ(Names("C:\\Fav\\New\\Sub"), (std::vector<std::string>{"s.url"}));
    EXPECT_FALSE(registry.KeyExists(RegRoot::CurrentUser, Key("Old")));
}

TEST_F(MenuOrderStoreTest, ACaseOnlyRenameKeepsTheData) {
    PutOrder(Key("News"), {"n.url"});
    ASSERT_TRUE(store.Move("C:\\Fav\\News", "C:\\Fav\\NEWS"));
    EXPECT_EQ(Names("C:\\Fav\\News"), (std::vector<std::string>{"n.url"}));
}

TEST_F(MenuOrderStoreTest, AFailedCopyDeletesNothing) {
    PutOrder(Key("Old"), {"o.url"});
    registry.FailWrites(true);
    EXPECT_FALSE(store.Move("C:\\Fav\\Old", "C:\\Fav\\New"));
    registry.FailWrites(false);
    EXPECT_EQ(Names("C:\\Fav\\Old"), (std::vector<std::string>{"o.url"}));
    // Into its own subfolder: refused rather than copied without end.
    EXPECT_FALSE(store.Move("C:\\Fav\\Old", "C:\\Fav\\Old\\Inner"));
    EXPECT_EQ(Names("C:\\Fav\\Old"), (std::vector<std::string>{"o.url"}));
}

}  // namespace
}  // namespace lumbrel
