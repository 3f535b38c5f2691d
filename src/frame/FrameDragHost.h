// What the drag commands do outside the dragged item, answered by the main frame: windows
// opened through `NewChild`, the input box through the Ui port, the clipboard through the
// shell, collector lines, favorites, the content filter, the search bar's keyword search and
// the drag menus. One per frame, so that it outlives any window a box or a menu closes; the
// page it reads is the active window's, looked up at every call (a drag starts with a press
// that activates its window).
#pragma once

#include <string>

#include "address/AddressRules.h"
#include "mouse/DragCommands.h"
#include "platform/BrowserControl.h"

namespace lumbrel {

class CMainFrame;

// The search a drag command asks for: "Search" (Shift held: highlight), "&Highlight",
// "Find in Page"; nothing for any other id.
std::optional<SearchAction> DragSearchAction(int command, bool shiftHeld);

// The address "Open &Ftp URL" opens: an ftp address as it is, any other address with its
// scheme replaced by "ftp://", a bare host with "ftp://" in front; empty for empty text.
std::string FtpAddress(std::string_view address);

class FrameDragHost : public DragCommandHost {
public:
    explicit FrameDragHost(CMainFrame& frame);

    void OpenLink(const std::string& url, int openMode) override;
    void OpenText(const std::string& text, TextOpening how) override;
    void OpenInNewWindow(const std::string& url) override;
    void OpenFtp(const std::string& url) override;
    void StartSystemBrowser(const std::string& argument) override;
    void ShowStatus(const std::string& text) override;
    std::optional<std::string> EditText(const std::string& initial) override;
    void CopyText(const std::string& text) override;
    std::string ImageAt(PagePoint point) override;
    bool OpenPageContextMenu(PagePoint point) override;
    void ChooseContextMenuItem(char key) override;
    void ProposeContentFilter(const std::string& url) override;
    void AddFavorite(const std::string& name, const std::string& url) override;
    void AddToCollector(const std::string& text) override;
    void SearchText(int command, const std::string& text) override;
    void SaveText(int command, const std::string& text) override;
    void OpenSelectedLinks() override;
    void CollectDrop(const DragItem& item, const std::string& droppedFile) override;
    void ShowDragMenu(const DragItem& item, PagePoint dragStart) override;

private:
    // The page of the active window; null when there is none.
    BrowserControl* ActivePage();
    // A window for `url` with open flags `openFlags` (the new-window bit dropped).
    void OpenWindow(const std::string& url, int openFlags, bool activate);

    CMainFrame& frame_;
    DragCommands commands_;

public:
    // Runs the drag commands, the menus' picks among them.
    DragCommands& Commands() { return commands_; }
};

}  // namespace lumbrel
