#include "language/Language.h"

#include <gtest/gtest.h>

#include "language/StringIds.h"
#include "platform/CodePage.h"
#include "support/FakeFileSystem.h"
#include "support/LanguageFiles.h"

namespace lumbrel {
namespace {

using test::Crlf;
using test::FakeFileSystem;
using test::FsOp;

// Only the lead-byte test matters here: bytes 0x81-0xFE start a double-byte character.
class LeadBytesOnly : public CodePage {
public:
    unsigned AnsiCodePage() const override { return 936; }
    bool IsLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte <= 0xFE; }
    std::u16string AnsiToUtf16(std::string_view) const override { return {}; }
    std::string Utf16ToAnsi(std::u16string_view) const override { return {}; }
    std::string AnsiToUtf8(std::string_view) const override { return {}; }
    std::string Utf8ToAnsi(std::string_view) const override { return {}; }
};

class LanguageTest : public ::testing::Test {
protected:
    void Use(std::string_view lines) { test::UseLanguageFile(language_, fs_, Crlf(lines)); }
    // The value LngGetString copies for (section, key), or "<default>" when it falls back.
    std::string Get(std::string_view section, std::string_view key, size_t capacity = 512) {
        std::string value;
        language_.LngGetString(section, key, "<default>", value, capacity);
        return value;
    }

    FakeFileSystem fs_;
    Language language_;
};

TEST_F(LanguageTest, FindsKeysOnlyInsideTheWantedSection) {
    Use("[Information]\nLanguage=Deutsch\n[Menu]\nkey=menu\n[Other]\nlate=other\nkey=other\n");
    EXPECT_EQ(Get("Information", "Language"), "Deutsch");
    EXPECT_EQ(Get("Menu", "key"), "menu");
    EXPECT_EQ(Get("Other", "key"), "other");
    // The same key name further down belongs to a later section.
    EXPECT_EQ(Get("Menu", "late"), "<default>");
    EXPECT_EQ(Get("Information", "key"), "<default>");
    EXPECT_EQ(Get("Missing", "key"), "<default>");
}

TEST_F(LanguageTest, SearchesExactBytes) {
    Use("[Menu]\nKey=upper\nspaced = blanks\nleft =blank\n indented=blank\nx=a=b\n");
    EXPECT_EQ(Get("Menu", "Key"), "upper");
    EXPECT_EQ(Get("menu", "Key"), "<default>");
    EXPECT_EQ(Get("Menu", "key"), "<default>");
    EXPECT_EQ(Get("Menu", "spaced"), "<default>");
    EXPECT_EQ(Get("Menu", "left"), "<default>");
    EXPECT_EQ(Get("Menu", "indented"), "<default>");
    EXPECT_EQ(Get("Menu", "x"), "a=b");
}

TEST_F(LanguageTest, OnlyTheFirstSectionOfANameCounts) {
    Use("[Menu]\nfirst=1\n[Menu]\nsecond=2\n");
    EXPECT_EQ(Get("Menu", "first"), "1");
    EXPECT_EQ(Get("Menu", "second"), "<default>");
}

TEST_F(LanguageTest, LastLineWithoutLineEndIsMissing) {
    test::UseLanguageFile(language_, fs_, "[Menu]\r\nkept=yes\r\nlast=no");
    EXPECT_EQ(Get("Menu", "kept"), "yes");
    EXPECT_EQ(Get("Menu", "last"), "<default>");
}

TEST_F(LanguageTest, CutsValuesAndDefaultsToCapacity) {
    Use("[S]\nkey=abcdef\n");
    std::string value;
    EXPECT_EQ(language_.LngGetString("S", "key", std::nullopt, value, 4), 3u);
    EXPECT_EQ(value, "abc");
    EXPECT_EQ(language_.LngGetString("S", "none", "default", value, 4), 3u);
    EXPECT_EQ(value, "def");
    EXPECT_EQ(language_.LngGetString("S", "key", std::nullopt, value, 1), 0u);
    EXPECT_EQ(value, "");
    EXPECT_EQ(language_.LngGetString("S", "key", std::nullopt, value, 0), 0u);
    EXPECT_EQ(language_.LngGetString("S", "none", std::nullopt, value, 512), 0u);
    EXPECT_EQ(value, "");
}

TEST_F(LanguageTest, EmptyValuesCountAsMissingForTranslations) {
    Use("[S]\nempty=\nfull=x\n");
    std::string value = "stale";
    EXPECT_EQ(language_.LngGetString("S", "empty", "def", value, 512), 0u);
    EXPECT_EQ(value, "");
    EXPECT_EQ(language_.Find("S", "empty"), std::nullopt);
    EXPECT_EQ(language_.Find("S", "full"), "x");
}

TEST_F(LanguageTest, LoadSwitchesToBuiltInWhenTheFileIsUnusable) {
    language_.SetMode(Language::kFile);
    language_.LngLoad(fs_, "C:\\Lumbrel\\Language\\Missing.ini");
    EXPECT_EQ(language_.GetMode(), Language::kBuiltIn);
    EXPECT_FALSE(language_.IsActive());

    fs_.AddFile("C:\\Lumbrel\\Language\\Empty.ini", "");
    language_.SetMode(Language::kFile);
    language_.LngLoad(fs_, "C:\\Lumbrel\\Language\\Empty.ini");
    EXPECT_EQ(language_.GetMode(), Language::kBuiltIn);

    fs_.AddFile("C:\\Lumbrel\\Language\\Locked.ini", Crlf("[S]\nk=v\n"));
    fs_.FailOn(FsOp::Read, "C:\\Lumbrel\\Language\\Locked.ini");
    language_.SetMode(Language::kFile);
    language_.LngLoad(fs_, "C:\\Lumbrel\\Language\\Locked.ini");
    EXPECT_EQ(language_.GetMode(), Language::kBuiltIn);
    EXPECT_EQ(language_.GetPath(), "C:\\Lumbrel\\Language\\Locked.ini");
}

TEST_F(LanguageTest, LoadReplacesThePreviousFile) {
    Use("[S]\nk=old\n");
    ASSERT_TRUE(language_.IsActive());
    language_.LngLoad(fs_, "C:\\Lumbrel\\Language\\Gone.ini");
    EXPECT_FALSE(language_.IsActive());
    EXPECT_EQ(Get("S", "k"), "<default>");

    // In mode 0 nothing is read, even when the file exists.
    fs_.AddFile("C:\\Lumbrel\\Language\\New.ini", Crlf("[S]\nk=new\n"));
    language_.LngLoad(fs_, "C:\\Lumbrel\\Language\\New.ini");
    EXPECT_EQ(language_.GetMode(), Language::kBuiltIn);
    EXPECT_EQ(Get("S", "k"), "<default>");
}

TEST_F(LanguageTest, TextEndsAtTheFirstNulByte) {
    test::UseLanguageFile(language_, fs_, std::string("[S]\r\na=1\r\n\0b=2\r\n", 17));
    EXPECT_EQ(Get("S", "a"), "1");
    EXPECT_EQ(Get("S", "b"), "<default>");
}

// A section runs from its header line to the next line that begins with '[': a value that
// ends in ']' or holds a header's text, and a header line with more after its ']', are read
// as the lines they are.
TEST_F(LanguageTest, SectionsAreWholeLines) {
    Use("[Menu]\nopen=Open [Ctrl+O]\nclose=Close\n"
        "[Info]\nnote=see [Other]\n"
        "[Other]\nkey=real\n"
        "  [Indented] ; a comment\nlate=indented\n"
        "[Last]\nonly=last\n");
    EXPECT_EQ(Get("Menu", "open"), "Open [Ctrl+O]");
    EXPECT_EQ(Get("Menu", "close"), "Close");
    EXPECT_EQ(Get("Other", "key"), "real");
    EXPECT_EQ(Get("Info", "key"), "<default>");
    EXPECT_EQ(Get("Indented", "late"), "indented");
    EXPECT_EQ(Get("Other", "late"), "<default>");
    EXPECT_EQ(Get("Indented", "only"), "<default>");
}

// GBK characters whose second byte is ']' (0x87 0x5D) or '[' (0x87 0x5B).
TEST_F(LanguageTest, DoubleByteCharactersNeverLookLikeBrackets) {
    Use("[T]\nname=\x87\x5B"
        "S]\n[S]\nfirst=\x87\x5D\nsecond=2\n");
    EXPECT_EQ(Get("T", "name"), "\x87[S]");
    EXPECT_EQ(Get("S", "first"), "\x87]");
    EXPECT_EQ(Get("S", "second"), "2");
}

TEST_F(LanguageTest, CutsKeepDoubleByteCharactersWhole) {
    LeadBytesOnly gbk;
    Language dbcs(&gbk);
    test::UseLanguageFile(dbcs, fs_, Crlf("[S]\nkey=a\xD6\xD0\xCE\xC4\n"));
    std::string value;
    EXPECT_EQ(dbcs.LngGetString("S", "key", std::nullopt, value, 5), 3u);
    EXPECT_EQ(value, "a\xD6\xD0");
    EXPECT_EQ(dbcs.LngGetString("S", "none", "\xD6\xD0\xCE\xC4", value, 4), 2u);
    EXPECT_EQ(value, "\xD6\xD0");
    // Without a code page every byte is a character of its own.
    Use("[S]\nkey=a\xD6\xD0\xCE\xC4\n");
    EXPECT_EQ(Get("S", "key", 5), "a\xD6\xD0\xCE");
}

TEST_F(LanguageTest, FilePathIsBelowTheLanguageFolder) {
    EXPECT_EQ(Language::FilePath("C:\\Lumbrel\\", "Deutsch.ini"),
              "C:\\Lumbrel\\Language\\Deutsch.ini");
}

class LngLoadStringTest : public LanguageTest {};

TEST_F(LngLoadStringTest, BuiltInTextWithoutLanguageFile) {
    EXPECT_EQ(language_.LngLoadString(IDS_NONE), "None");
    EXPECT_EQ(language_.LngLoadString(IDS_CONFIRM_EXIT), "Do you really want to exit?");
    EXPECT_EQ(language_.LngLoadString(12345), "");
}

TEST_F(LngLoadStringTest, ReplacementExpandsLineEscapes) {
    Use("[StringTable]\n61348=Keine\n61404=Erste\\nZweite\n61402=A\\r\\nB\\tC\\\\x\n61401=\n");
    EXPECT_EQ(language_.LngLoadString(IDS_NONE), "Keine");
    EXPECT_EQ(language_.LngLoadString(IDS_CONFIRM_EXIT), "Erste\nZweite");
    EXPECT_EQ(language_.LngLoadString(IDS_PASSWORD_INCORRECT), "A\r\nB\\tC\\\\x");
    // Missing and empty replacements leave the built-in text.
    EXPECT_EQ(language_.LngLoadString(IDS_CONFIRM_CLOSE_ALL),
              "Do you really want to close all windows?");
    EXPECT_EQ(language_.LngLoadString(IDS_INPUT_URL), "Input URL:");
}

TEST_F(LngLoadStringTest, ReplacementIsCutTo511Characters) {
    Use("[StringTable]\n61348=" + std::string(600, 'x') + "\n");
    EXPECT_EQ(language_.LngLoadString(IDS_NONE), std::string(511, 'x'));
}

TEST_F(LngLoadStringTest, LooksOnlyInTheStringTableSection) {
    Use("[MenuMain]\n61348=Menu\n[StringTable]\n1=x\n");
    EXPECT_EQ(language_.LngLoadString(IDS_NONE), "None");
}

TEST_F(LngLoadStringTest, BackslashInsideADoubleByteCharacterIsNoEscape) {
    // 0x81 0x5C is one double-byte character whose second byte is a backslash.
    const std::string text = "\x81\x5Cn|\\n";
    Use("[StringTable]\n61348=" + text + "\n");
    EXPECT_EQ(language_.LngLoadString(IDS_NONE), "\x81\n|\n") << "without a code page";

    LeadBytesOnly gbk;
    Language dbcs(&gbk);
    test::UseLanguageFile(dbcs, fs_, Crlf("[StringTable]\n61348=" + text + "\n"));
    EXPECT_EQ(dbcs.LngLoadString(IDS_NONE), "\x81\x5Cn|\n");
}

}  // namespace
}  // namespace lumbrel
