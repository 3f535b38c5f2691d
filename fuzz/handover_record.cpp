// Fuzz target: the hand-over record a second start leaves in shared memory
// (WriteHandOverRecord, ReadHandOverRecord), on the Western code page and on GBK.
//
// The first input byte chooses GBK (bit 0) and whether the record is of the real size
// (bit 1 clear) or of a size drawn from the input; the next bytes fill the record as another
// program might have left it, the rest is the text to hand over. What a reader gets from any
// record is a terminated string within the record; what is written reads back as the
// longest start of the text (up to its first NUL) that fits without splitting a double-byte
// character, whatever the record held before.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "base/DbcsText.h"
#include "instance/HandOverRecord.h"

namespace lumbrel::fuzz {
namespace {

// A record left by someone else: any bytes, terminated or not.
void CheckReadOfAnyRecord(const std::vector<char>& record) {
    const std::string text = ReadHandOverRecord(record);
    FUZZ_CHECK(text.size() <= kHandOverMaxText && text.size() <= record.size());
    FUZZ_CHECK(text.find('\0') == std::string::npos);
    FUZZ_CHECK(std::equal(text.begin(), text.end(), record.begin()));
    const bool cutAtNul = text.size() < record.size() && record[text.size()] == '\0';
    FUZZ_CHECK(cutAtNul || text.size() == std::min(kHandOverMaxText, record.size()));
}

void CheckWriteReadsBack(const CodePage& cp, std::string_view text, std::vector<char>& record) {
    const size_t written = WriteHandOverRecord(cp, text, record);
    if (record.empty()) {
        FUZZ_CHECK(written == 0);
        return;
    }
    const std::string_view sent = text.substr(0, text.find('\0'));
    const size_t room = std::min(kHandOverMaxText, record.size() - 1);
    FUZZ_CHECK(written <= room && written <= sent.size());
    FUZZ_CHECK(record[written] == '\0');
    FUZZ_CHECK_EQ_TEXT(ReadHandOverRecord(record), sent.substr(0, written));
    // The cut is on a character boundary of the text, and no later one would have fitted.
    size_t pos = 0;
    while (pos < written)
        pos += CharLength(cp, sent, pos);
    FUZZ_CHECK(pos == written);
    if (written < sent.size())
        FUZZ_CHECK(written + CharLength(cp, sent, written) > room);
}

}  // namespace
}  // namespace lumbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lumbrel;
    using namespace lumbrel::fuzz;
    if (size == 0)
        return 0;
    const uint8_t flags = data[0];
    const CodePage& cp = CodePageFor(flags);
    FuzzedDataProvider in(data + 1, size - 1);
    const size_t recordSize =
        (flags & 2) ? in.ConsumeIntegralInRange<size_t>(0, 3000) : kHandOverRecordSize;
    // Exactly as large as the mapping, so a read or write past its end is caught.
    std::vector<char> record(recordSize);
    const std::string before = in.ConsumeBytesAsString(
        in.ConsumeIntegralInRange<size_t>(0, std::min<size_t>(recordSize, 64)));
    std::copy(before.begin(), before.end(), record.begin());
    if (before.size() == recordSize)
        CheckReadOfAnyRecord(record);
    std::fill(record.begin() + static_cast<std::ptrdiff_t>(before.size()), record.end(), 'x');
    CheckReadOfAnyRecord(record);

    const std::string text = in.ConsumeRemainingBytesAsString();
    CheckWriteReadsBack(cp, text, record);
    // A shorter text written over a longer one is read alone.
    CheckWriteReadsBack(cp, std::string_view(text).substr(0, text.size() / 2), record);
    return 0;
}
