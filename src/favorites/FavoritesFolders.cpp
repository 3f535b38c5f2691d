#include "favorites/FavoritesFolders.h"

#include "base/Paths.h"

namespace lumbrel {

std::string FavoritesFolderResolver::AsFolder(const std::string& path) const {
    // A GBK name may end in a trail byte 0x5C: only a real separator counts as the closing one.
    return std::string(StripTrailingSeparators(cp_, path)) + "\\";
}

std::string FavoritesFolderResolver::ShellRoot(bool& shellFolderMissing) {
    if (auto folder = shell_.FolderPath(SystemFolder::Favorites); folder && !folder->empty()) {
        shellFolderMissing = false;
        return AsFolder(*folder);
    }
    shellFolderMissing = true;
    const std::string windows = shell_.FolderPath(SystemFolder::Windows).value_or("C:\\WINDOWS");
    return AsFolder(std::string(StripTrailingSeparators(cp_, windows)) + "\\favorites");
}

std::optional<std::string> FavoritesFolderResolver::DefaultLinks(const std::string& root) {
    if (auto name = registry_.ReadString(RegRoot::CurrentUser, kToolbarKey, kLinksFolderNameValue);
        name && !name->empty()) {
        const std::string folder = AsFolder(root + *name);
        if (files_.IsDirectory(folder))
            return folder;
    }
    for (const char* fallback : kLinksFolderFallbacks) {
        const std::string folder = root + fallback;
        if (files_.IsDirectory(folder))
            return folder;
    }
    return std::nullopt;
}

FavoritesFolders FavoritesFolderResolver::Resolve(SettingsStore& settings,
                                                  const std::string& programDir) {
    FavoritesFolders result;
    const std::string favPath = settings.Get(keys::FavPath);
    // Without a configured folder the shell's own is the only sensible one.
    if (settings.Get(keys::UseDefaultFavPath) != 0 || favPath.empty())
        result.root = ShellRoot(result.shellFolderMissing);
    else
        result.root = AsFolder(ResolvePathSetting(favPath, programDir));

    if (settings.Get(keys::UseDefaultLinkPath) != 0) {
        result.links = DefaultLinks(result.root);
    } else if (const std::string linkPath = settings.Get(keys::LinkPath); !linkPath.empty()) {
        result.links = AsFolder(ResolvePathSetting(linkPath, programDir));
    }
    return result;
}

}  // namespace lumbrel
