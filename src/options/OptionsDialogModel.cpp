#include "options/OptionsDialogModel.h"

#include <algorithm>
#include <charconv>

#include "filter/UrlFilter.h"
#include "language/Language.h"
#include "language/StringIds.h"
#include "options/OptionListPages.h"
#include "shell/SkinFiles.h"

namespace lumbrel {
namespace {

bool HasKey(const std::vector<OptionKey>& list, const OptionKey& key) {
    return std::any_of(list.begin(), list.end(),
                       [&](const OptionKey& k) { return !(k < key) && !(key < k); });
}

bool TakesSecondKey(const OptionField& field) {
    return field.kind == FieldKind::HotKeyPair && field.second != nullptr;
}

}  // namespace

bool OptionChanges::Has(const IntSetting& key) const {
    return HasKey(keys, OptionValues::KeyOf(key));
}

bool OptionChanges::Has(const TextSetting& key) const {
    return HasKey(keys, OptionValues::KeyOf(key));
}

OptionsDialogModel::OptionsDialogModel(OptionsHost& host) : host_(host) {
    Load();
    // The download page's rules hold however its keys are edited: it knows what was stored.
    Page(OptionPageId::Download);
}

OptionsDialogModel::~OptionsDialogModel() = default;

void OptionsDialogModel::Load() {
    for (const OptionField& field : OptionFields()) {
        SettingsStore& store = host_.Store(field.file);
        if (field.IsText()) {
            values_.Load(KeyOf(field), store.Get(*field.textKey));
            continue;
        }
        const std::optional<int> running = host_.RunningValue(*field.intKey);
        values_.Load(KeyOf(field), running ? *running : store.Get(*field.intKey));
        if (TakesSecondKey(field))
            values_.Load(SecondKeyOf(field), store.Get(*field.second));
    }
}

OptionKey OptionsDialogModel::KeyOf(const OptionField& field) const {
    return field.IsText() ? OptionValues::KeyOf(*field.textKey, field.file)
                          : OptionValues::KeyOf(*field.intKey, field.file);
}

OptionKey OptionsDialogModel::SecondKeyOf(const OptionField& field) const {
    return OptionValues::KeyOf(*field.second, field.file);
}

std::vector<const OptionField*> OptionsDialogModel::FieldsOf(OptionPageId page) {
    std::vector<const OptionField*> fields;
    for (const OptionField& field : OptionFields()) {
        if (field.page == page && field.kind != FieldKind::Hosted)
            fields.push_back(&field);
    }
    return fields;
}

CSAPrefsSubDlg& OptionsDialogModel::Page(OptionPageId page) {
    std::unique_ptr<CSAPrefsSubDlg>& slot = pages_[static_cast<int>(page)];
    if (slot)
        return *slot;
    switch (page) {
        case OptionPageId::PopupFilter:
            slot = std::make_unique<CPopupDlg>(host_.Filters().Lists());
            break;
        case OptionPageId::ContentFilter:
            slot = std::make_unique<CUrlFilterProp>(host_.Cp(), host_.Filters().Lists());
            break;
        case OptionPageId::Gesture:
            slot = std::make_unique<GesturePage>(values_, host_);
            break;
        case OptionPageId::MouseDrag:
            slot = std::make_unique<MouseDragPage>(values_);
            break;
        case OptionPageId::Download:
            slot = std::make_unique<CDownProp>(values_);
            break;
        default:
            slot = std::make_unique<CSAPrefsSubDlg>(page);
            break;
    }
    return *slot;
}

bool OptionsDialogModel::PageMade(OptionPageId page) const {
    return pages_[static_cast<int>(page)] != nullptr;
}

std::string OptionsDialogModel::PageTitle(OptionPageId page) const {
    const OptionPageInfo& info = OptionPage(page);
    const Language& language = host_.Lang();
    if (!language.IsActive())
        return info.title;
    std::string title;
    language.LngGetString(info.section, "Caption", std::string_view(info.title), title,
                          Language::kTextCapacity);
    return title;
}

void OptionsDialogModel::NoteShown(OptionPageId page) {
    if (page == OptionPageId::PopupFilter || page == OptionPageId::ContentFilter)
        lastFilterPage_ = page;
}

std::string OptionsDialogModel::RefusalText(const OptionRefusal& refusal) const {
    // The two numbers replace the first two "%d"; a translation without them shows as is.
    std::string text = host_.Lang().LngLoadString(refusal.stringId);
    for (int number : {refusal.low, refusal.high}) {
        const size_t at = text.find("%d");
        if (at == std::string::npos)
            break;
        text.replace(at, 2, std::to_string(number));
    }
    return text;
}

int OptionsDialogModel::Value(const OptionField& field) const {
    const int value = values_.Int(KeyOf(field));
    if (field.kind == FieldKind::Bit)
        return (value & field.low) != 0 ? 1 : 0;
    return value;
}

int OptionsDialogModel::SecondValue(const OptionField& field) const {
    return TakesSecondKey(field) ? values_.Int(SecondKeyOf(field)) : 0;
}

const std::string& OptionsDialogModel::TextValue(const OptionField& field) const {
    return values_.Text(KeyOf(field));
}

std::optional<OptionRefusal> OptionsDialogModel::SetValue(const OptionField& field, int value) {
    const OptionKey key = KeyOf(field);
    switch (field.kind) {
        case FieldKind::Check:
            values_.Set(key, value != 0 ? 1 : 0);
            return std::nullopt;
        case FieldKind::Bit: {
            const int current = values_.Int(key);
            values_.Set(key, value != 0 ? current | field.low : current & ~field.low);
            return std::nullopt;
        }
        case FieldKind::Number:
        case FieldKind::Slider:
            if (value < field.low || value > field.high)
                return OptionRefusal{IDS_NUMBER_RANGE, field.low, field.high};
            values_.Set(key, value);
            return std::nullopt;
        case FieldKind::Choice:
        case FieldKind::Radio: {
            const bool listed =
                std::any_of(field.choices.begin(), field.choices.end(),
                            [&](const ChoiceItem& item) { return item.value == value; });
            if (!listed)
                return OptionRefusal{IDS_NUMBER_RANGE, field.choices.front().value,
                                     field.choices.back().value};
            values_.Set(key, value);
            return std::nullopt;
        }
        case FieldKind::Managers:
            if (value < 0 || value >= static_cast<int>(ManagerNames().size()))
                return OptionRefusal{IDS_NUMBER_RANGE, 0,
                                     static_cast<int>(ManagerNames().size()) - 1};
            values_.Set(key, value);
            return std::nullopt;
        default:
            values_.Set(key, value);
            return std::nullopt;
    }
}

std::optional<OptionRefusal> OptionsDialogModel::SetNumberText(const OptionField& field,
                                                               std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return OptionRefusal{IDS_NUMBER_RANGE, field.low, field.high};
    return SetValue(field, value);
}

void OptionsDialogModel::SetSecondValue(const OptionField& field, int keyCode) {
    if (TakesSecondKey(field))
        values_.Set(SecondKeyOf(field), keyCode);
}

void OptionsDialogModel::SetText(const OptionField& field, std::string text) {
    values_.Set(KeyOf(field), std::move(text));
}

int OptionsDialogModel::ChoiceIndex(const OptionField& field) const {
    const int value = Value(field);
    for (size_t i = 0; i < field.choices.size(); ++i) {
        if (field.choices[i].value == value)
            return static_cast<int>(i);
    }
    return -1;
}

void OptionsDialogModel::UseDefaultColourScheme() {
    for (const IntSetting* colour :
         {&keys::UnSelColor, &keys::UnSelFontColor, &keys::SelFontColor, &keys::SepColor})
        values_.Set(OptionValues::KeyOf(*colour), -1);
}

TabBarLook OptionsDialogModel::PreviewTabLook() const {
    auto value = [this](const IntSetting& key) { return values_.Int(OptionValues::KeyOf(key)); };
    TabBarLook look;
    look.look = TabLookOfStyle(value(keys::TabStyle));
    look.atTop = value(keys::TabPos) == 1;
    // Ten tabs in rows of their own widths, whatever the bar's width rules are.
    look.multiLine = true;
    look.fixedWidth = false;
    look.showDot = value(keys::ShowDot) != 0;
    const IntSetting* colours[] = {&keys::UnSelColor, &keys::UnSelFontColor, &keys::SelFontColor,
                                   &keys::SepColor};
    for (size_t i = 0; i < 4; ++i)
        look.colors[i] = value(*colours[i]);
    return look;
}

std::optional<std::string> OptionsDialogModel::TabImagesFile() const {
    return host_.SkinFile(kTabImagesStrip.file);
}

std::vector<std::string> OptionsDialogModel::ManagerNames() const {
    std::vector<std::string> names{host_.Lang().LngLoadString(IDS_NONE)};
    SettingsStore& store = host_.Store(OptionFile::DownManager);
    const std::string prefix = downManagerKeys::kNamePrefix;
    // The list ends at the first missing name.
    for (int i = 1;; ++i) {
        const std::string name = store.GetProfileString(downManagerKeys::ManagerIndex.section,
                                                        prefix + std::to_string(i), "\x01");
        if (name == "\x01")
            break;
        names.push_back(name);
    }
    return names;
}

OptionChanges OptionsDialogModel::Apply() {
    OptionChanges changes;
    for (auto& page : pages_) {
        if (!page)
            continue;
        const CSAPrefsSubDlg::Saved saved = page->OnOK(values_, host_);
        changes.filterListsSaved = changes.filterListsSaved || saved.filterLists;
        changes.gesturesSaved = changes.gesturesSaved || saved.gestures;
        changes.gesturesNotWritten = changes.gesturesNotWritten || saved.gesturesFailed;
    }
    for (const OptionKey& key : values_.Changes()) {
        SettingsStore& store = host_.Store(key.file);
        const bool written = key.isText
                                 ? store.WriteProfileString(key.section, key.key, values_.Text(key))
                                 : store.WriteProfileInt(key.section, key.key, values_.Int(key));
        if (!written) {
            changes.notWritten.push_back(key);
            continue;
        }
        values_.Commit(key);
        changes.keys.push_back(key);
        for (const OptionField& field : OptionFields()) {
            const bool edits = (!(KeyOf(field) < key) && !(key < KeyOf(field))) ||
                               (TakesSecondKey(field) && !(SecondKeyOf(field) < key) &&
                                !(key < SecondKeyOf(field)));
            if (edits)
                changes.effects |= field.effects;
        }
    }
    if (changes.filterListsSaved)
        changes.effects |= kRedoFilterHandler;
    if (changes.gesturesSaved)
        changes.effects |= kRedoMouse;
    if (!changes.Empty())
        host_.OptionsApplied(changes);
    return changes;
}

}  // namespace lumbrel
