// An in-memory file system with Windows path rules: backslash or slash separators, names
// compared without regard to ASCII case, "C:\" style roots. Failures can be injected per path
// and per operation; every successful write gets a new stamp.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace lumbrel::test {

enum class FsOp { Read, Write, Append, CreateFolder, Copy, Move, Delete, List };

class FakeFileSystem : public FileSystem {
public:
    FakeFileSystem();

    // Test setup and inspection.
    void AddFile(const std::string& path, const std::string& content);  // creates folders
    void AddFolder(const std::string& path);                            // creates parents
    std::string Content(const std::string& path) const;                 // "" when missing
    bool HasFile(const std::string& path) const;
    bool HasFolder(const std::string& path) const;
    void SetAttributes(const std::string& path, uint32_t attributes);
    // Makes every `op` on `path` fail until cleared.
    void FailOn(FsOp op, const std::string& path);
    void ClearFailures();
    // Cuts the process after `steps` more steps that change the disk: every later change
    // fails and leaves nothing behind. An atomic write is two steps (a temporary file written
    // beside the target, then renamed over it); a move, copy, delete or append is one.
    // A negative count lifts the cut (the next run of the program).
    void CutAfter(int steps) { stepsLeft_ = steps; }
    bool Cut() const { return stepsLeft_ == 0; }
    int WriteCount() const { return writeCount_; }
    int ReadCount() const { return readCount_; }

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
    struct File {
        std::string displayName;
        std::string content;
        uint32_t attributes = kAttrArchive;
        FileStamp stamp;
    };
    struct Folder {
        std::string displayName;
        uint32_t attributes = kAttrDirectory;
    };

    static std::string Key(const std::string& path);  // normalised, lower-case
    static std::string ParentKey(const std::string& key);
    bool Fails(FsOp op, const std::string& path) const;
    bool ParentExists(const std::string& key) const;
    void Touch(File& file);

    std::map<std::string, File> files_;
    std::map<std::string, Folder> folders_;
    std::set<std::pair<FsOp, std::string>> failures_;
    uint64_t nextId_ = 1;
    uint64_t now_ = 132000000000000000ull;
    int writeCount_ = 0;
    int readCount_ = 0;
    int stepsLeft_ = -1;
    // Takes one step of a change; false once the process is cut.
    bool Step();
};

}  // namespace lumbrel::test
