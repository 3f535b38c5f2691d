// The search engines in file order, as the search bar, the search menu and the dragged-text
// engine menu show them, with "SearchEngine.ini" read and written whole.
//
// An engine's position gives its commands: 30208 + i on the bar and in the search menu,
// 30720 + i in the dragged-text menu. Each range holds 512 ids, so an entry past the 512th is
// kept and saved but gets no command (an id past a range's end would fire another command).
//
// Whether an icon loaded is tracked apart from its stored path: a path that cannot be loaded
// today (a drive not mounted) stays in the file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/PrivateProfile.h"
#include "commands/MenuModel.h"

namespace lumbrel {

struct SearchEngineEntry {
    int checked = 0;
    std::string name{};  // "--": a menu separator
    std::string url{};   // one or more templates joined by "|"
    std::string icon{};  // icon file as stored; ".\" starts a path in the program folder
    bool iconLoaded = false;

    bool IsSeparator() const { return name == "--"; }
    friend bool operator==(const SearchEngineEntry&, const SearchEngineEntry&) = default;
};

class SearchEngineList {
public:
    static constexpr int kRangeSize = 512;
    static constexpr const char* kSection = "SearchEngine";

    // Basic
    std::vector<SearchEngineEntry>& Entries() { return entries_; }
    const std::vector<SearchEngineEntry>& Entries() const { return entries_; }
    void Assign(std::vector<SearchEngineEntry> entries) { entries_ = std::move(entries); }
    bool Empty() const { return entries_.empty(); }
    // Entries whose icon loaded: the buttons on the bar.
    int iconCount() const;

    // Commands
    // The entry a bar/search-menu command (30208 + i) or dragged-text command (30720 + i)
    // names; nothing outside the ranges or past the list.
    std::optional<size_t> EngineOfCommand(int id) const;
    static std::optional<int> SearchCommand(size_t index);
    static std::optional<int> DragCommand(size_t index);
    // First engine whose name is exactly `name`.
    const SearchEngineEntry* FindByName(std::string_view name) const;

    // The search menu (`dragMenu` false) or the dragged-text engine menu: one item per entry
    // that has a command, "--" entries as separators. The check marks come from Checked().
    MenuItems BuildMenu(bool dragMenu) const;
    bool Checked(int id) const;

    // File
    // Reads entries from 0 until the first whose name is empty. Values are read whole,
    // however long.
    void Load(PrivateProfile& profile, const std::string& file);
    // The whole file's text: "C" only when not 0, "I" only when not empty.
    std::string FileText() const;

private:
    std::vector<SearchEngineEntry> entries_;
};

// The file an icon path names: ".\x" is taken in `programFolder` (ending with "\").
std::string ResolveIconPath(const std::string& icon, const std::string& programFolder);

}  // namespace lumbrel
