#include "base/Paths.h"

#include "base/DbcsText.h"

namespace lumbrel {
namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Position of the first separator at or after `from`, or the end of `path`.
size_t SeparatorOrEnd(const CodePage& cp, std::string_view path, size_t from) {
    size_t pos = from;
    for (size_t len; (len = CharLength(cp, path, pos)) != 0; pos += len) {
        if (len == 1 && IsPathSeparator(path[pos]))
            return pos;
    }
    return path.size();
}

// Length of `count` names from `from` on, with the separator after the last when present.
size_t SkipNames(const CodePage& cp, std::string_view path, size_t from, int count) {
    size_t pos = from;
    for (int i = 0; i < count && pos < path.size(); ++i) {
        pos = SeparatorOrEnd(cp, path, pos);
        if (pos < path.size())
            ++pos;
    }
    return pos;
}

size_t DriveRootLength(std::string_view path) {
    if (path.size() < 2 || !IsAsciiLetter(path[0]) || path[1] != ':')
        return 0;
    return path.size() > 2 && IsPathSeparator(path[2]) ? 3 : 2;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != prefix[i])
            return false;
    }
    return true;
}

// The root after a "\\?\" or "\\.\" prefix: a drive, "UNC\server\share", or a device or
// volume name ("\\?\Volume{...}\").
size_t DeviceRootLength(const CodePage& cp, std::string_view path) {
    constexpr size_t kPrefix = 4;
    if (size_t drive = DriveRootLength(path.substr(kPrefix)))
        return kPrefix + drive;
    std::string_view rest = path.substr(kPrefix);
    if (StartsWithNoCase(rest, "UNC") && rest.size() > 3 && IsPathSeparator(rest[3]))
        return SkipNames(cp, path, kPrefix + 4, 2);
    return SkipNames(cp, path, kPrefix, 1);
}

// Position of the last separator, npos when there is none.
size_t LastSeparator(const CodePage& cp, std::string_view path) {
    size_t last = std::string_view::npos;
    for (size_t pos = 0, len; (len = CharLength(cp, path, pos)) != 0; pos += len) {
        if (len == 1 && IsPathSeparator(path[pos]))
            last = pos;
    }
    return last;
}

}  // namespace

bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string ProgramDirectory(const CodePage& cp, std::string_view exePath) {
    const size_t last = LastSeparator(cp, exePath);
    return std::string(last == std::string_view::npos ? std::string_view()
                                                      : exePath.substr(0, last + 1));
}

PathParts SplitPath(const CodePage& cp, std::string_view path) {
    const size_t last = LastSeparator(cp, path);
    if (last == std::string_view::npos)
        return {std::string_view(), path};
    const size_t root = PathRootLength(cp, path);
    const size_t folderEnd = last + 1 <= root ? last + 1 : last;
    return {path.substr(0, folderEnd), path.substr(last + 1)};
}

std::string ResolvePathSetting(std::string_view value, std::string_view programDir,
                               std::string_view fallback) {
    if (value.empty())
        return std::string(fallback);
    if (value.size() >= 2 && value[0] == '.' && IsPathSeparator(value[1])) {
        std::string resolved(programDir);
        resolved += value.substr(2);
        return resolved;
    }
    return std::string(value);
}

size_t PathRootLength(const CodePage& cp, std::string_view path) {
    if (size_t drive = DriveRootLength(path))
        return drive;
    if (path.empty() || !IsPathSeparator(path[0]))
        return 0;
    if (path.size() < 2 || !IsPathSeparator(path[1]))
        return 1;
    bool device =
        path.size() >= 4 && (path[2] == '?' || path[2] == '.') && IsPathSeparator(path[3]);
    if (device)
        return DeviceRootLength(cp, path);
    return SkipNames(cp, path, 2, 2);
}

std::string_view StripTrailingSeparators(const CodePage& cp, std::string_view path) {
    size_t root = PathRootLength(cp, path);
    size_t end = root;
    for (size_t pos = root, len; (len = CharLength(cp, path, pos)) != 0; pos += len) {
        if (len == 2 || !IsPathSeparator(path[pos]))
            end = pos + len;
    }
    return path.substr(0, end);
}

}  // namespace lumbrel
