// The FileSystem port over real files on Linux, for benchmarks and tests that need real I/O
// (reads, rename-based atomic replacement, stamps that other processes can change).
//
// Windows paths map into a root folder: "C:\dir\file.ini" is root/dir/file.ini (the drive is
// dropped, backslashes become slashes). Names are compared as the host does, with case.
#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace lumbrel::test {

class PosixFileSystem : public FileSystem {
public:
    // `syncWrites`: WriteFileAtomic flushes the data to the disk before the rename, as the
    // Windows implementation does; turn off to measure the program's own work alone.
    explicit PosixFileSystem(std::string root, bool syncWrites = true);

    // The host path that a Windows path maps to.
    std::string HostPath(const std::string& path) const;

    // FileSystem
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool WriteFileAtomic(const std::string& path, std::string_view data) override;
    bool AppendFile(const std::string& path, std::string_view data) override;
    bool Exists(const std::string& path) override;
    bool IsDirectory(const std::string& path) override;
    std::optional<FileStamp> Stamp(const std::string& path) override;
    std::vector<DirEntry> ListFolder(const std::string& pattern) override;
    bool CreateFolder(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to, bool overwrite) override;
    bool MoveFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;

private:
    std::string root_;
    bool syncWrites_;
};

}  // namespace lumbrel::test
