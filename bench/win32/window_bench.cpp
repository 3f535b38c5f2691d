// Many browser windows, timed from outside the program as a user sees them: starts
// lumbrel.exe from a program folder, opens N blank windows and closes them all with "Close
// All", once with the children shown normally (PageMax=0) and once maximised (PageMax=1).
//
//   window_bench PROGRAM_FOLDER [COUNT] [RUNS]
//
// Each opening is one "Blank Page" command sent to the main window (it returns once the window
// exists); an opening or closing is over when the tab control holds the expected count, no
// browser window is left over and every window has painted. The median of RUNS runs is printed.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "commands/CommandIds.h"

namespace {

constexpr const char* kFrameClass = "LumbrelMainFrame";
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kStepTimeoutMs = 180000;

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double Seconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start_.QuadPart) /
               static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER start_{};
};

struct FrameSearch {
    DWORD process;
    HWND found = nullptr;
};

BOOL CALLBACK FindFrameOf(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<FrameSearch*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (process == search->process && lstrcmpA(name, kFrameClass) == 0 && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct ChildSearch {
    const char* className;
    HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (lstrcmpA(name, search->className) != 0)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND FindChildOfClass(HWND parent, const char* className) {
    ChildSearch search{className};
    EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// One started program and the windows the bench reads.
class Program {
public:
    Program(const std::string& folder, PROCESS_INFORMATION process)
        : folder_(folder), process_(process) {}
    ~Program() {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool WaitForFrame() {
        Stopwatch watch;
        while (watch.Seconds() * 1000 < kStartTimeoutMs) {
            FrameSearch search{process_.dwProcessId};
            EnumWindows(FindFrameOf, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                frame_ = search.found;
                tabs_ = FindChildOfClass(frame_, WC_TABCONTROLA);
                mdiClient_ = FindChildOfClass(frame_, "MDIClient");
                return tabs_ && mdiClient_ && Settle();
            }
            Sleep(20);
        }
        return false;
    }

    bool Command(int id) {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(frame_, WM_COMMAND, static_cast<WPARAM>(id), 0, SMTO_NORMAL,
                                   kStepTimeoutMs, &result) != 0;
    }
    void PostCommand(int id) { PostMessageA(frame_, WM_COMMAND, static_cast<WPARAM>(id), 0); }

    // Until the window list holds `tabs` windows and nothing else is left, then every pending
    // paint is done.
    bool WaitForWindows(int tabs) {
        Stopwatch watch;
        while (TabCount() != tabs || BrowserWindowCount() != tabs) {
            if (watch.Seconds() * 1000 > kStepTimeoutMs)
                return false;
            Sleep(5);
        }
        return Settle();
    }

    bool Exit() {
        PostMessageA(frame_, WM_CLOSE, 0, 0);
        return WaitForSingleObject(process_.hProcess, kStartTimeoutMs) == WAIT_OBJECT_0;
    }

private:
    int TabCount() const {
        DWORD_PTR count = 0;
        if (!SendMessageTimeoutA(tabs_, TCM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, kStepTimeoutMs,
                                 &count))
            return -1;
        return static_cast<int>(count);
    }
    int BrowserWindowCount() const {
        int count = 0;
        for (HWND child = GetWindow(mdiClient_, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            ++count;
        return count;
    }
    // The program's thread has run everything queued before this call, and every window with
    // something to paint has painted.
    bool Settle() {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(frame_, WM_NULL, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &result))
            return false;
        return RedrawWindow(frame_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN) != FALSE;
    }

    std::string folder_;
    PROCESS_INFORMATION process_{};
    HWND frame_ = nullptr;
    HWND tabs_ = nullptr;
    HWND mdiClient_ = nullptr;
};

bool WriteSettings(const std::string& folder, int pageMax) {
    const std::string user = folder + "\\User";
    CreateDirectoryA(user.c_str(), nullptr);
    const std::string file = user + "\\Lumbrel.ini";
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out)
        return false;
    std::fprintf(out,
                 "[Settings]\r\nUseLngFile=0\r\nStartupMode=6\r\nRunning=0\r\nConfirmExit=0\r\n"
                 "ConfirmCloseAll=0\r\nKeepOnePage=0\r\nMenuLoadLastClose=0\r\nPageMax=%d\r\n",
                 pageMax);
    return std::fclose(out) == 0;
}

std::unique_ptr<Program> Start(const std::string& folder) {
    std::string commandLine = "\"" + folder + "\\lumbrel.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return nullptr;
    return std::make_unique<Program>(folder, process);
}

struct Timing {
    double open = 0;
    double closeAll = 0;
};

bool RunOnce(const std::string& folder, int pageMax, int count, Timing& timing) {
    if (!WriteSettings(folder, pageMax))
        return false;
    std::unique_ptr<Program> program = Start(folder);
    if (!program || !program->WaitForFrame())
        return false;
    Stopwatch open;
    for (int i = 0; i < count; ++i)
        if (!program->Command(IDM_BLANK_PAGE))
            return false;
    if (!program->WaitForWindows(count))
        return false;
    timing.open = open.Seconds();
    Stopwatch close;
    program->PostCommand(IDM_CLOSE_ALL);
    if (!program->WaitForWindows(0))
        return false;
    timing.closeAll = close.Seconds();
    return program->Exit();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_bench PROGRAM_FOLDER [COUNT] [RUNS]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;
    struct Mode {
        int pageMax;
        const char* name;
    };
    const Mode modes[] = {{0, "normal children (PageMax=0)"},
                          {1, "maximised children (PageMax=1)"}};
    // The modes take turns, so that a change in the machine's load falls on both alike.
    std::vector<double> opens[2], closes[2];
    for (int run = 0; run < runs; ++run) {
        for (int m = 0; m < 2; ++m) {
            Timing timing;
            if (!RunOnce(folder, modes[m].pageMax, count, timing)) {
                std::fprintf(stderr, "window_bench: %s, run %d failed\n", modes[m].name, run + 1);
                return 1;
            }
            opens[m].push_back(timing.open);
            closes[m].push_back(timing.closeAll);
        }
    }
    double results[2][2] = {};
    for (int m = 0; m < 2; ++m) {
        results[m][0] = Median(opens[m]);
        results[m][1] = Median(closes[m]);
        std::printf("%-32s open %d windows %6.2f s   Close All %6.2f s\n", modes[m].name, count,
                    results[m][0], results[m][1]);
    }
    std::printf("maximised / normal: open %.2fx, Close All %.2fx\n", results[1][0] / results[0][0],
                results[1][1] / results[0][1]);
    return 0;
}
