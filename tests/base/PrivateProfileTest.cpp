#include "base/PrivateProfile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/FakeFileSystem.h"

namespace lumbrel {
namespace {

using test::FakeFileSystem;
using test::FsOp;

class PrivateProfileTest : public ::testing::Test {
protected:
    void SetUp() override { fs.AddFolder("C:\\Lumbrel\\User"); }
    void Given(const std::string& content) { fs.AddFile(path, content); }
    std::string Get(std::string_view section, std::string_view key, size_t capacity = 4096) {
        return ini.GetString(path, section, key, "<def>", capacity);
    }
    std::string Keys(std::string_view section) {
        std::string joined;
        for (const std::string& key : ini.GetKeyNames(path, section))
            joined += key + "|";
        return joined;
    }
    std::string Section(std::string_view section) {
        std::string joined;
        for (const ProfileEntry& e : ini.GetSection(path, section))
            joined += e.key + "=" + e.value + "|";
        return joined;
    }
    std::string Sections() {
        std::string joined;
        for (const std::string& name : ini.GetSectionNames(path))
            joined += name + "|";
        return joined;
    }
    std::string File() const { return fs.Content(path); }

    const std::string path = "C:\\Lumbrel\\User\\Lumbrel.ini";
    FakeFileSystem fs;
    PrivateProfile ini{fs};
};

// ---- Reading ----

TEST_F(PrivateProfileTest, BlanksAroundNamesAndValuesAreIgnored) {
    Given("[S]\r\nkey1 = value1\r\n\tkey2=v2 \t\r\nkey 3 = a  b\r\n  [ Spaced ]  \r\nk=1\r\n");
    EXPECT_EQ(Get("S", "key1"), "value1");
    EXPECT_EQ(Get(" S ", "  key1 "), "value1");
    EXPECT_EQ(Get("S", "key2"), "v2");
    EXPECT_EQ(Get("S", "key 3"), "a  b");
    EXPECT_EQ(Get("S", "key  3"), "<def>");
    EXPECT_EQ(Get("Spaced", "k"), "1");
    EXPECT_EQ(Sections(), "S|Spaced|");
}

TEST_F(PrivateProfileTest, OnePairOfMatchingQuotesIsRemoved) {
    Given(
        "[Q]\r\nq1=\"quoted value\"\r\nq2=\"  spaced  \"\r\nq3=\"unbalanced\r\nq4=a \"mid\" b\r\n"
        "q5='single'\r\nq6=\"\"\r\nq7=\"x\"\r\nq8=\"\r\nq9='mixed\"\r\nq10=\"\"twice\"\"\r\n");
    EXPECT_EQ(Get("Q", "q1"), "quoted value");
    EXPECT_EQ(Get("Q", "q2"), "  spaced  ");
    EXPECT_EQ(Get("Q", "q3"), "\"unbalanced");
    EXPECT_EQ(Get("Q", "q4"), "a \"mid\" b");
    EXPECT_EQ(Get("Q", "q5"), "single");
    EXPECT_EQ(Get("Q", "q6"), "");
    EXPECT_EQ(Get("Q", "q7"), "x");
    EXPECT_EQ(Get("Q", "q8"), "\"");
    EXPECT_EQ(Get("Q", "q9"), "'mixed\"");
    EXPECT_EQ(Get("Q", "q10"), "\"twice\"");
    EXPECT_EQ(ini.GetSection(path, "Q")[1].value, "  spaced  ");
}

TEST_F(PrivateProfileTest, NamesMatchWithoutRegardToCase) {
    Given("[MixedCase]\r\nMyKey=1\r\n");
    EXPECT_EQ(Get("mixedcase", "mykey"), "1");
    EXPECT_EQ(Get("MIXEDCASE", "MYKEY"), "1");
    EXPECT_EQ(ini.GetString("c:\\lumbrel\\USER\\lumbrel.INI", "MixedCase", "MyKey", ""), "1");
}

TEST_F(PrivateProfileTest, MissingKeyGivesTheDefaultWithoutTrailingSpaces) {
    Given("[E]\r\nempty=\r\n");
    EXPECT_EQ(ini.GetString(path, "E", "empty", "DEF"), "");
    EXPECT_EQ(ini.GetString(path, "E", "missing", "DEF  "), "DEF");
    EXPECT_EQ(ini.GetString(path, "E", "missing", " D \t "), " D \t");
    EXPECT_EQ(ini.GetString(path, "E", "missing", "defaultvalue", 5), "defa");
    EXPECT_EQ(ini.GetString(path, "Nowhere", "k", "d"), "d");
    EXPECT_EQ(ini.GetString("C:\\Lumbrel\\User\\Missing.ini", "E", "empty", "d"), "d");
}

TEST_F(PrivateProfileTest, ValuesAreCutToTheCapacityLessOne) {
    Given("[L]\r\nlong=" + std::string(5000, 'v') + "\r\nshort=abc\r\nq=\"quoted\"\r\n");
    EXPECT_EQ(Get("L", "long", 10), "vvvvvvvvv");
    EXPECT_EQ(Get("L", "long", 8192).size(), 5000u);
    EXPECT_EQ(Get("L", "short", 3), "ab");
    EXPECT_EQ(Get("L", "short", 4), "abc");
    EXPECT_EQ(Get("L", "short", 1), "");
    EXPECT_EQ(Get("L", "short", 0), "");
    EXPECT_EQ(Get("L", "q", 4), "quo");
    // One more than the unquoted length: the whole value fits.
    EXPECT_EQ(Get("L", "q", 7), "quoted");
}

TEST_F(PrivateProfileTest, CommentsAndLinesWithoutEqualsAreNotEntries) {
    Given(
        "[C]\r\n;k=commented\r\n  ; indented=comment\r\nk=v ; not a comment?\r\n#hash=1\r\n"
        "novalue\r\n=emptykey\r\n  [Indented]\r\ni=1\r\n");
    EXPECT_EQ(Get("C", ";k"), "commented");
    EXPECT_EQ(Get("C", "k"), "v ; not a comment?");
    EXPECT_EQ(Get("C", "#hash"), "1");
    EXPECT_EQ(Get("C", "novalue"), "<def>");
    EXPECT_EQ(Get("C", ""), "emptykey");
    EXPECT_EQ(Keys("C"), "k|#hash||");
    EXPECT_EQ(Section("C"), "k=v ; not a comment?|#hash=1|=emptykey|");
    EXPECT_EQ(Get("Indented", "i"), "1");
}

TEST_F(PrivateProfileTest, FirstDuplicateWinsAndListsShowTheFirstSectionWhole) {
    Given("[D]\r\nk=first\r\nk=second\r\n[Other]\r\no=1\r\n[d]\r\nk=third\r\nk2=only\r\n");
    EXPECT_EQ(Get("D", "k"), "first");
    EXPECT_EQ(Get("D", "k2"), "<def>");
    EXPECT_EQ(Keys("D"), "k|k|");
    EXPECT_EQ(Section("D"), "k=first|k=second|");
    EXPECT_EQ(Sections(), "D|Other|d|");
}

TEST_F(PrivateProfileTest, LineEndsOfEveryKindSplitLines) {
    Given("[S]\nfirst=1\nlast=val");
    EXPECT_EQ(Get("S", "first"), "1");
    EXPECT_EQ(Get("S", "last"), "val");
    Given("[S]\rk=1\r\r\n[T]\n\rt=2");
    EXPECT_EQ(Get("S", "k"), "1");
    EXPECT_EQ(Get("T", "t"), "2");
}

TEST_F(PrivateProfileTest, LinesBeforeTheFirstHeaderFormTheUnnamedSection) {
    Given("pre=1\r\n[S]\r\nk=v\r\n[]\r\nx=2\r\n");
    EXPECT_EQ(Get("", "pre"), "1");
    EXPECT_EQ(Get("", "x"), "<def>");
    EXPECT_EQ(Sections(), "S|");
}

TEST_F(PrivateProfileTest, HeaderNameRunsToTheLastBracket) {
    Given("[a]b]\r\nx=1\r\n[c] ; note\r\ny=2\r\n[nobracket\r\nz=3\r\n[w=1\r\n");
    EXPECT_EQ(Get("a]b", "x"), "1");
    EXPECT_EQ(Get("c", "y"), "2");
    EXPECT_EQ(Get("c", "z"), "3");
    EXPECT_EQ(Get("c", "[w"), "1");
    EXPECT_EQ(Sections(), "a]b|c|");
}

TEST_F(PrivateProfileTest, Utf8MarkDoesNotHideTheFirstHeader) {
    Given("\xEF\xBB\xBF[S]\r\nk=v\r\n");
    EXPECT_EQ(Get("S", "k"), "v");
    ASSERT_TRUE(ini.WriteString(path, "S", "n", "1"));
    EXPECT_EQ(File(), "\xEF\xBB\xBF[S]\r\nk=v\r\nn=1\r\n");
}

// Only the first three bytes of a file can be a byte-order mark: the same bytes at the start of
// a later line are text, also once an edit has removed every line above them.
TEST_F(PrivateProfileTest, MarkBytesOnALaterLineStayTextAfterTheLinesAboveAreGone) {
    const std::string mark = "\xEF\xBB\xBF";
    Given("a=1\r\n" + mark + "[T]\r\nt=1\r\n");
    ASSERT_TRUE(ini.DeleteKey(path, "", "a"));
    const std::string afterHeaderFreed = File();
    Given("a=1\r\n" + mark + "b=2\r\n");
    ASSERT_TRUE(ini.DeleteKey(path, "", "a"));
    const std::string afterKeyDeleted = File();
    Given("[S]\r\ns=1\r\n");
    ASSERT_TRUE(ini.WriteString(path, "", mark + "k", "3"));
    const std::string afterKeyWritten = File();

    PrivateProfile fresh(fs);
    Given(afterHeaderFreed);
    EXPECT_EQ(fresh.GetString(path, "T", "t", "<def>"), "<def>");
    EXPECT_EQ(fresh.GetString(path, "", "t", "<def>"), "1");
    EXPECT_TRUE(fresh.GetSectionNames(path).empty());
    Given(afterKeyDeleted);
    EXPECT_EQ(fresh.GetString(path, "", mark + "b", "<def>"), "2");
    EXPECT_EQ(fresh.GetString(path, "", "b", "<def>"), "<def>");
    Given(afterKeyWritten);
    EXPECT_EQ(fresh.GetString(path, "", mark + "k", "<def>"), "3");
    EXPECT_EQ(fresh.GetString(path, "S", "s", "<def>"), "1");
    // A real mark stays the file's own and is not doubled.
    Given(mark + "a=1\r\n" + mark + "[T]\r\nt=1\r\n");
    ASSERT_TRUE(ini.DeleteKey(path, "", "a"));
    EXPECT_EQ(File(), mark + mark + "[T]\r\nt=1\r\n");
    EXPECT_EQ(fresh.GetString(path, "T", "t", "<def>"), "<def>");
}

struct IntCase {
    const char* value;
    int expected;
};

TEST_F(PrivateProfileTest, IntegersAreReadAsGetPrivateProfileIntReadsThem) {
    const IntCase cases[] = {
        {" 42 ", 42},
        {"0x10", 16},
        {"-5", -5},
        {"abc", 0},
        {"12abc", 12},
        {"", 7},
        {"\"\"", 7},
        {"0X10", 0},
        {"0o17", 15},
        {"0b101", 5},
        {"\"42\"", 42},
        {"99999999999", 1215752191},
        {"-0x10", -16},
        {"+7", 7},
        {"- 5", 0},
        {"0x", 0},
        {"4294967295", -1},
        {"-2147483649", 2147483647},
        {"1234567890123456789012345678901234", 1849262357},  // cut to 29 characters first
        {"0xFFffFFff", -1},
        {"\x01\x02 9", 9},
        {"08", 8},
        {"0b102", 2},
    };
    std::string content = "[I]\r\n";
    for (size_t i = 0; i < std::size(cases); ++i)
        content += "k" + std::to_string(i) + "=" + cases[i].value + "\r\n";
    Given(content);
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ini.GetInt(path, "I", "k" + std::to_string(i), 7), cases[i].expected)
            << "value \"" << cases[i].value << "\"";
    EXPECT_EQ(ini.GetInt(path, "I", "missing", 7), 7);
}

// ---- Writing ----

TEST_F(PrivateProfileTest, NewKeyLandsAfterTheLastLineOfItsSection) {
    Given("[A]\r\na1=1\r\n; trailing comment in A\r\n\r\n[B]\r\nb1=1\r\n");
    ASSERT_TRUE(ini.WriteString(path, "A", "a2", "2"));
    EXPECT_EQ(File(), "[A]\r\na1=1\r\n; trailing comment in A\r\na2=2\r\n\r\n[B]\r\nb1=1\r\n");
    ASSERT_TRUE(ini.WriteString(path, "C", "c1", "3"));
    ASSERT_TRUE(ini.WriteString(path, "A", "a1", "changed"));
    EXPECT_EQ(File(),
              "[A]\r\na1=changed\r\n; trailing comment in A\r\na2=2\r\n\r\n[B]\r\nb1=1\r\n"
              "[C]\r\nc1=3\r\n");
}

TEST_F(PrivateProfileTest, WriteKeepsTheStoredSpellingAndOtherLinesAsTheyWere) {
    Given("; header comment\n\n[MixedCase]\nMyKey = 1\n  other = x  \n");
    ASSERT_TRUE(ini.WriteString(path, " MIXEDCASE ", " MYKEY ", "  2 "));
    EXPECT_EQ(File(), "; header comment\r\n\r\n[MixedCase]\r\nMyKey=2\r\n  other = x  \r\n");
    EXPECT_EQ(Get("mixedcase", "mykey"), "2");
}

TEST_F(PrivateProfileTest, EmptyValueIsWrittenAsKeyEquals) {
    Given("[E]\r\nx=1\r\n");
    ASSERT_TRUE(ini.WriteString(path, "E", "empty", ""));
    ASSERT_TRUE(ini.WriteString(path, "E", "blank", "   "));
    EXPECT_EQ(File(), "[E]\r\nx=1\r\nempty=\r\nblank=\r\n");
    EXPECT_EQ(ini.GetString(path, "E", "empty", "DEF"), "");
    EXPECT_EQ(ini.GetInt(path, "E", "empty", 9), 9);
}

TEST_F(PrivateProfileTest, QuotedValueIsStoredAsGivenAndReadWithoutQuotes) {
    ASSERT_TRUE(ini.WriteString(path, "Q", "w1", "\"written quoted\""));
    EXPECT_EQ(File(), "[Q]\r\nw1=\"written quoted\"\r\n");
    EXPECT_EQ(Get("Q", "w1"), "written quoted");
}

TEST_F(PrivateProfileTest, UnchangedValueDoesNotRewriteTheFile) {
    Given("[S]\r\nk = v\r\n");
    int writes = fs.WriteCount();
    EXPECT_TRUE(ini.WriteString(path, "S", "K", " v"));
    EXPECT_TRUE(ini.DeleteKey(path, "S", "missing"));
    EXPECT_TRUE(ini.DeleteSection(path, "Missing"));
    EXPECT_EQ(fs.WriteCount(), writes);
    EXPECT_EQ(File(), "[S]\r\nk = v\r\n");
}

TEST_F(PrivateProfileTest, DeleteKeyRemovesEveryLineOfItInTheFirstSection) {
    Given("[K]\r\nk1=1\r\n; comment in K\r\nK1=again\r\nk2=2\r\n[k]\r\nk1=other\r\n");
    ASSERT_TRUE(ini.DeleteKey(path, " k ", " K1 "));
    EXPECT_EQ(File(), "[K]\r\n; comment in K\r\nk2=2\r\n[k]\r\nk1=other\r\n");
    EXPECT_EQ(Get("K", "k1"), "<def>");
}

TEST_F(PrivateProfileTest, DeleteSectionRemovesEverySectionOfThatName) {
    Given("[Gone]\r\ng=1\r\n; comment in Gone\r\n[Keep]\r\nz=1\r\n[GONE]\r\ng=2\r\n");
    ASSERT_TRUE(ini.DeleteSection(path, "gone"));
    EXPECT_EQ(File(), "[Keep]\r\nz=1\r\n");
    EXPECT_EQ(Get("Gone", "g"), "<def>");
    ASSERT_TRUE(ini.WriteString(path, "Gone", "g", "3"));
    EXPECT_EQ(File(), "[Keep]\r\nz=1\r\n[Gone]\r\ng=3\r\n");
}

TEST_F(PrivateProfileTest, UnnamedSectionIsWrittenAtTheTop) {
    Given("[S]\r\nk=v\r\n");
    ASSERT_TRUE(ini.WriteString(path, "", "new", "n"));
    EXPECT_EQ(File(), "new=n\r\n[S]\r\nk=v\r\n");
}

TEST_F(PrivateProfileTest, MissingFileIsCreatedButNotItsFolder) {
    ASSERT_TRUE(ini.WriteString(path, "S", "k", "v"));
    EXPECT_EQ(File(), "[S]\r\nk=v\r\n");
    const std::string orphan = "C:\\NoSuchFolder\\x.ini";
    EXPECT_FALSE(ini.WriteString(orphan, "S", "k", "v"));
    EXPECT_EQ(ini.GetString(orphan, "S", "k", "d"), "d");
}

TEST_F(PrivateProfileTest, FailedWriteLeavesReadsOnTheFile) {
    Given("[S]\r\nk=old\r\n");
    fs.FailOn(FsOp::Write, path);
    EXPECT_FALSE(ini.WriteString(path, "S", "k", "new"));
    EXPECT_EQ(Get("S", "k"), "old");
}

TEST_F(PrivateProfileTest, FileThatCannotBeReadIsNeverOverwritten) {
    Given("[S]\r\nk=precious\r\n");
    fs.FailOn(FsOp::Read, path);
    EXPECT_EQ(Get("S", "k"), "<def>");
    EXPECT_FALSE(ini.WriteString(path, "S", "n", "1"));
    EXPECT_FALSE(ini.DeleteSection(path, "S"));
    fs.ClearFailures();
    EXPECT_EQ(File(), "[S]\r\nk=precious\r\n");
    EXPECT_EQ(Get("S", "k"), "precious");
}

// ---- Hardening ----

TEST_F(PrivateProfileTest, ValueCannotInjectLines) {
    Given("[S]\r\nk=v\r\n");
    ASSERT_TRUE(ini.WriteString(path, "S", "nl", "a\r\nb=c"));
    ASSERT_TRUE(ini.WriteString(path, "S", "lf", "x\n[T]\ny=1"));
    ASSERT_TRUE(ini.WriteString(path, "S", "nul", std::string_view("p\0q", 3)));
    EXPECT_EQ(File(), "[S]\r\nk=v\r\nnl=a\r\nlf=x\r\nnul=p\r\n");
    EXPECT_EQ(Get("S", "b"), "<def>");
    EXPECT_EQ(Sections(), "S|");
}

TEST_F(PrivateProfileTest, NamesThatWouldChangeTheFileStructureAreRefused) {
    Given("[S]\r\nk=v\r\n");
    EXPECT_FALSE(ini.WriteString(path, "S]x", "k", "1"));
    EXPECT_FALSE(ini.WriteString(path, "S\r\n[X", "k", "1"));
    EXPECT_FALSE(ini.WriteString(path, "S\n", "k", "1"));
    EXPECT_FALSE(ini.WriteString(path, "S", "e=q", "1"));
    EXPECT_FALSE(ini.WriteString(path, "S", "k\r\nx", "1"));
    EXPECT_FALSE(ini.WriteString(path, "S", " [a", "b]"));
    EXPECT_FALSE(ini.WriteString(path, "S", std::string_view("a\0b", 3), "1"));
    // A line break at either end of a name is refused like one inside it, not trimmed away.
    EXPECT_FALSE(ini.WriteString(path, "S", "\nk", "2"));
    EXPECT_FALSE(ini.WriteString(path, "S", "k\r\n", "2"));
    EXPECT_FALSE(ini.WriteString(path, "S", "\r", "2"));
    EXPECT_FALSE(ini.WriteString(path, "\r\nS", "k", "2"));
    EXPECT_FALSE(ini.WriteString(path, "S", std::string_view("k\0", 2), "2"));
    EXPECT_EQ(File(), "[S]\r\nk=v\r\n");
    EXPECT_TRUE(ini.WriteString(path, "S", "a]", "1"));
    EXPECT_TRUE(ini.WriteString(path, "S[", ";k", "1"));
}

// ---- Cache ----

TEST_F(PrivateProfileTest, ReadsSeeAnExternalRewriteAtOnce) {
    Given("[S]\r\nk=old\r\n");
    EXPECT_EQ(Get("S", "k"), "old");
    Given("[S]\r\nk=new\r\n");  // same size: only the stamp tells
    EXPECT_EQ(Get("S", "k"), "new");
    Given("[S]\r\nk=longer\r\n");
    EXPECT_EQ(Get("S", "k"), "longer");
    fs.DeleteFile(path);
    EXPECT_EQ(Get("S", "k"), "<def>");
}

TEST_F(PrivateProfileTest, UnchangedFileIsParsedOnce) {
    Given("[S]\r\na=1\r\nb=2\r\n");
    for (int i = 0; i < 10; ++i)
        Get("S", i % 2 ? "a" : "b");
    ini.GetSection(path, "S");
    EXPECT_EQ(fs.ReadCount(), 1);
    ASSERT_TRUE(ini.WriteString(path, "S", "c", "3"));
    EXPECT_EQ(Get("S", "c"), "3");
    EXPECT_EQ(fs.ReadCount(), 1);
}

TEST_F(PrivateProfileTest, WriteStartsFromTheLatestExternalContent) {
    Given("[S]\r\na=1\r\n");
    EXPECT_EQ(Get("S", "a"), "1");
    Given("[S]\r\na=1\r\nb=external\r\n");
    ASSERT_TRUE(ini.WriteString(path, "S", "c", "3"));
    EXPECT_EQ(File(), "[S]\r\na=1\r\nb=external\r\nc=3\r\n");
}

// ---- Batches ----

TEST_F(PrivateProfileTest, BatchReplacesTheFileOnceAndReadsSeeItsWrites) {
    Given("[List]\r\nold1=x\r\n");
    int writes = fs.WriteCount();
    {
        PrivateProfile::Batch batch = ini.BeginBatch(path);
        ASSERT_TRUE(ini.DeleteSection(path, "List"));
        for (int i = 1; i <= 100; ++i)
            ASSERT_TRUE(ini.WriteString(path, "List", "url" + std::to_string(i), "u"));
        EXPECT_EQ(Get("List", "url100"), "u");
        EXPECT_EQ(fs.WriteCount(), writes);
    }
    EXPECT_EQ(fs.WriteCount(), writes + 1);
    EXPECT_EQ(ini.GetSection(path, "List").size(), 100u);
    EXPECT_EQ(File().substr(0, 22), "[List]\r\nurl1=u\r\nurl2=u");
}

TEST_F(PrivateProfileTest, BatchCommitsWhenTheLastOpenBatchEnds) {
    int writes = fs.WriteCount();
    {
        PrivateProfile::Batch outer = ini.BeginBatch(path);
        {
            PrivateProfile::Batch inner = ini.BeginBatch(path);
            ini.WriteString(path, "S", "a", "1");
        }
        EXPECT_EQ(fs.WriteCount(), writes);
        PrivateProfile::Batch moved = std::move(outer);
        ini.WriteString(path, "S", "b", "2");
        EXPECT_TRUE(moved.Commit());
        EXPECT_EQ(fs.WriteCount(), writes + 1);
        EXPECT_TRUE(moved.Commit());  // nothing new: no second write
        EXPECT_EQ(fs.WriteCount(), writes + 1);
    }
    EXPECT_EQ(File(), "[S]\r\na=1\r\nb=2\r\n");
}

TEST_F(PrivateProfileTest, BatchReplaysItsWritesOverAnExternalChange) {
    Given("[S]\r\na=1\r\n");
    PrivateProfile::Batch batch = ini.BeginBatch(path);
    ini.WriteString(path, "S", "mine", "m");
    Given("[S]\r\na=1\r\ntheirs=t\r\n");
    EXPECT_EQ(Get("S", "mine"), "m");
    EXPECT_EQ(Get("S", "theirs"), "t");
    ini.WriteString(path, "S", "late", "l");
    Given("[S]\r\na=2\r\ntheirs=t\r\n");
    ASSERT_TRUE(batch.Commit());
    EXPECT_EQ(File(), "[S]\r\na=2\r\ntheirs=t\r\nmine=m\r\nlate=l\r\n");
}

TEST_F(PrivateProfileTest, FailedBatchDropsItsWrites) {
    Given("[S]\r\na=1\r\n");
    PrivateProfile::Batch batch = ini.BeginBatch(path);
    ini.WriteString(path, "S", "a", "2");
    fs.FailOn(FsOp::Write, path);
    EXPECT_FALSE(batch.Commit());
    fs.ClearFailures();
    EXPECT_EQ(Get("S", "a"), "1");
    EXPECT_TRUE(batch.Commit());
    EXPECT_EQ(File(), "[S]\r\na=1\r\n");
}

// ---- Bad input and large files ----

TEST_F(PrivateProfileTest, MalformedFilesReadAsWellAsTheyCan) {
    const char withNuls[] = "[S]\r\nk=a\0b\r\nm=1\r\n\0[T]\r\nt=1";
    const std::string lastCase(withNuls, sizeof withNuls - 1);
    for (const std::string& content :
         {std::string("["), std::string("]"), std::string("[["), std::string("=\r\n=="),
          std::string("\r\n\r\n\n\r"), std::string("[S"), std::string(1, '\0'), lastCase}) {
        Given(content);
        EXPECT_EQ(Get("S", "k"), content == lastCase ? "a" : "<def>");
        ini.GetSection(path, "S");
        ini.GetSectionNames(path);
        EXPECT_TRUE(ini.WriteString(path, "S", "n", "1"));
        EXPECT_EQ(Get("S", "n"), "1");
    }
    EXPECT_EQ(Get("S", "m"), "1");
    EXPECT_EQ(Get("T", "t"), "<def>");  // the header line is hidden behind its NUL
}

TEST_F(PrivateProfileTest, RandomBytesSurviveAWriteUnchanged) {
    std::mt19937 random(1234);
    const std::string alphabet("[]=;\"' \t\r\nabAB\0\x1a\xff", 18);
    for (int round = 0; round < 300; ++round) {
        std::string content;
        int length = static_cast<int>(random() % 200);
        for (int i = 0; i < length; ++i)
            content += alphabet[random() % alphabet.size()];
        Given(content);
        std::vector<std::string> names = ini.GetSectionNames(path);
        std::string before = Section("ab");
        ASSERT_TRUE(ini.WriteString(path, "Fresh", "k", "v"));
        EXPECT_EQ(ini.GetSectionNames(path).size(), names.size() + 1);
        EXPECT_EQ(Section("ab"), before);
        // What was written parses to the same document, byte for byte.
        std::string written = File();
        Given(written);
        ASSERT_TRUE(ini.DeleteSection(path, "Fresh"));
        ASSERT_TRUE(ini.WriteString(path, "Fresh", "k", "v"));
        EXPECT_EQ(File(), written);
    }
}

TEST_F(PrivateProfileTest, LongNumberedListSurvivesManyDeletes) {
    {
        PrivateProfile::Batch batch = ini.BeginBatch(path);
        for (int i = 0; i < 2000; ++i)
            ini.WriteString(path, "List", "url" + std::to_string(i), "v" + std::to_string(i));
        for (int i = 0; i < 2000; i += 2)
            ini.DeleteKey(path, "List", "url" + std::to_string(i));
        ini.WriteString(path, "List", "url0", "back");
    }
    std::vector<ProfileEntry> list = ini.GetSection(path, "List");
    ASSERT_EQ(list.size(), 1001u);
    EXPECT_EQ(list[0].key, "url1");
    EXPECT_EQ(list[999].value, "v1999");
    EXPECT_EQ(list[1000].key, "url0");
    EXPECT_EQ(Get("list", "URL1001"), "v1001");
    EXPECT_EQ(Get("List", "url1000"), "<def>");
    ASSERT_TRUE(ini.WriteString(path, "List", "url1001", "changed"));
    EXPECT_EQ(ini.GetSection(path, "List")[500].value, "changed");
}

}  // namespace
}  // namespace lumbrel
