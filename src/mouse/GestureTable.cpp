#include "mouse/GestureTable.h"

#include <cstdlib>
#include <unordered_map>

namespace lumbrel {
namespace {

// Key names are ASCII and compared as the settings file compares them, without case.
std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

void GestureTable::Load(SettingsStore& store) {
    std::unordered_map<std::string, std::string> values;
    for (ProfileEntry& entry : store.Section(keys::GestureStroke.section))
        values.emplace(LowerAscii(entry.key), std::move(entry.value));
    for (int i = 0;; ++i) {
        const auto text = values.find(LowerAscii(keys::GestureStroke.prefix + std::to_string(i)));
        if (text == values.end() || text->second.empty())
            break;
        const auto command =
            values.find(LowerAscii(keys::GestureCommand.prefix + std::to_string(i)));
        const int32_t id =
            command == values.end()
                ? 0
                : static_cast<int32_t>(std::strtol(command->second.c_str(), nullptr, 10));
        entries_.push_back({text->second, id});
    }
}

bool GestureTable::Save(SettingsStore& store) const {
    auto batch = store.BeginBatch();
    store.DeleteSection(keys::GestureStroke.section);
    int i = 0;
    for (const GestureEntry& entry : entries_) {
        store.Write(keys::GestureStroke, i, entry.text);
        store.Write(keys::GestureCommand, i, entry.command);
        ++i;
    }
    // The empty key ends the list for readers that stop at the first empty name.
    store.Write(keys::GestureStroke, i, "");
    return batch.Commit();
}

int32_t LookupGesture(const GestureTable& table, std::string_view text) {
    for (const GestureEntry& entry : table.Entries())
        if (entry.text == text)
            return entry.command;
    return 0;
}

}  // namespace lumbrel
