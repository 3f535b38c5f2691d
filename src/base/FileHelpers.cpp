#include "base/FileHelpers.h"

#include <vector>

#include "base/DbcsText.h"
#include "base/Paths.h"

namespace lumbrel {
namespace {

// The names after the root, with "." dropped and ".." taking away the name before it. On
// an absolute path ".." never climbs above the root; on a relative one it is kept.
std::vector<std::string_view> FolderNames(const CodePage& cp, std::string_view path, size_t root) {
    std::vector<std::string_view> names;
    size_t start = root;
    for (size_t pos = root;;) {
        size_t len = CharLength(cp, path, pos);
        if (len == 0 || (len == 1 && IsPathSeparator(path[pos]))) {
            std::string_view name = path.substr(start, pos - start);
            if (name == "..") {
                if (!names.empty() && names.back() != "..")
                    names.pop_back();
                else if (root == 0)
                    names.push_back(name);
            } else if (!name.empty() && name != ".") {
                names.push_back(name);
            }
            if (len == 0)
                break;
            start = pos + 1;
        }
        pos += len;
    }
    return names;
}

bool EnsureFolder(FileSystem& fs, const std::string& folder) {
    if (fs.Exists(folder))
        return fs.IsDirectory(folder);
    // Another process may create it between the two calls: look again before giving up.
    return fs.CreateFolder(folder) || fs.IsDirectory(folder);
}

}  // namespace

std::optional<std::string> ReadWholeFile(FileSystem& fs, const std::string& path, size_t maxBytes) {
    if (auto stamp = fs.Stamp(path); stamp && stamp->size > maxBytes)
        return std::nullopt;
    std::optional<std::string> content = fs.ReadFile(path);
    // The file may have grown since its stamp was taken.
    if (content && content->size() > maxBytes)
        return std::nullopt;
    return content;
}

bool PathExists(FileSystem& fs, const CodePage& cp, std::string_view path) {
    if (path.empty())
        return false;
    return fs.Exists(std::string(StripTrailingSeparators(cp, path)));
}

bool CreateFolderPath(FileSystem& fs, const CodePage& cp, std::string_view path) {
    if (path.empty())
        return false;
    size_t root = PathRootLength(cp, path);
    std::vector<std::string_view> names = FolderNames(cp, path, root);
    std::string folder(path.substr(0, root));
    if (names.empty())
        return root != 0 && fs.IsDirectory(folder);
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            folder += '\\';
        folder += names[i];
        if (!EnsureFolder(fs, folder))
            return false;
    }
    return true;
}

}  // namespace lumbrel
