#include "frame/FrameDragHost.h"

#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"
#include "language/StringIds.h"

namespace lumbrel {
namespace {

// The collector kind of the text collector.
constexpr int kTextCollectorKind = 0;

}  // namespace

std::optional<SearchAction> DragSearchAction(int command, bool shiftHeld) {
    switch (command) {
        case IDM_DRAG_SEARCH:
            return shiftHeld ? SearchAction::Highlight : SearchAction::Search;
        case IDM_DRAG_HIGHLIGHT:
            return SearchAction::Highlight;
        case IDM_DRAG_FIND:
            return SearchAction::Find;
        default:
            return std::nullopt;
    }
}

std::string FtpAddress(std::string_view address) {
    constexpr std::string_view kFtp = "ftp://";
    if (address.empty())
        return {};
    if (const size_t scheme = address.find("://"); scheme != std::string_view::npos) {
        // Only a scheme of letters counts: "://" further on belongs to the path.
        bool letters = scheme > 0;
        for (size_t i = 0; i < scheme; ++i) {
            const char c = address[i];
            letters = letters && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
        }
        if (letters)
            return std::string(kFtp) + std::string(address.substr(scheme + 3));
    }
    return std::string(kFtp) + std::string(address);
}

FrameDragHost::FrameDragHost(CMainFrame& frame)
    : frame_(frame), commands_(*this, frame.App().Ports().codePage) {}

BrowserControl* FrameDragHost::ActivePage() {
    CChildFrame* active = frame_.ActiveChild();
    return active ? active->View().Browser() : nullptr;
}

void FrameDragHost::OpenWindow(const std::string& url, int openFlags, bool activate) {
    // A script address from page text is refused by NewChild like any other.
    if (url.empty())
        return;
    CChildFrame* active = frame_.ActiveChild();
    NewChildRequest request = NewChildRequest::Url(url, activate);
    request.source = active ? active->Id() : kNoChild;
    request.openFlags = openFlags & ~kOpenLinkInNewWindow;
    frame_.NewChild(request);
}

void FrameDragHost::OpenLink(const std::string& url, int openMode) {
    const bool background = (openMode & kOpenBackground) != 0;
    const bool foreground = (openMode & kOpenForeground) != 0;
    OpenWindow(url, openMode, !background && (foreground || frame_.Prefs().activeNew != 0));
}

void FrameDragHost::OpenText(const std::string& text, TextOpening how) {
    switch (how) {
        case TextOpening::AsSettingsSay:
            OpenWindow(text, 0, frame_.Prefs().activeNew != 0);
            break;
        case TextOpening::Foreground:
            OpenWindow(text, kOpenForeground, true);
            break;
        case TextOpening::Background:
            OpenWindow(text, kOpenBackground, false);
            break;
        case TextOpening::OtherSide:
            OpenWindow(text, kOpenOtherSide, frame_.Prefs().activeNew != 0);
            break;
    }
}

void FrameDragHost::OpenInNewWindow(const std::string& url) {
    OpenWindow(url, 0, frame_.Prefs().activeNew != 0);
}

void FrameDragHost::OpenFtp(const std::string& url) {
    OpenInNewWindow(FtpAddress(url));
}

void FrameDragHost::StartSystemBrowser(const std::string& argument) {
    if (!frame_.App().Ports().shell.Execute("open", "IEXPLORE.EXE", argument, ""))
        frame_.Tell(IDS_RUN_TOOL_FAILED);
}

void FrameDragHost::ShowStatus(const std::string& text) {
    frame_.Widgets().status.SetText(text);
}

std::optional<std::string> FrameDragHost::EditText(const std::string& initial) {
    return frame_.App().Ports().ui.InputBox(frame_.Text(IDS_INPUT_URL), initial);
}

void FrameDragHost::CopyText(const std::string& text) {
    frame_.App().Ports().shell.SetClipboardText(text);
}

std::string FrameDragHost::ImageAt(PagePoint point) {
    BrowserControl* page = ActivePage();
    const std::unique_ptr<PageDocument> document = page ? page->Document() : nullptr;
    return document ? document->ImageAt(point.x, point.y) : std::string();
}

bool FrameDragHost::OpenPageContextMenu(PagePoint) {
    // FIXME: show image — the simulated right click and the test that the page's menu opened
    // (IDocHostUIHandler::ShowContextMenu) are not wired; until they are, no key is sent.
    return false;
}

void FrameDragHost::ChooseContextMenuItem(char) {
    // Reached only after OpenPageContextMenu said the page's menu is open.
}

void FrameDragHost::ProposeContentFilter(const std::string& url) {
    PageCleanup& cleanup = frame_.Filters().Cleanup();
    cleanup.ProposeForFilter(url);
    cleanup.AddToFilter();
}

void FrameDragHost::AddFavorite(const std::string& name, const std::string& url) {
    frame_.Favs().AddPage(PageInfo{name, url});
}

void FrameDragHost::AddToCollector(const std::string& text) {
    frame_.Filters().AddToCollector(text, kTextCollectorKind);
}

void FrameDragHost::SearchText(int command, const std::string& text) {
    if (text.empty())
        return;
    if (const std::optional<SearchAction> action =
            DragSearchAction(command, frame_.App().Ports().ui.ShiftHeld()))
        frame_.Address().Search().SearchKeyword(text, *action);
}

void FrameDragHost::SaveText(int, const std::string&) {
    // FIXME: saving text — "Save Text..." and "Auto Save Text" belong to the page saving of the
    // capture subsystem, which is not built yet.
}

void FrameDragHost::OpenSelectedLinks() {
    if (BrowserControl* page = ActivePage())
        for (const std::string& link : page->SelectedLinks())
            OpenWindow(link, 0, false);
}

void FrameDragHost::CollectDrop(const DragItem& item, const std::string&) {
    // FIXME: a dropped image is saved into the image folder by the capture subsystem, which is
    // not built yet; links and text go to the text collector now.
    if (item.DragItemKind != DragKind::Image)
        AddToCollector(CollectorLine(item));
}

void FrameDragHost::ShowDragMenu(const DragItem& item, PagePoint dragStart) {
    DragMenuSurface* surface = frame_.Mouse().dragMenus;
    if (!surface)
        return;
    // FIXME: search bar — the engines of "All &Search" come from the search bar once the frame
    // holds it; its engine commands read the dragged text from the frame's dragged item.
    const MenuItems menu = DragMenuFor(item.DragItemKind, {});
    // The pick may come after the window closed: the copies below do not depend on it.
    const DragItem picked = item;
    const int command = surface->PickAtCursor(menu, DragMenuSection(item.DragItemKind));
    if (command == 0)
        return;
    if (DragCommands::Handles(command))
        commands_.Run(command, picked, dragStart);
    else
        frame_.Post(kWmCommand, static_cast<uintptr_t>(command));
}

}  // namespace lumbrel
