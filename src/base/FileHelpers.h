// File operations the program builds on the FileSystem port: bounded whole-file reads, the
// existence test of a folder written with its closing backslash, and creating a folder
// with all its missing parents (the user folder at start-up, save folders, group folder).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace lumbrel {

// Larger files are taken as unreadable: every file the program reads whole (settings,
// lists, language files, scripts) is far smaller, and a 32-bit process must not try to
// hold gigabytes because a file was replaced by something else.
inline constexpr size_t kMaxWholeFileBytes = 64u << 20;

// The whole content; nothing when the file is missing, unreadable or larger than `maxBytes`.
std::optional<std::string> ReadWholeFile(FileSystem& fs, const std::string& path,
                                         size_t maxBytes = kMaxWholeFileBytes);

// True when a file or folder exists at `path`; trailing separators are removed first (a
// drive root keeps its backslash). False for an empty path.
bool PathExists(FileSystem& fs, const CodePage& cp, std::string_view path);

// Creates the folder `path` and every missing folder above it, walking from the left. True
// when the folder exists afterwards.
//  - The root is never created: not a drive ("C:"), nor the "\\server" or "\\server\share"
//    of a network path (creating those always fails and costs a network round trip each).
//  - "." and ".." are resolved in the text first, so "C:\a\..\b" creates only "C:\b";
//    doubled and trailing separators are ignored.
//  - A folder that already exists is not created again; the walk stops at the first folder
//    that can be neither found nor created.
bool CreateFolderPath(FileSystem& fs, const CodePage& cp, std::string_view path);

}  // namespace lumbrel
