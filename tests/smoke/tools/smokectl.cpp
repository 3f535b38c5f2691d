// Drives a running lumbrel.exe from a smoke test: waits for its windows, counts them, posts
// them messages and closes them. Runs under the same Wine server as the program.
//   smokectl wait-window CLASS TIMEOUT_MS      prints the window's title
//   smokectl wait-gone CLASS TIMEOUT_MS
//   smokectl count CLASS                       visible top-level windows of CLASS
//   smokectl close CLASS                       posts WM_CLOSE to every window of CLASS
//   smokectl post CLASS MESSAGE WPARAM LPARAM  posts to the first window of CLASS
//   smokectl send CLASS MESSAGE WPARAM LPARAM  sends (with a 10 s timeout), prints the result
//   smokectl press TITLE BUTTON TIMEOUT_MS     clicks a button of the dialog titled TITLE
//   smokectl tabs CLASS                        tabs of the first window's tab control
//   smokectl wait-tabs CLASS COUNT TIMEOUT_MS  until the tab control holds COUNT tabs
//   smokectl children CLASS                    browser windows inside the first window
//   smokectl address CLASS                     the text of the first window's address box
//   smokectl key CLASS KEY [ctrl|shift|alt...] types a key into the first window (SendInput)
//   smokectl type CLASS TEXT [ctrl|shift|alt...] empties the address box, clicks into it,
//                                              types TEXT and presses Enter with the given
//                                              keys held (SendInput)
//   smokectl type-search CLASS TEXT [keys...]  the same in the search bar's keyword box
//   smokectl tab-text CLASS INDEX              the text of a tab of the first window
//   smokectl drag-tab CLASS FROM TO            drags tab FROM onto tab TO with the real mouse
//                                              (SendInput: press, moves, release)
//   smokectl right-drag CLASS DX DY            draws a stroke with the right button over the
//                                              active browser window's page (SendInput)
//   smokectl shown-children CLASS              visible browser windows inside the first window
//   smokectl page-controls CLASS               hosted controls (id 100) inside the visible ones
//   smokectl list-rows TITLE CONTROL TIMEOUT_MS the rows of a list view of the dialog titled
//                                              TITLE, one line each: tick (0/1), picture,
//                                              then the text of each column, tab-separated
//
// Messages, buttons and keys are given by their Windows names (WM_COMMAND, IDYES, F1, W); the
// program's own ids come as numbers from the names generated out of its headers.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "SmokeNames.h"

namespace {

struct Search {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (std::strcmp(name, search->className) == 0)
        search->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> Find(const char* className, bool visibleOnly) {
    Search search{className, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    std::vector<HWND> result;
    for (HWND h : search.found)
        if (!visibleOnly || IsWindowVisible(h))
            result.push_back(h);
    return result;
}

struct DescendantSearch {
    const char* className;
    HWND found = nullptr;
    int count = 0;
};

BOOL CALLBACK CollectDescendant(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<DescendantSearch*>(lParam);
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (std::strcmp(name, search->className) == 0) {
        if (!search->found)
            search->found = hwnd;
        ++search->count;
    }
    return TRUE;
}

DescendantSearch FindDescendants(HWND parent, const char* className) {
    DescendantSearch search{className};
    EnumChildWindows(parent, CollectDescendant, reinterpret_cast<LPARAM>(&search));
    return search;
}

HWND FirstWindow(const char* className) {
    auto windows = Find(className, false);
    return windows.empty() ? nullptr : windows.front();
}

int TabCount(const char* className) {
    HWND frame = FirstWindow(className);
    HWND tabs = frame ? FindDescendants(frame, "SysTabControl32").found : nullptr;
    return tabs ? static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)) : -1;
}

int PressButton(const char* title, int button, DWORD timeout) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND dialog = FindWindowA("#32770", title);
        if (dialog && IsWindowVisible(dialog)) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
            return 0;
        }
        if (GetTickCount() - start > timeout)
            return 1;
        Sleep(50);
    }
}

void PressKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        inputs.push_back(down);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *it;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The modifier keys named from argument `first` on ("ctrl", "shift", "alt").
std::vector<WORD> Modifiers(int argc, char** argv, int first) {
    std::vector<WORD> keys;
    for (int i = first; i < argc; ++i) {
        if (!std::strcmp(argv[i], "ctrl"))
            keys.push_back(VK_CONTROL);
        if (!std::strcmp(argv[i], "shift"))
            keys.push_back(VK_SHIFT);
        if (!std::strcmp(argv[i], "alt"))
            keys.push_back(VK_MENU);
    }
    return keys;
}

void Click(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const LONG x = (rect.left + rect.right) / 2, y = (rect.top + rect.bottom) / 2;
    INPUT inputs[3] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    inputs[0].mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1] = inputs[0];
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2] = inputs[0];
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

void TypeText(const char* text) {
    std::vector<INPUT> inputs;
    for (const char* c = text; *c; ++c) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<unsigned char>(*c);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// TCM_GETITEMA of another process: the item and its text buffer live in that process.
int TabText(const char* className, int index) {
    HWND frame = FirstWindow(className);
    HWND tabs = frame ? FindDescendants(frame, "SysTabControl32").found : nullptr;
    DWORD pid = 0;
    if (!tabs || !GetWindowThreadProcessId(tabs, &pid))
        return 1;
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return 1;
    constexpr SIZE_T kTextSize = 4096;
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(TCITEMA) + kTextSize,
                                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    int result = 1;
    if (remote) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = remote + sizeof(TCITEMA);
        item.cchTextMax = kTextSize;
        static char text[kTextSize];
        if (WriteProcessMemory(process, remote, &item, sizeof(item), nullptr) &&
            SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(remote)) &&
            ReadProcessMemory(process, remote + sizeof(TCITEMA), text, kTextSize, nullptr)) {
            text[kTextSize - 1] = 0;
            std::printf("%s\n", text);
            result = 0;
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return result;
}

// TCM_GETITEMRECT of another process, in screen pixels.
bool TabScreenRect(HWND tabs, int index, RECT& rect) {
    DWORD pid = 0;
    if (!GetWindowThreadProcessId(tabs, &pid))
        return false;
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return false;
    bool found = false;
    if (void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT | MEM_RESERVE,
                                      PAGE_READWRITE)) {
        found = SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(remote)) &&
                ReadProcessMemory(process, remote, &rect, sizeof(rect), nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    if (found)
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return found;
}

void SendMouse(LONG x, LONG y, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(30);
}

// Presses on the middle of tab `from`, moves in steps onto tab `to` and releases there.
int DragTab(const char* className, int from, int to) {
    HWND frame = FirstWindow(className);
    HWND tabs = frame ? FindDescendants(frame, "SysTabControl32").found : nullptr;
    RECT source{}, target{};
    if (!tabs || !TabScreenRect(tabs, from, source) || !TabScreenRect(tabs, to, target))
        return 1;
    SetForegroundWindow(frame);
    Sleep(100);
    // Right of the image area, where a press starts a drag and never a close.
    const LONG x0 = (source.left + source.right) / 2, y0 = (source.top + source.bottom) / 2;
    const LONG x1 = (target.left + target.right) / 2, y1 = (target.top + target.bottom) / 2;
    SendMouse(x0, y0, 0);
    SendMouse(x0, y0, MOUSEEVENTF_LEFTDOWN);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        SendMouse(x0 + (x1 - x0) * i / kSteps, y0 + (y1 - y0) * i / kSteps, 0);
    SendMouse(x1, y1, MOUSEEVENTF_LEFTUP);
    return 0;
}

// Presses the right button in the middle of the active browser window, moves by (dx, dy) in
// steps and releases there.
int RightDrag(const char* className, LONG dx, LONG dy) {
    HWND frame = FirstWindow(className);
    HWND client = frame ? FindDescendants(frame, "MDIClient").found : nullptr;
    HWND child =
        client ? reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
    RECT area{};
    if (!child || !GetClientRect(child, &area))
        return 1;
    POINT start{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    ClientToScreen(child, &start);
    SetForegroundWindow(frame);
    Sleep(100);
    SendMouse(start.x, start.y, 0);
    SendMouse(start.x, start.y, MOUSEEVENTF_RIGHTDOWN);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        SendMouse(start.x + dx * i / kSteps, start.y + dy * i / kSteps, 0);
    SendMouse(start.x + dx, start.y + dy, MOUSEEVENTF_RIGHTUP);
    return 0;
}

std::vector<HWND> ShownChildren(const char* className) {
    HWND frame = FirstWindow(className);
    HWND client = frame ? FindDescendants(frame, "MDIClient").found : nullptr;
    std::vector<HWND> shown;
    for (HWND child = client ? GetWindow(client, GW_CHILD) : nullptr; child;
         child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            shown.push_back(child);
    return shown;
}

BOOL CALLBACK CountControls(HWND hwnd, LPARAM lParam) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (!std::strcmp(name, "Shell Embedding") && GetDlgCtrlID(hwnd) == 100)
        ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// The rows of a report list view of another process: the item and its text buffer live there.
int ListRows(const char* title, int control, DWORD timeout) {
    const DWORD start = GetTickCount();
    HWND dialog = nullptr;
    while (!(dialog = FindWindowA("#32770", title)) || !IsWindowVisible(dialog)) {
        if (GetTickCount() - start > timeout)
            return 1;
        Sleep(50);
    }
    HWND list = GetDlgItem(dialog, control);
    DWORD pid = 0;
    if (!list || !GetWindowThreadProcessId(list, &pid))
        return 1;
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return 1;
    constexpr SIZE_T kTextSize = 2048;
    auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + kTextSize,
                                                     MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    int result = remote ? 0 : 1;
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; remote && row < rows && result == 0; ++row) {
        const UINT state =
            static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        LVITEMA answer{};
        if (!WriteProcessMemory(process, remote, &item, sizeof(item), nullptr) ||
            !SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote)) ||
            !ReadProcessMemory(process, remote, &answer, sizeof(answer), nullptr)) {
            result = 1;
            break;
        }
        std::printf("%d\t%d", ((state & LVIS_STATEIMAGEMASK) >> 12) == 2 ? 1 : 0, answer.iImage);
        for (int column = 0; column < columns; ++column) {
            LVITEMA textItem{};
            textItem.iSubItem = column;
            textItem.pszText = remote + sizeof(LVITEMA);
            textItem.cchTextMax = kTextSize;
            static char text[kTextSize];
            text[0] = 0;
            if (WriteProcessMemory(process, remote, &textItem, sizeof(textItem), nullptr)) {
                SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                             reinterpret_cast<LPARAM>(remote));
                ReadProcessMemory(process, remote + sizeof(LVITEMA), text, kTextSize, nullptr);
            }
            text[kTextSize - 1] = 0;
            std::printf("\t%s", text);
        }
        std::printf("\n");
    }
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
}

int WaitWindow(const char* className, DWORD timeout) {
    const DWORD start = GetTickCount();
    for (;;) {
        auto windows = Find(className, true);
        if (!windows.empty()) {
            char title[512] = {};
            GetWindowTextA(windows.front(), title, sizeof(title));
            std::printf("%s\n", title);
            return 0;
        }
        if (GetTickCount() - start > timeout)
            return 1;
        Sleep(50);
    }
}

int WaitGone(const char* className, DWORD timeout) {
    const DWORD start = GetTickCount();
    while (!Find(className, false).empty()) {
        if (GetTickCount() - start > timeout)
            return 1;
        Sleep(50);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: smokectl COMMAND CLASS [ARGS]\n");
        return 2;
    }
    const char* command = argv[1];
    const char* className = argv[2];
    if (!std::strcmp(command, "wait-window") && argc == 4)
        return WaitWindow(className, static_cast<DWORD>(Number(argv[3])));
    if (!std::strcmp(command, "wait-gone") && argc == 4)
        return WaitGone(className, static_cast<DWORD>(Number(argv[3])));
    if (!std::strcmp(command, "count")) {
        std::printf("%u\n", static_cast<unsigned>(Find(className, true).size()));
        return 0;
    }
    if (!std::strcmp(command, "close")) {
        for (HWND h : Find(className, false))
            PostMessageA(h, WM_CLOSE, 0, 0);
        return 0;
    }
    if (!std::strcmp(command, "press") && argc == 5)
        return PressButton(className, static_cast<int>(Value(argv[3])),
                           static_cast<DWORD>(Number(argv[4])));
    if (!std::strcmp(command, "tabs")) {
        std::printf("%d\n", TabCount(className));
        return 0;
    }
    if (!std::strcmp(command, "wait-tabs") && argc == 5) {
        const DWORD start = GetTickCount();
        while (TabCount(className) != static_cast<int>(Number(argv[3]))) {
            if (GetTickCount() - start > Number(argv[4])) {
                std::printf("%d\n", TabCount(className));
                return 1;
            }
            Sleep(50);
        }
        return 0;
    }
    if (!std::strcmp(command, "children")) {
        HWND frame = FirstWindow(className);
        HWND client = frame ? FindDescendants(frame, "MDIClient").found : nullptr;
        int count = 0;
        for (HWND child = client ? GetWindow(client, GW_CHILD) : nullptr; child;
             child = GetWindow(child, GW_HWNDNEXT))
            ++count;
        std::printf("%d\n", client ? count : -1);
        return 0;
    }
    if (!std::strcmp(command, "address")) {
        HWND frame = FirstWindow(className);
        // The address box, not the search bar's keyword box.
        HWND bar = frame ? FindDescendants(frame, "LumbrelAddressBar").found : nullptr;
        HWND combo = bar ? FindDescendants(bar, "ComboBoxEx32").found : nullptr;
        HWND edit = combo ? FindDescendants(combo, "Edit").found : nullptr;
        if (!edit)
            return 1;
        static char text[8192];
        SendMessageA(edit, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", text);
        return 0;
    }
    if (!std::strcmp(command, "key") && argc >= 4) {
        HWND frame = FirstWindow(className);
        if (!frame)
            return 1;
        SetForegroundWindow(frame);
        Sleep(100);
        std::vector<WORD> keys = Modifiers(argc, argv, 4);
        keys.push_back(static_cast<WORD>(Value(argv[3])));
        PressKeys(keys);
        return 0;
    }
    if ((!std::strcmp(command, "type") || !std::strcmp(command, "type-search")) && argc >= 4) {
        HWND frame = FirstWindow(className);
        const char* barClass =
            !std::strcmp(command, "type") ? "LumbrelAddressBar" : "LumbrelSearchBar";
        HWND bar = frame ? FindDescendants(frame, barClass).found : nullptr;
        HWND combo = bar ? FindDescendants(bar, "ComboBoxEx32").found : nullptr;
        HWND edit = combo ? FindDescendants(combo, "Edit").found : nullptr;
        if (!edit)
            return 1;
        SetForegroundWindow(frame);
        Sleep(100);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        Click(edit);
        Sleep(100);
        TypeText(argv[3]);
        std::vector<WORD> keys = Modifiers(argc, argv, 4);
        keys.push_back(VK_RETURN);
        PressKeys(keys);
        return 0;
    }
    if (!std::strcmp(command, "tab-text") && argc == 4)
        return TabText(className, static_cast<int>(Number(argv[3])));
    if (!std::strcmp(command, "drag-tab") && argc == 5)
        return DragTab(className, static_cast<int>(Number(argv[3])),
                       static_cast<int>(Number(argv[4])));
    if (!std::strcmp(command, "right-drag") && argc == 5)
        return RightDrag(className, std::atol(argv[3]), std::atol(argv[4]));
    if (!std::strcmp(command, "tab-place")) {
        // Where the tab bar sits against the page area: "above", "below" or "hidden".
        HWND frame = FirstWindow(className);
        HWND tabs = frame ? FindDescendants(frame, "SysTabControl32").found : nullptr;
        HWND client = frame ? FindDescendants(frame, "MDIClient").found : nullptr;
        if (!tabs || !client)
            return 1;
        RECT bar{}, pages{};
        GetWindowRect(tabs, &bar);
        GetWindowRect(client, &pages);
        const char* place = !IsWindowVisible(tabs)        ? "hidden"
                            : bar.bottom <= pages.top + 2 ? "above"
                            : bar.top >= pages.bottom - 2 ? "below"
                                                          : "overlapping";
        std::printf("%s\n", place);
        return 0;
    }
    if (!std::strcmp(command, "shown-children")) {
        std::printf("%u\n", static_cast<unsigned>(ShownChildren(className).size()));
        return 0;
    }
    if (!std::strcmp(command, "list-rows") && argc == 5)
        return ListRows(className, static_cast<int>(Value(argv[3])),
                        static_cast<DWORD>(Number(argv[4])));
    if (!std::strcmp(command, "tree-next")) {
        // Selects the item after the selected one in the window's tree (as the Down key would
        // in a tree that has the focus) and has the window painted; fails at the last item.
        HWND owner = FirstWindow(className);
        HWND tree = owner ? FindDescendants(owner, "SysTreeView32").found : nullptr;
        if (!tree)
            return 1;
        const LPARAM caret = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
        const LPARAM next = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, caret);
        if (!caret || !next)
            return 1;
        if (!SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, next))
            return 1;
        // Painted before the answer, so that a screenshot taken next shows the new page.
        RedrawWindow(owner, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        return 0;
    }
    if (!std::strcmp(command, "page-controls")) {
        int count = 0;
        for (HWND child : ShownChildren(className))
            EnumChildWindows(child, CountControls, reinterpret_cast<LPARAM>(&count));
        std::printf("%d\n", count);
        return 0;
    }
    if ((!std::strcmp(command, "post") || !std::strcmp(command, "send")) && argc == 6) {
        auto windows = Find(className, false);
        if (windows.empty())
            return 1;
        const UINT message = static_cast<UINT>(Value(argv[3]));
        const WPARAM wParam = Value(argv[4]);
        const LPARAM lParam = static_cast<LPARAM>(Value(argv[5]));
        if (command[0] == 'p')
            return PostMessageA(windows.front(), message, wParam, lParam) ? 0 : 1;
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(windows.front(), message, wParam, lParam, SMTO_ABORTIFHUNG, 10000,
                                 &result))
            return 1;
        // The answer as the window procedure gave it, signed and whole on either architecture.
        std::printf("%lld\n", static_cast<long long>(static_cast<LRESULT>(result)));
        return 0;
    }
    std::fprintf(stderr, "smokectl: unknown command or arguments\n");
    return 2;
}
