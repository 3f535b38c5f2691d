#include "frame/FrameSearch.h"

#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"

namespace lumbrel {
namespace {

constexpr const char* kEngineFile = "SearchEngine.ini";

bool InRange(int id, int first, int last) {
    return id >= first && id <= last;
}

}  // namespace

using S = FrameSearch;
const S::Row S::kRows[] = {
    {IDM_SEARCH_GO, IDM_SEARCH_GO, &S::RunCommand, &S::StateOf},
    {IDM_FIND_KEYWORD, IDM_HIGHLIGHT_KEYWORD, &S::RunCommand, &S::StateOf},
    {IDM_SEARCH_SELECTED_TEXT, IDM_SEARCH_SELECTED_TEXT, &S::RunCommand, &S::StateOf},
    {IDM_HIGHLIGHT_SELECTED_TEXT, IDM_FIND_PREVIOUS_SELECTED_TEXT, &S::RunCommand, &S::StateOf},
    {IDM_CLEAN_TYPED_SEARCH, IDM_CLEAN_TYPED_SEARCH, &S::RunCommand, &S::StateOf},
    {IDM_NOT_SAVE_KEYWORD, IDM_NOT_SAVE_KEYWORD, &S::RunCommand, &S::StateOf},
    {IDM_SEARCH_MATCH_CASE, IDM_SEARCH_MATCH_WHOLE, &S::RunCommand, &S::StateOf},
    {IDM_SET_SEARCH_ENGINE, IDM_SET_SEARCH_ENGINE, &S::RunCommand, &S::StateOf},
    {IDM_SEARCH_ENGINE_FIRST, IDM_DRAG_SEARCH_ENGINE_LAST, &S::RunCommand, &S::StateOf},
};

FrameSearch::FrameSearch(CMainFrame& frame, AddressInput& address, FrameCommands& commands)
    : CommandTable(kRows),
      frame_(frame),
      address_(address),
      commands_(commands),
      writer_(frame.App().Ports().fs, frame.App().Ports().tasks,
              frame.App().Directories().user + kEngineFile),
      bar_(SearchBarParts{engines_, typed_, frame.App().Settings(), frame.App().Prefs(),
                          frame.App().Ports().ui, frame.App().Lang(), frame.App().Ports().codePage,
                          *this, writer_}) {
    address_.SetSearch(&bar_);
    commands_.Add(*this);
}

FrameSearch::~FrameSearch() {
    commands_.Remove(*this);
    address_.SetSearch(nullptr);
}

void FrameSearch::SetBand(SearchBand* band) {
    band_ = band;
    if (!band_)
        return;
    band_->ClearKeywords();
    for (size_t i = 0; i < typed_.Items().size(); ++i)
        band_->InsertKeyword(i, typed_.Items()[i]);
    RebuildSearchBar();
}

void FrameSearch::Load() {
    engines_.Load(frame_.App().Profiles(), writer_.Path());
    typed_.Load(frame_.App().Settings());
    SetBand(band_);
}

void FrameSearch::Exit() {
    typed_.Save(frame_.App().Settings());
    writer_.WaitIdle();
}

// --- Commands -----------------------------------------------------------------------------

void FrameSearch::RunCommand(const CommandCall& call) {
    if (call.id == IDM_SET_SEARCH_ENGINE) {
        EditEngines();
        return;
    }
    bar_.OnCommand(call.id);
}

CommandState FrameSearch::StateOf(int id) const {
    if (id == IDM_SET_SEARCH_ENGINE)
        return {dialogs_ != nullptr, false};
    if (InRange(id, IDM_SEARCH_ENGINE_FIRST, IDM_DRAG_SEARCH_ENGINE_LAST) &&
        !engines_.EngineOfCommand(id))
        return {false, false};
    return {true, bar_.IsChecked(id).value_or(false)};
}

void FrameSearch::RunGoMenuItem(int id) {
    if (!engines_.EngineOfCommand(id))
        return;
    bar_.SetSearchSource(SearchSource::AddressBox);
    bar_.RunSearch(id);
}

void FrameSearch::EditEngines() {
    if (!dialogs_)
        return;
    EngineDialogModel model(frame_.App().Ports().codePage, engines_.Entries());
    // The dialog runs the message loop: the frame may be closing when it returns, and the
    // rows go back only through the frame's own list.
    if (!dialogs_->EditEngines(model))
        return;
    bar_.ReplaceEngines(model.Ok());
}

// --- SearchBarHost ------------------------------------------------------------------------

std::string FrameSearch::KeywordBoxText() {
    return band_ ? band_->KeywordText() : std::string();
}

void FrameSearch::SetKeywordBoxText(const std::string& text) {
    if (band_)
        band_->SetKeywordText(text);
}

bool FrameSearch::KeywordBoxHasFocus() {
    return band_ && band_->KeywordHasFocus();
}

void FrameSearch::FocusKeywordBox() {
    if (band_)
        band_->FocusKeyword();
}

void FrameSearch::InsertKeywordItem(size_t position, const std::string& text) {
    if (band_)
        band_->InsertKeyword(position, text);
}

void FrameSearch::RemoveKeywordItem(size_t position) {
    if (band_)
        band_->RemoveKeyword(position);
}

void FrameSearch::SelectKeywordItem(size_t position) {
    if (band_)
        band_->SelectKeyword(position);
}

void FrameSearch::ClearKeywordItems() {
    if (band_)
        band_->ClearKeywords();
}

std::string FrameSearch::AddressBoxText() {
    return frame_.Widgets().address.Text();
}

BrowserControl* FrameSearch::ActiveBrowser() {
    CChildFrame* active = frame_.ActiveChild();
    return active ? active->View().Browser() : nullptr;
}

PageText* FrameSearch::ActivePageText() {
    BrowserControl* browser = ActiveBrowser();
    document_ = browser ? browser->Document() : nullptr;
    return document_.get();
}

FindState* FrameSearch::ActiveFindState() {
    CChildFrame* active = frame_.ActiveChild();
    return active ? &active->View().Find() : nullptr;
}

std::string FrameSearch::ActiveSelectedText() {
    BrowserControl* browser = ActiveBrowser();
    return browser ? browser->SelectedText() : std::string();
}

void FrameSearch::FocusActivePage() {
    BrowserControl* browser = ActiveBrowser();
    if (browser && browser->Document())
        browser->FocusPage();
}

void FrameSearch::OpenInNewWindow(const std::string& url) {
    frame_.NewChild(NewChildRequest::Url(url));
}

void FrameSearch::SetStatusText(const std::string& text) {
    frame_.Widgets().status.SetText(text);
}

void FrameSearch::PostCommand(int id) {
    frame_.Post(kWmCommand, static_cast<uintptr_t>(id));
}

void FrameSearch::RebuildSearchBar() {
    if (!band_)
        return;
    std::vector<size_t> withIcon;
    std::vector<std::string> files;
    auto& entries = engines_.Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].iconLoaded = false;
        if (entries[i].icon.empty() || entries[i].IsSeparator() ||
            !SearchEngineList::SearchCommand(i))
            continue;
        withIcon.push_back(i);
        files.push_back(ResolveIconPath(entries[i].icon, frame_.App().Directories().program));
    }
    const std::vector<bool> loaded = band_->LoadEngineIcons(files);
    for (size_t k = 0; k < withIcon.size(); ++k)
        entries[withIcon[k]].iconLoaded = k < loaded.size() && loaded[k];
    band_->SetButtons(SearchBarButtons(engines_),
                      SearchBarIdealWidth(engines_, band_->ButtonWidth()));
}

}  // namespace lumbrel
