#include "win32/RunningMainWindow.h"

#include <shellapi.h>

namespace lumbrel::test {
namespace {

// The tray icon id the program derives at random; any value serves here.
constexpr int kTrayIconId = 4242;

}  // namespace

ProgramFolder::ProgramFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ =
        std::string(temp) + "lumbrel-" + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
    CreateDirectoryA((path_ + "Language").c_str(), nullptr);
    CreateDirectoryA((path_ + "User").c_str(), nullptr);
}

ProgramFolder::~ProgramFolder() {
    // SHFileOperation wants the list of paths ended by an empty one, without the backslash.
    std::string from = path_.substr(0, path_.size() - 1);
    from.push_back('\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&operation);
}

bool ProgramFolder::Write(const std::string& relative, const std::string& content) const {
    win32::Win32FileSystem fs;
    return fs.WriteFileAtomic(path_ + relative, content);
}

RunningMainWindow::RunningMainWindow(const ProgramFolder& folder)
    : environment_(folder.Path()),
      app_(Platform{fs_, registry_, clock_, codePage_, environment_, loop_, ui_, shell_, tasks_,
                    network_, filterSession_, internet_}),
      frame_(app_),
      window_(app_, frame_, loop_, kTrayIconId) {}

RunningMainWindow::~RunningMainWindow() {
    if (window_.Handle() && !frame_.Exited())
        frame_.OnCloseRequest(true);
    // The frame's end posted the thread's quit: later tests must not see it.
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

bool RunningMainWindow::Start() {
    app_.PrepareDirectories();
    app_.ReadStartUpSettings();
    app_.ApplyLanguageSetting();
    if (!window_.Create())
        return false;
    app_.LoadSettings();
    app_.Prefs().Load(LoadStage::AfterLoad, app_.Settings(), registry_);
    frame_.ApplyStartSettings();
    ShowWindow(window_.Handle(), SW_SHOWNORMAL);
    return true;
}

HWND RunningMainWindow::MdiClient() const {
    return FindWindowExA(window_.Handle(), nullptr, "MDIClient", nullptr);
}

std::vector<HWND> RunningMainWindow::BrowserWindows() const {
    std::vector<HWND> windows;
    for (HWND child = GetWindow(MdiClient(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        windows.push_back(child);
    return windows;
}

}  // namespace lumbrel::test
