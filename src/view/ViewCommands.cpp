#include "view/ViewCommands.h"

#include "commands/CommandIds.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"

namespace lumbrel {
namespace {

using Update = CQuorralView::CommandUpdate;

// ExecWB commands and options (OLECMDID_*, OLECMDEXECOPT_*).
constexpr int kOleCmdCut = 11;
constexpr int kOleCmdCopy = 12;
constexpr int kOleCmdPaste = 13;
constexpr int kOleCmdSelectAll = 17;
constexpr int kOleCmdZoom = 19;
constexpr int kOleCmdPageSetup = 8;
constexpr int kOleCmdProperties = 10;
constexpr int kDontPromptUser = 2;
// What the engine's document view window answers with its import/export wizard.
constexpr int kImportExportCommand = 374;
// Text sizes 0 (largest) … 4 (smallest); the engine's zoom counts the other way.
constexpr int kSmallestTextSize = 4;

// "Auto Scroll Once One Line", "1/4 Page", "1/2 Page", "One Page" and their `AutoScrollPage`.
constexpr int kStepModes[] = {0, 4, 2, 1};

int EditCommand(int id) {
    switch (id) {
        case IDM_EDIT_CUT:
            return kOleCmdCut;
        case IDM_EDIT_COPY:
            return kOleCmdCopy;
        case IDM_EDIT_PASTE:
            return kOleCmdPaste;
        default:
            return kOleCmdSelectAll;
    }
}

}  // namespace

struct ViewCommands::Row {
    int first;
    int last;
    void (ViewCommands::*run)(int);
    Update (ViewCommands::*state)(int);
};

using V = ViewCommands;
const V::Row V::kRows[] = {
    {IDM_BACK, IDM_BACK, &V::Back, &V::BackState},
    {IDM_FORWARD, IDM_FORWARD, &V::Forward, &V::ForwardState},
    {IDM_STOP, IDM_STOP, &V::Stop, nullptr},
    {IDM_REFRESH, IDM_REFRESH, &V::Refresh, nullptr},
    {IDM_COMPLETELY_REFRESH, IDM_COMPLETELY_REFRESH, &V::Refresh, nullptr},
    {IDM_FORBID_AUTO_NAVIGATE, IDM_FORBID_AUTO_NAVIGATE, &V::ForbidNavigate,
     &V::ForbidNavigateState},
    {IDM_EDIT_COPY, IDM_EDIT_CUT, &V::Edit, nullptr},
    {IDM_EDIT_PASTE, IDM_EDIT_PASTE, &V::Edit, nullptr},
    {IDM_EDIT_SELECT_ALL, IDM_EDIT_SELECT_ALL, &V::Edit, nullptr},
    {IDM_SHOW_IMAGES, IDM_PLAY_SOUNDS, &V::DownloadFlag, &V::DownloadFlagState},
    {IDM_ENABLE_SCRIPTS, IDM_ENABLE_SCRIPTS, &V::DownloadFlag, &V::DownloadFlagState},
    {IDM_ENABLE_JAVA, IDM_ENABLE_ACTIVEX, &V::DownloadFlag, &V::DownloadFlagState},
    {IDM_ENABLE_WEB_PROXY, IDM_ENABLE_WEB_PROXY, &V::WebProxySwitch, &V::WebProxyState},
    {IDM_TEXT_SIZE_LARGEST, IDM_TEXT_SIZE_SMALLEST, &V::TextSize, &V::TextSizeState},
    {IDM_PAGE_SETUP, IDM_PAGE_SETUP, &V::DocumentDialog, nullptr},
    {IDM_PROPERTY, IDM_PROPERTY, &V::DocumentDialog, nullptr},
    {IDM_IMPORT_EXPORT, IDM_IMPORT_EXPORT, &V::ImportExport, nullptr},
    {IDM_AUTO_SCROLL_AFTER_DOWNLOAD, IDM_AUTO_SCROLL_CURRENT, &V::ScrollSwitch, &V::ScrollState},
    {IDM_AUTO_SCROLL_ALL, IDM_AUTO_SCROLL_ALL, &V::ScrollSwitch, &V::ScrollState},
    {IDM_SCROLL_ONE_LINE, IDM_SCROLL_ONE_PAGE, &V::ScrollStep, &V::ScrollStepState},
    {IDM_SCROLL_PAGE_RIGHT, IDM_SCROLL_PAGE_LEFT, &V::ScrollSideways, nullptr},
    {IDM_ZOOM_50, IDM_ZOOM_LESS, &V::Zoom, nullptr},
};

const V::Row* ViewCommands::Find(int id) {
    for (const Row& row : kRows)
        if (id >= row.first && id <= row.last)
            return &row;
    return nullptr;
}

bool ViewCommands::Knows(int id) {
    return Find(id) != nullptr;
}

void ViewCommands::Run(int id) {
    const Row* row = Find(id);
    if (row && State(id).enabled)
        (this->*row->run)(id);
}

Update ViewCommands::State(int id) {
    const Row* row = Find(id);
    if (!row)
        return Update{false, false};
    return row->state ? (this->*row->state)(id) : Update{};
}

// --- Navigation ---------------------------------------------------------------------------

void ViewCommands::Back(int) {
    view_.GoBack(1);
}

void ViewCommands::Forward(int) {
    view_.GoForward(1);
}

Update ViewCommands::BackState(int) {
    return Update{view_.BackEnabled(), false};
}

Update ViewCommands::ForwardState(int) {
    return Update{view_.ForwardEnabled(), false};
}

void ViewCommands::Stop(int) {
    if (BrowserControl* browser = view_.Browser())
        browser->Stop();
}

void ViewCommands::Refresh(int id) {
    if (id == IDM_COMPLETELY_REFRESH)
        view_.RefreshCompletely();
    else
        view_.Refresh();
}

void ViewCommands::ForbidNavigate(int) {
    view_.Opening().forbidNavigate = !view_.Opening().forbidNavigate;
}

Update ViewCommands::ForbidNavigateState(int) {
    return Update{true, view_.Opening().forbidNavigate};
}

void ViewCommands::Edit(int id) {
    if (BrowserControl* browser = view_.Browser())
        browser->ExecWB(EditCommand(id), kDontPromptUser, std::nullopt);
}

// --- Page settings ------------------------------------------------------------------------

void ViewCommands::DownloadFlag(int id) {
    const DownloadFlagCommand* command = FindDownloadFlagCommand(id);
    if (!command)
        return;
    view_.MutableFlags().Toggle(*command);
    CMainFrame& frame = view_.Frame();
    const ChildId windowId = view_.Child().Id();
    view_.ApplyDownloadFlags();
    if (id == IDM_SHOW_IMAGES)
        frame.Widgets().window.RefreshCommandStates();
    // Ctrl changes the setting for the pages to come and leaves the page as it is. The engine
    // was told of the change and may have answered with events: the window is found again.
    CChildFrame* child = frame.Windows().Find(windowId);
    if (child && !frame.App().Ports().ui.CtrlHeld())
        child->View().Refresh();
}

Update ViewCommands::DownloadFlagState(int id) {
    const DownloadFlagCommand* command = FindDownloadFlagCommand(id);
    return Update{true, command && view_.Flags().Checked(*command)};
}

void ViewCommands::WebProxySwitch(int) {
    view_.ToggleWebProxy();
}

Update ViewCommands::WebProxyState(int) {
    return Update{true, view_.Proxy().webProxyOn};
}

void ViewCommands::TextSize(int id) {
    const int size = id - IDM_TEXT_SIZE_LARGEST;
    view_.Page().fontSize = size;
    view_.Frame().Prefs().defFontSize = size;
    if (BrowserControl* browser = view_.Browser())
        browser->ExecWB(kOleCmdZoom, kDontPromptUser, kSmallestTextSize - size);
}

Update ViewCommands::TextSizeState(int id) {
    return Update{true, id == IDM_TEXT_SIZE_LARGEST + view_.Page().fontSize};
}

// --- The engine's dialogs -----------------------------------------------------------------

void ViewCommands::DocumentDialog(int id) {
    BrowserControl* browser = view_.Browser();
    const std::unique_ptr<PageDocument> document = browser ? browser->Document() : nullptr;
    if (document)
        document->ExecCommand(id == IDM_PAGE_SETUP ? kOleCmdPageSetup : kOleCmdProperties);
}

void ViewCommands::ImportExport(int) {
    if (BrowserControl* browser = view_.Browser())
        browser->CommandDocumentView(kImportExportCommand);
}

// --- Page tools ---------------------------------------------------------------------------

void ViewCommands::ScrollSwitch(int id) {
    PageTools& tools = view_.Tools();
    switch (id) {
        case IDM_AUTO_SCROLL_CURRENT:
            tools.ToggleThisWindow();
            break;
        case IDM_AUTO_SCROLL_AFTER_DOWNLOAD:
            tools.ToggleAfterLoad();
            break;
        case IDM_AUTO_SCROLL_ALL:
            tools.ToggleScrollAll();
            break;
        default:
            tools.SetSpeed(id - IDM_AUTO_SCROLL_AFTER_DOWNLOAD);
            break;
    }
}

Update ViewCommands::ScrollState(int id) {
    const AutoScroll& scroll = view_.Tools().Scroll();
    switch (id) {
        case IDM_AUTO_SCROLL_CURRENT:
            return Update{true, scroll.ThisWindow()};
        case IDM_AUTO_SCROLL_AFTER_DOWNLOAD:
            return Update{true, scroll.AfterLoad()};
        case IDM_AUTO_SCROLL_ALL:
            return Update{true, view_.Frame().Services().ScrollAll()};
        default:
            // Under the mouse's control the speed is where the mouse is.
            return Update{view_.Frame().Prefs().mouseCtrlSpeed == 0,
                          scroll.Speed() == id - IDM_AUTO_SCROLL_AFTER_DOWNLOAD};
    }
}

void ViewCommands::ScrollStep(int id) {
    view_.Tools().SetStepMode(kStepModes[id - IDM_SCROLL_ONE_LINE]);
}

Update ViewCommands::ScrollStepState(int id) {
    return Update{true,
                  view_.Frame().Prefs().autoScrollPage == kStepModes[id - IDM_SCROLL_ONE_LINE]};
}

void ViewCommands::ScrollSideways(int id) {
    view_.Tools().ScrollSideways(id == IDM_SCROLL_PAGE_RIGHT);
}

void ViewCommands::Zoom(int id) {
    view_.Tools().Zoom(id);
}

}  // namespace lumbrel
