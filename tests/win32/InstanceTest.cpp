// The instance semaphore, the main-window marker and the hand-over sender and receiver within
// one process: the receiver on this thread or on a thread of its own that may never answer.
#include <gtest/gtest.h>
#include "win32/platform/WinApi.h"

#include <string>
#include <thread>

#include "HandOverTestWindow.h"
#include "win32/instance/HandOverSender.h"
#include "win32/instance/InstanceSemaphore.h"
#include "win32/instance/SharedRecordView.h"
#include "win32/platform/Handles.h"
#include "win32/platform/Win32CodePage.h"

namespace lumbrel::win32 {
namespace {

using test::TestMainWindow;
using test::UniqueNames;

TEST(InstanceSemaphore, OnlyTheCreatorIsFirstUntilTheNameIsLetGo) {
    const std::string name = UniqueNames().appName;
    InstanceSemaphore first(name);
    EXPECT_TRUE(first.IsFirstInstance());
    InstanceSemaphore second(name);
    EXPECT_FALSE(second.IsFirstInstance());

    first.Close();
    second.Close();
    InstanceSemaphore later(name);
    EXPECT_TRUE(later.IsFirstInstance());
}

TEST(MainWindowFinder, FindsTheMarkedWindowAndTellsItsState) {
    const InstanceNames names = UniqueNames();
    EXPECT_EQ(FindMainWindow(names.appName), nullptr);
    EXPECT_FALSE(DescribeMainWindow(nullptr).found);

    TestMainWindow window(names);
    ASSERT_EQ(FindMainWindow(names.appName), window.Handle());
    RunningWindow hidden = DescribeMainWindow(window.Handle());
    EXPECT_TRUE(hidden.found);
    EXPECT_FALSE(hidden.visible);
    EXPECT_FALSE(hidden.hasActivePopup);

    // The hot key message of a hidden window makes it show itself.
    EXPECT_TRUE(WakeMainWindow(window.Handle(), 1000));
    EXPECT_EQ(window.wakes, 1);
    EXPECT_TRUE(DescribeMainWindow(window.Handle()).visible);

    UnmarkMainWindow(window.Handle(), names.appName);
    EXPECT_EQ(FindMainWindow(names.appName), nullptr);
}

TEST(MainWindowFinder, DialogOfTheRunningWindowIsItsActivePopup) {
    const InstanceNames names = UniqueNames();
    TestMainWindow frame(names, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetActiveWindow(frame.Handle());
    EXPECT_FALSE(DescribeMainWindow(frame.Handle()).hasActivePopup);

    TestMainWindow dialog(names, WS_POPUP | WS_CAPTION | WS_VISIBLE, frame.Handle());
    SetActiveWindow(dialog.Handle());
    ASSERT_EQ(GetLastActivePopup(frame.Handle()), dialog.Handle());
    EXPECT_TRUE(DescribeMainWindow(frame.Handle()).hasActivePopup);

    // Bringing it forward restores the frame and activates the dialog, not the frame.
    ShowWindow(frame.Handle(), SW_MINIMIZE);
    BringMainWindowForward(frame.Handle());
    test::PumpPendingMessages();
    EXPECT_FALSE(IsIconic(frame.Handle()));
    EXPECT_EQ(GetForegroundWindow(), dialog.Handle());
}

class HandOverTest : public ::testing::Test {
protected:
    HandOverSendResult Send(HWND target, const std::string& text,
                            HandOverTimeouts timeouts = {2000, 2000}) {
        return HandOverSender(codePage, names, timeouts).Send(target, text);
    }

    const InstanceNames names = UniqueNames();
    Win32CodePage codePage{1252};
};

TEST_F(HandOverTest, ReceiverReadsWhatTheSenderWrote) {
    TestMainWindow window(names);
    EXPECT_EQ(Send(window.Handle(), "http://example.com/a b"), HandOverSendResult::Delivered);
    EXPECT_EQ(Send(window.Handle(), "x"), HandOverSendResult::Delivered);
    ASSERT_EQ(window.receipts.size(), 2u);
    EXPECT_EQ(window.receipts[0].result, HandOverReceiveResult::Received);
    EXPECT_EQ(window.receipts[0].text, "http://example.com/a b");
    // The shorter second text is terminated, not mixed with the first.
    EXPECT_EQ(window.receipts[1].text, "x");
}

TEST_F(HandOverTest, RecordWithoutTerminatorIsReadToItsLimit) {
    SharedRecordView writer(names.mappingName, SharedRecordView::Access::ReadWrite);
    ASSERT_EQ(writer.GetStatus(), SharedRecordView::Status::Mapped);
    std::span<char> bytes = writer.Bytes();
    ASSERT_EQ(bytes.size(), 2560u);
    std::fill(bytes.begin(), bytes.end(), 'u');

    HandOverReceipt receipt = ReceiveHandOver(names.mappingName);
    EXPECT_EQ(receipt.result, HandOverReceiveResult::Received);
    EXPECT_EQ(receipt.text, std::string(2559, 'u'));
}

TEST_F(HandOverTest, RecordNameTakenByAnotherObjectIsReportedOnBothSides) {
    TestMainWindow window(names);
    UniqueHandle squatter(CreateMutexA(nullptr, FALSE, names.mappingName.c_str()));
    ASSERT_TRUE(squatter);
    EXPECT_EQ(Send(window.Handle(), "u"), HandOverSendResult::NoSharedMemory);
    EXPECT_EQ(ReceiveHandOver(names.mappingName).result, HandOverReceiveResult::NoSharedMemory);
    EXPECT_TRUE(window.receipts.empty());
}

// A window on a thread that stops dispatching messages, as a hung running copy would.
TEST_F(HandOverTest, RunningWindowThatNeverAnswersTimesOut) {
    HWND hung = nullptr;
    UniqueHandle created(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    UniqueHandle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    std::thread running([&] {
        TestMainWindow window(names);
        hung = window.Handle();
        SetEvent(created.Get());
        WaitForSingleObject(release.Get(), INFINITE);
    });
    WaitForSingleObject(created.Get(), INFINITE);

    EXPECT_EQ(Send(hung, "u", {2000, 200}), HandOverSendResult::NotAnswered);
    SetEvent(release.Get());
    running.join();
    // A window that is gone does not answer either.
    EXPECT_EQ(Send(hung, "u", {2000, 200}), HandOverSendResult::NotAnswered);
}

TEST_F(HandOverTest, MutexHeldByAnotherStartMakesTheSenderGiveUp) {
    TestMainWindow window(names);
    UniqueHandle holding(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    UniqueHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    std::thread other([&] {
        UniqueHandle mutex(CreateMutexA(nullptr, TRUE, names.mutexName.c_str()));
        SetEvent(holding.Get());
        WaitForSingleObject(done.Get(), INFINITE);
        ReleaseMutex(mutex.Get());
    });
    WaitForSingleObject(holding.Get(), INFINITE);
    EXPECT_EQ(Send(window.Handle(), "u", {100, 2000}), HandOverSendResult::Busy);
    SetEvent(done.Get());
    other.join();

    EXPECT_EQ(Send(window.Handle(), "after", {100, 2000}), HandOverSendResult::Delivered);
    ASSERT_EQ(window.receipts.size(), 1u);
    EXPECT_EQ(window.receipts[0].text, "after");
}

TEST_F(HandOverTest, MutexLeftByAStartThatDiedIsTakenOver) {
    TestMainWindow window(names);
    // Keeps the mutex in existence after its owner is gone.
    UniqueHandle keep(CreateMutexA(nullptr, FALSE, names.mutexName.c_str()));
    std::thread died([&] {
        HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, names.mutexName.c_str());
        WaitForSingleObject(mutex, INFINITE);
        CloseHandle(mutex);
        // The thread ends owning it: the mutex is abandoned.
    });
    died.join();
    EXPECT_EQ(Send(window.Handle(), "u", {1000, 2000}), HandOverSendResult::Delivered);
    EXPECT_EQ(window.receipts.size(), 1u);
}

}  // namespace
}  // namespace lumbrel::win32
