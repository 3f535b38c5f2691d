// The "Order" blob: the exact layout the shell uses, a round trip through the writer, and
// reading damaged values without leaving the buffer.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "favorites/OrderBlob.h"
#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;

template <typename T>
void Put(std::string& out, T value) {
    for (size_t i = 0; i < sizeof(T); ++i)
        out.push_back(static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF));
}

uint32_t U32At(const std::string& blob, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= uint32_t{static_cast<unsigned char>(blob[offset + i])} << (8 * i);
    return value;
}

OrderEntry Entry(int32_t position, uint16_t type, std::string longName, std::string shortName,
                 uint16_t attributes) {
    OrderEntry entry;
    entry.position = position;
    entry.type = type;
    entry.longName = std::move(longName);
    entry.shortName = std::move(shortName);
    entry.attributes = attributes;
    entry.fileSize = 1234;
    entry.dosDate = 0x5A21;
    entry.dosTime = 0x6B3C;
    return entry;
}

// A header claiming `count` entries, followed by `body`.
std::string Blob(uint32_t count, const std::string& body) {
    std::string blob;
    Put<uint32_t>(blob, 8);
    Put<uint32_t>(blob, 2);
    Put<uint32_t>(blob, static_cast<uint32_t>(12 + body.size()));
    Put<uint32_t>(blob, 1);
    Put<uint32_t>(blob, count);
    return blob + body;
}

// One raw entry: size field, position and the rest of the fixed fields, then `names`.
std::string RawEntry(uint32_t size, int32_t position, uint16_t type, const std::string& names) {
    std::string entry;
    Put<uint32_t>(entry, size);
    Put<int32_t>(entry, position);
    Put<uint16_t>(entry, 0);
    Put<uint16_t>(entry, type);
    Put<uint32_t>(entry, 0);
    Put<uint16_t>(entry, 0);
    Put<uint16_t>(entry, 0);
    Put<uint16_t>(entry, 0x20);
    entry += names;
    return entry;
}

TEST(OrderBlob, WritesTheShellsLayout) {
    const std::string blob =
        WriteOrderBlob({Entry(0, kOrderTypeFile, "News.url", "NEWS~1.URL", 0x20)});
    ASSERT_EQ(blob.size(), 20u + 30 + 8 + 10);
    EXPECT_EQ(U32At(blob, 0), 8u);
    EXPECT_EQ(U32At(blob, 4), 2u);
    EXPECT_EQ(U32At(blob, 8), blob.size() - 8);
    EXPECT_EQ(U32At(blob, 12), 1u);
    EXPECT_EQ(U32At(blob, 16), 1u);
    EXPECT_EQ(U32At(blob, 20), 48u);  // 30 + 8 + 10
    EXPECT_EQ(U32At(blob, 24), 0u);
    // The shell item's size: 16 + both names; then the type.
    EXPECT_EQ(static_cast<unsigned char>(blob[28]), 16 + 8 + 10);
    EXPECT_EQ(static_cast<unsigned char>(blob[30]), kOrderTypeFile);
    EXPECT_EQ(blob.substr(42, 9), std::string("News.url\0", 9));
    EXPECT_EQ(blob.substr(51, 11), std::string("NEWS~1.URL\0", 11));
    EXPECT_EQ(blob.substr(62), std::string(6, '\0'));
}

TEST(OrderBlob, WhatIsWrittenReadsBackAsTheSameTable) {
    const FakeCodePage gbk(FakeCodePage::kGbk);
    const std::vector<OrderEntry> written = {
        Entry(2, kOrderTypeFile, "News.url", "NEWS~1.URL", 0x20),
        Entry(0, kOrderTypeFolder, std::string(test::gbk::kTrailBackslash) + "Links", "LINKS",
              0x10),
        Entry(1, kOrderTypeFile, "Mail.lnk", "", 0x21),
        Entry(3, kOrderTypeFolder, "", "EMPTY", 0x14),
    };
    const OrderTable table = ReadOrderBlob(gbk, WriteOrderBlob(written));
    ASSERT_EQ(table.entries.size(), written.size());
    for (size_t i = 0; i < written.size(); ++i) {
        OrderEntry expected = written[i];
        expected.size = static_cast<uint32_t>(WrittenEntrySize(expected));
        EXPECT_EQ(table.entries[i], expected) << "entry " << i;
    }
    EXPECT_EQ(table.byPosition, (std::vector<int>{1, 2, 0, 3}));
    EXPECT_EQ(table.AtPosition(0)->longName, written[1].longName);
    EXPECT_EQ(table.AtPosition(4), nullptr);
}

TEST(OrderBlob, AWideLongNameIsReadAsAnsi) {
    const FakeCodePage gbk(FakeCodePage::kGbk);
    std::string names;
    for (char16_t unit : std::u16string(u"\u4E2D\u6587.url"))
        Put<uint16_t>(names, unit);
    Put<uint16_t>(names, 0);
    names += std::string("ZHONG~1.URL\0", 12);
    std::string entry = RawEntry(0, 0, kOrderTypeFile | kOrderTypeWideName, names);
    entry += std::string(6, '\0');
    const uint32_t size = static_cast<uint32_t>(entry.size());
    for (size_t i = 0; i < 4; ++i)
        entry[i] = static_cast<char>(size >> (8 * i));
    const OrderTable table = ReadOrderBlob(gbk, Blob(1, entry));
    ASSERT_EQ(table.entries.size(), 1u);
    EXPECT_EQ(table.entries[0].longName, std::string(test::gbk::kZhongWen) + ".url");
    EXPECT_EQ(table.entries[0].shortName, "ZHONG~1.URL");
    EXPECT_FALSE(table.entries[0].IsFolder());
}

TEST(OrderBlob, ABadEntrySizeEndsTheWalk) {
    const FakeCodePage cp;
    const std::string good =
        RawEntry(30 + 5, 0, kOrderTypeFile, std::string("a.url\0\0", 7)) + std::string(6, '\0');
    ASSERT_EQ(good.size(), 35u);
    struct Case {
        const char* what;
        uint32_t size;
    };
    for (const Case& c : {Case{"zero", 0}, Case{"smaller than its own field", 3},
                          Case{"past the end", 1000}, Case{"huge", 0xFFFFFFFFu}}) {
        const std::string blob = Blob(0xFFFFFFFFu, good + RawEntry(c.size, 1, kOrderTypeFile, "b"));
        const OrderTable table = ReadOrderBlob(cp, blob);
        ASSERT_EQ(table.entries.size(), 1u) << c.what;
        EXPECT_EQ(table.entries[0].longName, "a.url") << c.what;
    }
    // Fewer than the header: nothing.
    EXPECT_TRUE(ReadOrderBlob(cp, std::string(19, '\x01')).entries.empty());
}

TEST(OrderBlob, PositionsOnlyClaimSlotsOfTheEntriesRead) {
    const FakeCodePage cp;
    auto entry = [](int32_t position, const char* name) {
        std::string names = std::string(name) + std::string("\0\0", 2);
        std::string raw =
            RawEntry(static_cast<uint32_t>(28 + names.size()), position, kOrderTypeFile, names);
        return raw + std::string(6, '\0');
    };
    // Positions: out of range, negative, a second claimant, and one fitting slot each.
    const std::string blob =
        Blob(1000000, entry(7, "far") + entry(-1, "negative") + entry(1, "first") +
                          entry(1, "second") + entry(0, "zero"));
    const OrderTable table = ReadOrderBlob(cp, blob);
    ASSERT_EQ(table.entries.size(), 5u);
    ASSERT_EQ(table.byPosition.size(), 5u);
    EXPECT_EQ(table.AtPosition(0)->longName, "zero");
    EXPECT_EQ(table.AtPosition(1)->longName, "first");
    for (size_t p = 2; p < 5; ++p)
        EXPECT_EQ(table.AtPosition(p), nullptr) << p;
}

TEST(OrderBlob, NamesWithoutTheirEndInsideTheEntryAreMissing) {
    const FakeCodePage cp;
    // The long name runs to the end of its entry, into the next one's bytes.
    const std::string first = RawEntry(22 + 4, 0, kOrderTypeFile, "abcd");
    const std::string second =
        RawEntry(30 + 6, 1, kOrderTypeFile, std::string("b.url\0B\0", 8)) + std::string(6, '\0');
    const OrderTable table = ReadOrderBlob(cp, Blob(2, first + second));
    ASSERT_EQ(table.entries.size(), 2u);
    EXPECT_EQ(table.entries[0].longName, "");
    EXPECT_EQ(table.entries[0].shortName, "");
    EXPECT_EQ(table.entries[1].longName, "b.url");
    EXPECT_EQ(table.entries[1].shortName, "B");
}

TEST(OrderBlob, FoldersAreToldByTheirTypeNotTheirExactAttributes) {
    EXPECT_TRUE(Entry(0, kOrderTypeFolder, "a", "", 0x10).IsFolder());
    EXPECT_TRUE(Entry(0, kOrderTypeFolder, "a", "", 0x13).IsFolder());  // read-only, hidden
    EXPECT_TRUE(Entry(0, kOrderTypeFolder | kOrderTypeWideName, "a", "", 0x14).IsFolder());
    EXPECT_FALSE(Entry(0, kOrderTypeFile, "a", "", 0x21).IsFolder());
    EXPECT_FALSE(Entry(0, kOrderTypeFile | kOrderTypeWideName, "a", "", 0).IsFolder());
    EXPECT_TRUE(Entry(0, 0x00, "a", "", 0x10).IsFolder());
    EXPECT_FALSE(Entry(0, 0x00, "a", "", 0x20).IsFolder());
}

TEST(OrderBlob, EntriesForListedItemsCarryTheirDosStamp) {
    // 2024-03-05 14:30:42 UTC as FILETIME.
    const uint64_t fileTime = (1709649042ull + 11644473600ull) * 10000000ull;
    const OrderEntry file = OrderEntryFor({"a.url", kAttrArchive, 99, fileTime}, 4);
    EXPECT_EQ(file.type, kOrderTypeFile);
    EXPECT_EQ(file.position, 4);
    EXPECT_EQ(file.fileSize, 99u);
    EXPECT_EQ(file.dosDate, (2024 - 1980) << 9 | 3 << 5 | 5);
    EXPECT_EQ(file.dosTime, 14 << 11 | 30 << 5 | 21);
    const OrderEntry folder = OrderEntryFor({"Links", kAttrDirectory | kAttrReadOnly, 0, 0}, 0);
    EXPECT_EQ(folder.type, kOrderTypeFolder);
    EXPECT_EQ(folder.dosDate, 0);
    EXPECT_EQ(folder.attributes, kAttrDirectory | kAttrReadOnly);
}

// Every cut and many corrupted copies of a real blob: the reader stays inside the buffer
// (checked by the sanitizers), and what it returns is consistent.
TEST(OrderBlob, TruncatedAndCorruptedBlobsReadConsistently) {
    const FakeCodePage gbk(FakeCodePage::kGbk);
    std::vector<OrderEntry> written;
    for (int i = 0; i < 6; ++i)
        written.push_back(Entry(5 - i, i % 2 ? kOrderTypeFolder : kOrderTypeFile,
                                "item" + std::to_string(i), "I" + std::to_string(i), 0x20));
    const std::string blob = WriteOrderBlob(written);

    auto check = [&](const std::string& data, const std::string& what) {
        const OrderTable table = ReadOrderBlob(gbk, data);
        ASSERT_EQ(table.byPosition.size(), table.entries.size()) << what;
        size_t walked = 20;
        std::set<int> claimed;
        for (const OrderEntry& entry : table.entries) {
            ASSERT_GE(entry.size, 4u) << what;
            walked += entry.size;
            EXPECT_LE(entry.longName.size() + entry.shortName.size(), entry.size) << what;
        }
        EXPECT_LE(walked, std::max<size_t>(data.size(), 20)) << what;
        for (size_t p = 0; p < table.byPosition.size(); ++p) {
            const int e = table.byPosition[p];
            if (e < 0)
                continue;
            ASSERT_LT(static_cast<size_t>(e), table.entries.size()) << what;
            EXPECT_EQ(table.entries[static_cast<size_t>(e)].position, static_cast<int32_t>(p));
            EXPECT_TRUE(claimed.insert(e).second) << what;
        }
    };

    for (size_t cut = 0; cut <= blob.size(); ++cut) {
        const std::string truncated = blob.substr(0, cut);
        check(truncated, "cut at " + std::to_string(cut));
        // A cut inside an entry drops that entry and keeps the ones before it whole.
        const OrderTable table = ReadOrderBlob(gbk, truncated);
        size_t whole = 0;
        for (size_t end = 20;
             whole < written.size() && end + WrittenEntrySize(written[whole]) <= cut;
             end += WrittenEntrySize(written[whole]))
            ++whole;
        ASSERT_EQ(table.entries.size(), cut < 20 ? 0 : whole) << "cut at " << cut;
        for (size_t i = 0; i < whole && cut >= 20; ++i)
            EXPECT_EQ(table.entries[i].longName, written[i].longName);
    }

    std::mt19937 random(20241209);
    for (int round = 0; round < 5000; ++round) {
        std::string corrupted = blob;
        const int flips = 1 + static_cast<int>(random() % 8);
        for (int f = 0; f < flips; ++f)
            corrupted[random() % corrupted.size()] = static_cast<char>(random() & 0xFF);
        corrupted.resize(random() % (corrupted.size() + 1));
        check(corrupted, "round " + std::to_string(round));
    }
}

}  // namespace
}  // namespace lumbrel
