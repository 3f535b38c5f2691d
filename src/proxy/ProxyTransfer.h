// Proxy lists as text files, one proxy a line, for "Import Proxy..." and "Export Proxy...":
//   address "@" type "#" alias ["$" state] ["&" anything]
// Export writes "host:port@HTTP#alias" (or the type of a type=host:port address); import
// reads the fields in any order after the address.
//
// An import reads and parses the whole file before it touches the list, so a cancelled or
// unreadable file leaves the chosen category as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "proxy/ProxyList.h"

namespace lumbrel {

struct ImportedProxy {
    std::string address{};  // "host:port" or "type=host:port"
    std::string alias{};    // the address when the line gave none
    int speed = kDefaultProxySpeed;
    friend bool operator==(const ImportedProxy&, const ImportedProxy&) = default;
};

// One line; nothing when its address is empty.
std::optional<ImportedProxy> ParseProxyLine(std::string_view line);
std::vector<ImportedProxy> ParseProxyLines(std::string_view text);

// The category's proxies as lines ending with "\n", separators left out.
std::string ExportProxyLines(const ProxyCategory& category);

// Where an import goes: an existing proxy-server category by position, or a new one by name.
struct ImportTarget {
    std::optional<size_t> category{};
    std::string newName{};
    bool emptyFirst = false;
};

// Reads `path` and merges its proxies into the target (an address already there takes the
// line's alias and speed; others are appended). False, with the list untouched, when the file
// cannot be read or the target is not a proxy-server category.
bool ImportProxyFile(ProxyList& list, FileSystem& fs, const std::string& path,
                     const ImportTarget& target);

}  // namespace lumbrel
