// The commands that act on a dragged item (the drag actions and the items of the drag menus).
// The drop target stores the item; the main frame routes these commands here; what they do
// outside the item goes through DragCommandHost (opening windows, boxes, clipboard, collector,
// favorites, search).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mouse/DragActions.h"
#include "platform/CodePage.h"
#include "view/ViewState.h"

namespace lumbrel {

// How the main frame's text-opening operation opens a dragged text, for this one opening.
enum class TextOpening { AsSettingsSay, Foreground, Background, OtherSide };

class DragCommandHost {
public:
    virtual ~DragCommandHost() = default;
    // The main frame's link-opening operation with an open mode (1, 2, 4, 9).
    virtual void OpenLink(const std::string& url, int openMode) = 0;
    // The main frame's text-opening operation: the text is opened as an address.
    virtual void OpenText(const std::string& text, TextOpening how) = 0;
    virtual void OpenInNewWindow(const std::string& url) = 0;
    virtual void OpenFtp(const std::string& url) = 0;
    // Starts the system browser with `argument` as its one command-line argument (quoted).
    virtual void StartSystemBrowser(const std::string& argument) = 0;
    virtual void ShowStatus(const std::string& text) = 0;
    // The input box with `initial`; nothing when cancelled.
    virtual std::optional<std::string> EditText(const std::string& initial) = 0;
    virtual void CopyText(const std::string& text) = 0;
    // The address of the image at a point of the page; empty when there is none.
    virtual std::string ImageAt(PagePoint point) = 0;
    // A right click simulated at `point`; true when the page's context menu is open now.
    virtual bool OpenPageContextMenu(PagePoint point) = 0;
    // Picks the item of the open context menu with mnemonic `key`.
    virtual void ChooseContextMenuItem(char key) = 0;
    virtual void ProposeContentFilter(const std::string& url) = 0;
    virtual void AddFavorite(const std::string& name, const std::string& url) = 0;
    // Appends to the text collector.
    virtual void AddToCollector(const std::string& text) = 0;
    // Search, highlight or find in page (the search commands of the same id).
    virtual void SearchText(int command, const std::string& text) = 0;
    // "Save Text..." or "Auto Save Text" (the save commands of the same id).
    virtual void SaveText(int command, const std::string& text) = 0;
    virtual void OpenSelectedLinks() = 0;

    // --- Drops
    // The collector's drop handling: an image file is saved and logged, text and links go to
    // the text collector.
    virtual void CollectDrop(const DragItem& item, const std::string& droppedFile) = 0;
    // The pop-up menu of the item's kind at the cursor; the command picked runs on the item.
    virtual void ShowDragMenu(const DragItem& item, PagePoint dragStart) = 0;
};

class DragCommands {
public:
    DragCommands(DragCommandHost& host, const CodePage& codePage)
        : host_(host), codePage_(codePage) {}

    // True for the ids Run answers.
    static bool Handles(int command);
    // Runs `command` on `item`; `dragStart` is where the drag began in the page.
    void Run(int command, const DragItem& item, PagePoint dragStart);

private:
    void Open(const DragItem& item, int openMode, TextOpening how);
    void OpenInSystemBrowser(const DragItem& item);
    void EditAndOpen(const std::string& initial, bool asText);

    DragCommandHost& host_;
    const CodePage& codePage_;
};

// A redirecting link's target: when "://" occurs again from the seventh character on, the
// address from the first "http://", "https://", "ftp://" or "file://" found there; else the
// address as it is.
std::string JumpUrlTarget(std::string_view url);

// The name of a favorite: the title (the address when there is none) without \ / : * ? " < > |
// CR LF, removed by characters so that double-byte characters stay whole. When nothing is left,
// a name made from the address's host.
std::string FavoriteName(const CodePage& cp, std::string_view title, std::string_view url);

// The argument for the system browser's command line, or nothing when the text must not go
// there: quotes or control characters could end the argument and add others; dragged text
// must read as an address.
std::optional<std::string> SystemBrowserArgument(std::string_view text, bool mustBeLinkLike);

// The collector line of a dragged link or text.
std::string CollectorLine(const DragItem& item);

}  // namespace lumbrel
