// Fuzz target: the favorites "Order" blob, a binary registry value any program can write.
//
// The first input byte chooses: bit 1 generated entries, else the rest of the input is a
// blob. A blob read in any state gives a table whose position index names each entry at most
// once, at the position it claims; written again, that table reads back the same (names as
// ANSI, so without the UTF-16 type bit). Generated entries written and read give themselves.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "favorites/OrderBlob.h"

namespace lumbrel::fuzz {
namespace {

void CheckIndex(const OrderTable& table, size_t blobSize) {
    FUZZ_CHECK(table.byPosition.size() == table.entries.size());
    std::vector<bool> seen(table.entries.size(), false);
    for (size_t p = 0; p < table.byPosition.size(); ++p) {
        const int e = table.byPosition[p];
        if (e < 0)
            continue;
        FUZZ_CHECK(static_cast<size_t>(e) < table.entries.size());
        FUZZ_CHECK(!seen[static_cast<size_t>(e)]);
        seen[static_cast<size_t>(e)] = true;
        FUZZ_CHECK(table.entries[static_cast<size_t>(e)].position == static_cast<int32_t>(p));
    }
    size_t walked = 20;
    for (const OrderEntry& entry : table.entries) {
        FUZZ_CHECK(entry.size >= 4);
        walked += entry.size;
    }
    FUZZ_CHECK(table.entries.empty() || walked <= blobSize);
}

void CheckSameEntries(const std::vector<OrderEntry>& actual,
                      const std::vector<OrderEntry>& expected) {
    FUZZ_CHECK(actual.size() == expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        OrderEntry want = expected[i];
        want.type = static_cast<uint16_t>(want.type & ~kOrderTypeWideName);
        want.size = static_cast<uint32_t>(WrittenEntrySize(want));
        FUZZ_CHECK_EQ_TEXT(actual[i].longName, want.longName);
        FUZZ_CHECK_EQ_TEXT(actual[i].shortName, want.shortName);
        FUZZ_CHECK(actual[i] == want);
    }
}

std::string DrawName(FuzzedDataProvider& in) {
    std::string name = in.ConsumeRandomLengthString(24);
    for (char& c : name)
        if (c == '\0')
            c = '_';
    return name;
}

}  // namespace
}  // namespace lumbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lumbrel;
    using namespace lumbrel::fuzz;
    if (size == 0)
        return 0;
    const CodePage& cp = CodePageFor(data[0]);

    if ((data[0] & 2) == 0) {
        const std::string blob(reinterpret_cast<const char*>(data + 1), size - 1);
        const OrderTable table = ReadOrderBlob(cp, blob);
        CheckIndex(table, blob.size());
        const OrderTable again = ReadOrderBlob(cp, WriteOrderBlob(table.entries));
        CheckSameEntries(again.entries, table.entries);
        FUZZ_CHECK(again.byPosition == table.byPosition);
        return 0;
    }

    FuzzedDataProvider in(data + 1, size - 1);
    std::vector<OrderEntry> entries(in.ConsumeIntegralInRange<size_t>(0, 40));
    for (OrderEntry& entry : entries) {
        entry.position = in.ConsumeIntegral<int32_t>();
        entry.type = in.ConsumeBool() ? kOrderTypeFolder : kOrderTypeFile;
        entry.fileSize = in.ConsumeIntegral<uint32_t>();
        entry.dosDate = in.ConsumeIntegral<uint16_t>();
        entry.dosTime = in.ConsumeIntegral<uint16_t>();
        entry.attributes = in.ConsumeIntegral<uint16_t>();
        entry.longName = DrawName(in);
        entry.shortName = DrawName(in);
    }
    const std::string blob = WriteOrderBlob(entries);
    const OrderTable table = ReadOrderBlob(cp, blob);
    CheckSameEntries(table.entries, entries);
    CheckIndex(table, blob.size());
    return 0;
}
