#include "settings/DefaultFiles.h"

namespace lumbrel {
namespace {

constexpr DefaultFile kDefaultFiles[] = {
    {"Lumbrel.ini", DefaultFileTime::StartUp},
    {"SearchEngine.ini", DefaultFileTime::StartUp},
    {"Filter.ini", DefaultFileTime::StartUp},
    {"DownManager.ini", DefaultFileTime::Deferred},
    {"CollectorScript.txt", DefaultFileTime::Deferred},
    {"Proxy.ini", DefaultFileTime::Deferred},
};

}  // namespace

std::span<const DefaultFile> DefaultFiles() {
    return kDefaultFiles;
}

std::vector<std::string> CopyMissingDefaults(FileSystem& fs, const AppDirectories& dirs,
                                             DefaultFileTime when) {
    std::vector<std::string> copied;
    if (dirs.user.empty())
        return copied;
    for (const DefaultFile& file : kDefaultFiles) {
        if (file.when != when)
            continue;
        const std::string target = dirs.user + file.name;
        // A file that exists but is locked or unreadable right now is the user's data:
        // replacing it with the default would lose it.
        if (fs.Exists(target))
            continue;
        const std::string source = dirs.resource + file.name + ".default";
        if (fs.CopyFile(source, target, false))
            copied.emplace_back(file.name);
    }
    return copied;
}

}  // namespace lumbrel
