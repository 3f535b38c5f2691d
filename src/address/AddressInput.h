// The address input of the main frame: Enter in the address box (`GoAddress`), an entry
// chosen from its list (`GoListItem`), the pre-check that sends some addresses out of the
// browser (`OpenSpecialAddress`), the "&Up" command and its list, the addresses bound to the
// quick keys, the aliases and the typed-address list.
//
// Driven by the frame's commands and the binding's address-box events; it opens pages through
// the frame's windows and answers through the address box, the search bar seam and the ports.
// Whatever it opens, it opens only in a window that exists: when no window can be had,
// nothing is opened.
#pragma once

#include <string>
#include <vector>

#include "platform/FrameWindow.h"

#include "address/AddressDialogs.h"
#include "address/AddressRules.h"
#include "address/AliasTable.h"
#include "address/SearchSeam.h"
#include "address/TypedAddressList.h"

namespace lumbrel {

class CMainFrame;
class CChildFrame;

class AddressInput {
public:
    explicit AddressInput(CMainFrame& frame);

    // --- Life cycle ---
    // The typed addresses fill the address box's list (main window creation).
    void LoadTypedAddresses();
    // The list goes back to the registry (main window close).
    void SaveTypedAddresses();
    // The alias table (deferred initialisation).
    void LoadAliases();
    // The search bar; null for none. Not owned; outlives this part.
    void SetSearch(SearchSeam* search) { search_ = search; }
    SearchSeam& Search() { return search_ ? *search_ : noSearch_; }
    // The dialogs; null (no dialog can be shown) until the binding sets them. Not owned.
    void SetDialogs(AddressDialogs* dialogs) { dialogs_ = dialogs; }

    // --- Opening ---
    // True when `text` was handled outside the browser: a download for the download manager,
    // an ftp address for the ftp program, an existing local folder for the shell.
    bool OpenSpecialAddress(const std::string& text);
    // Enter in the address box (or its Go button) with `keys` held.
    void GoAddress(const std::string& text, KeyModifiers keys);
    // An entry chosen from the box's list: opened as it is.
    void GoListItem(const std::string& text);
    // The Open dialog's OK: `text` as it is, in the active window or a new one.
    void OpenFromDialog(const std::string& text, bool inNewWindow);

    // "&Open...": the Open dialog; its check boxes are kept for the next time.
    void OpenDialog();

    // --- "&Up" ---
    void Up();
    // The drop-down list of "&Up": the levels above the active page, nearest first, at most
    // kMaxUpLevels; remembered for OpenUpLevel.
    static constexpr size_t kMaxUpLevels = 10;
    std::vector<std::string> UpLevels();
    // Item `index` of the last list shown; a new window when `newWindow` (Ctrl held).
    void OpenUpLevel(int index, bool newWindow);

    // --- Quick keys, aliases, the list ---
    // Opens what quick key `index` (0 = F2) is bound to; false when the key does its
    // built-in action instead.
    bool RunQuickKeyBinding(int index);
    // Adds alias → URL and saves the table; false when either is empty or the save failed.
    bool AssignAlias(const std::string& alias, const std::string& url);
    // "URL Alias..." and "Quick Key..." of the tab menu, for the window `subject`.
    void AssignAliasFor(ChildId subject);
    void AssignQuickKeyFor(ChildId subject);
    const AliasTable& Aliases() const { return aliases_; }
    // "Clean Typed A&ddress".
    void CleanTypedAddresses();
    const TypedAddressList& Typed() const { return typed_; }

private:
    // The window to open `url` in: the active one, or a new one when there is none or
    // `newWindow`; false when there is no window to open it in.
    bool OpenInTarget(const std::string& url, bool newWindow, bool activate);
    void OpenUpAddress(const std::string& url, bool newWindow);
    void Remember(const std::string& url);
    void Show(const std::string& text);

    CMainFrame& frame_;
    TypedAddressList typed_;
    AliasTable aliases_;
    NoSearchBar noSearch_;
    SearchSeam* search_ = nullptr;
    AddressDialogs* dialogs_ = nullptr;
    std::vector<std::string> upLevels_;
};

}  // namespace lumbrel
