// The Page Manager: four lists of pages — the last session ("LastVisit.ini"), the windows
// closed in the last run ("LastClose.ini"), the windows open now and the undo-close ring —
// with a tick per row, and the buttons that open, delete and edit rows.
//
// The dialog of the binding shows it and forwards every button here; it ends the dialog
// when Ended() says so. The dialog is modal but runs the message loop, so windows may close
// while it is up: rows of open windows hold the window's id and are looked up again before
// use, and the ring's new entries are kept when the list replaces it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FrameWindow.h"

namespace lumbrel {

class CMainFrame;

enum class PageManagerTab {
    LastVisiting = 0,
    LastClosed = 1,
    CurrentVisiting = 2,
    CurrentClosed = 3
};

struct PageRow {
    bool checked = false;
    int image = 0;  // the picture of "TaskBar.bmp": the saved or current state, 9 for closed
    std::string title;
    std::string url;
    ChildId child = kNoChild;  // the window of a row of open windows
};

class PageManager {
public:
    static constexpr int kTabCount = 4;
    static constexpr int kTitleColumnWidth = 200;
    // The URL column takes the list's width less this.
    static constexpr int kUrlColumnMargin = 230;
    // The string id of a tab's caption.
    static int TabCaptionId(PageManagerTab tab);

    PageManager(CMainFrame& frame, PageManagerTab tab);

    // --- What the dialog shows ---
    PageManagerTab Tab() const { return tab_; }
    const std::vector<PageRow>& Rows() const { return rows_; }
    // Set once the dialog is to close (after OK, Cancel or "Open Selected").
    bool Ended() const { return ended_; }

    // --- Buttons ---
    // Reloads the list from its source.
    void SelectTab(PageManagerTab tab);
    void SetChecked(int row, bool checked);
    void SelectAll() { TickAll(true); }
    void SelectNone() { TickAll(false); }
    // Also a double click: brings the row's window to the front, or opens the row's page.
    void OpenCurrent(int row);
    // Opens every ticked row in list order and ends (not on the open windows' list).
    void OpenSelected();
    // Removes the row; on the open windows' list also closes the window unless it is locked.
    void DeleteCurrent(int row);
    void DeleteSelected();
    // Edits the cell in an input box; false when cancelled.
    bool EditTitle(int row);
    bool EditUrl(int row);
    void Ok();
    void Cancel() { ended_ = true; }
    // "&Work Offline": the system's offline state, and the switch of the browser's offline
    // mode. Setting it answers the state the system reports afterwards, so the box never
    // shows a state the system refused.
    bool WorkOffline();
    bool SetWorkOffline(bool offline);

private:
    void Load();
    void TickAll(bool checked);
    bool ValidRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }
    void OpenRow(const PageRow& row, bool keepOrder);
    // Closes the row's window if it is still open, not closing and not locked.
    void CloseRowWindow(const PageRow& row);
    bool Edit(int row, bool url);
    void ReplaceRing();

    CMainFrame& frame_;
    PageManagerTab tab_;
    std::vector<PageRow> rows_;
    // The ring's count of pushes when its list was loaded.
    uint64_t ringPushesAtLoad_ = 0;
    bool ended_ = false;
};

}  // namespace lumbrel
