#include "shell/SkinFiles.h"

#include <utility>

namespace lumbrel {

SkinFiles::SkinFiles(FileSystem& files, std::string skinFolder, std::string skinName)
    : files_(files), folder_(std::move(skinFolder)), name_(std::move(skinName)) {}

std::optional<std::string> SkinFiles::InSkin(const std::string& skin,
                                             const std::string& file) const {
    // An empty skin name or file name would name the skin folder itself or a folder.
    if (skin.empty() || file.empty())
        return std::nullopt;
    std::string path = folder_ + skin + "\\" + file;
    if (files_.Exists(path) && !files_.IsDirectory(path))
        return path;
    return std::nullopt;
}

std::optional<std::string> SkinFiles::Resolve(const std::string& file) const {
    if (auto chosen = InSkin(name_, file))
        return chosen;
    return InSkin(kDefaultSkin, file);
}

std::optional<std::string> SkinFiles::Background() const {
    return InSkin(name_, "BackGround.bmp");
}

}  // namespace lumbrel
