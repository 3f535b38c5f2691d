// The shell's "Order" value: the user's manual order of a favorites folder, kept as a binary
// registry value beside the shell's own. The layout is fixed by the shell, so reading takes
// outside data: every number and name is read only where it lies inside the value, a walk
// ends at an entry whose size could not hold it or reaches past the end, and positions are
// trusted only when they name a slot of the entries actually read.
//
// Used by MenuOrderStore (registry side) and by the favorites menu builder (matching).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace lumbrel {

// Item types of an entry's shell item.
inline constexpr uint16_t kOrderTypeFolder = 0x31;
inline constexpr uint16_t kOrderTypeFile = 0x32;
// Set in the type when the long name is UTF-16.
inline constexpr uint16_t kOrderTypeWideName = 0x04;

struct OrderEntry {
    uint32_t size = 0;  // as read; the writer computes its own
    int32_t position = 0;
    uint16_t type = 0;
    uint32_t fileSize = 0;
    uint16_t dosDate = 0;
    uint16_t dosTime = 0;
    uint16_t attributes = 0;
    std::string longName;   // ANSI (a UTF-16 name is converted)
    std::string shortName;  // ANSI

    // A folder by its item type (0x31 family) or, for an unknown type, its directory bit.
    // The exact attribute word is no guide: read-only, hidden and plain folders differ in it.
    bool IsFolder() const;
    friend bool operator==(const OrderEntry&, const OrderEntry&) = default;
};

struct OrderTable {
    std::vector<OrderEntry> entries;  // in blob order
    // Menu position -> index into `entries`, -1 for a position nobody claims. Sized by the
    // entries read; a position outside it or claimed a second time is ignored.
    std::vector<int> byPosition;

    // The entry claiming `position`; null when none does.
    const OrderEntry* AtPosition(size_t position) const;
};

// The table a blob holds. Never reads outside `blob`; a damaged blob yields the entries
// before the damage.
OrderTable ReadOrderBlob(const CodePage& cp, std::string_view blob);

// The blob for `entries` in the given order, each with its own position; long names are
// written as ANSI (types without the UTF-16 bit).
std::string WriteOrderBlob(const std::vector<OrderEntry>& entries);

// An entry for a listed file or folder at `position`: type by the directory bit, size, the
// write time as a DOS date and time (UTC), low attribute word, no short name.
OrderEntry OrderEntryFor(const DirEntry& item, int32_t position);

// Bytes of a written entry: 30 + long name + short name.
size_t WrittenEntrySize(const OrderEntry& entry);

}  // namespace lumbrel
