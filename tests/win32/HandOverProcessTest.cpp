// A second start of the program in a process of its own. The test program starts itself again
// with kSecondStartSwitch; that copy runs the real second-start path (instance semaphore, the
// window walk, the core's role decision, the sender) against the stand-in main window of the
// test and reports what it did in its exit code.
#include <gtest/gtest.h>
#include "win32/platform/WinApi.h"

#include <set>
#include <string>
#include <vector>

#include "HandOverTestWindow.h"
#include "instance/InstanceRole.h"
#include "win32/instance/InstanceSemaphore.h"
#include "win32/instance/Win32RunningInstance.h"
#include "win32/platform/Handles.h"
#include "win32/platform/Win32CodePage.h"
#include "win32/platform/Win32Ui.h"

namespace lumbrel::win32 {
namespace {

constexpr const char* kSecondStartSwitch = "--lumbrel-second-start";

// Exit codes of the second start.
enum SecondStartExit : int {
    kWouldStart = 1,      // it would have become a browser itself
    kBroughtForward = 2,  // only brought the running window forward
    kWoke = 3,            // woke the hidden running window
    kLeftSilently = 4,    // exited without touching anything
    kHandedOver = 10,     // + the HandOverSendResult
    kBadArguments = 99,
};

// Passes every call on and remembers the last thing done to the running window.
class NotingInstance : public RunningInstance {
public:
    explicit NotingInstance(RunningInstance& real) : real_(real) {}
    int outcome = kLeftSilently;

    void ReleaseInstanceSemaphore() override { real_.ReleaseInstanceSemaphore(); }
    RunningWindow Find() override { return real_.Find(); }
    HandOverSendResult HandOver(std::string_view text) override {
        HandOverSendResult result = real_.HandOver(text);
        outcome = kHandedOver + static_cast<int>(result);
        return result;
    }
    void BringForward() override {
        real_.BringForward();
        if (outcome == kLeftSilently)
            outcome = kBroughtForward;
    }
    void Wake() override {
        real_.Wake();
        outcome = kWoke;
    }

private:
    RunningInstance& real_;
};

// The program's own boxes, except that a message box must not stop a test run: the exit
// code already tells what went wrong.
class SilentUi : public Win32Ui {
public:
    SilentUi() : Win32Ui("Lumbrel") {}
    MsgResult MessageBox(const std::string&, MsgButtons, MsgIcon) override { return MsgResult::Ok; }
};

// argv: program, switch, app name, mutex, mapping, ForbidMult (0/1), [URL]
int RunSecondStart(const std::vector<std::string>& args) {
    if (args.size() < 6)
        return kBadArguments;
    const InstanceNames names{args[2], args[3], args[4]};
    const std::string url = args.size() > 6 ? args[6] : "";
    Win32CodePage codePage;
    InstanceSemaphore semaphore(names.appName);
    Win32RunningInstance running(semaphore, codePage, names);
    NotingInstance noting(running);
    SilentUi ui;
    Language lang;
    const InstanceFacts facts{semaphore.IsFirstInstance(), args[5] == "1",
                              url.empty() ? ShellCommand::New : ShellCommand::Open};
    if (SettleInstanceRole(facts, url, noting, ui, lang))
        return kWouldStart;
    return noting.outcome;
}

// Runs before any test when this copy was started as a second start, and ends the process.
const bool kRanAsSecondStart = [] {
    Win32CodePage codePage;
    const std::vector<std::string> args = SplitCommandLine(codePage, GetCommandLineA());
    if (args.size() < 2 || args[1] != kSecondStartSwitch)
        return false;
    ExitProcess(static_cast<UINT>(RunSecondStart(args)));
}();

std::string Quoted(const std::string& arg) {
    return "\"" + arg + "\"";
}

// Starts a second start of this program; the handle of its process, or none.
UniqueHandle StartSecond(const InstanceNames& names, bool forbidMult, const std::string& url) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string line = Quoted(self) + " " + kSecondStartSwitch + " " + Quoted(names.appName) + " " +
                       Quoted(names.mutexName) + " " + Quoted(names.mappingName) +
                       (forbidMult ? " 1" : " 0");
    if (!url.empty())
        line += " " + Quoted(url);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return UniqueHandle();
    CloseHandle(info.hThread);
    return UniqueHandle(info.hProcess);
}

DWORD ExitCodeOf(const UniqueHandle& process) {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.Get(), &code);
    return code;
}

class SecondStartTest : public ::testing::Test {
protected:
    // Runs the second starts to their end while this thread answers as the running copy.
    std::vector<DWORD> Run(const std::vector<std::string>& urls, bool forbidMult = false) {
        std::vector<UniqueHandle> processes;
        std::vector<HANDLE> handles;
        for (const std::string& url : urls) {
            processes.push_back(StartSecond(names, forbidMult, url));
            EXPECT_TRUE(processes.back()) << url;
            if (processes.back())
                handles.push_back(processes.back().Get());
        }
        EXPECT_TRUE(test::PumpUntilEnded(handles));
        std::vector<DWORD> codes;
        for (const UniqueHandle& process : processes)
            codes.push_back(ExitCodeOf(process));
        return codes;
    }

    const InstanceNames names = test::UniqueNames();
    // This process is the running copy: it holds the semaphore.
    InstanceSemaphore semaphore{names.appName};
};

constexpr DWORD kDelivered = kHandedOver + static_cast<int>(HandOverSendResult::Delivered);

TEST_F(SecondStartTest, LongUrlArrivesCutToTheRecord) {
    ASSERT_TRUE(semaphore.IsFirstInstance());
    test::TestMainWindow window(names);
    const std::string url = "http://example.com/?" + std::string(2980, 'q');
    ASSERT_EQ(url.size(), 3000u);

    EXPECT_EQ(Run({url}), std::vector<DWORD>{kDelivered});
    ASSERT_EQ(window.receipts.size(), 1u);
    EXPECT_EQ(window.receipts[0].result, HandOverReceiveResult::Received);
    EXPECT_EQ(window.receipts[0].text, url.substr(0, 2559));
}

TEST_F(SecondStartTest, ConcurrentStartsAllArriveOnce) {
    test::TestMainWindow window(names);
    std::vector<std::string> urls;
    for (int i = 0; i < 5; ++i)
        urls.push_back("http://example.com/page" + std::to_string(i) + ".htm");

    EXPECT_EQ(Run(urls), std::vector<DWORD>(5, kDelivered));
    std::multiset<std::string> arrived;
    for (const HandOverReceipt& receipt : window.receipts)
        arrived.insert(receipt.text);
    EXPECT_EQ(arrived, std::multiset<std::string>(urls.begin(), urls.end()));
}

TEST_F(SecondStartTest, UrlWithoutRunningWindowIsDropped) {
    EXPECT_EQ(Run({"http://example.com/"}), std::vector<DWORD>{kLeftSilently});
}

TEST_F(SecondStartTest, ForbidMultWakesTheHiddenWindowOrStartsWhenNoneRuns) {
    EXPECT_EQ(Run({""}, true), std::vector<DWORD>{kWouldStart});
    test::TestMainWindow window(names);
    EXPECT_EQ(Run({""}, false), std::vector<DWORD>{kWouldStart});
    EXPECT_EQ(Run({""}, true), std::vector<DWORD>{kWoke});
    EXPECT_EQ(window.wakes, 1);
    EXPECT_TRUE(window.receipts.empty());
}

}  // namespace
}  // namespace lumbrel::win32
