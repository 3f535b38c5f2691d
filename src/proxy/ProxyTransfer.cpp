#include "proxy/ProxyTransfer.h"

#include "base/FileHelpers.h"
#include "base/ProfileDocument.h"

namespace lumbrel {
namespace {

constexpr std::string_view kFieldMarks = "@$&#";
constexpr size_t kExportedAddress = 64;

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return out;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return out;
}

}  // namespace

std::optional<ImportedProxy> ParseProxyLine(std::string_view line) {
    size_t mark = line.find_first_of(kFieldMarks);
    ImportedProxy proxy;
    std::string address(TrimSpaces(line.substr(0, mark)));
    std::string type;
    std::optional<std::string> state;
    while (mark != std::string_view::npos) {
        const size_t next = line.find_first_of(kFieldMarks, mark + 1);
        const std::string_view field = TrimSpaces(
            line.substr(mark + 1, next == std::string_view::npos ? next : next - mark - 1));
        switch (line[mark]) {
            case '@':
                type = field;
                break;
            case '#':
                proxy.alias = field;
                break;
            case '$':
                state = field;
                break;
            default:
                break;  // "&": not used
        }
        mark = next;
    }
    if (address.empty())
        return std::nullopt;
    if (!type.empty() && !NoCaseEqual{}(type, "HTTP"))
        address = Lower(type) + "=" + address;
    proxy.address = std::move(address);
    if (proxy.alias.empty())
        proxy.alias = proxy.address;
    proxy.speed = state && *state != "6" ? 0 : kDefaultProxySpeed;
    return proxy;
}

std::vector<ImportedProxy> ParseProxyLines(std::string_view text) {
    std::vector<ImportedProxy> proxies;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        if (auto proxy = ParseProxyLine(text.substr(0, end)))
            proxies.push_back(std::move(*proxy));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return proxies;
}

std::string ExportProxyLines(const ProxyCategory& category) {
    std::string text;
    for (const ProxyEntry& entry : category.entries) {
        if (entry.IsSeparator())
            continue;
        const size_t equals = entry.address.find('=');
        std::string type = "HTTP";
        std::string_view address = entry.address;
        if (equals != std::string::npos && equals > 0) {
            type = Upper(address.substr(0, equals));
            address.remove_prefix(equals + 1);
        }
        text.append(address.substr(0, kExportedAddress));
        text += "@" + type + "#" + entry.alias + "\n";
    }
    return text;
}

bool ImportProxyFile(ProxyList& list, FileSystem& fs, const std::string& path,
                     const ImportTarget& target) {
    auto& categories = list.Categories();
    if (target.category && (*target.category >= categories.size() ||
                            categories[*target.category].Kind() != ProxyKind::Server))
        return false;
    const std::optional<std::string> text = ReadWholeFile(fs, path);
    if (!text)
        return false;
    const std::vector<ImportedProxy> proxies = ParseProxyLines(*text);

    if (!target.category)
        categories.push_back({.bypass = "<local>", .name = target.newName});
    ProxyCategory& category = target.category ? categories[*target.category] : categories.back();
    if (target.emptyFirst)
        category.entries.clear();
    for (const ImportedProxy& proxy : proxies) {
        ProxyEntry* existing = nullptr;
        for (ProxyEntry& entry : category.entries)
            if (!entry.IsSeparator() && NoCaseEqual{}(entry.address, proxy.address)) {
                existing = &entry;
                break;
            }
        if (existing) {
            existing->alias = proxy.alias;
            existing->speed = proxy.speed;
        } else {
            category.entries.push_back(
                {.alias = proxy.alias, .address = proxy.address, .speed = proxy.speed});
        }
    }
    list.ResetMenuIndexes();
    list.changed = true;
    return true;
}

}  // namespace lumbrel
