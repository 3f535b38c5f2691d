#include "mouse/DropData.h"

#include <cstdint>

namespace lumbrel {
namespace {

uint32_t LittleEndian32(std::string_view block, size_t at) {
    uint32_t value = 0;
    for (size_t i = 4; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(block[at + i]);
    return value;
}

}  // namespace

std::string DropText(std::string_view block) {
    return std::string(block.substr(0, block.find('\0')));
}

std::optional<std::string> FirstDescriptorName(std::string_view block) {
    if (block.size() < 4 + kFileDescriptorSize)
        return std::nullopt;
    if (LittleEndian32(block, 0) == 0)
        return std::nullopt;
    const std::string_view name =
        block.substr(4 + kFileDescriptorNameOffset, kFileDescriptorNameSize);
    return std::string(name.substr(0, name.find('\0')));
}

std::optional<std::string> FirstDroppedFile(std::string_view block, const CodePage& cp) {
    constexpr size_t kHeaderSize = 20;
    constexpr size_t kWideFlagOffset = 16;
    if (block.size() < kHeaderSize)
        return std::nullopt;
    const uint32_t offset = LittleEndian32(block, 0);
    if (offset < kHeaderSize || offset >= block.size())
        return std::nullopt;
    const std::string_view names = block.substr(offset);
    std::string name;
    if (LittleEndian32(block, kWideFlagOffset) != 0) {
        std::u16string wide;
        for (size_t i = 0; i + 1 < names.size(); i += 2) {
            const char16_t unit =
                static_cast<char16_t>(static_cast<unsigned char>(names[i]) |
                                      static_cast<unsigned char>(names[i + 1]) << 8);
            if (unit == 0)
                break;
            wide.push_back(unit);
        }
        name = cp.Utf16ToAnsi(wide);
    } else {
        name = DropText(names);
    }
    if (name.empty())
        return std::nullopt;
    return name;
}

std::string LinkTitleFromShortcutName(std::string_view fileName) {
    constexpr std::string_view kSuffix = ".url";
    if (fileName.size() >= kSuffix.size()) {
        const std::string_view tail = fileName.substr(fileName.size() - kSuffix.size());
        bool same = true;
        for (size_t i = 0; i < kSuffix.size(); ++i) {
            char c = tail[i];
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            same = same && c == kSuffix[i];
        }
        if (same)
            return std::string(fileName.substr(0, fileName.size() - kSuffix.size()));
    }
    return std::string(fileName);
}

std::optional<DroppedItem> ParseDrop(std::optional<std::string_view> textBlock,
                                     std::optional<std::string_view> descriptorBlock,
                                     bool linkOnly) {
    if (!textBlock)
        return std::nullopt;
    DroppedItem item;
    item.url = DropText(*textBlock);
    if (linkOnly) {
        item.link = true;
        if (descriptorBlock)
            if (std::optional<std::string> name = FirstDescriptorName(*descriptorBlock))
                item.title = LinkTitleFromShortcutName(*name);
    }
    return item;
}

}  // namespace lumbrel
