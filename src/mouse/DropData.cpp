#include "mouse/DropData.h"

#include <cstdint>

namespace lumbrel {

std::string DropText(std::string_view block) {
    return std::string(block.substr(0, block.find('\0')));
}

std::optional<std::string> FirstDescriptorName(std::string_view block) {
    if (block.size() < 4 + kFileDescriptorSize)
        return std::nullopt;
    uint32_t count = 0;
    for (int i = 3; i >= 0; --i)
        count = (count << 8) | static_cast<unsigned char>(block[static_cast<size_t>(i)]);
    if (count == 0)
        return std::nullopt;
    const std::string_view name =
        block.substr(4 + kFileDescriptorNameOffset, kFileDescriptorNameSize);
    return std::string(name.substr(0, name.find('\0')));
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
