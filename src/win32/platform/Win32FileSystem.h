// The FileSystem port over the Win32 ANSI file API: what the core's settings, lists and
// sessions are read from and written to on Windows.
//
// Paths are passed to the ANSI functions as they are (ANSI code page, MAX_PATH). Every handle
// is owned by a UniqueHandle or FindHandle, and no exception leaves a method: a failure,
// including running out of memory, is reported as the port's "nothing" or false.
#pragma once

#include "win32/platform/WinApi.h"  // before the port: see WinApi.h

#include "platform/FileSystem.h"

namespace lumbrel::win32 {

class Win32FileSystem final : public FileSystem {
public:
    // Whole-file reads stop here: no file the program reads comes near it, and a 32-bit
    // process must not try to hold a runaway one.
    static constexpr uint64_t kMaxReadSize = 256u * 1024u * 1024u;

    // FileSystem
    std::optional<std::string> ReadFile(const std::string& path) override;
    // A temporary file in the same folder, flushed to the disk, then moved over `path` in
    // one step (MoveFileEx with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH). The
    // temporary file is deleted on failure. A read-only target is not replaced; a hidden or
    // system target keeps those attributes.
    bool WriteFileAtomic(const std::string& path, std::string_view data) override;
    bool AppendFile(const std::string& path, std::string_view data) override;
    bool Exists(const std::string& path) override;
    bool IsDirectory(const std::string& path) override;
    // Size and last write time from one GetFileAttributesExA call; `fileId` stays 0 (see
    // WriteFileAtomic in the .cpp for why the time is enough).
    std::optional<FileStamp> Stamp(const std::string& path) override;
    std::vector<DirEntry> ListFolder(const std::string& pattern) override;
    bool CreateFolder(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to, bool overwrite) override;
    // Fails when `to` exists; moves across volumes by copying.
    bool MoveFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
};

}  // namespace lumbrel::win32
