// The search bar as the main frame runs it. It owns the engine list of "SearchEngine.ini" and
// its writer, the typed keywords, and the search bar's rules; it answers what those rules ask
// of the frame (the keyword box, the active page, new windows, the status bar) and fills the
// address input's search seam. The engine dialog runs here over its model.
//
// Made with the frame's parts; the deferred initialisation loads the engines and keywords
// and builds the band; the exit saves the keywords and waits for the engines' writer.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "address/AddressInput.h"
#include "base/SerialFileWriter.h"
#include "frame/FrameCommands.h"
#include "platform/SearchBand.h"
#include "platform/SearchProxyDialogs.h"
#include "search/SearchBar.h"

namespace lumbrel {

class CMainFrame;

class FrameSearch : public SearchBarHost, public CommandTable<FrameSearch> {
public:
    // Fills the address input's search seam and adds the search commands to `commands`.
    FrameSearch(CMainFrame& frame, AddressInput& address, FrameCommands& commands);
    ~FrameSearch() override;
    FrameSearch(const FrameSearch&) = delete;
    FrameSearch& operator=(const FrameSearch&) = delete;

    // --- Life cycle ---
    // The band and the dialogs once the binding made them; null: none (the keyword box is
    // then empty and the dialog commands are disabled).
    void SetBand(SearchBand* band);
    void SetDialogs(SearchProxyDialogs* dialogs) { dialogs_ = dialogs; }
    // Reads "SearchEngine.ini" and the typed keywords and builds the band.
    void Load();
    // Saves the typed keywords and waits for a running save of the engines.
    void Exit();

    // --- Commands ---
    // The search bar's commands, the engines' ranges and the options (CommandSet).
    // The drag menus' "Search", "Highlight" and "Find in Page" with the dragged text.
    void OnDragCommand(int id, const std::string& text) { bar_.OnDragCommand(id, text); }
    // The go button's drop-down chose engine `id`: it searches with the address box's text.
    void RunGoMenuItem(int id);
    // Delete in the keyword box's open drop-down.
    void DeleteTypedKeyword(size_t position) { bar_.DeleteTypedKeyword(position); }
    // "Set Search Engine...": the dialog over a copy of the list; OK replaces it.
    void EditEngines();

    // --- View ---
    SearchBar& Bar() { return bar_; }
    SearchEngineList& Engines() { return engines_; }
    const TypedKeywords& Typed() const { return typed_; }
    SerialFileWriter& EngineWriter() { return writer_; }
    // The search menu (`dragMenu` false) or the dragged-text engine menu.
    MenuItems EngineMenu(bool dragMenu) const { return engines_.BuildMenu(dragMenu); }

    // --- SearchBarHost ---
    std::string KeywordBoxText() override;
    void SetKeywordBoxText(const std::string& text) override;
    bool KeywordBoxHasFocus() override;
    void FocusKeywordBox() override;
    void InsertKeywordItem(size_t position, const std::string& text) override;
    void RemoveKeywordItem(size_t position) override;
    void SelectKeywordItem(size_t position) override;
    void ClearKeywordItems() override;
    std::string AddressBoxText() override;
    PageText* ActivePageText() override;
    FindState* ActiveFindState() override;
    std::string ActiveSelectedText() override;
    void FocusActivePage() override;
    void OpenInNewWindow(const std::string& url) override;
    void SetStatusText(const std::string& text) override;
    void PostCommand(int id) override;
    void RebuildSearchBar() override;

private:
    static const Row kRows[];
    void RunCommand(const CommandCall& call);
    CommandState StateOf(int id) const;
    BrowserControl* ActiveBrowser();

    CMainFrame& frame_;
    AddressInput& address_;
    FrameCommands& commands_;
    SearchEngineList engines_;
    TypedKeywords typed_;
    SerialFileWriter writer_;
    SearchBar bar_;
    SearchBand* band_ = nullptr;
    SearchProxyDialogs* dialogs_ = nullptr;
    // The document of the page a find or highlight walks, held for that one step.
    std::unique_ptr<PageDocument> document_;
};

}  // namespace lumbrel
