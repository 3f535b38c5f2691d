// The real main window with its core, as lumbrel.exe starts them, in a program folder of its
// own under the temp folder: the Windows ports except the boxes (answered by the test) and the
// executable's path (the program folder). For tests that drive the window the way the user
// and the program do: commands sent to it, browser windows opened by the core.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/CBrowserApp.h"
#include "frame/CMainFrame.h"
#include "win32/filter/Win32NamespaceSession.h"
#include "win32/frame/MainWindow.h"
#include "win32/platform/ThreadTasks.h"
#include "win32/platform/Win32Clock.h"
#include "win32/platform/Win32CodePage.h"
#include "win32/platform/Win32Environment.h"
#include "win32/platform/Win32EventLoop.h"
#include "win32/platform/Win32FileSystem.h"
#include "win32/platform/Win32InternetProxy.h"
#include "win32/platform/Win32Network.h"
#include "win32/platform/Win32Registry.h"
#include "win32/platform/Win32Shell.h"

namespace lumbrel::test {

// A program folder: "Language\" and "User\" with the given files, removed with the object.
class ProgramFolder {
public:
    explicit ProgramFolder(const std::string& name);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::string& Path() const { return path_; }  // ends with a backslash
    // Writes `relative` (for example "User\\Lumbrel.ini") with `content`.
    bool Write(const std::string& relative, const std::string& content) const;

private:
    std::string path_;
};

// The executable lives in the program folder.
class FolderEnvironment : public win32::Win32Environment {
public:
    explicit FolderEnvironment(std::string folder) : folder_(std::move(folder)) {}
    std::string ModulePath() override { return folder_ + "lumbrel.exe"; }
    std::string CommandLine() override { return "lumbrel.exe"; }

private:
    std::string folder_;
};

// Answers the boxes as the test says and counts them; a message box gets No (or OK).
class AnsweringUi : public Ui {
public:
    std::optional<int> languageRow;  // the row chosen in the language dialog
    int languageDialogs = 0;
    std::vector<LanguageRow> lastLanguageRows;
    std::vector<std::string> messages;

    MsgResult MessageBox(const std::string& text, MsgButtons buttons, MsgIcon) override {
        messages.push_back(text);
        return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::No;
    }
    bool CtrlHeld() override { return false; }
    bool ShiftHeld() override { return false; }
    std::optional<std::string> inputAnswer;  // what the input box answers
    std::vector<std::string> inputPrompts;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string&) override {
        inputPrompts.push_back(prompt);
        return inputAnswer;
    }
    std::optional<int> NumberBox(const NumberRequest&) override { return std::nullopt; }
    std::optional<PasswordAnswer> PasswordBox(const std::string&, const PasswordAnswer&) override {
        return std::nullopt;
    }
    std::optional<int> ChooseLanguage(const LanguageRow&, const std::vector<LanguageRow>& rows,
                                      int) override {
        ++languageDialogs;
        lastLanguageRows = rows;
        return languageRow;
    }
};

// The main window of a program started in `folder` (whose "User\Lumbrel.ini" the test wrote),
// shown, with no browser window yet. Ends through the frame's own exit sequence.
class RunningMainWindow {
public:
    explicit RunningMainWindow(const ProgramFolder& folder);
    ~RunningMainWindow();
    RunningMainWindow(const RunningMainWindow&) = delete;
    RunningMainWindow& operator=(const RunningMainWindow&) = delete;

    // The start-up steps of the program that concern the main window; false when the window
    // could not be created.
    bool Start();
    HWND Handle() const { return window_.Handle(); }
    CBrowserApp& App() { return app_; }
    CMainFrame& Frame() { return frame_; }
    AnsweringUi& Boxes() { return ui_; }
    // The URL filter's registration with the engine's session.
    const NamespaceHandlerSession& FilterSession() const { return filterSession_; }
    // The MDI client and the browser windows in it, in z-order.
    HWND MdiClient() const;
    std::vector<HWND> BrowserWindows() const;

private:
    win32::Win32FileSystem fs_;
    win32::Win32Registry registry_;
    win32::Win32Clock clock_;
    win32::Win32CodePage codePage_;
    FolderEnvironment environment_;
    win32::Win32EventLoop loop_;
    AnsweringUi ui_;
    win32::Win32Shell shell_;
    win32::ThreadTasks tasks_;
    win32::Win32Network network_;
    win32::Win32NamespaceSession filterSession_;
    win32::Win32InternetProxy internet_;
    CBrowserApp app_;
    CMainFrame frame_;
    win32::MainWindow window_;
};

}  // namespace lumbrel::test
