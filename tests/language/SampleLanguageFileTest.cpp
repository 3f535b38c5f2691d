// The language file shipped in resources/Language must parse, and every key it translates
// must still exist: a moved menu or a renumbered string would silently leave it untranslated.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "commands/BuiltinMenus.h"
#include "commands/MenuModelSurface.h"
#include "language/DialogIds.h"
#include "language/Language.h"
#include "language/MenuTranslator.h"
#include "language/StringTable.h"
#include "support/LanguageFiles.h"

namespace lumbrel {
namespace {

constexpr const char* kSamplePath = "resources/Language/Deutsch.ini";

std::string ReadSample() {
    std::ifstream file(kSamplePath, std::ios::binary);
    EXPECT_TRUE(file) << kSamplePath;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

struct Entry {
    std::string key;
    std::string value;
};

// Keys and values per section, in file order.
std::map<std::string, std::vector<Entry>> EntriesBySection(const std::string& text) {
    std::map<std::string, std::vector<Entry>> keys;
    std::string section;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.starts_with("[")) {
            section = line.substr(1, line.find(']') - 1);
            keys[section];
        } else if (size_t eq = line.find('='); eq != std::string::npos) {
            keys[section].push_back({line.substr(0, eq), line.substr(eq + 1)});
        }
    }
    return keys;
}

// True when `key` is a command id or a submenu position path of `menu`.
bool MenuHasKey(const MenuItems& menu, const std::string& key) {
    if (!key.starts_with("X")) {
        return FindCommand(menu, std::stoi(key)) != nullptr;
    }
    MenuPath path;
    std::istringstream parts(key);
    std::string part;
    std::getline(parts, part, 'X');  // the empty text before the first X
    while (std::getline(parts, part, 'X')) {
        path.push_back(std::stoi(part));
    }
    const MenuItem* item = ItemAt(menu, path);
    return item != nullptr && item->kind == MenuItemKind::Submenu;
}

class SampleLanguageFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        text_ = ReadSample();
        test::UseLanguageFile(language_, fs_, text_);
    }

    std::string text_;
    test::FakeFileSystem fs_;
    Language language_;
};

TEST_F(SampleLanguageFileTest, IsAnActiveLanguageWithCrlfLines) {
    ASSERT_TRUE(language_.IsActive());
    EXPECT_EQ(language_.Find("Information", "Language"), "Deutsch");
    EXPECT_TRUE(text_.ends_with("\r\n")) << "the last value would be lost";
    for (size_t lf = text_.find('\n'); lf != std::string::npos; lf = text_.find('\n', lf + 1)) {
        ASSERT_TRUE(lf > 0 && text_[lf - 1] == '\r') << "bare line feed at byte " << lf;
    }
}

TEST_F(SampleLanguageFileTest, EveryKeyNamesSomethingThatExists) {
    const auto keys = EntriesBySection(text_);
    const std::map<std::string, const MenuItems*> menus = {{"MenuMain", &BuiltinMainMenu()},
                                                           {"MenuTray", &BuiltinTrayMenu()},
                                                           {"MenuTab", &BuiltinTabMenu()}};
    for (const auto& [section, entries] : keys) {
        EXPECT_FALSE(entries.empty()) << section;
        for (const auto& [key, value] : entries) {
            if (menus.contains(section)) {
                EXPECT_TRUE(MenuHasKey(*menus.at(section), key)) << section << " " << key;
            } else if (section == "StringTable") {
                EXPECT_TRUE(StringTable::Find(std::stoi(key))) << key;
            } else if (section == "StringGeneral") {
                EXPECT_TRUE(std::stoi(key) >= 1 && std::stoi(key) <= 9) << key;
            } else if (section == "DialogSelectLang") {
                EXPECT_TRUE(key == "Caption" || key == std::to_string(IDC_LANG_PROMPT) ||
                            key == std::to_string(IDC_LANG_LIST))
                    << key;
            } else {
                EXPECT_EQ(section, "Information") << "unexpected section";
            }
        }
    }
    EXPECT_TRUE(keys.contains("MenuMain"));
    EXPECT_TRUE(keys.contains("DialogSelectLang"));
}

TEST_F(SampleLanguageFileTest, EveryValueIsFoundUnderItsSectionAndKey) {
    for (const auto& [section, entries] : EntriesBySection(text_)) {
        for (const auto& [key, value] : entries) {
            EXPECT_EQ(language_.Find(section, key, 4096).value_or("<missing>"), value)
                << "[" << section << "] " << key;
        }
    }
    EXPECT_EQ(language_.LngLoadString(61420), "Standard [Englisch]");
    EXPECT_EQ(language_.LngLoadString(61425), "Ressourcen");
}

TEST_F(SampleLanguageFileTest, TranslatesTheBuiltInMainMenu) {
    MenuItems menu = BuiltinMainMenu();
    MenuModelSurface surface(menu);
    LngApplyMenu(surface, language_, "MenuMain");
    EXPECT_EQ(menu[kMenuFile].text, "&Datei");
    EXPECT_EQ(menu[kMenuWindow].items[kUndoCloseMenuPosition].text, "&Geschlossene Fenster");
    EXPECT_EQ(FindCommand(menu, 32776)->text,
              "&Schlie\xDF"
              "en\tStrg+W");
    EXPECT_EQ(language_.LngLoadString(61348), "Keine");
}

}  // namespace
}  // namespace lumbrel
