#include "favorites/FavoriteFile.h"

#include "base/DbcsText.h"
#include "base/InternetShortcut.h"
#include "frame/SessionFormat.h"

namespace lumbrel {

bool IsFavoriteFileName(const CodePage& cp, std::string_view name) {
    // The shell writes ".lnk" in lower case; a ".LNK" file is something else's.
    return EndsWithNoCase(cp, name, ".url") || name.ends_with(".lnk");
}

std::string FavoriteTitle(const CodePage& cp, std::string_view fileName) {
    if (IsFavoriteFileName(cp, fileName))
        fileName.remove_suffix(4);
    return std::string(fileName);
}

FavoriteTarget ReadFavoriteTarget(PrivateProfile& profiles, const CodePage& cp,
                                  const std::string& path) {
    if (!IsUrlShortcut(cp, path))
        return {path, kDefaultDownloadFlags};
    FavoriteTarget target;
    target.downloadFlags =
        profiles.GetInt(path, kShortcutSection, kShortcutPropertyKey, kDefaultDownloadFlags);
    target.address =
        profiles.GetString(path, kShortcutSection, kShortcutUrlKey, "", kAddressCapacity);
    return target;
}

bool WriteUrlShortcut(PrivateProfile& profiles, const std::string& path, std::string_view url,
                      int downloadFlags) {
    auto batch = profiles.BeginBatch(path);
    profiles.DeleteSection(path, kShortcutSection);
    bool written = profiles.WriteString(path, kShortcutSection, kShortcutUrlKey, IniSafeValue(url));
    if (downloadFlags != kDefaultDownloadFlags)
        written = profiles.WriteString(path, kShortcutSection, kShortcutPropertyKey,
                                       std::to_string(downloadFlags)) &&
                  written;
    return batch.Commit() && written;
}

}  // namespace lumbrel
