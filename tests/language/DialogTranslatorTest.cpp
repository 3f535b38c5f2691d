#include "language/DialogTranslator.h"

#include <gtest/gtest.h>

#include "language/Language.h"
#include "support/FakeDialogSurface.h"
#include "support/LanguageFiles.h"

namespace lumbrel {
namespace {

using Strings = std::vector<std::string>;

class DialogTranslatorTest : public ::testing::Test {
protected:
    void Use(std::string_view lines) { test::UseLanguageFile(language_, fs_, test::Crlf(lines)); }
    void Translate() { LngApplyDialog(dialog_, language_, "DialogTest"); }

    test::FakeFileSystem fs_;
    Language language_;
    test::FakeDialogSurface dialog_;
};

TEST_F(DialogTranslatorTest, CaptionAndControlsFromTheDialogSection) {
    Use("[DialogTest]\nCaption=Titel\n1000=Name:\n1002=Zweite\n");
    dialog_.SetCaption("Title");
    const int name = dialog_.AddControl(1000, "Name:");
    const int untouched = dialog_.AddControl(1001, "Keep");
    const int second = dialog_.AddControl(1002, "Second");
    Translate();
    EXPECT_EQ(dialog_.Caption(), "Titel");
    EXPECT_EQ(dialog_.At(name).text, "Name:");
    EXPECT_EQ(dialog_.At(untouched).text, "Keep");
    EXPECT_EQ(dialog_.At(second).text, "Zweite");
}

TEST_F(DialogTranslatorTest, StandardButtonsComeFromStringGeneral) {
    Use("[StringGeneral]\n1=Gut\n2=Abbrechen\n10=Never\n[DialogTest]\n1=Wrong\n9=Wrong\n"
        "10=Zehn\n");
    dialog_.SetCaption("Title");
    const int ok = dialog_.AddControl(1, "OK");
    const int cancel = dialog_.AddControl(2, "Cancel");
    const int help = dialog_.AddControl(9, "Help");
    const int ten = dialog_.AddControl(10, "Ten");
    Translate();
    EXPECT_EQ(dialog_.Caption(), "Title") << "no Caption key";
    EXPECT_EQ(dialog_.At(ok).text, "Gut");
    EXPECT_EQ(dialog_.At(cancel).text, "Abbrechen");
    EXPECT_EQ(dialog_.At(help).text, "Help");
    EXPECT_EQ(dialog_.At(ten).text, "Zehn");
}

TEST_F(DialogTranslatorTest, ControlsWithoutOwnIdStayAlone) {
    Use("[DialogTest]\n0=Zero\n-1=Minus\n65535=Static\n");
    const int zero = dialog_.AddControl(0, "a");
    const int minus = dialog_.AddControl(-1, "b");
    const int shared = dialog_.AddControl(0xFFFF, "c");
    Translate();
    EXPECT_EQ(dialog_.At(zero).text, "a");
    EXPECT_EQ(dialog_.At(minus).text, "b");
    EXPECT_EQ(dialog_.At(shared).text, "c");
}

TEST_F(DialogTranslatorTest, ComboListRefilledKeepingTheSelection) {
    Use("[DialogTest]\n1100=\\nEins\\nZwei\\nDrei\n1101=\\nA\\nB\\n\n1102=\\nX\\n\\nZ\n");
    const int three = dialog_.AddCombo(1100, {"One", "Two", "Three"}, 2);
    const int trailing = dialog_.AddCombo(1101, {"a", "b"}, -1);
    const int gap = dialog_.AddCombo(1102, {"x", "y", "z"}, 1);
    Translate();
    EXPECT_EQ(dialog_.At(three).items, (Strings{"Eins", "Zwei", "Drei"}));
    EXPECT_EQ(dialog_.At(three).selection, 2);
    EXPECT_EQ(dialog_.At(trailing).items, (Strings{"A", "B"}));
    EXPECT_EQ(dialog_.At(trailing).selection, -1);
    EXPECT_EQ(dialog_.At(gap).items, (Strings{"X", "", "Z"}));
    EXPECT_EQ(dialog_.At(gap).selection, 1);
    const Strings expectedLog = {"reset 0", "add 0 Eins", "add 0 Zwei", "add 0 Drei",  "select 0 2",
                                 "reset 1", "add 1 A",    "add 1 B",    "select 1 -1", "reset 2",
                                 "add 2 X", "add 2 ",     "add 2 Z",    "select 2 1"};
    EXPECT_EQ(dialog_.ComboLog(), expectedLog);
}

TEST_F(DialogTranslatorTest, LineEscapesBecomeLineBreaks) {
    Use("[DialogTest]\n1200=Zeile 1\\r\\nZeile 2\n1201=\\nKein Combo\n1202=Tab\\tbleibt\n"
        "1203=Text\\nmit Umbruch\n");
    const int text = dialog_.AddControl(1200);
    const int notCombo = dialog_.AddControl(1201);
    const int tab = dialog_.AddControl(1202);
    const int combo = dialog_.AddCombo(1203, {"a"}, 0);
    Translate();
    EXPECT_EQ(dialog_.At(text).text, "Zeile 1\r\nZeile 2");
    EXPECT_EQ(dialog_.At(notCombo).text, "\nKein Combo");
    EXPECT_EQ(dialog_.At(tab).text, "Tab\\tbleibt");
    EXPECT_EQ(dialog_.At(combo).text, "Text\nmit Umbruch") << "a combo's own text";
    EXPECT_EQ(dialog_.At(combo).items, (Strings{"a"}));
}

TEST_F(DialogTranslatorTest, ValuesAreCutTo511Characters) {
    Use("[DialogTest]\n1300=" + std::string(700, 'y') + "\n");
    const int text = dialog_.AddControl(1300);
    Translate();
    EXPECT_EQ(dialog_.At(text).text, std::string(511, 'y'));
}

TEST_F(DialogTranslatorTest, NothingChangesWithoutLanguageFile) {
    dialog_.SetCaption("Title");
    const int ok = dialog_.AddControl(1, "OK");
    Translate();
    EXPECT_EQ(dialog_.Caption(), "Title");
    EXPECT_EQ(dialog_.At(ok).text, "OK");
}

}  // namespace
}  // namespace lumbrel
