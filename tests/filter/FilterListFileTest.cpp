#include "filter/FilterListFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <filesystem>
#include <functional>
#include <thread>

#include <unistd.h>

#include "filter/FilterFileWriter.h"
#include "support/FakeCodePage.h"
#include "support/FakeFileSystem.h"
#include "support/ImmediateTasks.h"
#include "support/PosixFileSystem.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;
using test::FakeFileSystem;

constexpr char kPath[] = "C:\\Lumbrel\\User\\Filter.ini";

class FilterListFileTest : public ::testing::Test {
protected:
    FilterListFileTest() { fs_.AddFolder("C:\\Lumbrel\\User"); }
    FilterListsCopy Read() {
        PrivateProfile store(fs_);
        return FilterListFile::Read(store, cp_, kPath);
    }
    FakeCodePage cp_;
    FakeFileSystem fs_;
};

TEST_F(FilterListFileTest, AGapEndsTheSectionAndTheNextSaveDropsWhatItHid) {
    fs_.AddFile(kPath,
                "[UrlFilter]\r\nurl1=a.com\r\nURL2 = b.com \r\nurl4=d.com\r\n"
                "[PopFilter]\r\npop1=p1\r\npop2=\r\npop3=p3\r\n"
                "[PopUnFilter]\r\npop01=zero-padded\r\npop1=u1\r\npop1=dup\r\n");
    FilterListsCopy lists = Read();
    EXPECT_EQ(lists.urlFilter, (std::vector<std::string>{"a.com", "b.com"}));
    EXPECT_EQ(lists.popFilter, (std::vector<std::string>{"p1"}));
    EXPECT_EQ(lists.popUnFilter, (std::vector<std::string>{"u1"}));
    EXPECT_TRUE(lists.urlUnFilter.empty());

    PrivateProfile store(fs_);
    ASSERT_TRUE(FilterListFile::Write(store, kPath, lists));
    std::string text = fs_.Content(kPath);
    EXPECT_EQ(text.find("d.com"), std::string::npos);
    EXPECT_EQ(text.find("p3"), std::string::npos);
    EXPECT_EQ(Read(), lists);
}

TEST_F(FilterListFileTest, WritesKeepOtherSectionsAndNumberingWithoutHoles) {
    fs_.AddFile(kPath, "; the user's notes\r\n[Notes]\r\nkeep=1\r\n[UrlFilter]\r\nurl1=old\r\n");
    FilterListsCopy lists{
        .popFilter = {"p*"}, .urlFilter = {"a.com", " ", "c.com"}, .urlUnFilter = {"x.com"}};
    PrivateProfile store(fs_);
    int writesBefore = fs_.WriteCount();
    ASSERT_TRUE(FilterListFile::Write(store, kPath, lists));
    std::string text = fs_.Content(kPath);
    EXPECT_NE(text.find("; the user's notes"), std::string::npos);
    EXPECT_NE(text.find("keep=1"), std::string::npos);
    EXPECT_NE(text.find("url2=c.com"), std::string::npos);
    EXPECT_EQ(text.find("old"), std::string::npos);
    EXPECT_EQ(fs_.WriteCount() - writesBefore, 1);  // one replacement for the four sections
    lists.urlFilter = {"a.com", "c.com"};
    EXPECT_EQ(Read(), lists);
}

// An entry the store cannot keep as it is (a line break or a NUL before its text) must not
// be written as an empty value: the reader stops at the first empty key, and every later
// entry of the section would be lost with the next load.
TEST_F(FilterListFileTest, AnEntryThatStoresEmptyHidesNoLaterEntry) {
    const std::string cases[] = {"\r\nhttp://b.example/", std::string("\0http://b.example/", 18)};
    for (const std::string& odd : cases) {
        FilterListsCopy lists{.popFilter = {"http://a.example/", odd, "http://c.example/"}};
        PrivateProfile store(fs_);
        ASSERT_TRUE(FilterListFile::Write(store, kPath, lists));
        const std::vector<std::string> read = Read().popFilter;
        EXPECT_NE(std::find(read.begin(), read.end(), "http://c.example/"), read.end())
            << "read back: " << read.size() << " entries";
    }
}

TEST_F(FilterListFileTest, LongValuesAreCutAsTheReadBufferCutsThem) {
    fs_.AddFile(kPath, "[UrlFilter]\r\nurl1=" + std::string(1500, 'a') + "\r\n");
    EXPECT_EQ(Read().urlFilter.at(0).size(), FilterListFile::kMaxEntryBytes);
}

TEST_F(FilterListFileTest, MissingFileGivesEmptyLists) {
    EXPECT_EQ(Read(), FilterListsCopy{});
}

// Tasks that wait until the test runs them, as a busy worker thread would.
class HeldTasks : public Tasks {
public:
    std::deque<std::function<void()>> queued;
    void RunInBackground(std::function<void()> task) override { queued.push_back(std::move(task)); }
    void RunAll() {
        while (!queued.empty()) {
            auto task = std::move(queued.front());
            queued.pop_front();
            task();
        }
    }
};

TEST_F(FilterListFileTest, SavesWhileTheWriterIsBusyEndAsTheLatestCopyOfBothPairs) {
    HeldTasks tasks;
    FilterFileWriter writer(fs_, tasks, kPath);
    writer.Save({.popFilter = {"p-old"}, .urlFilter = {"u-old"}});
    writer.Save({.popFilter = {"p-new"}, .urlFilter = {"u-old"}});
    writer.Save({.popFilter = {"p-new"}, .urlFilter = {"u-new"}});
    EXPECT_EQ(tasks.queued.size(), 1u);  // one writer, never two
    int writesBefore = fs_.WriteCount();
    tasks.RunAll();
    EXPECT_EQ(fs_.WriteCount() - writesBefore, 1);
    FilterListsCopy expected{.popFilter = {"p-new"}, .urlFilter = {"u-new"}};
    EXPECT_EQ(Read(), expected);

    writer.Save({.urlFilter = {"again"}});
    EXPECT_EQ(tasks.queued.size(), 1u);  // the worker ended, a new one starts
    tasks.RunAll();
    EXPECT_EQ(Read().urlFilter, std::vector<std::string>{"again"});
}

TEST_F(FilterListFileTest, AFailedWriteIsCountedAndLeavesTheFile) {
    fs_.AddFile(kPath, "[UrlFilter]\r\nurl1=kept\r\n");
    test::ImmediateTasks tasks;
    FilterFileWriter writer(fs_, tasks, kPath);
    fs_.FailOn(test::FsOp::Write, kPath);
    writer.Save({.urlFilter = {"lost"}});
    EXPECT_EQ(writer.FailedWrites(), 1);
    fs_.ClearFailures();
    EXPECT_EQ(Read().urlFilter, std::vector<std::string>{"kept"});
}

// Detached worker threads over real files: the exit's wait returns only after the last
// copy is on disk.
class ThreadTasks : public Tasks {
public:
    void RunInBackground(std::function<void()> task) override {
        ++started;
        std::thread(std::move(task)).detach();
    }
    std::atomic<int> started{0};
};

TEST(FilterFileWriterThreads, ExitWaitsForTheLastSave) {
    auto root = std::filesystem::temp_directory_path() /
                ("lumbrel-filter-writer-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root / "User");
    test::PosixFileSystem fs(root.string(), false);
    ThreadTasks tasks;
    FakeCodePage cp;
    const std::string path = "C:\\User\\Filter.ini";
    FilterListsCopy last;
    {
        FilterFileWriter writer(fs, tasks, path);
        for (int i = 0; i < 200; ++i) {
            last = {.popFilter = {"p" + std::to_string(i)},
                    .urlFilter = std::vector<std::string>(50, "u" + std::to_string(i))};
            writer.Save(last);
        }
        writer.WaitIdle();
        PrivateProfile store(fs);
        EXPECT_EQ(FilterListFile::Read(store, cp, path), last);
        writer.Save({.urlFilter = {"at-exit"}});
    }  // the destructor waits
    PrivateProfile store(fs);
    EXPECT_EQ(FilterListFile::Read(store, cp, path).urlFilter, std::vector<std::string>{"at-exit"});
    std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace lumbrel
