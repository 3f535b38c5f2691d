// Windows path texts: the program directory, ".\" settings, roots and trailing separators.
//
// Paths are ANSI bytes, so a backslash is only a separator when it is not the trail byte of
// a double-byte character (GBK and Shift-JIS have characters ending in 0x5C); every search
// for a separator walks the text with the code page. "/" is accepted as a separator
// wherever "\" is, as the Windows file API does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace lumbrel {

bool IsPathSeparator(char c);

// The folder of the executable with its closing backslash: everything up to and including
// the last separator of `exePath`. Empty when the path has no separator.
std::string ProgramDirectory(const CodePage& cp, std::string_view exePath);

// A folder or file setting: empty gives `fallback`; one beginning with ".\" (or "./") is
// taken relative to `programDir` (which ends with a backslash); any other is used as it is.
std::string ResolvePathSetting(std::string_view value, std::string_view programDir,
                               std::string_view fallback = {});

// Bytes of the part of a path that names no folder to create, with its separator when
// present: "C:\" 3, "C:" 2, "\" 1, "\\server\share\" (both names), "\\?\C:\" and
// "\\?\UNC\server\share\" likewise; 0 for a relative path.
size_t PathRootLength(const CodePage& cp, std::string_view path);

// A path cut at its last separator. `folder` is what comes before it, keeping the separator
// only when it is the root ("C:\", "\"); `name` is what follows it. Without a separator the
// folder is empty and the name is the whole path.
struct PathParts {
    std::string_view folder;
    std::string_view name;
};
PathParts SplitPath(const CodePage& cp, std::string_view path);

// `path` without trailing separators, but never shorter than its root ("C:\" stays "C:\").
std::string_view StripTrailingSeparators(const CodePage& cp, std::string_view path);

}  // namespace lumbrel
