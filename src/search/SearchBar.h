// The search bar's rules: searches with one engine or every checked one, find and highlight
// in the active page, the commands that feed the keyword box from the page's selection or
// from dragged text, the typed-keyword list and the search options. The binding forwards the
// band's commands and the keyword box's keys here; the address input reaches it through
// SearchSeam. It tells the frame through SearchBarHost.
#pragma once

#include <optional>
#include <string>

#include "address/SearchSeam.h"
#include "base/SerialFileWriter.h"
#include "language/Language.h"
#include "platform/CodePage.h"
#include "platform/Ui.h"
#include "search/PageFinder.h"
#include "search/SearchBarHost.h"
#include "search/SearchEngineList.h"
#include "search/TypedKeywords.h"
#include "settings/Preferences.h"
#include "settings/SettingsStore.h"

namespace lumbrel {

// Where the next search takes its keyword from.
enum class SearchSource { KeywordBox = 1, AddressBox = 2, DraggedText = 3 };

struct SearchBarParts {
    SearchEngineList& engines;
    TypedKeywords& typed;
    SettingsStore& settings;  // the typed keywords
    Preferences& prefs;       // the search options
    Ui& ui;
    const Language& language;
    const CodePage& cp;
    SearchBarHost& host;
    SerialFileWriter& engineWriter;
};

class SearchBar : public SearchSeam {
public:
    explicit SearchBar(const SearchBarParts& parts);

    // Commands
    // Runs a search-bar command (61212, 33112, 33113, the engine ranges, the selected-text,
    // dragged-text and option commands); false when `id` is none of them.
    bool OnCommand(int id);
    // The check mark of a command; nothing when it has none.
    std::optional<bool> IsChecked(int id) const;

    // `id` 0 or 61212: every checked engine; 30208 + i: engine i with the Ctrl/Shift rules;
    // 30720 + i: engine i with the dragged text.
    void RunSearch(int id);
    // Opens one window per template of `templates` for `keyword`.
    void SearchWithEngine(const std::string& keyword, const std::string& templates);
    void FindKeyword(bool backward);
    void HighlightKeyword();

    // Sources: the go button's menu searches with the address box's text; the drag menus
    // with the dragged text.
    void SetSearchSource(SearchSource source) { searchSource_ = source; }
    void SetDraggedText(std::string text) { draggedText_ = std::move(text); }
    // The drag menus' "Search" (33175), "Highlight" (33188) and "Find in Page" (33189).
    void OnDragCommand(int id, const std::string& text);

    // Delete in the open drop-down: removes the keyword there and from the list.
    void DeleteTypedKeyword(size_t position);
    // "Clean Typed Search Keyword".
    void CleanTypedKeywords();
    // The engine dialog closed with OK: the rows become the list, the bar is rebuilt and the
    // file written.
    void ReplaceEngines(std::vector<SearchEngineEntry> rows);
    void SaveEngines();

    SearchSource Source() const { return searchSource_; }

    // SearchSeam
    std::optional<std::string> EngineTemplate(const std::string& name) override;
    void SearchKeyword(const std::string& keyword, SearchAction action) override;
    void FindInPage(bool backward) override;
    void FocusKeywordBox() override;

private:
    std::string Trimmed(const std::string& text) const;
    void Remember(const std::string& keyword);
    FindOptions Options() const;
    std::optional<std::string> KeywordForPageTool(bool fromAddressBox);
    void SearchButton();
    void PutSelectionInBox(SearchAction action, bool backward);
    void ToggleSetting(int& option, bool forgetFind);

    SearchBarParts p_;
    SearchSource searchSource_ = SearchSource::KeywordBox;
    SearchAction searchButtonAction_ = SearchAction::ByKeys;
    std::string draggedText_;
};

}  // namespace lumbrel
