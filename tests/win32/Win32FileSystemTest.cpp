#include "win32/platform/Win32FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "win32/platform/Handles.h"

namespace lumbrel::win32 {
namespace {

// A fresh folder under the temp folder for each test, removed afterwards.
class Win32FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(::GetTempPathA(MAX_PATH, temp), 0u);
        dir = std::string(temp) + "lumbrel-fs-" + std::to_string(::GetCurrentProcessId()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        RemoveTree(dir);
        ASSERT_TRUE(::CreateDirectoryA(dir.c_str(), nullptr));
    }
    void TearDown() override { RemoveTree(dir); }

    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAA data;
        FindHandle find(::FindFirstFileA((folder + "\\*").c_str(), &data));
        if (find) {
            do {
                std::string name = data.cFileName;
                if (name == "." || name == "..")
                    continue;
                std::string full = folder + "\\" + name;
                ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(full);
                else
                    ::DeleteFileA(full.c_str());
            } while (::FindNextFileA(find.Get(), &data));
        }
        find.Reset();
        ::RemoveDirectoryA(folder.c_str());
    }

    std::vector<std::string> Listed(const std::string& pattern = "*") {
        std::vector<std::string> names;
        for (const DirEntry& entry : fs.ListFolder(dir + "\\" + pattern))
            names.push_back(entry.name);
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string dir;
    Win32FileSystem fs;
};

using Names = std::vector<std::string>;

TEST_F(Win32FileSystemTest, AtomicWriteCreatesAndReplacesWithoutLeavingTemporaries) {
    const std::string path = dir + "\\Lumbrel.ini";
    ASSERT_TRUE(fs.WriteFileAtomic(path, "[S]\r\nk=1\r\n"));
    EXPECT_EQ(fs.ReadFile(path), "[S]\r\nk=1\r\n");
    const std::string big(3 * 1024 * 1024 + 7, 'x');
    ASSERT_TRUE(fs.WriteFileAtomic(path, big));
    EXPECT_EQ(fs.ReadFile(path), big);
    ASSERT_TRUE(fs.WriteFileAtomic(path, ""));
    EXPECT_EQ(fs.ReadFile(path), "");
    EXPECT_EQ(Listed(), Names{"Lumbrel.ini"});
}

TEST_F(Win32FileSystemTest, AtomicWriteFailsCleanlyWhereItCannotReplace) {
    EXPECT_FALSE(fs.WriteFileAtomic(dir + "\\missing\\x.ini", "data"));
    const std::string locked = dir + "\\locked.ini";
    ASSERT_TRUE(fs.WriteFileAtomic(locked, "old"));
    ASSERT_TRUE(::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(fs.WriteFileAtomic(locked, "new"));
    EXPECT_EQ(fs.ReadFile(locked), "old");
    EXPECT_FALSE(fs.WriteFileAtomic(dir, "a folder is not replaced"));
    EXPECT_EQ(Listed(), Names{"locked.ini"});
}

TEST_F(Win32FileSystemTest, AtomicWriteKeepsAHiddenFileHidden) {
    const std::string path = dir + "\\hidden.ini";
    ASSERT_TRUE(fs.WriteFileAtomic(path, "1"));
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(fs.WriteFileAtomic(path, "2"));
    EXPECT_TRUE(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(fs.ReadFile(path), "2");
}

TEST_F(Win32FileSystemTest, EveryRewriteOfEqualSizeGetsANewStamp) {
    const std::string path = dir + "\\stamp.ini";
    ASSERT_TRUE(fs.WriteFileAtomic(path, "KillPop=0"));
    std::optional<FileStamp> last = fs.Stamp(path);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->size, 9u);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(fs.WriteFileAtomic(path, i % 2 ? "KillPop=0" : "KillPop=1"));
        std::optional<FileStamp> now = fs.Stamp(path);
        ASSERT_TRUE(now);
        EXPECT_GT(now->writeTime, last->writeTime) << "rewrite " << i;
        last = now;
    }
}

TEST_F(Win32FileSystemTest, RewriteFollowsATargetStampedAheadOfTheClock) {
    // As a FAT volume stores it: whole 2-second units, here a minute ahead of the clock.
    const std::string path = dir + "\\ahead.ini";
    ASSERT_TRUE(fs.WriteFileAtomic(path, "1"));
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    uint64_t ahead =
        ((uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime) / 20000000 + 30) * 20000000;
    FILETIME aheadTime{static_cast<DWORD>(ahead), static_cast<DWORD>(ahead >> 32)};
    {
        UniqueHandle file(::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file);
        ASSERT_TRUE(::SetFileTime(file.Get(), nullptr, nullptr, &aheadTime));
    }
    ASSERT_EQ(fs.Stamp(path)->writeTime, ahead);
    ASSERT_TRUE(fs.WriteFileAtomic(path, "2"));
    EXPECT_EQ(fs.Stamp(path)->writeTime, ahead + 20000000);
}

TEST_F(Win32FileSystemTest, StampIsForFilesOnly) {
    EXPECT_FALSE(fs.Stamp(dir + "\\missing.ini"));
    EXPECT_FALSE(fs.Stamp(dir));
}

TEST_F(Win32FileSystemTest, ExistsAndIsDirectoryIgnoreATrailingBackslash) {
    const std::string file = dir + "\\a.txt";
    ASSERT_TRUE(fs.WriteFileAtomic(file, "x"));
    EXPECT_TRUE(fs.Exists(dir + "\\"));
    EXPECT_TRUE(fs.Exists(dir + "\\\\"));
    EXPECT_TRUE(fs.IsDirectory(dir + "\\"));
    EXPECT_TRUE(fs.Exists(file));
    EXPECT_TRUE(fs.Exists(file + "\\"));
    EXPECT_FALSE(fs.IsDirectory(file));
    EXPECT_TRUE(fs.IsDirectory("C:\\"));
    EXPECT_FALSE(fs.Exists(dir + "\\nothing\\"));
}

TEST_F(Win32FileSystemTest, ListFolderMatchesThePatternAndSkipsDotEntries) {
    ASSERT_TRUE(fs.WriteFileAtomic(dir + "\\one.ini", "12345"));
    ASSERT_TRUE(fs.WriteFileAtomic(dir + "\\two.INI", ""));
    ASSERT_TRUE(fs.WriteFileAtomic(dir + "\\three.txt", ""));
    ASSERT_TRUE(fs.CreateFolder(dir + "\\sub"));
    EXPECT_EQ(Listed(), (Names{"one.ini", "sub", "three.txt", "two.INI"}));
    EXPECT_EQ(Listed("*.ini"), (Names{"one.ini", "two.INI"}));
    for (const DirEntry& entry : fs.ListFolder(dir + "\\*")) {
        EXPECT_EQ((entry.attributes & kAttrDirectory) != 0, entry.name == "sub") << entry.name;
        EXPECT_EQ(entry.size, entry.name == "one.ini" ? 5u : 0u) << entry.name;
    }
    EXPECT_TRUE(fs.ListFolder(dir + "\\missing\\*").empty());
}

TEST_F(Win32FileSystemTest, FolderAndFileOperationsReportFailure) {
    EXPECT_FALSE(fs.CreateFolder(dir));
    EXPECT_FALSE(fs.CreateFolder(dir + "\\a\\b"));
    const std::string a = dir + "\\a.txt";
    const std::string b = dir + "\\b.txt";
    ASSERT_TRUE(fs.AppendFile(a, "one "));
    ASSERT_TRUE(fs.AppendFile(a, "two"));
    EXPECT_EQ(fs.ReadFile(a), "one two");
    ASSERT_TRUE(fs.CopyFile(a, b, false));
    EXPECT_FALSE(fs.CopyFile(a, b, false));
    ASSERT_TRUE(fs.WriteFileAtomic(a, "newer"));
    ASSERT_TRUE(fs.CopyFile(a, b, true));
    EXPECT_EQ(fs.ReadFile(b), "newer");
    EXPECT_FALSE(fs.MoveFile(a, b));
    ASSERT_TRUE(fs.DeleteFile(b));
    ASSERT_TRUE(fs.MoveFile(a, b));
    EXPECT_FALSE(fs.Exists(a));
    EXPECT_FALSE(fs.DeleteFile(a));
    EXPECT_FALSE(fs.ReadFile(a));
}

TEST_F(Win32FileSystemTest, ReadSharesAFileThatAnotherHandleWrites) {
    const std::string path = dir + "\\shared.log";
    UniqueHandle writer(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(writer);
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(writer.Get(), "abc", 3, &written, nullptr));
    EXPECT_EQ(fs.ReadFile(path), "abc");
}

TEST(HandlesTest, OwnersCloseExactlyOnce) {
    HANDLE raw = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD flags = 0;
    {
        UniqueHandle first(raw);
        UniqueHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.Get(), raw);
        ASSERT_TRUE(::GetHandleInformation(raw, &flags));
    }
    EXPECT_FALSE(::GetHandleInformation(raw, &flags));

    UniqueHandle kept(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    HANDLE released = kept.Release();
    EXPECT_TRUE(::GetHandleInformation(released, &flags));
    ::CloseHandle(released);
    EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE));
    EXPECT_FALSE(FindHandle());
}

}  // namespace
}  // namespace lumbrel::win32
