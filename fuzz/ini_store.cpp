// Fuzz target: the INI store (PrivateProfile over ProfileDocument).
//
// The input is a file, then the mark "\0EDITS\0" and a script of edits (no mark: the whole
// input is the file and nothing is edited; nothing before the mark: no file at all), so a
// real INI file is an input as it stands. After every edit the whole readable content is
// compared with what the store promises: a write reads back as written (blanks around it
// dropped, cut at a line break, one pair of quotes removed) and changes no other key; a
// delete leaves the default and nothing else; a refused write is one whose names the store's
// contract refuses, and changes nothing; a file replaced by another process is read at once.
// Whenever no batch is open, a store that starts fresh on the file reads exactly what the
// editing store reads, and a file the store wrote parses and serialises to itself byte for
// byte.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FuzzCheck.h"
#include "base/PrivateProfile.h"
#include "base/ProfileDocument.h"
#include "support/FakeFileSystem.h"

namespace lumbrel::fuzz {
namespace {

constexpr std::string_view kScriptMark("\0EDITS\0", 7);
const std::string kFolder = "C:\\Lumbrel\\User";
const std::string kPath = kFolder + "\\Lumbrel.ini";
constexpr size_t kWhole = std::numeric_limits<size_t>::max();
// The default of the reads: no stored value can hold a line break.
constexpr std::string_view kMissing = "\n<missing>";
constexpr int kMaxEdits = 24;

std::string Folded(std::string_view name) {
    std::string out(TrimProfileBlanks(name));
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// (section, key) without regard to ASCII case -> the value a read returns. Comment keys are
// not listed by whole-section reads and are checked by direct reads only.
using Content = std::map<std::pair<std::string, std::string>, std::string>;

// Everything a reader can list: the first section of every name, the first entry of every key
// in it. With `readEach`, each value is also read on its own and the key names are listed,
// which must agree with the list.
Content ReadAll(PrivateProfile& store, bool readEach = false) {
    Content content;
    std::vector<std::string> names = store.GetSectionNames(kPath);
    names.insert(names.begin(), std::string());
    std::set<std::string> seen;
    for (const std::string& section : names) {
        if (!seen.insert(Folded(section)).second)
            continue;
        const std::vector<ProfileEntry> entries = store.GetSection(kPath, section);
        if (readEach) {
            const std::vector<std::string> keys = store.GetKeyNames(kPath, section);
            FUZZ_CHECK(keys.size() == entries.size());
            for (size_t i = 0; i < keys.size(); ++i)
                FUZZ_CHECK(keys[i] == entries[i].key);
        }
        for (const ProfileEntry& entry : entries) {
            auto [it, first] =
                content.try_emplace({Folded(section), Folded(entry.key)}, entry.value);
            if (first && readEach) {
                FUZZ_CHECK_EQ_TEXT(store.GetString(kPath, section, entry.key, kMissing, kWhole),
                                   entry.value);
            }
        }
    }
    return content;
}

void CheckSame(const Content& actual, const Content& expected) {
    if (actual == expected)
        return;
    for (const auto& [name, value] : expected) {
        auto it = actual.find(name);
        if (it == actual.end())
            std::fprintf(stderr, "lost [%s] %s\n", Shown(name.first).c_str(),
                         Shown(name.second).c_str());
        else if (it->second != value)
            std::fprintf(stderr, "changed [%s] %s: \"%s\" -> \"%s\"\n", Shown(name.first).c_str(),
                         Shown(name.second).c_str(), Shown(value).c_str(),
                         Shown(it->second).c_str());
    }
    for (const auto& [name, value] : actual) {
        if (!expected.count(name))
            std::fprintf(stderr, "appeared [%s] %s = \"%s\"\n", Shown(name.first).c_str(),
                         Shown(name.second).c_str(), Shown(value).c_str());
    }
    FUZZ_CHECK(actual == expected);
}

// The store's contract on names, stated independently of its code.
bool HasLineBreakOrNul(std::string_view name) {
    return name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}
bool IsRefused(std::string_view section, std::string_view key) {
    return HasLineBreakOrNul(section) || section.find(']') != std::string_view::npos ||
           HasLineBreakOrNul(key) || key.find('=') != std::string_view::npos ||
           TrimProfileBlanks(key).starts_with('[');
}

// What a read returns after `value` was written.
std::string ReadBack(std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    return std::string(UnquoteProfileValue(TrimProfileBlanks(value)));
}

class EditScript {
public:
    explicit EditScript(FuzzedDataProvider& in) : in_(in) {}

    void Run(std::string_view file) {
        fs_.AddFolder(kFolder);
        if (!file.empty())
            fs_.AddFile(kPath, std::string(file));
        writesBefore_ = fs_.WriteCount();
        store_.emplace(fs_);
        expected_ = ReadAll(*store_, true);
        CheckFresh();
        for (int edit = 0; edit < kMaxEdits && in_.remaining_bytes() > 0; ++edit) {
            switch (in_.ConsumeIntegralInRange(0, 7)) {
                case 0:
                case 1:
                    Write(DrawName(true), DrawName(false), in_.ConsumeRandomLengthString(64));
                    break;
                case 2:
                    WriteNumber(DrawName(true), DrawName(false), in_.ConsumeIntegral<int>());
                    break;
                case 3:
                    DeleteKey(DrawName(true), DrawName(false));
                    break;
                case 4:
                    DeleteSection(DrawName(true));
                    break;
                case 5:
                    if (batch_) {
                        EndBatch();
                    } else {
                        batch_.emplace(store_->BeginBatch(kPath));
                        batchEdits_ = 0;
                    }
                    break;
                case 6:
                    CheckCutReads(DrawName(true), DrawName(false));
                    break;
                case 7:
                    RewriteOutside();
                    break;
            }
            CheckSame(ReadAll(*store_), expected_);
            if (!batch_ && fs_.WriteCount() != writesChecked_)
                CheckFresh();
        }
        if (batch_)
            EndBatch();
        CheckFresh(true);
        CheckSame(ReadAll(*store_, true), expected_);
    }

private:
    // A name already in the file (changed in case or padded now and then) or a new one.
    std::string DrawName(bool section) {
        if (!expected_.empty() && in_.ConsumeBool()) {
            auto it = expected_.begin();
            std::advance(it, in_.ConsumeIntegralInRange<size_t>(0, expected_.size() - 1));
            std::string name = section ? it->first.first : it->first.second;
            switch (in_.ConsumeIntegralInRange(0, 3)) {
                case 0:
                    for (char& c : name) {
                        if (c >= 'a' && c <= 'z')
                            c = static_cast<char>(c - 'a' + 'A');
                    }
                    break;
                case 1:
                    name = " " + name + "\t";
                    break;
                default:
                    break;
            }
            return name;
        }
        return in_.ConsumeRandomLengthString(12);
    }

    void Write(const std::string& section, const std::string& key, const std::string& value) {
        ++batchEdits_;
        const bool written = store_->WriteString(kPath, section, key, value);
        FUZZ_CHECK(written == !IsRefused(section, key));
        if (!written)
            return;
        const std::string expected = ReadBack(value);
        FUZZ_CHECK_EQ_TEXT(store_->GetString(kPath, section, key, kMissing, kWhole), expected);
        if (!TrimProfileBlanks(key).starts_with(';'))
            expected_[{Folded(section), Folded(key)}] = expected;
    }

    void WriteNumber(const std::string& section, const std::string& key, int number) {
        Write(section, key, std::to_string(number));
        if (!IsRefused(section, key))
            FUZZ_CHECK(store_->GetInt(kPath, section, key, number ^ 1) == number);
    }

    void DeleteKey(const std::string& section, const std::string& key) {
        ++batchEdits_;
        FUZZ_CHECK(store_->DeleteKey(kPath, section, key));
        FUZZ_CHECK_EQ_TEXT(store_->GetString(kPath, section, key, kMissing, kWhole), kMissing);
        expected_.erase({Folded(section), Folded(key)});
    }

    void DeleteSection(const std::string& section) {
        ++batchEdits_;
        FUZZ_CHECK(store_->DeleteSection(kPath, section));
        FUZZ_CHECK(store_->GetSection(kPath, section).empty());
        std::erase_if(expected_,
                      [&](const auto& entry) { return entry.first.first == Folded(section); });
    }

    // A read into a smaller buffer gets the start of the whole value.
    void CheckCutReads(const std::string& section, const std::string& key) {
        const std::string whole = store_->GetString(kPath, section, key, "def ault  ", kWhole);
        const size_t capacity = in_.ConsumeIntegralInRange<size_t>(0, whole.size() + 2);
        const std::string cut = store_->GetString(kPath, section, key, "def ault  ", capacity);
        FUZZ_CHECK_EQ_TEXT(cut, whole.substr(0, capacity == 0 ? 0 : capacity - 1));
    }

    // Another process replaces the file: every read sees its content at once, and later
    // writes land on it. (A batch that has written already replays its own edits over such a
    // change; the model cannot tell which of them changed the text, so the change comes only
    // before a batch's first write.)
    void RewriteOutside() {
        if (batch_ && batchEdits_ > 0)
            return;
        std::string content = fs_.Content(kPath);
        if (in_.ConsumeBool())
            content.clear();
        content += in_.ConsumeRandomLengthString(128);
        fs_.AddFile(kPath, content);
        writesBefore_ = fs_.WriteCount();
        PrivateProfile other(fs_);
        expected_ = ReadAll(other);
    }

    void EndBatch() {
        batch_.reset();
        CheckSame(ReadAll(*store_), expected_);
        CheckFresh();
    }

    // A second store, as another process, reads the file as this store reads it; and what
    // the store wrote is a fixed point of parsing and serialising.
    void CheckFresh(bool readEach = false) {
        writesChecked_ = fs_.WriteCount();
        PrivateProfile fresh(fs_);
        CheckSame(ReadAll(fresh, readEach), expected_);
        FUZZ_CHECK(fresh.GetSectionNames(kPath) == store_->GetSectionNames(kPath));
        if (fs_.WriteCount() > writesBefore_) {
            const std::string file = fs_.Content(kPath);
            FUZZ_CHECK_EQ_TEXT(ProfileDocument::Parse(file).Serialize(), file);
        }
    }

    FuzzedDataProvider& in_;
    test::FakeFileSystem fs_;
    std::optional<PrivateProfile> store_;
    std::optional<PrivateProfile::Batch> batch_;
    Content expected_;
    int writesBefore_ = 0;    // file writes up to the last one not made by the store
    int writesChecked_ = -1;  // the writes a fresh store has been checked after
    int batchEdits_ = 0;      // edits since the open batch began
};

}  // namespace
}  // namespace lumbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t mark = input.find(lumbrel::fuzz::kScriptMark);
    const std::string_view script = mark == std::string_view::npos
                                        ? std::string_view()
                                        : input.substr(mark + lumbrel::fuzz::kScriptMark.size());
    FuzzedDataProvider in(reinterpret_cast<const uint8_t*>(script.data()), script.size());
    lumbrel::fuzz::EditScript(in).Run(input.substr(0, mark));
    return 0;
}
