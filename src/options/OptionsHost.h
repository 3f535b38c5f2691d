// What the options dialog needs of the program: the files its keys live in, the lists its
// list pages edit, and someone to tell what changed after OK or Apply. The main frame
// implements it (FrameOptionsDialog); tests give a fake.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/CommandPicker.h"
#include "options/OptionValues.h"
#include "settings/SettingsStore.h"

namespace lumbrel {

class CodePage;
class GestureTable;
class Language;
class UrlFilter;

// What OK or Apply wrote: the keys, and the union of what the frame must redo for them.
struct OptionChanges {
    std::vector<OptionKey> keys;
    unsigned effects = kRedoNothing;
    // The list pages wrote their own files (filter lists, gestures).
    bool filterListsSaved = false;
    bool gesturesSaved = false;
    // Keys that could not be written: they stay changed, so the next Apply tries again.
    std::vector<OptionKey> notWritten;
    // Likewise the gesture table.
    bool gesturesNotWritten = false;

    bool AllWritten() const { return notWritten.empty() && !gesturesNotWritten; }

    bool Empty() const { return keys.empty() && !filterListsSaved && !gesturesSaved; }
    bool Has(const IntSetting& key) const;
    bool Has(const TextSetting& key) const;
};

class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    // The store of the file a key lives in.
    virtual SettingsStore& Store(OptionFile file) = 0;
    // The value a key has in the running program when that is not simply the file's: a
    // computed default (DefaultProperty). Nothing: read the file.
    virtual std::optional<int> RunningValue(const IntSetting&) { return std::nullopt; }
    // OK or Apply wrote `changes` (called only when something changed).
    virtual void OptionsApplied(const OptionChanges& changes) = 0;

    // --- What the list pages edit ---
    virtual UrlFilter& Filters() = 0;
    virtual GestureTable& Gestures() = 0;
    virtual std::vector<CommandChoice> CommandChoices() = 0;
    virtual const Language& Lang() = 0;
    virtual const CodePage& Cp() = 0;
    // A picture of the skin in use (the tab style page's preview shows the tab images).
    virtual std::optional<std::string> SkinFile(const std::string&) { return std::nullopt; }
};

}  // namespace lumbrel
