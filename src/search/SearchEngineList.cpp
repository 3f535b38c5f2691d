#include "search/SearchEngineList.h"

#include <algorithm>
#include <cstdlib>

#include "base/ProfileDocument.h"
#include "commands/CommandIds.h"

namespace lumbrel {
namespace {

// The store refuses values with line breaks; a name or template never needs one.
std::string OneLine(std::string_view text) {
    std::string line;
    for (char c : text)
        if (c != '\r' && c != '\n')
            line += c;
    return line;
}

std::string Key(char letter, size_t index) {
    return letter + std::to_string(index);
}

}  // namespace

int SearchEngineList::iconCount() const {
    return static_cast<int>(
        std::count_if(entries_.begin(), entries_.end(),
                      [](const SearchEngineEntry& e) { return e.iconLoaded && !e.IsSeparator(); }));
}

std::optional<size_t> SearchEngineList::EngineOfCommand(int id) const {
    size_t index;
    if (id >= IDM_SEARCH_ENGINE_FIRST && id <= IDM_SEARCH_ENGINE_LAST)
        index = static_cast<size_t>(id - IDM_SEARCH_ENGINE_FIRST);
    else if (id >= IDM_DRAG_SEARCH_ENGINE_FIRST && id <= IDM_DRAG_SEARCH_ENGINE_LAST)
        index = static_cast<size_t>(id - IDM_DRAG_SEARCH_ENGINE_FIRST);
    else
        return std::nullopt;
    if (index >= entries_.size())
        return std::nullopt;
    return index;
}

std::optional<int> SearchEngineList::SearchCommand(size_t index) {
    if (index >= static_cast<size_t>(kRangeSize))
        return std::nullopt;
    return IDM_SEARCH_ENGINE_FIRST + static_cast<int>(index);
}

std::optional<int> SearchEngineList::DragCommand(size_t index) {
    if (index >= static_cast<size_t>(kRangeSize))
        return std::nullopt;
    return IDM_DRAG_SEARCH_ENGINE_FIRST + static_cast<int>(index);
}

const SearchEngineEntry* SearchEngineList::FindByName(std::string_view name) const {
    for (const SearchEngineEntry& entry : entries_)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

MenuItems SearchEngineList::BuildMenu(bool dragMenu) const {
    MenuItems items;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const std::optional<int> id = dragMenu ? DragCommand(i) : SearchCommand(i);
        if (!id)
            break;
        items.push_back(entries_[i].IsSeparator() ? MenuItem::Separator()
                                                  : MenuItem::Command(*id, entries_[i].name));
    }
    return items;
}

bool SearchEngineList::Checked(int id) const {
    const std::optional<size_t> index = EngineOfCommand(id);
    return index && entries_[*index].checked != 0;
}

void SearchEngineList::Load(PrivateProfile& profile, const std::string& file) {
    NoCaseMap<std::string> values;
    for (ProfileEntry& entry : profile.GetSection(file, kSection))
        values.try_emplace(std::string(TrimProfileBlanks(entry.key)), std::move(entry.value));
    auto value = [&values](char letter, size_t i) -> std::string {
        const auto found = values.find(Key(letter, i));
        return found == values.end() ? std::string() : found->second;
    };
    entries_.clear();
    for (size_t i = 0;; ++i) {
        std::string name = value('N', i);
        if (name.empty())
            break;
        SearchEngineEntry entry;
        entry.name = std::move(name);
        entry.url = value('S', i);
        entry.checked = std::atoi(value('C', i).c_str()) != 0 ? 1 : 0;
        entry.icon = value('I', i);
        entries_.push_back(std::move(entry));
    }
}

std::string SearchEngineList::FileText() const {
    ProfileDocument document;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const SearchEngineEntry& entry = entries_[i];
        document.Set(kSection, Key('N', i), OneLine(entry.name));
        document.Set(kSection, Key('S', i), OneLine(entry.url));
        if (entry.checked != 0)
            document.Set(kSection, Key('C', i), std::to_string(entry.checked));
        if (!entry.icon.empty())
            document.Set(kSection, Key('I', i), OneLine(entry.icon));
    }
    return document.Serialize();
}

std::string ResolveIconPath(const std::string& icon, const std::string& programFolder) {
    if (icon.starts_with(".\\"))
        return programFolder + icon.substr(2);
    return icon;
}

}  // namespace lumbrel
