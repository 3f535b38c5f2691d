#include "language/LanguageChoice.h"

#include "app/CBrowserApp.h"
#include "base/DbcsText.h"
#include "base/Paths.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

constexpr size_t kMaxLanguageFiles = 254;
constexpr size_t kLanguageNameCapacity = 256;

}  // namespace

std::vector<LanguageRow> LanguageRows(CBrowserApp& app) {
    std::vector<LanguageRow> rows;
    rows.push_back({app.LngLoadString(IDS_DEFAULT_LANGUAGE), ""});
    const std::string folder = app.Directories().program + "Language\\";
    for (const DirEntry& entry : app.Ports().fs.ListFolder(folder + "*.ini")) {
        if (entry.attributes & kAttrDirectory)
            continue;
        if (rows.size() > kMaxLanguageFiles)
            break;
        const std::string name = app.Profiles().GetString(folder + entry.name, "Information",
                                                          "Language", "", kLanguageNameCapacity);
        rows.push_back({entry.name, name});
    }
    return rows;
}

int ActiveLanguageRow(const CBrowserApp& app, const std::vector<LanguageRow>& rows) {
    const Language& language = app.Lang();
    if (language.GetMode() != Language::kFile)
        return 0;
    const std::string active(SplitPath(app.Ports().codePage, language.GetPath()).name);
    for (size_t i = 1; i < rows.size(); ++i)
        if (EqualsNoCase(app.Ports().codePage, rows[i].fileName, active))
            return static_cast<int>(i);
    return 0;
}

bool ChooseLanguage(CBrowserApp& app) {
    const std::vector<LanguageRow> rows = LanguageRows(app);
    const LanguageRow titles{app.LngLoadString(IDS_COLUMN_FILE_NAME),
                             app.LngLoadString(IDS_COLUMN_LANGUAGE)};
    const auto chosen = app.Ports().ui.ChooseLanguage(titles, rows, ActiveLanguageRow(app, rows));
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(rows.size()))
        return false;
    if (*chosen == 0)
        app.SetLanguage(Language::kBuiltIn, "");
    else
        app.SetLanguage(Language::kFile, rows[static_cast<size_t>(*chosen)].fileName);
    return true;
}

}  // namespace lumbrel
