#include "instance/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;
using Args = std::vector<std::string>;

struct SplitCase {
    const char* line;
    Args args;
};

// The C runtime's argv, case by case; each line names the rule it pins.
TEST(SplitCommandLine, FollowsTheRuntimeRules) {
    const SplitCase cases[] = {
        {"lumbrel.exe", {"lumbrel.exe"}},
        {"", {""}},
        {"lumbrel.exe   ", {"lumbrel.exe"}},
        {"a\tb  c", {"a", "b", "c"}},
        // A quoted program name ends at the next quote; backslashes in it are plain.
        {"\"C:\\Program Files\\Lumbrel\\lumbrel.exe\" http://a.com/",
         {"C:\\Program Files\\Lumbrel\\lumbrel.exe", "http://a.com/"}},
        {"\"C:\\dir\\\" x", {"C:\\dir\\", "x"}},
        {"\"prog\"arg next", {"prog", "arg", "next"}},
        {"\"unclosed program name", {"unclosed program name"}},
        // An unquoted program name keeps its quotes.
        {"a\"b c", {"a\"b", "c"}},
        // Quotes group blanks and may start or end inside an argument.
        {"p \"a b\" c", {"p", "a b", "c"}},
        {"p x\"a b\"y", {"p", "xa by"}},
        {"p \"open to the end", {"p", "open to the end"}},
        {"p \"\" x", {"p", "", "x"}},
        // Backslashes: literal unless they precede a quote.
        {"p a\\\\b c:\\dir\\", {"p", "a\\\\b", "c:\\dir\\"}},
        {"p a\\\"b", {"p", "a\"b"}},
        {"p a\\\\\\\"b", {"p", "a\\\"b"}},
        {"p \"a\\\\\" b", {"p", "a\\", "b"}},
        {"p a\\\\\\\\\"b c\"", {"p", "a\\\\b c"}},
        // "" inside quotes is a literal quote and ends the quoting (msvcrt, not the 2008+ rule).
        {"p \"a\"\"b c\"", {"p", "a\"b", "c"}},
        {"p \"\"\"\"", {"p", "\""}},
    };
    FakeCodePage cp;
    for (const SplitCase& c : cases)
        EXPECT_EQ(SplitCommandLine(cp, c.line), c.args) << c.line;
}

TEST(SplitCommandLine, EndsAtTheFirstNul) {
    FakeCodePage cp;
    std::string line("p a\0b c", 7);
    EXPECT_EQ(SplitCommandLine(cp, line), (Args{"p", "a"}));
}

// A trail byte equal to "\" belongs to its character and escapes nothing; in a single-byte
// code page the same bytes do escape the quote.
TEST(SplitCommandLine, KeepsDoubleByteCharactersWhole) {
    using namespace test::gbk;
    const std::string path = std::string("C:\\") + kTrailBackslash;
    const std::string line = "p \"" + path + "\" x";

    FakeCodePage gbk(FakeCodePage::kGbk);
    EXPECT_EQ(SplitCommandLine(gbk, line), (Args{"p", path, "x"}));
    FakeCodePage western(FakeCodePage::kWestern);
    EXPECT_EQ(SplitCommandLine(western, line), (Args{"p", "C:\\\x81\" x"}));

    const std::string program = std::string("\"D:\\") + kZhongWen + "\\lumbrel.exe\"";
    EXPECT_EQ(SplitCommandLine(gbk, program + " u")[0],
              std::string("D:\\") + kZhongWen + "\\lumbrel.exe");
    // A lead byte cut off by the end of the line is read as one byte, nothing past it.
    EXPECT_EQ(SplitCommandLine(gbk, "p a\x81"), (Args{"p", "a\x81"}));
    EXPECT_EQ(SplitCommandLine(gbk, "\"p\x81"), (Args{"p\x81"}));
}

TEST(ParseCommandLine, FirstNonSwitchArgumentIsThePageToOpen) {
    FakeCodePage cp;
    CommandLineInfo none = ParseCommandLine(cp, "\"C:\\Lumbrel\\lumbrel.exe\"");
    EXPECT_EQ(none.command, ShellCommand::New);
    EXPECT_EQ(none.fileName, "");

    CommandLineInfo url = ParseCommandLine(cp, "lumbrel.exe http://a.com/x?y=1 ignored.htm");
    EXPECT_EQ(url.command, ShellCommand::Open);
    EXPECT_EQ(url.fileName, "http://a.com/x?y=1");

    CommandLineInfo quoted =
        ParseCommandLine(cp, "lumbrel.exe -x \"\" \"C:\\My Pages\\a b.url\" /y");
    EXPECT_EQ(quoted.command, ShellCommand::Open);
    EXPECT_EQ(quoted.fileName, "C:\\My Pages\\a b.url");
}

TEST(ParseCommandLine, OleSwitchesIgnoreCaseAndAreNeverThePage) {
    FakeCodePage cp;
    CommandLineInfo info = ParseCommandLine(cp, "lumbrel.exe -EMBEDDING /automation - /");
    EXPECT_TRUE(info.embedding);
    EXPECT_TRUE(info.automation);
    EXPECT_EQ(info.command, ShellCommand::New);
    EXPECT_EQ(info.fileName, "");

    CommandLineInfo plain = ParseCommandLine(cp, "lumbrel.exe -Embeddings Automation");
    EXPECT_FALSE(plain.embedding);
    EXPECT_FALSE(plain.automation);
    EXPECT_EQ(plain.fileName, "Automation");
}

TEST(ParseCommandLine, ServerSwitchesAreWordsAfterTheProgramName) {
    FakeCodePage cp;
    auto reg = [&](const char* line) { return ParseCommandLine(cp, line).regServer; };
    auto unreg = [&](const char* line) { return ParseCommandLine(cp, line).unregServer; };

    EXPECT_TRUE(reg("lumbrel.exe /RegServer"));
    EXPECT_TRUE(reg("lumbrel.exe\t-regserver\t"));
    EXPECT_TRUE(unreg("lumbrel.exe /UNREGSERVER"));
    EXPECT_TRUE(reg("lumbrel.exe http://a.com/ -RegServer"));
    EXPECT_EQ(ParseCommandLine(cp, "lumbrel.exe http://a.com/ -RegServer").fileName,
              "http://a.com/");

    // Inside an address, a longer word or the program's own path they are not switches.
    EXPECT_FALSE(reg("lumbrel.exe http://a.com/RegServer"));
    EXPECT_FALSE(reg("lumbrel.exe /RegServers"));
    EXPECT_FALSE(reg("\"C:\\x -RegServer\\lumbrel.exe\""));
    EXPECT_FALSE(reg("C:\\x\\-RegServer"));
    EXPECT_FALSE(reg("lumbrel.exe RegServer"));

    // Only the first one counts.
    CommandLineInfo both = ParseCommandLine(cp, "lumbrel.exe -UnregServer /RegServer");
    EXPECT_TRUE(both.unregServer);
    EXPECT_FALSE(both.regServer);
    CommandLineInfo other = ParseCommandLine(cp, "lumbrel.exe /RegServer -UnregServer");
    EXPECT_TRUE(other.regServer);
    EXPECT_FALSE(other.unregServer);
}

// `cd C:\tmp & lumbrel.exe site.url` with a browser already running elsewhere.
TEST(AbsoluteFileArgument, ARelativeFileIsTakenFromThisProcesssFolder) {
    const FakeCodePage cp;
    test::FakeFileSystem fs;
    fs.AddFile("C:\\tmp\\site.url", "");
    fs.AddFile("C:\\tmp\\sub\\page.htm", "");
    fs.AddFolder("C:\\tmp\\docs");
    EXPECT_EQ(AbsoluteFileArgument(cp, fs, "site.url", "C:\\tmp"), "C:\\tmp\\site.url");
    EXPECT_EQ(AbsoluteFileArgument(cp, fs, "site.url", "C:\\tmp\\"), "C:\\tmp\\site.url");
    EXPECT_EQ(AbsoluteFileArgument(cp, fs, ".\\sub\\page.htm", "C:\\tmp"),
              "C:\\tmp\\sub\\page.htm");
    EXPECT_EQ(AbsoluteFileArgument(cp, fs, "docs", "C:\\tmp"), "C:\\tmp\\docs");
    EXPECT_EQ(AbsoluteFileArgument(cp, fs, "site.url", "C:\\"), "site.url")
        << "nothing of that name here: handed over as typed";
}

TEST(AbsoluteFileArgument, AddressesAndFullPathsStayAsTheyAre) {
    const FakeCodePage cp;
    test::FakeFileSystem fs;
    fs.AddFile("C:\\tmp\\www.example.com", "");
    fs.AddFile("C:\\tmp\\http", "");
    for (const char* argument : {"http://example.com/", "about:blank", "C:\\other\\a.url",
                                 "\\\\server\\share\\a.url", "C:a.url", ""})
        EXPECT_EQ(AbsoluteFileArgument(cp, fs, argument, "C:\\tmp"), argument) << argument;
    EXPECT_EQ(AbsoluteFileArgument(cp, fs, "www.example.com", "C:\\tmp"),
              "C:\\tmp\\www.example.com")
        << "a file of that name wins over the address it looks like";
    EXPECT_EQ(AbsoluteFileArgument(cp, fs, "site.url", ""), "site.url");
}

}  // namespace
}  // namespace lumbrel
