#include "instance/HandOverRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FakeCodePage.h"
#include "support/GbkSamples.h"
#include "support/ScriptedUi.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;

// A record as the mapping gives it: filled with garbage from an earlier hand-over.
std::vector<char> UsedRecord(size_t size = kHandOverRecordSize) {
    return std::vector<char>(size, 'Z');
}

TEST(HandOverRecord, WritesTheTextWithItsTerminator) {
    FakeCodePage cp;
    std::vector<char> record = UsedRecord();
    EXPECT_EQ(WriteHandOverRecord(cp, "http://a.com/", record), 13u);
    EXPECT_EQ(ReadHandOverRecord(record), "http://a.com/");
    EXPECT_EQ(WriteHandOverRecord(cp, std::string("a\0b", 3), record), 1u);
    EXPECT_EQ(ReadHandOverRecord(record), "a");
}

TEST(HandOverRecord, LongTextsAreCutToTheRecord) {
    FakeCodePage cp;
    std::vector<char> record = UsedRecord();
    const std::string url = "http://a.com/?" + std::string(2986, 'q');
    ASSERT_EQ(url.size(), 3000u);
    EXPECT_EQ(WriteHandOverRecord(cp, url, record), 2559u);
    EXPECT_EQ(record[2559], '\0');
    EXPECT_EQ(ReadHandOverRecord(record), url.substr(0, 2559));

    const std::string exact(2559, 'x');
    EXPECT_EQ(WriteHandOverRecord(cp, exact, record), 2559u);
    EXPECT_EQ(ReadHandOverRecord(record), exact);

    // A record shorter than the format's still ends with its terminator.
    std::vector<char> small = UsedRecord(8);
    EXPECT_EQ(WriteHandOverRecord(cp, url, small), 7u);
    EXPECT_EQ(small[7], '\0');
    EXPECT_EQ(WriteHandOverRecord(cp, url, std::span<char>()), 0u);
}

TEST(HandOverRecord, CutKeepsDoubleByteCharactersWhole) {
    using namespace test::gbk;
    FakeCodePage gbk(FakeCodePage::kGbk);
    std::vector<char> record = UsedRecord();
    // The character at 2558-2559 would lose its trail byte at 2559.
    const std::string text = std::string(2558, 'a') + kZhong + "tail";
    EXPECT_EQ(WriteHandOverRecord(gbk, text, record), 2558u);
    EXPECT_EQ(record[2558], '\0');

    const std::string fits = std::string(2557, 'a') + kTrailBackslash + "tail";
    EXPECT_EQ(WriteHandOverRecord(gbk, fits, record), 2559u);
    EXPECT_EQ(ReadHandOverRecord(record), std::string(2557, 'a') + kTrailBackslash);

    // The same bytes in a single-byte code page are cut at the limit.
    FakeCodePage western;
    EXPECT_EQ(WriteHandOverRecord(western, text, record), 2559u);
}

// The reader bounds itself: the writer may be another program, or a sender that died half way.
TEST(HandOverRecord, ReadingNeverPassesTheLimitOrTheRecord) {
    std::vector<char> full = UsedRecord();
    EXPECT_EQ(ReadHandOverRecord(full), std::string(2559, 'Z'));

    std::vector<char> shortRecord = UsedRecord(100);
    EXPECT_EQ(ReadHandOverRecord(shortRecord), std::string(100, 'Z'));
    EXPECT_EQ(ReadHandOverRecord(std::span<const char>()), "");

    std::vector<char> larger = UsedRecord(4096);
    EXPECT_EQ(ReadHandOverRecord(larger).size(), 2559u);
}

TEST(HandOverRecord, ReceiverFailuresShowTheirMessagesAndOpenNothing) {
    test::ScriptedUi ui;
    Language lang;
    EXPECT_EQ(AcceptHandOver({HandOverReceiveResult::Received, "http://a.com/"}, ui, lang),
              "http://a.com/");
    EXPECT_TRUE(ui.MessagesShown().empty());
    EXPECT_EQ(AcceptHandOver({HandOverReceiveResult::NoSharedMemory, ""}, ui, lang), std::nullopt);
    EXPECT_EQ(AcceptHandOver({HandOverReceiveResult::NoView, ""}, ui, lang), std::nullopt);
    EXPECT_EQ(AcceptHandOver({HandOverReceiveResult::Received, ""}, ui, lang), std::nullopt);
    EXPECT_EQ(ui.MessagesShown(),
              (std::vector<std::string>{"Fail to create share memory!", "MapViewOfFile Fail"}));
}

}  // namespace
}  // namespace lumbrel
