// The general input box: address mode with "&Up URL", text mode with "Save", and
// "&Copy Selected".
#include <gtest/gtest.h>

#include "address/DialogInput.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/GbkSamples.h"

namespace lumbrel {
namespace {

TEST(DialogInput, TextThatIsNoAddressOpensInTextMode) {
    EXPECT_FALSE(DialogInput("p", "http://a.example/x/", false).TextMode());
    EXPECT_FALSE(DialogInput("p", "C:\\dir", false).TextMode());
    EXPECT_TRUE(DialogInput("p", "some selected words", false).TextMode());
    EXPECT_TRUE(DialogInput("p", "HTTP://upper.example/", false).TextMode())
        << "address forms are compared with case";

    const DialogInput box("p", "http://a.example/x/y.htm", true);
    EXPECT_EQ(box.UpUrl("http://a.example/x/y.htm"), "http://a.example/x/");
    EXPECT_EQ(box.UpUrl("http://site.com/"), std::nullopt) << "nothing above: the field stays";
}

TEST(DialogInput, ProposesAFileNameWithoutTearingCharacters) {
    const test::FakeCodePage cp(1252);
    EXPECT_EQ(DialogInput::ProposedFileName(cp, "Notes: today"), "Notes");
    EXPECT_EQ(DialogInput::ProposedFileName(cp, "plain text"), "plain text");
    EXPECT_EQ(DialogInput::ProposedFileName(cp, "/etc/x"), "_etc_x");

    const test::FakeCodePage gbk(936);
    const std::string bar = test::gbk::kTrailBar;
    const std::string slash = test::gbk::kTrailBackslash;
    EXPECT_EQ(DialogInput::ProposedFileName(gbk, bar + slash + "?rest"), bar + slash)
        << "trail bytes 0x7C and 0x5C are parts of characters, not forbidden ones";

    std::string longText;
    for (int i = 0; i < 150; ++i)
        longText += test::gbk::kZhong;
    longText = "a" + longText;  // every character boundary after the first is odd
    const std::string proposed = DialogInput::ProposedFileName(gbk, longText);
    EXPECT_LE(proposed.size(), DialogInput::kMaxProposedName);
    EXPECT_EQ(proposed.size() % 2, 1u) << "cut between characters";
}

TEST(DialogInput, SaveReplacesTheFileWholeOrLeavesTheOldOne) {
    test::FakeFileSystem fs;
    fs.AddFile("C:\\t\\n.txt", "old text");
    ASSERT_TRUE(DialogInput::SaveText(fs, "C:\\t\\n.txt", "new text"));
    EXPECT_EQ(fs.ReadFile("C:\\t\\n.txt"), "new text");

    fs.FailOn(test::FsOp::Write, "C:\\t\\n.txt");
    EXPECT_FALSE(DialogInput::SaveText(fs, "C:\\t\\n.txt", "newer text"))
        << "a failure is reported, so the box stays open";
    fs.ClearFailures();
    EXPECT_EQ(fs.ReadFile("C:\\t\\n.txt"), "new text");
    EXPECT_FALSE(DialogInput::SaveText(fs, "C:\\t\\x.txt", "")) << "nothing to save";
}

TEST(DialogInput, CopySelectedTakesTheSelectionOrTheWholeText) {
    EXPECT_EQ(DialogInput::CopiedText("hello world", 6, 11), "world");
    EXPECT_EQ(DialogInput::CopiedText("hello world", 3, 3), "hello world");
    EXPECT_EQ(DialogInput::CopiedText("hello", 2, 99), "llo");
}

}  // namespace
}  // namespace lumbrel
