// Fuzz target: what another program drops on a page (a text block and a file-group
// descriptor, each of any size and content).
//
// The first input byte chooses whether the source allowed the link effect only; the second
// how many of the remaining bytes form the text block; the rest is the descriptor. Every text
// and name read lies inside its block, holds no NUL, and the title is the name with at most a
// final ".url" removed.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "mouse/DropData.h"

namespace lumbrel::fuzz {
namespace {

void Check(std::string_view text, std::string_view descriptor, bool linkOnly) {
    const std::string read = DropText(text);
    FUZZ_CHECK(read.size() <= text.size());
    FUZZ_CHECK(text.substr(0, read.size()) == read);
    FUZZ_CHECK(read.find('\0') == std::string::npos);

    const std::optional<std::string> name = FirstDescriptorName(descriptor);
    if (name) {
        FUZZ_CHECK(descriptor.size() >= 4 + kFileDescriptorSize);
        FUZZ_CHECK(descriptor.substr(0, 4) != std::string_view("\0\0\0\0", 4));
        FUZZ_CHECK(name->size() <= kFileDescriptorNameSize);
        FUZZ_CHECK(name->find('\0') == std::string::npos);
        FUZZ_CHECK(descriptor.substr(4 + kFileDescriptorNameOffset, name->size()) == *name);
    }

    const std::optional<DroppedItem> item = ParseDrop(text, descriptor, linkOnly);
    FUZZ_CHECK(item.has_value());
    FUZZ_CHECK(item->url == read);
    FUZZ_CHECK(item->link == linkOnly);
    if (!linkOnly || !name) {
        FUZZ_CHECK(item->title.empty());
    } else {
        FUZZ_CHECK(item->title == *name || item->title.size() + 4 == name->size());
        FUZZ_CHECK(name->substr(0, item->title.size()) == item->title);
    }
    FUZZ_CHECK(!ParseDrop(std::nullopt, descriptor, linkOnly));
}

}  // namespace
}  // namespace lumbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const bool linkOnly = (data[0] & 1) != 0;
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const size_t textSize = rest.empty() ? 0 : data[1] % (rest.size() + 1);
    lumbrel::fuzz::Check(rest.substr(0, textSize), rest.substr(textSize), linkOnly);
    return 0;
}
