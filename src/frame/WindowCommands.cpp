#include "frame/WindowCommands.h"

#include "address/UpUrl.h"
#include "commands/BuiltinMenus.h"
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/WindowListRules.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

NewChildRequest Request(ChildMode mode, NavKind kind, std::string url, bool activate) {
    NewChildRequest request = NewChildRequest::Url(std::move(url), activate);
    request.mode = mode;
    request.kind = kind;
    return request;
}

}  // namespace

using W = WindowCommands;
const W::Row W::kRows[] = {
    {IDM_BLANK_PAGE, IDM_BLANK_PAGE, &W::NewWindow, nullptr},
    {IDM_NEW_HOME_PAGE, IDM_NEW_HOME_PAGE, &W::NewWindow, nullptr},
    {IDM_NEW_FROM_CLIPBOARD, IDM_NEW_FROM_CLIPBOARD, &W::NewWindow, nullptr},
    {IDM_NEW_SELECTED_TEXT, IDM_NEW_SELECTED_TEXT, &W::NewWindow, nullptr},
    {IDM_NEW_SELECTED_LINKS, IDM_NEW_SELECTED_LINKS, &W::NewWindow, nullptr},
    {IDM_NEW_CURRENT_PAGE, IDM_NEW_CURRENT_PAGE, &W::NewWindow, nullptr},
    {IDM_NEW_UP_PAGE, IDM_NEW_UP_PAGE, &W::NewWindow, nullptr},
    {IDM_NEW_ROOT_PAGE, IDM_NEW_ROOT_PAGE, &W::NewWindow, nullptr},
    {IDM_TAB_NEW_WINDOW, IDM_TAB_NEW_WINDOW, &W::NewWindow, nullptr},
    {IDM_NEW_WINDOW, IDM_NEW_WINDOW, &W::NewWindowButton, nullptr},
    {IDM_NEW_PROCESS, IDM_NEW_PROCESS, &W::NewProcess, nullptr},
    {IDM_CLOSE, IDM_CLOSE, &W::Close, nullptr},
    {IDM_CLOSE_ALL, IDM_CLOSE_ALL, &W::CloseAll, nullptr},
    {IDM_CLOSE_ALL_KEEP_CURRENT, IDM_CLOSE_ALL_KEEP_CURRENT, &W::CloseAllBut, nullptr},
    {IDM_TAB_CLOSE_ALL_KEEP_THIS, IDM_TAB_CLOSE_ALL_KEEP_THIS, &W::CloseAllBut, nullptr},
    {IDM_CLOSE_LEFT, IDM_CLOSE_LEFT, &W::CloseLeft, nullptr},
    {IDM_CLOSE_RIGHT, IDM_CLOSE_RIGHT, &W::CloseRight, nullptr},
    {IDM_CLOSE_ALIKE_URL, IDM_CLOSE_ALIKE_URL, &W::CloseAlike, nullptr},
    {IDM_CLOSE_ALIKE_TITLE, IDM_CLOSE_ALIKE_TITLE, &W::CloseAlike, nullptr},
    {IDM_CLOSE_UNMARKED, IDM_CLOSE_UNMARKED, &W::CloseUnmarked, nullptr},
    {IDM_REFRESH_ALL, IDM_REFRESH_ALL, &W::RefreshAll, nullptr},
    {IDM_STOP_ALL, IDM_STOP_ALL, &W::StopAll, nullptr},
    {IDM_PREVIOUS_WINDOW, IDM_PREVIOUS_WINDOW, &W::PreviousWindow, nullptr},
    {IDM_NEXT_WINDOW, IDM_NEXT_WINDOW, &W::NextWindow, nullptr},
    {IDM_ACTIVATE_TAB_FIRST, IDM_ACTIVATE_TAB_LAST, &W::ActivateTab, nullptr},
    {IDM_LOCK_TAB, IDM_LOCK_TAB, &W::Lock, nullptr},
    {IDM_MARK_TAB, IDM_MARK_TAB, &W::Mark, nullptr},
    {IDM_PROTECT_TAB, IDM_PROTECT_TAB, &W::Protect, nullptr},
    {IDM_WINDOW_CASCADE, IDM_WINDOW_CASCADE, &W::Arrange, nullptr},
    {IDM_WINDOW_TILE_HORZ, IDM_WINDOW_TILE_HORZ, &W::Arrange, nullptr},
    {IDM_WINDOW_TILE_VERT, IDM_WINDOW_TILE_VERT, &W::Arrange, nullptr},
};

WindowCommands::WindowCommands(CMainFrame& frame) : CommandTable(kRows), frame_(frame) {}

// --- Every window's page ------------------------------------------------------------------

void WindowCommands::RefreshAll(const CommandCall&) {
    for (ChildId id : frame_.Windows().InOrder())
        if (CChildFrame* child = frame_.Windows().Find(id))
            child->View().Refresh();
}

void WindowCommands::StopAll(const CommandCall&) {
    for (ChildId id : frame_.Windows().InOrder())
        if (CChildFrame* child = frame_.Windows().Find(id); child && child->View().Browser())
            child->View().Browser()->Stop();
}

// --- New windows --------------------------------------------------------------------------

void WindowCommands::NewWindow(const CommandCall& call) {
    const bool activateFile = frame_.Options().activeFileNew != 0;
    CChildFrame* active = frame_.ActiveChild();
    BrowserControl* page = active ? active->View().Browser() : nullptr;
    const std::string current = active ? active->View().Location() : std::string();
    switch (call.id) {
        case IDM_BLANK_PAGE:
            frame_.NewChild(Request(ChildMode::Create, NavKind::Blank, "", true));
            break;
        case IDM_NEW_HOME_PAGE:
            frame_.NewChild(Request(ChildMode::ReuseOrCreate, NavKind::Home, "", activateFile));
            break;
        case IDM_NEW_FROM_CLIPBOARD: {
            const std::string text = frame_.App().Ports().shell.ClipboardText();
            if (!text.empty() && !HasRefusedScheme(text))
                frame_.NewChild(NewChildRequest::Url(text, true));
            break;
        }
        case IDM_NEW_SELECTED_TEXT:
            if (page) {
                const std::string text = page->SelectedText();
                if (!text.empty())
                    frame_.NewChild(NewChildRequest::Url(text, activateFile));
            }
            break;
        case IDM_NEW_SELECTED_LINKS:
            if (page)
                for (const std::string& link : page->SelectedLinks())
                    frame_.NewChild(NewChildRequest::Url(link));
            break;
        case IDM_NEW_CURRENT_PAGE:
            frame_.NewChild(Request(ChildMode::Create, NavKind::Url,
                                    current.empty() ? kAboutBlank : current, activateFile));
            break;
        case IDM_NEW_UP_PAGE:
            if (const std::string up = UpUrl(current); !current.empty() && up != current)
                frame_.NewChild(NewChildRequest::Url(up, activateFile));
            break;
        case IDM_NEW_ROOT_PAGE:
            if (!current.empty())
                frame_.NewChild(NewChildRequest::Url(RootUrl(current), activateFile));
            break;
        case IDM_TAB_NEW_WINDOW:
            if (CChildFrame* subject = frame_.Windows().Find(call.subject))
                frame_.NewChild(
                    Request(ChildMode::Create, NavKind::Url, subject->View().Location(), false));
            break;
        default:
            break;
    }
}

void WindowCommands::NewWindowButton(const CommandCall& call) {
    if (const int command = NewWindowMenuCommand(frame_.Options().newWindow))
        Run(CommandCall{command, call.subject});
}

void WindowCommands::NewProcess(const CommandCall&) {
    const Platform& ports = frame_.App().Ports();
    if (!ports.shell.Execute("open", ports.environment.ModulePath(), "", "."))
        frame_.Tell(IDS_RUN_TOOL_FAILED);
}

// --- Closing ------------------------------------------------------------------------------

void WindowCommands::Close(const CommandCall& call) {
    frame_.CloseChild(call.subject);
}

void WindowCommands::CloseAll(const CommandCall&) {
    frame_.Closer().CloseAll();
}

void WindowCommands::CloseAllBut(const CommandCall& call) {
    frame_.Closer().CloseAllBut(call.subject);
}

void WindowCommands::CloseLeft(const CommandCall& call) {
    frame_.Closer().CloseLeftOf(call.subject);
}

void WindowCommands::CloseRight(const CommandCall& call) {
    frame_.Closer().CloseRightOf(call.subject);
}

void WindowCommands::CloseAlike(const CommandCall& call) {
    frame_.Closer().CloseAlike(call.subject, call.id == IDM_CLOSE_ALIKE_URL);
}

void WindowCommands::CloseUnmarked(const CommandCall&) {
    frame_.Closer().CloseUnmarked();
}

// --- Moving between windows ---------------------------------------------------------------

void WindowCommands::ActivateIndex(int index) {
    if (CChildFrame* child = frame_.Windows().At(index))
        frame_.ActivateChild(*child);
}

void WindowCommands::PreviousWindow(const CommandCall&) {
    WindowList& windows = frame_.Windows();
    ActivateIndex(PreviousWindowIndex(windows.SelectedIndex(), windows.Count()));
}

void WindowCommands::NextWindow(const CommandCall&) {
    WindowList& windows = frame_.Windows();
    ActivateIndex(NextWindowIndex(windows.SelectedIndex(), windows.Count()));
}

void WindowCommands::ActivateTab(const CommandCall& call) {
    ActivateIndex(call.id - IDM_ACTIVATE_TAB_FIRST);
}

// --- Lock, mark, protect, arrange ---------------------------------------------------------

void WindowCommands::Lock(const CommandCall& call) {
    frame_.Protection().ToggleLock(call.subject);
}

void WindowCommands::Mark(const CommandCall& call) {
    frame_.Protection().ToggleMark(call.subject);
}

void WindowCommands::Protect(const CommandCall& call) {
    frame_.Protection().Protect(call.subject);
}

void WindowCommands::Arrange(const CommandCall& call) {
    if (!frame_.Protection().ArrangeAllowed())
        return;
    FrameWindow& window = frame_.Widgets().window;
    if (call.id == IDM_WINDOW_CASCADE)
        window.Cascade();
    else if (call.id == IDM_WINDOW_TILE_HORZ)
        window.TileHorizontally();
    else
        window.TileVertically();
    frame_.SetChildrenDisplayMode(DisplayMode::Arranged);
}

}  // namespace lumbrel
