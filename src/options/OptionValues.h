// The options dialog's working copy: every key its pages edit, as read when the dialog opened,
// and as the pages have changed it since. Changes() lists the keys whose value differs from
// what the dialog last wrote (or read), so OK and Apply write only those.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "options/OptionTable.h"

namespace lumbrel {

struct OptionKey {
    OptionFile file;
    std::string section;
    std::string key;  // as written in the file
    bool isText;

    auto Tie() const { return std::tie(file, section, key, isText); }
    bool operator<(const OptionKey& other) const;
};

class OptionValues {
public:
    static OptionKey KeyOf(const IntSetting& key, OptionFile file = OptionFile::Settings);
    static OptionKey KeyOf(const TextSetting& key, OptionFile file = OptionFile::Settings);

    // A value as read from its file: both the baseline and the current value.
    void Load(const OptionKey& key, int value);
    void Load(const OptionKey& key, std::string value);

    bool Has(const OptionKey& key) const;
    int Int(const OptionKey& key) const;
    const std::string& Text(const OptionKey& key) const;
    void Set(const OptionKey& key, int value);
    void Set(const OptionKey& key, std::string value);

    // The keys whose current value differs from the baseline, in a fixed order.
    std::vector<OptionKey> Changes() const;
    // The current values become the baseline (they were written).
    void Commit(const OptionKey& key);

private:
    struct Slot {
        int baseInt = 0, currentInt = 0;
        std::string baseText, currentText;
    };
    std::map<OptionKey, Slot> slots_;
};

}  // namespace lumbrel
