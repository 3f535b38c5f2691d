#include "frame/PageManager.h"

#include <algorithm>

#include "frame/CMainFrame.h"
#include "language/StringIds.h"
#include "view/ViewState.h"

namespace lumbrel {
namespace {

constexpr int kClosedImage = kTabRead;

}  // namespace

int PageManager::TabCaptionId(PageManagerTab tab) {
    static constexpr int kCaptions[kTabCount] = {IDS_LAST_VISITING, IDS_LAST_CLOSED,
                                                 IDS_CURRENT_VISITING, IDS_CURRENT_CLOSED};
    return kCaptions[static_cast<int>(tab)];
}

PageManager::PageManager(CMainFrame& frame, PageManagerTab tab) : frame_(frame), tab_(tab) {
    Load();
    if (tab_ == PageManagerTab::LastVisiting)
        TickAll(true);
}

void PageManager::SelectTab(PageManagerTab tab) {
    tab_ = tab;
    Load();
}

void PageManager::Load() {
    rows_.clear();
    SessionFiles& sessions = frame_.Sessions();
    switch (tab_) {
        case PageManagerTab::LastVisiting:
            for (SessionEntry& entry : sessions.ReadSession(sessions.UserFile("LastVisit.ini")))
                rows_.push_back({false, entry.state, std::move(entry.name), std::move(entry.url)});
            break;
        case PageManagerTab::LastClosed: {
            std::vector<ClosedPage> pages = sessions.ReadClosedList();
            for (auto page = pages.rbegin(); page != pages.rend(); ++page)
                rows_.push_back(
                    {false, kClosedImage, std::move(page->title), std::move(page->url)});
            break;
        }
        case PageManagerTab::CurrentVisiting:
            for (OpenWindowEntry& open : sessions.OpenWindows())
                rows_.push_back({false, open.entry.state, std::move(open.entry.name),
                                 std::move(open.entry.url), open.child});
            break;
        case PageManagerTab::CurrentClosed: {
            const UndoCloseRing& ring = frame_.Closer().Ring();
            ringPushesAtLoad_ = ring.PushCount();
            for (int slot : ring.SlotsNewestFirst())
                rows_.push_back({false, kClosedImage, ring.Slot(slot).title, ring.Slot(slot).url});
            break;
        }
    }
}

void PageManager::TickAll(bool checked) {
    for (PageRow& row : rows_)
        row.checked = checked;
}

void PageManager::SetChecked(int row, bool checked) {
    if (ValidRow(row))
        rows_[row].checked = checked;
}

// --- Opening ------------------------------------------------------------------------------

void PageManager::OpenRow(const PageRow& row, bool keepOrder) {
    if (row.url.empty())
        return;
    frame_.Sessions().Reopen(SessionEntry{row.image, row.title, row.url},
                             keepOrder ? TabPlacement::End : TabPlacement::ByNewSequence);
}

void PageManager::OpenCurrent(int row) {
    if (!ValidRow(row))
        return;
    if (tab_ != PageManagerTab::CurrentVisiting) {
        OpenRow(rows_[row], false);
        return;
    }
    CChildFrame* child = frame_.Windows().Find(rows_[row].child);
    if (child && !child->View().IsClosing())
        frame_.ActivateChild(*child);
}

void PageManager::OpenSelected() {
    if (tab_ == PageManagerTab::CurrentVisiting)
        return;
    // Opening runs engine events; the rows are copied first.
    const std::vector<PageRow> rows = rows_;
    for (const PageRow& row : rows)
        if (row.checked)
            OpenRow(row, true);
    ended_ = true;
}

// --- Deleting -----------------------------------------------------------------------------

void PageManager::CloseRowWindow(const PageRow& row) {
    CChildFrame* child = frame_.Windows().Find(row.child);
    if (!child || child->Locked() || child->View().IsClosing())
        return;
    frame_.Closer().PostClose(*child);
}

void PageManager::DeleteCurrent(int row) {
    if (!ValidRow(row))
        return;
    const PageRow removed = rows_[row];
    rows_.erase(rows_.begin() + row);
    if (tab_ == PageManagerTab::CurrentVisiting)
        CloseRowWindow(removed);
}

void PageManager::DeleteSelected() {
    std::vector<PageRow> removed;
    auto kept = std::stable_partition(rows_.begin(), rows_.end(),
                                      [](const PageRow& row) { return !row.checked; });
    removed.assign(kept, rows_.end());
    rows_.erase(kept, rows_.end());
    if (tab_ == PageManagerTab::CurrentVisiting)
        for (const PageRow& row : removed)
            CloseRowWindow(row);
}

// --- Editing ------------------------------------------------------------------------------

bool PageManager::Edit(int row, bool url) {
    if (!ValidRow(row))
        return false;
    const std::string initial = url ? rows_[row].url : rows_[row].title;
    auto text = frame_.App().Ports().ui.InputBox(frame_.Text(url ? IDS_INPUT_URL : IDS_INPUT_TITLE),
                                                 initial);
    if (!text || !ValidRow(row))
        return false;
    (url ? rows_[row].url : rows_[row].title) = *text;
    return true;
}

bool PageManager::EditTitle(int row) {
    return Edit(row, false);
}

bool PageManager::EditUrl(int row) {
    return Edit(row, true);
}

// --- Confirming ---------------------------------------------------------------------------

void PageManager::ReplaceRing() {
    UndoCloseRing& ring = frame_.Closer().Ring();
    // Windows closed while the dialog was up are newer than every row.
    const std::vector<ClosedPage> arrived = ring.PushedSince(ringPushesAtLoad_);
    ring.Clear();
    for (auto row = rows_.rbegin(); row != rows_.rend(); ++row)
        if (!row->url.empty())
            ring.Push(row->url, row->title);
    for (const ClosedPage& page : arrived)
        ring.Push(page.url, page.title);
    frame_.Closer().RebuildUndoMenu();
}

void PageManager::Ok() {
    if (tab_ == PageManagerTab::CurrentVisiting) {
        frame_.Sessions().SaveSession(true);
    } else {
        OpenSelected();
        if (tab_ == PageManagerTab::CurrentClosed)
            ReplaceRing();
    }
    ended_ = true;
}

// --- Offline ------------------------------------------------------------------------------

bool PageManager::WorkOffline() {
    return frame_.App().Ports().network.WorkOffline();
}

bool PageManager::SetWorkOffline(bool offline) {
    Network& network = frame_.App().Ports().network;
    network.SetWorkOffline(offline);
    return network.WorkOffline();
}

}  // namespace lumbrel
