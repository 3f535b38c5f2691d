#include "search/SearchBar.h"

#include "base/DbcsText.h"
#include "commands/CommandIds.h"
#include "language/StringIds.h"
#include "search/EngineSearch.h"

namespace lumbrel {

SearchBar::SearchBar(const SearchBarParts& parts) : p_(parts) {}

std::string SearchBar::Trimmed(const std::string& text) const {
    return std::string(TrimBlanks(p_.cp, text));
}

void SearchBar::Remember(const std::string& keyword) {
    if (p_.prefs.notSaveKeyword != 0)
        return;
    if (p_.typed.Remember(keyword))
        p_.host.InsertKeywordItem(0, keyword);
}

FindOptions SearchBar::Options() const {
    return {.matchCase = p_.prefs.searchMatchCase != 0,
            .wholeWord = p_.prefs.searchMatchWhole != 0};
}

bool SearchBar::OnCommand(int id) {
    if (p_.engines.EngineOfCommand(id)) {
        RunSearch(id);
        return true;
    }
    if (id >= IDM_SEARCH_ENGINE_FIRST && id <= IDM_DRAG_SEARCH_ENGINE_LAST)
        return true;  // an engine removed since the menu was built: nothing to run
    switch (id) {
        case IDM_SEARCH_GO:
            SearchButton();
            return true;
        case IDM_FIND_KEYWORD:
            FindKeyword(p_.ui.ShiftHeld());
            return true;
        case IDM_HIGHLIGHT_KEYWORD:
            HighlightKeyword();
            return true;
        case IDM_SEARCH_SELECTED_TEXT:
            PutSelectionInBox(SearchAction::ByKeys, false);
            return true;
        case IDM_HIGHLIGHT_SELECTED_TEXT:
            PutSelectionInBox(SearchAction::Highlight, false);
            return true;
        case IDM_FIND_NEXT_SELECTED_TEXT:
            PutSelectionInBox(SearchAction::Find, false);
            return true;
        case IDM_FIND_PREVIOUS_SELECTED_TEXT:
            PutSelectionInBox(SearchAction::Find, true);
            return true;
        case IDM_CLEAN_TYPED_SEARCH:
            CleanTypedKeywords();
            return true;
        case IDM_NOT_SAVE_KEYWORD:
            ToggleSetting(p_.prefs.notSaveKeyword, false);
            return true;
        case IDM_SEARCH_MATCH_CASE:
            ToggleSetting(p_.prefs.searchMatchCase, true);
            return true;
        case IDM_SEARCH_MATCH_WHOLE:
            ToggleSetting(p_.prefs.searchMatchWhole, true);
            return true;
        default:
            return false;
    }
}

std::optional<bool> SearchBar::IsChecked(int id) const {
    if (id >= IDM_SEARCH_ENGINE_FIRST && id <= IDM_SEARCH_ENGINE_LAST)
        return p_.engines.Checked(id);
    switch (id) {
        case IDM_NOT_SAVE_KEYWORD:
            return p_.prefs.notSaveKeyword != 0;
        case IDM_SEARCH_MATCH_CASE:
            return p_.prefs.searchMatchCase != 0;
        case IDM_SEARCH_MATCH_WHOLE:
            return p_.prefs.searchMatchWhole != 0;
        default:
            return std::nullopt;
    }
}

void SearchBar::ToggleSetting(int& option, bool forgetFind) {
    option = option != 0 ? 0 : 1;
    if (!forgetFind)
        return;
    // The next find counts again with the new option.
    if (FindState* state = p_.host.ActiveFindState())
        state->findKeyword.clear();
}

void SearchBar::SearchButton() {
    const SearchAction action = searchButtonAction_;
    searchButtonAction_ = SearchAction::ByKeys;
    switch (action) {
        case SearchAction::Search:
            RunSearch(0);
            return;
        case SearchAction::Find:
            FindKeyword(false);
            return;
        case SearchAction::Highlight:
            HighlightKeyword();
            return;
        case SearchAction::ByKeys:
            break;
    }
    const bool ctrl = p_.ui.CtrlHeld();
    const bool shift = p_.ui.ShiftHeld();
    if (ctrl && shift)
        HighlightKeyword();
    else if (ctrl || shift)
        FindKeyword(shift);
    else
        RunSearch(0);
}

void SearchBar::RunSearch(int id) {
    if (p_.engines.Empty()) {
        p_.ui.MessageBox(p_.language.LngLoadString(IDS_NO_SEARCH_ENGINE), MsgButtons::Ok,
                         MsgIcon::Warning);
        return;
    }
    const bool boxHadFocus = p_.host.KeywordBoxHasFocus();
    const bool dragMenu = id >= IDM_DRAG_SEARCH_ENGINE_FIRST;
    std::string keyword;
    if (dragMenu || searchSource_ == SearchSource::DraggedText) {
        keyword = draggedText_;
    } else if (searchSource_ == SearchSource::AddressBox) {
        keyword = Trimmed(p_.host.AddressBoxText());
        if (keyword.empty())
            keyword = p_.host.KeywordBoxText();
    } else {
        keyword = p_.host.KeywordBoxText();
    }
    keyword = Trimmed(keyword);
    searchSource_ = SearchSource::KeywordBox;
    Remember(keyword);

    const std::optional<size_t> engine = p_.engines.EngineOfCommand(id);
    auto& entries = p_.engines.Entries();
    if (engine && !dragMenu) {
        if (p_.ui.CtrlHeld() || p_.ui.ShiftHeld()) {
            if (p_.ui.CtrlHeld()) {
                entries[*engine].checked = entries[*engine].checked != 0 ? 0 : 1;
            } else {
                for (SearchEngineEntry& entry : entries)
                    entry.checked = 0;
                entries[*engine].checked = 1;
            }
            // The choice is the user's setting: it survives the session like a dialog edit.
            SaveEngines();
            p_.host.FocusKeywordBox();
            return;
        }
    }
    // The templates are copied first: opening a window may run the message loop, and the
    // list may change meanwhile.
    std::vector<std::string> templates;
    if (engine) {
        templates.push_back(entries[*engine].url);
    } else {
        for (const SearchEngineEntry& entry : entries)
            if (entry.checked != 0 && !entry.IsSeparator())
                templates.push_back(entry.url);
    }
    for (const std::string& urls : templates)
        SearchWithEngine(keyword, urls);
    if (boxHadFocus)
        p_.host.FocusActivePage();
}

void SearchBar::SearchWithEngine(const std::string& keyword, const std::string& templates) {
    for (const std::string& url : EngineSearchUrls(p_.cp, templates, keyword))
        p_.host.OpenInNewWindow(url);
}

std::optional<std::string> SearchBar::KeywordForPageTool(bool fromAddressBox) {
    std::string keyword;
    if (fromAddressBox) {
        keyword = p_.host.AddressBoxText();
        p_.host.SetKeywordBoxText(keyword);
    } else {
        keyword = p_.host.KeywordBoxText();
    }
    searchSource_ = SearchSource::KeywordBox;
    keyword = Trimmed(keyword);
    if (keyword.empty()) {
        p_.ui.MessageBox(p_.language.LngLoadString(IDS_INPUT_KEYWORD_FIRST), MsgButtons::Ok,
                         MsgIcon::Warning);
        return std::nullopt;
    }
    Remember(keyword);
    return keyword;
}

void SearchBar::FindKeyword(bool backward) {
    // Find and its count both use the keyword box: a count taken from another source would
    // not match the matches walked.
    const std::optional<std::string> keyword = KeywordForPageTool(false);
    FindState* state = p_.host.ActiveFindState();
    PageText* page = p_.host.ActivePageText();
    if (!keyword || !state || !page)
        return;
    const FindOutcome outcome = lumbrel::FindInPage(*state, *page, *keyword, Options(), backward);
    if (outcome.shown)
        p_.host.SetStatusText(p_.language.LngLoadString(IDS_FIND_KEYWORD_COUNT) +
                              FindStatusNumbers(*outcome.shown));
    if (outcome.repost)
        p_.host.PostCommand(IDM_FIND_KEYWORD);
}

void SearchBar::HighlightKeyword() {
    const bool boxHadFocus = p_.host.KeywordBoxHasFocus();
    const std::optional<std::string> keyword =
        KeywordForPageTool(searchSource_ == SearchSource::AddressBox);
    FindState* state = p_.host.ActiveFindState();
    PageText* page = p_.host.ActivePageText();
    if (!keyword || !state || !page)
        return;
    const std::optional<HighlightOutcome> outcome =
        HighlightInPage(*state, *page, *keyword, Options());
    if (outcome)
        p_.host.SetStatusText(p_.language.LngLoadString(IDS_HIGHLIGHT_KEYWORD_COUNT) +
                              HighlightStatusNumbers(*outcome));
    if (boxHadFocus)
        p_.host.FocusActivePage();
}

void SearchBar::PutSelectionInBox(SearchAction action, bool backward) {
    p_.host.SetKeywordBoxText(p_.host.ActiveSelectedText());
    searchButtonAction_ = action;
    if (backward)
        if (FindState* state = p_.host.ActiveFindState())
            state->findBackward = true;
    p_.host.PostCommand(IDM_SEARCH_GO);
}

void SearchBar::OnDragCommand(int id, const std::string& text) {
    if (text.empty())
        return;
    p_.host.SetKeywordBoxText(text);
    if (id == IDM_DRAG_SEARCH)
        searchButtonAction_ = p_.ui.ShiftHeld() ? SearchAction::Highlight : SearchAction::Search;
    else if (id == IDM_DRAG_HIGHLIGHT)
        searchButtonAction_ = SearchAction::Highlight;
    else if (id == IDM_DRAG_FIND)
        searchButtonAction_ = SearchAction::Find;
    else
        return;
    p_.host.PostCommand(IDM_SEARCH_GO);
}

void SearchBar::DeleteTypedKeyword(size_t position) {
    if (position >= p_.typed.Items().size())
        return;
    const std::optional<size_t> next = p_.typed.RemoveAt(position);
    p_.host.RemoveKeywordItem(position);
    if (next)
        p_.host.SelectKeywordItem(*next);
}

void SearchBar::CleanTypedKeywords() {
    p_.typed.Clear();
    p_.host.ClearKeywordItems();
    p_.host.SetKeywordBoxText("");
    p_.typed.Save(p_.settings);
}

void SearchBar::ReplaceEngines(std::vector<SearchEngineEntry> rows) {
    for (SearchEngineEntry& row : rows)
        // The bar's rebuild reports the icons that fail to load.
        row.iconLoaded = !row.icon.empty() && !row.IsSeparator();
    p_.engines.Assign(std::move(rows));
    p_.host.RebuildSearchBar();
    SaveEngines();
}

void SearchBar::SaveEngines() {
    p_.engineWriter.Save(p_.engines.FileText());
}

std::optional<std::string> SearchBar::EngineTemplate(const std::string& name) {
    if (const SearchEngineEntry* entry = p_.engines.FindByName(name))
        return entry->url;
    return std::nullopt;
}

void SearchBar::SearchKeyword(const std::string& keyword, SearchAction action) {
    p_.host.SetKeywordBoxText(keyword);
    searchButtonAction_ = action;
    SearchButton();
}

void SearchBar::FindInPage(bool backward) {
    FindKeyword(backward);
    if (p_.host.KeywordBoxHasFocus())
        p_.host.FocusActivePage();
}

void SearchBar::FocusKeywordBox() {
    p_.host.FocusKeywordBox();
}

}  // namespace lumbrel
