#include "favorites/OrderBlob.h"

#include <optional>

namespace lumbrel {
namespace {

constexpr size_t kHeaderSize = 20;
constexpr size_t kEntryCountOffset = 16;
constexpr size_t kSizeFieldBytes = 4;

// Reads little-endian numbers and names from a window of the blob; a field that does not lie
// wholly inside the window reads as nothing and consumes nothing.
class BlobReader {
public:
    BlobReader(std::string_view bytes, size_t offset, size_t end)
        : bytes_(bytes), pos_(offset), end_(end) {}

    template <typename T>
    T Number() {
        if (end_ - pos_ < sizeof(T)) {
            pos_ = end_;
            return 0;
        }
        uint64_t value = 0;
        for (size_t i = 0; i < sizeof(T); ++i)
            value |= uint64_t{static_cast<unsigned char>(bytes_[pos_ + i])} << (8 * i);
        pos_ += sizeof(T);
        return static_cast<T>(value);
    }

    // A NUL-terminated byte string; nothing when no terminator lies inside the window.
    std::optional<std::string> Narrow() {
        const std::string_view rest = bytes_.substr(pos_, end_ - pos_);
        const size_t nul = rest.find('\0');
        if (nul == std::string_view::npos)
            return std::nullopt;
        pos_ += nul + 1;
        return std::string(rest.substr(0, nul));
    }

    // A NUL-terminated UTF-16 string.
    std::optional<std::u16string> Wide() {
        std::u16string text;
        for (size_t at = pos_; end_ - at >= 2; at += 2) {
            const auto unit =
                static_cast<char16_t>(static_cast<unsigned char>(bytes_[at]) |
                                      static_cast<unsigned char>(bytes_[at + 1]) << 8);
            if (unit == 0) {
                pos_ = at + 2;
                return text;
            }
            text.push_back(unit);
        }
        return std::nullopt;
    }

private:
    std::string_view bytes_;
    size_t pos_;
    size_t end_;
};

template <typename T>
void Put(std::string& out, T value) {
    for (size_t i = 0; i < sizeof(T); ++i)
        out.push_back(static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF));
}

OrderEntry ReadEntry(const CodePage& cp, std::string_view blob, size_t offset, uint32_t size) {
    BlobReader in(blob, offset, offset + size);
    OrderEntry entry;
    entry.size = in.Number<uint32_t>();
    entry.position = in.Number<int32_t>();
    in.Number<uint16_t>();  // the shell item's size: recomputed by the writer
    entry.type = in.Number<uint16_t>();
    entry.fileSize = in.Number<uint32_t>();
    entry.dosDate = in.Number<uint16_t>();
    entry.dosTime = in.Number<uint16_t>();
    entry.attributes = in.Number<uint16_t>();
    if (entry.type & kOrderTypeWideName) {
        if (auto wide = in.Wide())
            entry.longName = cp.Utf16ToAnsi(*wide);
    } else if (auto narrow = in.Narrow()) {
        entry.longName = std::move(*narrow);
    }
    if (auto shortName = in.Narrow())
        entry.shortName = std::move(*shortName);
    return entry;
}

// Days since 1970-01-01 -> civil date (proleptic Gregorian).
void CivilFromDays(int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

bool OrderEntry::IsFolder() const {
    const uint16_t family = type & ~kOrderTypeWideName;
    if (family == kOrderTypeFolder)
        return true;
    if (family == kOrderTypeFile)
        return false;
    return (attributes & kAttrDirectory) != 0;
}

const OrderEntry* OrderTable::AtPosition(size_t position) const {
    if (position >= byPosition.size() || byPosition[position] < 0)
        return nullptr;
    return &entries[static_cast<size_t>(byPosition[position])];
}

OrderTable ReadOrderBlob(const CodePage& cp, std::string_view blob) {
    OrderTable table;
    if (blob.size() < kHeaderSize)
        return table;
    const uint32_t count = BlobReader(blob, kEntryCountOffset, blob.size()).Number<uint32_t>();
    size_t offset = kHeaderSize;
    for (uint32_t i = 0; i < count; ++i) {
        if (blob.size() - offset < kSizeFieldBytes)
            break;
        const uint32_t size = BlobReader(blob, offset, blob.size()).Number<uint32_t>();
        // A size that cannot hold its own field would walk in place or backwards.
        if (size < kSizeFieldBytes || size > blob.size() - offset)
            break;
        table.entries.push_back(ReadEntry(cp, blob, offset, size));
        offset += size;
    }
    table.byPosition.assign(table.entries.size(), -1);
    for (size_t e = 0; e < table.entries.size(); ++e) {
        const int32_t position = table.entries[e].position;
        if (position < 0 || static_cast<size_t>(position) >= table.byPosition.size())
            continue;
        int& slot = table.byPosition[static_cast<size_t>(position)];
        if (slot < 0)
            slot = static_cast<int>(e);
    }
    return table;
}

size_t WrittenEntrySize(const OrderEntry& entry) {
    return 30 + entry.longName.size() + entry.shortName.size();
}

std::string WriteOrderBlob(const std::vector<OrderEntry>& entries) {
    std::string body;
    for (const OrderEntry& entry : entries) {
        Put<uint32_t>(body, static_cast<uint32_t>(WrittenEntrySize(entry)));
        Put<int32_t>(body, entry.position);
        Put<uint16_t>(body,
                      static_cast<uint16_t>(16 + entry.longName.size() + entry.shortName.size()));
        Put<uint16_t>(body, static_cast<uint16_t>(entry.type & ~kOrderTypeWideName));
        Put<uint32_t>(body, entry.fileSize);
        Put<uint16_t>(body, entry.dosDate);
        Put<uint16_t>(body, entry.dosTime);
        Put<uint16_t>(body, entry.attributes);
        body += entry.longName;
        body.push_back('\0');
        body += entry.shortName;
        body.push_back('\0');
        Put<uint16_t>(body, 0);
        Put<uint32_t>(body, 0);
    }
    std::string blob;
    Put<uint32_t>(blob, 8);
    Put<uint32_t>(blob, 2);
    Put<uint32_t>(blob, static_cast<uint32_t>(12 + body.size()));
    Put<uint32_t>(blob, 1);
    Put<uint32_t>(blob, static_cast<uint32_t>(entries.size()));
    return blob + body;
}

OrderEntry OrderEntryFor(const DirEntry& item, int32_t position) {
    OrderEntry entry;
    entry.position = position;
    entry.type = (item.attributes & kAttrDirectory) ? kOrderTypeFolder : kOrderTypeFile;
    entry.fileSize = static_cast<uint32_t>(item.size);
    entry.attributes = static_cast<uint16_t>(item.attributes & 0xFFFF);
    entry.longName = item.name;
    // FILETIME counts 100-ns units from 1601; DOS dates start in 1980.
    constexpr uint64_t kUnitsPerSecond = 10000000;
    constexpr int64_t kSecondsFrom1601To1970 = 11644473600;
    const int64_t seconds =
        static_cast<int64_t>(item.writeTime / kUnitsPerSecond) - kSecondsFrom1601To1970;
    int year = 0, month = 0, day = 0;
    CivilFromDays(seconds >= 0 ? seconds / 86400 : -1, year, month, day);
    if (year >= 1980 && year <= 2107) {
        const int64_t secondOfDay = seconds % 86400;
        entry.dosDate = static_cast<uint16_t>((year - 1980) << 9 | month << 5 | day);
        entry.dosTime = static_cast<uint16_t>((secondOfDay / 3600) << 11 |
                                              (secondOfDay / 60 % 60) << 5 | secondOfDay % 60 / 2);
    }
    return entry;
}

}  // namespace lumbrel
