// Where the favorites live: the root folder the menus, the links bar and the side bar are
// built from, and the links folder below it. Resolved when the main frame starts and again
// when the options change; the main frame keeps the result.
#pragma once

#include <optional>
#include <string>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "settings/SettingsStore.h"

namespace lumbrel {

// The shell's name for the links folder, below the root.
inline constexpr const char* kToolbarKey = "Software\\Microsoft\\Internet Explorer\\Toolbar";
inline constexpr const char* kLinksFolderNameValue = "LinksFolderName";

// The names a links folder has had on localised systems, tried in this order when the
// shell's value is missing: Chinese (GBK), English, Chinese (Big5), lower-case English, and
// a second GBK spelling.
inline constexpr const char* kLinksFolderFallbacks[] = {
    "\xC1\xB4\xBD\xD3\\", "Links\\", "\xB3\x73\xB5\xB2\\", "links\\", "\xDF\x42\xBD\x59\\",
};

struct FavoritesFolders {
    std::string root;                  // ends with a backslash
    std::optional<std::string> links;  // ends with a backslash; none: no links bar
    // The shell could not give its Favorites folder: the user is told, and the Windows
    // directory's "favorites" stands in.
    bool shellFolderMissing = false;
};

class FavoritesFolderResolver {
public:
    FavoritesFolderResolver(const CodePage& cp, FileSystem& files, Registry& registry, Shell& shell)
        : cp_(cp), files_(files), registry_(registry), shell_(shell) {}

    // Reads `UseDefaultFavPath`, `FavPath`, `UseDefaultLinkPath` and `LinkPath`; ".\" paths
    // are relative to `programDir` (which ends with a backslash).
    FavoritesFolders Resolve(SettingsStore& settings, const std::string& programDir);

    // The root: the shell's folder, or the fallback below the Windows directory.
    std::string ShellRoot(bool& shellFolderMissing);
    // The links folder below `root`: the shell's name when that folder exists, else the
    // first existing fallback name.
    std::optional<std::string> DefaultLinks(const std::string& root);

private:
    std::string AsFolder(const std::string& path) const;

    const CodePage& cp_;
    FileSystem& files_;
    Registry& registry_;
    Shell& shell_;
};

}  // namespace lumbrel
