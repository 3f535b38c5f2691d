#include "base/InternetShortcut.h"

#include "base/DbcsText.h"

namespace lumbrel {

bool IsUrlShortcut(const CodePage& cp, std::string_view path) {
    return EndsWithNoCase(cp, path, ".url");
}

std::string ResolveUrlShortcut(PrivateProfile& profile, const CodePage& cp,
                               const std::string& path) {
    if (!IsUrlShortcut(cp, path))
        return path;
    return profile.GetString(path, "InternetShortcut", "URL", "", kAddressCapacity);
}

}  // namespace lumbrel
