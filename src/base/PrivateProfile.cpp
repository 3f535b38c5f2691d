#include "base/PrivateProfile.h"

#include <utility>

namespace lumbrel {
namespace {

enum class EditKind { Set, EraseKey, EraseSection };

struct Edit {
    EditKind kind;
    std::string section;
    std::string key;
    std::string value;
};

bool ApplyEdit(ProfileDocument& doc, const Edit& edit) {
    switch (edit.kind) {
        case EditKind::Set:
            return doc.Set(edit.section, edit.key, edit.value);
        case EditKind::EraseKey:
            return doc.EraseKey(edit.section, edit.key);
        case EditKind::EraseSection:
            return doc.EraseSection(edit.section);
    }
    return false;
}

constexpr std::string_view kLineBreakOrNul("\r\n\0", 3);

// ']' would end the header early; the Windows functions take the last ']', but other readers
// of these files take the first.
bool IsWritableSection(std::string_view name) {
    return name.find(']') == std::string_view::npos &&
           name.find_first_of(kLineBreakOrNul) == std::string_view::npos;
}

// A key holding '=' would be read back as a shorter key, and "[a" with a value holding ']'
// would be read back as a section header. A line break is refused wherever it stands, also
// at an end where trimming would drop it: such a name is a caller's mistake, as in a section.
bool IsWritableKey(std::string_view name) {
    if (name.find_first_of(kLineBreakOrNul) != std::string_view::npos)
        return false;
    name = TrimProfileBlanks(name);
    return !name.starts_with('[') && name.find('=') == std::string_view::npos;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return -1;
}

// Reads a number the way GetPrivateProfileIntA does (RtlUnicodeStringToInteger, base 0):
// control characters and blanks, one sign, a lower-case "0x", "0o" or "0b" prefix, then
// digits up to the first one that does not belong to the base; overflow wraps.
uint32_t ParseProfileInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (text.size() - i >= 2 && text[i] == '0') {
        char prefix = text[i + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10)
            i += 2;
    }
    uint32_t total = 0;
    for (; i < text.size(); ++i) {
        int digit = DigitValue(text[i]);
        if (digit < 0 || digit >= base)
            break;
        total = total * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
    }
    return negative ? 0u - total : total;
}

}  // namespace

// A line break in a value would let the caller inject lines into the file; a read stops at
// the first one anyway.
std::string_view StorableValue(std::string_view value) {
    return TrimProfileBlanks(value.substr(0, value.find_first_of(kLineBreakOrNul)));
}

struct PrivateProfile::Impl {
    struct CachedFile {
        bool valid = false;  // `doc` is the content of the file version `stamp`
        bool unreadable = false;
        std::optional<FileStamp> stamp;  // nothing: the file was missing
        ProfileDocument doc;
        int openBatches = 0;
        std::vector<Edit> pending;  // edits of the open batches, not yet in the file
    };

    explicit Impl(FileSystem& fileSystem) : fs(fileSystem) {}
    CachedFile& Current(const std::string& path);
    bool Write(const std::string& path, Edit edit);
    bool Flush(const std::string& path, CachedFile& file);
    bool Commit(const std::string& path);
    void EndBatch(const std::string& path);

    FileSystem& fs;
    NoCaseMap<CachedFile> files;
};

// One stamp query per call keeps the cache honest towards other processes; the file is read
// and parsed again only when the stamp moved.
PrivateProfile::Impl::CachedFile& PrivateProfile::Impl::Current(const std::string& path) {
    CachedFile& file = files[path];
    std::optional<FileStamp> stamp = fs.Stamp(path);
    if (file.valid && stamp == file.stamp)
        return file;
    file.doc = ProfileDocument();
    file.stamp = stamp;
    file.valid = true;
    file.unreadable = false;
    if (stamp) {
        std::optional<std::string> text = fs.ReadFile(path);
        if (text) {
            file.doc = ProfileDocument::Parse(*text);
        } else {
            file.unreadable = true;
            file.valid = false;
        }
    }
    for (const Edit& edit : file.pending)
        ApplyEdit(file.doc, edit);
    return file;
}

bool PrivateProfile::Impl::Write(const std::string& path, Edit edit) {
    CachedFile& file = Current(path);
    // Writing what we could not read would replace the user's file with our few keys.
    if (file.unreadable)
        return false;
    if (!ApplyEdit(file.doc, edit))
        return true;
    if (file.openBatches > 0) {
        file.pending.push_back(std::move(edit));
        return true;
    }
    return Flush(path, file);
}

bool PrivateProfile::Impl::Flush(const std::string& path, CachedFile& file) {
    file.pending.clear();
    if (fs.WriteFileAtomic(path, file.doc.Serialize())) {
        file.stamp = fs.Stamp(path);
        file.valid = file.stamp.has_value();
        return true;
    }
    // The document holds edits the file does not: read the file again next time.
    file.valid = false;
    return false;
}

bool PrivateProfile::Impl::Commit(const std::string& path) {
    auto it = files.find(path);
    if (it == files.end() || it->second.pending.empty())
        return true;
    CachedFile& file = Current(path);
    if (file.unreadable) {
        file.pending.clear();
        return false;
    }
    return Flush(path, file);
}

void PrivateProfile::Impl::EndBatch(const std::string& path) {
    auto it = files.find(path);
    if (it == files.end() || it->second.openBatches == 0)
        return;
    if (--it->second.openBatches == 0)
        Commit(path);
}

PrivateProfile::PrivateProfile(FileSystem& fs) : impl_(std::make_unique<Impl>(fs)) {}

PrivateProfile::~PrivateProfile() = default;

std::string PrivateProfile::GetString(const std::string& file, std::string_view section,
                                      std::string_view key, std::string_view def, size_t capacity) {
    if (capacity == 0)
        return {};
    std::string_view value;
    const ProfileDocument& doc = impl_->Current(file).doc;
    if (std::optional<std::string_view> raw = doc.FindRaw(section, key)) {
        value = UnquoteProfileValue(*raw);
    } else {
        value = def;
        while (!value.empty() && value.back() == ' ')
            value.remove_suffix(1);
    }
    return std::string(value.substr(0, capacity - 1));
}

int PrivateProfile::GetInt(const std::string& file, std::string_view section, std::string_view key,
                           int def) {
    // GetPrivateProfileIntA reads the value into a buffer of 30 characters first.
    std::string text = GetString(file, section, key, "", 30);
    if (text.empty())
        return def;
    return static_cast<int>(ParseProfileInteger(text));
}

std::vector<ProfileEntry> PrivateProfile::GetSection(const std::string& file,
                                                     std::string_view section) {
    return impl_->Current(file).doc.Entries(section);
}

std::vector<std::string> PrivateProfile::GetKeyNames(const std::string& file,
                                                     std::string_view section) {
    return impl_->Current(file).doc.KeyNames(section);
}

std::vector<std::string> PrivateProfile::GetSectionNames(const std::string& file) {
    return impl_->Current(file).doc.SectionNames();
}

bool PrivateProfile::WriteString(const std::string& file, std::string_view section,
                                 std::string_view key, std::string_view value) {
    if (!IsWritableSection(section) || !IsWritableKey(key))
        return false;
    return impl_->Write(file, Edit{EditKind::Set, std::string(section), std::string(key),
                                   std::string(StorableValue(value))});
}

bool PrivateProfile::DeleteKey(const std::string& file, std::string_view section,
                               std::string_view key) {
    return impl_->Write(file, Edit{EditKind::EraseKey, std::string(section), std::string(key), {}});
}

bool PrivateProfile::DeleteSection(const std::string& file, std::string_view section) {
    return impl_->Write(file, Edit{EditKind::EraseSection, std::string(section), {}, {}});
}

PrivateProfile::Batch PrivateProfile::BeginBatch(const std::string& file) {
    ++impl_->files[file].openBatches;
    return Batch(*this, file);
}

PrivateProfile::Batch::Batch(PrivateProfile& store, std::string file)
    : store_(&store), file_(std::move(file)) {}

PrivateProfile::Batch::Batch(Batch&& other) noexcept
    : store_(std::exchange(other.store_, nullptr)), file_(std::move(other.file_)) {}

PrivateProfile::Batch::~Batch() {
    if (store_)
        store_->impl_->EndBatch(file_);
}

bool PrivateProfile::Batch::Commit() {
    return store_ ? store_->impl_->Commit(file_) : false;
}

}  // namespace lumbrel
