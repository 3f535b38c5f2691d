#include "frame/WindowCloser.h"

#include <algorithm>

#include "base/MenuTitle.h"
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"
#include "language/StringIds.h"

namespace lumbrel {

// --- One window ---------------------------------------------------------------------------

void WindowCloser::Close(ChildId id) {
    WindowList& windows = frame_.Windows();
    CChildFrame* child = windows.Find(id);
    if (!child || !underWay_.insert(id).second)
        return;
    struct Done {
        std::set<ChildId>& underWay;
        ChildId id;
        ~Done() { underWay.erase(id); }
    } done{underWay_, id};
    if (child->Locked() && frame_.Options().confirmCloseLock) {
        const MsgResult answer = frame_.Ask(IDS_CONFIRM_CLOSE_LOCKED);
        child = windows.Find(id);
        if (!child)
            return;  // closed while the question was up
        if (answer != MsgResult::Yes) {
            child->View().CancelClosing();
            return;
        }
    }
    CQuorralView& view = child->View();
    if (frame_.Prefs().keepOnePage && windows.Count() == 1 && windows.IndexOf(id) == 0 &&
        view.Location() == kAboutBlank) {
        view.CancelClosing();
        return;
    }
    // From here on no rule picks this window as the next one.
    view.MarkClosing();

    FrameWidgets& widgets = frame_.Widgets();
    int removed = -1;
    const bool hiddenBehindVisibleFrame =
        child->Window() && !child->Window()->IsVisible() && widgets.window.IsVisible();
    if (!hiddenBehindVisibleFrame) {
        removed = windows.Remove(id);
        if (view.Location() != kAboutBlank && !view.Location().empty()) {
            ring_.Push(view.Location(), child->DisplayTitle());
            RebuildUndoMenu();
        }
        frame_.Post(UM_TAB_LAYOUT, static_cast<uintptr_t>(frame_.Prefs().autoTab));
        frame_.Post(UM_TAB_TIPS);
    }
    if (windows.Count() == 0) {
        widgets.address.SetText("");
        widgets.window.RefreshCommandStates();
    }
    if ((view.IsActiveView() || view.OpenedByPage()) && removed >= 0)
        ActivateNextAfter(removed, view.Opener());
    // The activation may have run a password prompt, and with it this window's own close.
    windows.Destroy(id);
    if (windows.Count() == 0) {
        frame_.Indicators().ClearStatusText();
        if (frame_.Prefs().keepOnePage)
            frame_.OnCommand(IDM_BLANK_PAGE);
    }
}

void WindowCloser::ActivateNextAfter(int removed, ChildId opener) {
    WindowList& windows = frame_.Windows();
    std::vector<bool> closing;
    for (ChildId id : windows.InOrder()) {
        CChildFrame* child = windows.Find(id);
        closing.push_back(!child || child->View().IsClosing());
    }
    const int next = NextAfterClose(frame_.Options().closeSequence, removed, closing,
                                    windows.IndexOf(opener), frame_.Prefs().activeNew != 0);
    if (CChildFrame* chosen = windows.At(next))
        frame_.ActivateChild(*chosen);
}

void WindowCloser::PostClose(CChildFrame& child) {
    child.View().MarkClosing();
    frame_.App().Ports().loop.Post(child.Id(), kWmClose, 0, 0);
}

// --- Many windows -------------------------------------------------------------------------

template <typename Pick>
void WindowCloser::CloseWhere(int first, int last, bool downwards, Pick pick) {
    WindowList& windows = frame_.Windows();
    for (int k = 0; k <= last - first; ++k) {
        const int i = downwards ? last - k : first + k;
        CChildFrame* child = windows.At(i);
        if (!child || child->Locked() || child->View().IsClosing())
            continue;
        if (pick(*child))
            PostClose(*child);
    }
}

bool WindowCloser::ConfirmCloseAll(int enabled) {
    return !enabled || frame_.Ask(IDS_CONFIRM_CLOSE_ALL) == MsgResult::Yes;
}

void WindowCloser::CloseAll() {
    if (!ConfirmCloseAll(frame_.Options().confirmCloseAll))
        return;
    CloseWhere(0, frame_.Windows().Count() - 1, true, [](CChildFrame&) { return true; });
}

void WindowCloser::CloseAllBut(ChildId keep) {
    if (!ConfirmCloseAll(frame_.Options().confirmCloseAllKeepCur))
        return;
    // The window to keep went while the question was up: closing "all but nothing" would be
    // more than was asked.
    if (!frame_.Windows().Find(keep))
        return;
    CloseWhere(0, frame_.Windows().Count() - 1, true,
               [keep](CChildFrame& child) { return child.Id() != keep; });
}

void WindowCloser::CloseLeftOf(ChildId subject) {
    CloseWhere(0, frame_.Windows().IndexOf(subject) - 1, false, [](CChildFrame&) { return true; });
}

void WindowCloser::CloseRightOf(ChildId subject) {
    const int index = frame_.Windows().IndexOf(subject);
    if (index < 0)
        return;
    CloseWhere(index + 1, frame_.Windows().Count() - 1, false, [](CChildFrame&) { return true; });
}

void WindowCloser::CloseAlike(ChildId subject, bool byUrl) {
    std::string initial;
    if (CChildFrame* child = frame_.Windows().Find(subject))
        initial = byUrl ? child->View().Location() : child->DisplayTitle();
    auto text = frame_.App().Ports().ui.InputBox(
        frame_.Text(byUrl ? IDS_INPUT_URL : IDS_INPUT_TITLE), initial);
    // Every window's text contains the empty text: an empty answer would close them all.
    if (!text || text->empty())
        return;
    CloseWhere(0, frame_.Windows().Count() - 1, true, [&](CChildFrame& child) {
        const std::string& field = byUrl ? child.View().Location() : child.DisplayTitle();
        return field.find(*text) != std::string::npos;
    });
}

void WindowCloser::CloseUnmarked() {
    WindowList& windows = frame_.Windows();
    CloseWhere(0, windows.Count() - 1, true, [&windows](CChildFrame& child) {
        return windows.ImageOf(child.Id()) != kTabMarked;
    });
}

// --- The closed windows -------------------------------------------------------------------

void WindowCloser::RebuildUndoMenu() {
    CBrowserApp& app = frame_.App();
    std::vector<MenuEntry> items;
    const size_t menuSize = static_cast<size_t>(std::max(0, app.Settings().Get(keys::MenuSize)));
    builtUrls_.fill(std::string());
    for (int slot : ring_.SlotsNewestFirst()) {
        builtUrls_[slot] = ring_.Slot(slot).url;
        items.push_back({IDM_UNDO_CLOSE_ITEM_FIRST + slot,
                         ShortenMenuTitle(app.Ports().codePage, ring_.Slot(slot).title, menuSize)});
    }
    frame_.Widgets().window.SetUndoCloseItems(items);
}

std::string WindowCloser::MenuItemUrl(int slot) const {
    return slot >= 0 && slot < UndoCloseRing::kSlots ? shownUrls_[slot] : std::string();
}

void WindowCloser::ForgetMenuItem(int slot) {
    if (slot >= 0 && slot < UndoCloseRing::kSlots)
        shownUrls_[slot].clear();
}

}  // namespace lumbrel
