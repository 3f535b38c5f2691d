// The program's INI store, compatible with the Windows private-profile functions
// (GetPrivateProfileStringA / IntA / SectionA, WritePrivateProfileStringA) on every behaviour
// the program depends on: section and key names compared without regard to case, blanks
// around names and values ignored, one pair of matching quotes around a value removed,
// duplicates resolved to the first, new keys at the end of their section, new sections at the
// end of the file, empty values written as "key=".
//
// Where the Windows functions let a caller damage the file, this store refuses: a value is
// cut at its first line break (what a later read would return anyway), and a section name
// holding ']', a key holding '=' or starting with '[', or any name holding a line break or a
// NUL is not written at all. A file that exists but cannot be read is never overwritten.
//
// Every read sees the latest write, also one made by another process: the parsed file is
// cached per path and re-validated against the file's stamp on every call. Every write
// replaces the whole file atomically through FileSystem::WriteFileAtomic. A batch groups many
// writes into one file replacement.
//
// A store serves one thread. A worker thread that writes a file uses a store of its own; the
// two see each other's writes as they see another process's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/ProfileDocument.h"
#include "platform/FileSystem.h"

namespace lumbrel {

// What the store keeps of a value written: the text before its first line break or NUL,
// without blanks around it.
std::string_view StorableValue(std::string_view value);

class PrivateProfile {
public:
    explicit PrivateProfile(FileSystem& fs);
    ~PrivateProfile();
    PrivateProfile(const PrivateProfile&) = delete;
    PrivateProfile& operator=(const PrivateProfile&) = delete;

    // The value of `key` in the first section named `section`, cut to `capacity` - 1 bytes;
    // when the key is missing, `def` with trailing spaces removed, cut likewise.
    std::string GetString(const std::string& file, std::string_view section, std::string_view key,
                          std::string_view def, size_t capacity = 4096);
    // As GetPrivateProfileIntA: leading blanks, an optional sign, "0x"/"0o"/"0b" prefixes,
    // digits up to the first other character; `def` when the key is missing or empty.
    int GetInt(const std::string& file, std::string_view section, std::string_view key, int def);

    // Every key=value line of the first section named `section`, in file order, duplicates
    // kept, comment keys (starting with ';') and lines without '=' left out: one parse for a
    // whole numbered list.
    std::vector<ProfileEntry> GetSection(const std::string& file, std::string_view section);
    // The keys of GetSection, in the same order.
    std::vector<std::string> GetKeyNames(const std::string& file, std::string_view section);
    // Every section name in file order, duplicates kept.
    std::vector<std::string> GetSectionNames(const std::string& file);

    // Writes one value (an empty value writes "key="); blanks around names and value are
    // dropped. Creates the file, the section and the key as needed; writes nothing when the
    // value is already stored. False when the names are refused or the file cannot be
    // written (or exists but cannot be read).
    bool WriteString(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view value);
    // Removes every line of `key` in the first section of that name. True when nothing was
    // there to remove.
    bool DeleteKey(const std::string& file, std::string_view section, std::string_view key);
    // Removes every section of that name with all its lines (comments included).
    bool DeleteSection(const std::string& file, std::string_view section);

    // Groups writes to one file: reads through the store see them at once, the file is
    // replaced once, by Commit() or when the last open batch of the file ends. A change made
    // by another process meanwhile is read in and the batch's writes are replayed over it.
    // When the replacement fails the batch's writes are dropped and reads see the file again.
    // A batch must end before its store.
    class Batch {
    public:
        ~Batch();
        // Writes what the batch changed so far (nothing when unchanged). False on failure.
        bool Commit();
        Batch(Batch&&) noexcept;
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        friend class PrivateProfile;
        Batch(PrivateProfile& store, std::string file);
        PrivateProfile* store_;
        std::string file_;
    };
    Batch BeginBatch(const std::string& file);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace lumbrel
