// The options dialog as a model. It loads a working copy of every key its pages edit when
// it opens; the pages edit that copy (plain fields through Value/SetValue, list pages through
// their models); OK and Apply let the pages hand back their edits, write each key whose value
// changed since it was read or last written (nothing else: a key a command changed while the
// dialog was open keeps that value unless the user changed it here) and tell the host what
// changed so the main frame can redo what depends on it.
//
// Driven by the Windows binding (OptionsDialog); answers through OptionsHost.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "options/CSAPrefsSubDlg.h"
#include "options/OptionsHost.h"
#include "tabs/CTabBar.h"

namespace lumbrel {

// Why a value was refused: the string to show, and the range it names.
struct OptionRefusal {
    int stringId;
    int low, high;
};

class OptionsDialogModel {
public:
    explicit OptionsDialogModel(OptionsHost& host);
    ~OptionsDialogModel();

    // --- Pages ---
    static std::vector<const OptionField*> FieldsOf(OptionPageId page);
    // The page object, made when first asked (list pages take their lists then).
    CSAPrefsSubDlg& Page(OptionPageId page);
    bool PageMade(OptionPageId page) const;
    // The page's name in the tree: its section's "Caption" while a language file is active.
    std::string PageTitle(OptionPageId page) const;
    // Where "DownManager.ini" is (the download page opens it).
    std::string DownManagerPath() const {
        return host_.Store(OptionFile::DownManager).ProfileName();
    }
    // The binding shows a page: remembered for "Set Ad Filter...", which opens the filter
    // page last shown.
    void NoteShown(OptionPageId page);
    std::optional<OptionPageId> LastFilterPageShown() const { return lastFilterPage_; }
    // The command picker's list, for the Command fields and the gesture page.
    std::vector<CommandChoice> Commands() const { return host_.CommandChoices(); }
    template <typename T>
    T& PageAs(OptionPageId page) {
        return static_cast<T&>(Page(page));
    }

    // --- Plain fields ---
    // Check and Bit: 0 or 1; Choice and Radio: the stored value; others: the number.
    int Value(const OptionField& field) const;
    // HotKeyPair: the key code.
    int SecondValue(const OptionField& field) const;
    const std::string& TextValue(const OptionField& field) const;
    // Refused (and nothing changed) for a number outside the field's range or a value no
    // choice stores.
    std::optional<OptionRefusal> SetValue(const OptionField& field, int value);
    // A number as typed: refused unless it is a whole number in the field's range.
    std::optional<OptionRefusal> SetNumberText(const OptionField& field, std::string_view text);
    void SetSecondValue(const OptionField& field, int keyCode);
    void SetText(const OptionField& field, std::string text);
    // The index in `field.choices` of its value; -1 when the value is none of them.
    int ChoiceIndex(const OptionField& field) const;
    // "Use Default Color Scheme": the four tab colours back to the system's.
    void UseDefaultColourScheme();
    // The tab bar as the tab style page's values would show it (the page's live preview).
    TabBarLook PreviewTabLook() const;
    std::optional<std::string> TabImagesFile() const;
    // Managers: "None" and then the names of "DownManager.ini" in order.
    std::vector<std::string> ManagerNames() const;

    // The text of a refusal, through the language file.
    std::string RefusalText(const OptionRefusal& refusal) const;

    // --- OK and Apply ---
    // The pages hand back their edits; each changed key is written; the host is told.
    OptionChanges Apply();

private:
    OptionKey KeyOf(const OptionField& field) const;
    OptionKey SecondKeyOf(const OptionField& field) const;
    void Load();

    OptionsHost& host_;
    OptionValues values_;
    std::unique_ptr<CSAPrefsSubDlg> pages_[kOptionPageCount];
    std::optional<OptionPageId> lastFilterPage_;
};

}  // namespace lumbrel
