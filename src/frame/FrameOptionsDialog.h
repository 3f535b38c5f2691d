// The options dialog as the main frame runs it: the options command and "Set Ad Filter..."
// open it (the latter on the popup-filter page, or on the content-filter page when that was
// the last of the two shown), it lends the dialog the frame's settings files and lists, and
// after OK or Apply it redoes what depends on the keys that changed, by one table: the
// fields the frame keeps are read again, then the effects of the option table run (tabs
// re-laid, filter handler registered again, kill-blank script prepared again, hot key
// registered again, …).
#pragma once

#include <optional>

#include "frame/CommandSet.h"
#include "options/OptionsHost.h"
#include "options/OptionsUi.h"
#include "settings/SettingsStore.h"

namespace lumbrel {

class CMainFrame;

class FrameOptionsDialog : public CommandTable<FrameOptionsDialog>, public OptionsHost {
public:
    explicit FrameOptionsDialog(CMainFrame& frame);

    // The window that shows the dialog; null: the commands do nothing.
    void SetUi(OptionsUi* ui) { ui_ = ui; }

    // --- Commands: the options command and "Set Ad Filter..." ---
    void Open(const CommandCall& call);
    // The page "Set Ad Filter..." opens.
    OptionPageId AdFilterPage() const { return lastFilterPage_; }

    // --- OptionsHost ---
    SettingsStore& Store(OptionFile file) override;
    std::optional<int> RunningValue(const IntSetting& key) override;
    void OptionsApplied(const OptionChanges& changes) override;
    UrlFilter& Filters() override;
    GestureTable& Gestures() override;
    std::vector<CommandChoice> CommandChoices() override;
    const Language& Lang() override;
    const CodePage& Cp() override;
    std::optional<std::string> SkinFile(const std::string& name) override;

private:
    void ReadKeptFields(const OptionChanges& changes);

    CMainFrame& frame_;
    OptionsUi* ui_ = nullptr;
    OptionPageId lastFilterPage_ = OptionPageId::PopupFilter;
    SettingsStore downManager_;
    bool open_ = false;
};

}  // namespace lumbrel
