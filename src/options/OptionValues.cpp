#include "options/OptionValues.h"

namespace lumbrel {

bool OptionKey::operator<(const OptionKey& other) const {
    return Tie() < other.Tie();
}

OptionKey OptionValues::KeyOf(const IntSetting& key, OptionFile file) {
    return {file, key.section, key.key, false};
}

OptionKey OptionValues::KeyOf(const TextSetting& key, OptionFile file) {
    return {file, key.section, key.key, true};
}

void OptionValues::Load(const OptionKey& key, int value) {
    Slot& slot = slots_[key];
    slot.baseInt = slot.currentInt = value;
}

void OptionValues::Load(const OptionKey& key, std::string value) {
    Slot& slot = slots_[key];
    slot.baseText = slot.currentText = std::move(value);
}

bool OptionValues::Has(const OptionKey& key) const {
    return slots_.contains(key);
}

int OptionValues::Int(const OptionKey& key) const {
    const auto it = slots_.find(key);
    return it == slots_.end() ? 0 : it->second.currentInt;
}

const std::string& OptionValues::Text(const OptionKey& key) const {
    static const std::string kNone;
    const auto it = slots_.find(key);
    return it == slots_.end() ? kNone : it->second.currentText;
}

void OptionValues::Set(const OptionKey& key, int value) {
    // A key no page loaded has no file value to compare with: it is not taken.
    if (auto it = slots_.find(key); it != slots_.end())
        it->second.currentInt = value;
}

void OptionValues::Set(const OptionKey& key, std::string value) {
    if (auto it = slots_.find(key); it != slots_.end())
        it->second.currentText = std::move(value);
}

std::vector<OptionKey> OptionValues::Changes() const {
    std::vector<OptionKey> changed;
    for (const auto& [key, slot] : slots_) {
        const bool differs =
            key.isText ? slot.baseText != slot.currentText : slot.baseInt != slot.currentInt;
        if (differs)
            changed.push_back(key);
    }
    return changed;
}

void OptionValues::Commit(const OptionKey& key) {
    if (auto it = slots_.find(key); it != slots_.end()) {
        it->second.baseInt = it->second.currentInt;
        it->second.baseText = it->second.currentText;
    }
}

}  // namespace lumbrel
