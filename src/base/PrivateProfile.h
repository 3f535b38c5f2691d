// The program's INI store, compatible with the Windows private-profile functions
// (GetPrivateProfileStringA / IntA / SectionA, WritePrivateProfileStringA) on every behaviour
// the program depends on: section and key names compared without regard to case, blanks
// around names and values ignored, one pair of matching quotes around a value removed,
// duplicates resolved to the first, new keys at the end of their section, new sections at the
// end of the file, empty values written as "key=".
//
// Every read sees the latest write, also one made by another process: the parsed file is
// cached per path and re-validated against the file's stamp on every call. Every write
// replaces the whole file atomically through FileSystem::WriteFileAtomic. A batch groups many
// writes into one file replacement.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace lumbrel {

struct ProfileEntry {
    std::string key;
    std::string value;  // as GetString would return it (trimmed, quotes removed)
};

class PrivateProfile {
public:
    explicit PrivateProfile(FileSystem& fs);
    ~PrivateProfile();
    PrivateProfile(const PrivateProfile&) = delete;
    PrivateProfile& operator=(const PrivateProfile&) = delete;

    // The value of `key` in the first section named `section`, cut to `capacity` - 1 bytes;
    // when the key is missing, `def` with trailing blanks removed, cut likewise.
    std::string GetString(const std::string& file, std::string_view section, std::string_view key,
                          std::string_view def, size_t capacity = 4096);
    // As GetPrivateProfileIntA: leading blanks, an optional sign, "0x"/"0o"/"0b" prefixes,
    // digits up to the first other character; `def` when the key is missing or empty.
    int GetInt(const std::string& file, std::string_view section, std::string_view key, int def);

    // Every key=value line of the first section named `section`, in file order, duplicates
    // kept: one parse for a whole numbered list.
    std::vector<ProfileEntry> GetSection(const std::string& file, std::string_view section);
    std::vector<std::string> GetKeyNames(const std::string& file, std::string_view section);
    std::vector<std::string> GetSectionNames(const std::string& file);

    // Writes one value (an empty value writes "key="). Creates the file, the section and the
    // key as needed. False when the file cannot be written.
    bool WriteString(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view value);
    bool DeleteKey(const std::string& file, std::string_view section, std::string_view key);
    bool DeleteSection(const std::string& file, std::string_view section);

    // Groups writes to one file: reads through the store see them at once, the file is
    // replaced once, by Commit() or when the batch ends.
    class Batch {
    public:
        ~Batch();
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
