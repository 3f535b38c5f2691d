// The file system as the core sees it.
//
// Paths are Windows paths in the ANSI code page ("C:\Lumbrel\User\Lumbrel.ini"). The Windows
// binding implements this over the Win32 file API; tests use an in-memory tree with
// case-insensitive names and injectable failures. Nothing here throws.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumbrel {

// File attribute bits, the values of the Win32 FILE_ATTRIBUTE_* constants.
enum FileAttribute : uint32_t {
    kAttrReadOnly = 0x01,
    kAttrHidden = 0x02,
    kAttrSystem = 0x04,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
    kAttrNormal = 0x80,
    kAttrReparsePoint = 0x400,  // a junction or symbolic link
};

// What identifies one version of a file: when any field differs, the content may differ.
// A replace by rename changes `fileId`; an in-place rewrite changes `writeTime` (and usually
// `size`).
struct FileStamp {
    uint64_t size = 0;
    uint64_t writeTime = 0;  // 100-ns units, as FILETIME
    uint64_t fileId = 0;     // volume-unique file index
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct DirEntry {
    std::string name;  // file name only, no folder
    uint32_t attributes = 0;
    uint64_t size = 0;
    uint64_t writeTime = 0;  // 100-ns units, as FILETIME
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content, or nothing when the file cannot be opened or read.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;

    // Replaces the file with `data` as one step: a crash leaves the old content or the new,
    // never a mix. Creates the file when missing; the folder must exist.
    virtual bool WriteFileAtomic(const std::string& path, std::string_view data) = 0;

    // Appends `data`, creating the file when missing.
    virtual bool AppendFile(const std::string& path, std::string_view data) = 0;

    // True when a file or folder exists at `path` (a trailing backslash is ignored).
    virtual bool Exists(const std::string& path) = 0;
    virtual bool IsDirectory(const std::string& path) = 0;

    // The stamp of an existing file; nothing when it is missing or a folder.
    virtual std::optional<FileStamp> Stamp(const std::string& path) = 0;

    // The entries matching a pattern such as "C:\dir\*.ini" ("." and ".." left out).
    virtual std::vector<DirEntry> ListFolder(const std::string& pattern) = 0;

    // Creates one folder; its parent must exist. False when it fails or already exists.
    virtual bool CreateFolder(const std::string& path) = 0;

    virtual bool CopyFile(const std::string& from, const std::string& to, bool overwrite) = 0;
    virtual bool MoveFile(const std::string& from, const std::string& to) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
};

}  // namespace lumbrel
