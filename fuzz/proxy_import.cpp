// Fuzz target: the lines of an imported proxy list, a text file from anywhere.
//
// Every proxy read has an address and an alias free of the field marks and of line breaks and
// a speed of 0 or 3. Exported again and read back, the proxies keep their addresses and
// aliases wherever the export can hold them (an address part of at most 64 bytes without
// blanks, which the export cuts and the import trims, and a type the import would write so).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "proxy/ProxyTransfer.h"

namespace lumbrel::fuzz {
namespace {

bool HasAny(std::string_view text, std::string_view chars) {
    return text.find_first_of(chars) != std::string_view::npos;
}

// Whether an export of `address` reads back as `address`.
bool Exportable(std::string_view address) {
    if (HasAny(address, " \t\r\v\f"))
        return false;
    const size_t equals = address.find('=');
    if (equals == std::string_view::npos || equals == 0)
        return address.size() <= 64;
    // The export writes the type in capitals and the import lowers it again; "http" is the
    // plain form.
    const std::string_view type = address.substr(0, equals);
    for (char c : type)
        if (c >= 'A' && c <= 'Z')
            return false;
    const std::string_view part = address.substr(equals + 1);
    return type != "http" && !part.empty() && part.size() <= 64;
}

}  // namespace
}  // namespace lumbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lumbrel;
    using namespace lumbrel::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<ImportedProxy> proxies = ParseProxyLines(text);

    ProxyCategory category;
    for (const ImportedProxy& proxy : proxies) {
        FUZZ_CHECK(!proxy.address.empty());
        FUZZ_CHECK(!proxy.alias.empty());
        FUZZ_CHECK(!HasAny(proxy.address, "@$&#\n"));
        FUZZ_CHECK(!HasAny(proxy.alias, "@$&#\n"));
        FUZZ_CHECK(proxy.speed == 0 || proxy.speed == 3);
        category.entries.push_back(
            {.alias = proxy.alias, .address = proxy.address, .speed = proxy.speed});
    }

    const std::vector<ImportedProxy> back = ParseProxyLines(ExportProxyLines(category));
    size_t next = 0;
    for (const ProxyEntry& entry : category.entries) {
        if (entry.IsSeparator())
            continue;
        FUZZ_CHECK(next < back.size() || !Exportable(entry.address));
        if (!Exportable(entry.address) || next >= back.size()) {
            // The line may have been read as something else or skipped: stop comparing.
            break;
        }
        FUZZ_CHECK_EQ_TEXT(back[next].address, entry.address);
        FUZZ_CHECK_EQ_TEXT(back[next].alias, entry.alias);
        ++next;
    }
    return 0;
}
