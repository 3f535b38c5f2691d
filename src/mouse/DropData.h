// Reading what was dropped on a page. The data can come from any program, so every read is
// bounded by the size of the memory block that holds it: a text need not end in a NUL, and a
// file-group descriptor may be short, empty or claim more items than it holds.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

// Layout of the ANSI file-group descriptor ("FileGroupDescriptor"): a 32-bit item count, then
// the descriptors, each with its file name (260 bytes) at a fixed offset.
inline constexpr size_t kFileDescriptorSize = 332;
inline constexpr size_t kFileDescriptorNameOffset = 72;
inline constexpr size_t kFileDescriptorNameSize = 260;

// The text of a CF_TEXT block: up to the first NUL or the end of the block.
std::string DropText(std::string_view block);

// The first file name of a file-group descriptor block; nothing when the block holds no whole
// descriptor or says it has no item.
std::optional<std::string> FirstDescriptorName(std::string_view block);

// The first file name of a dropped-files block (CF_HDROP: a 20-byte header whose first field
// is the offset of the names, and whose last says they are UTF-16), in the ANSI code page;
// nothing when the block is too short, the offset lies outside it or the name is empty.
std::optional<std::string> FirstDroppedFile(std::string_view block, const CodePage& cp);

// The title of a dragged link from its shortcut's file name: without ".url" when it ends so.
std::string LinkTitleFromShortcutName(std::string_view fileName);

struct DroppedItem {
    std::string url;    // the text of the drop (an address or words)
    std::string title;  // a link's title, from the shortcut the source offered
    bool link = false;
};

// What a drop holds: nothing without text. `linkOnly`: the source allows the link effect only,
// which the engine does for a dragged link.
std::optional<DroppedItem> ParseDrop(std::optional<std::string_view> textBlock,
                                     std::optional<std::string_view> descriptorBlock,
                                     bool linkOnly);

}  // namespace lumbrel
