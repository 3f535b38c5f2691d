#include "language/DialogTranslator.h"

#include <optional>
#include <string>
#include <vector>

#include "language/Language.h"
#include "language/LanguageEscapes.h"

namespace lumbrel {
namespace {

constexpr int kLastGeneralId = 9;        // IDOK ... IDHELP share "StringGeneral"
constexpr int kSharedStaticId = 0xFFFF;  // a template's -1: the id of every plain label

void FillCombo(DialogSurface& dialog, int index, std::string_view list, const Language& language) {
    const int selected = dialog.ComboSelection(index);
    dialog.ComboReset(index);
    std::vector<std::string> pieces = SplitAtLineEscapes(list, language.GetCodePage());
    // A list written with a closing "\n" has no empty item at its end.
    if (pieces.size() > 1 && pieces.back().empty()) {
        pieces.pop_back();
    }
    for (const std::string& piece : pieces) {
        dialog.ComboAdd(index, piece);
    }
    dialog.ComboSelect(index, selected);
}

void TranslateControl(DialogSurface& dialog, int index, const Language& language,
                      std::string_view section) {
    const int id = dialog.ControlId(index);
    if (id <= 0 || id == kSharedStaticId) {
        return;
    }
    const bool general = id <= kLastGeneralId;
    std::optional<std::string> value =
        language.Find(general ? std::string_view("StringGeneral") : section, std::to_string(id));
    if (!value) {
        return;
    }
    if (general) {
        dialog.SetControlText(index, *value);
        return;
    }
    const std::string_view listMark = "\\n";
    if (value->starts_with(listMark) && dialog.IsComboBox(index)) {
        FillCombo(dialog, index, std::string_view(*value).substr(listMark.size()), language);
        return;
    }
    dialog.SetControlText(index, ExpandEscapes(*value, "rn", language.GetCodePage()));
}

}  // namespace

void LngApplyDialog(DialogSurface& dialog, const Language& language, std::string_view section) {
    if (!language.IsActive()) {
        return;
    }
    if (std::optional<std::string> caption = language.Find(section, "Caption")) {
        dialog.SetCaption(*caption);
    }
    const int count = dialog.ControlCount();
    for (int index = 0; index < count; ++index) {
        TranslateControl(dialog, index, language, section);
    }
}

}  // namespace lumbrel
