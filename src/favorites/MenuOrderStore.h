// The user's manual order of the favorites folders, kept where the shell keeps it: one
// "Order" value per folder under the MenuOrder key, the root's directly on it and each
// subfolder's on the key named by its path below the root.
//
// Driven by the favorites menu builder (reading), the side bar (writing after a drag, Reset
// Order) and renames of folders (moving the data along).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "favorites/OrderBlob.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"

namespace lumbrel {

inline constexpr const char* kMenuOrderKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Favorites";
inline constexpr const char* kOrderValue = "Order";

class MenuOrderStore {
public:
    // `root` is the favorites root, ending with a backslash.
    MenuOrderStore(const CodePage& cp, Registry& registry, std::string root)
        : cp_(cp), registry_(registry), root_(std::move(root)) {}

    // The key of `folder` (the root or a folder below it, with or without its closing
    // backslash); nothing for a folder outside the root.
    std::optional<std::string> KeyOf(const std::string& folder) const;

    // The folder's order; empty when there is none, it is not binary, or it is damaged.
    OrderTable Read(const std::string& folder) const;
    // Writes the order after a drag: folders first, then files, each group by name without
    // regard to case, positions counted from 0. Creates the key. False when it fails.
    bool Write(const std::string& folder, const std::vector<DirEntry>& items);
    // Deletes the folder's "Order" value: its menus fall back to name order.
    bool Reset(const std::string& folder);
    // After a folder was renamed or moved: its order and that of every folder below it go
    // to the new key, and the old key is deleted once every copy succeeded. Nothing happens
    // when the two keys are the same key (a rename that changes only letter case).
    bool Move(const std::string& oldFolder, const std::string& newFolder);

private:
    bool CopyTree(const std::string& from, const std::string& to);

    const CodePage& cp_;
    Registry& registry_;
    std::string root_;
};

}  // namespace lumbrel
