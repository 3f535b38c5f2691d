// Closing browser windows: the close request of one window (its confirmations, the undo-close
// ring, the window that becomes active next) and the bulk closes, which only post close
// requests so that every window goes through the one-window rule later.
//
// Every step that asks the user looks the windows up again by id afterwards: a dialog runs
// the message loop, and a close request queued before it may have taken the window.
#pragma once

#include <array>
#include <set>
#include <string>

#include "frame/UndoCloseRing.h"
#include "platform/FrameWindow.h"

namespace lumbrel {

class CMainFrame;
class CChildFrame;

class WindowCloser {
public:
    explicit WindowCloser(CMainFrame& frame) : frame_(frame) {}

    // --- One window ---
    // The close request of `id`: may be refused (a locked window, the last blank page).
    void Close(ChildId id);
    // Marks the window as closing and posts it a close request.
    void PostClose(CChildFrame& child);

    // --- Many windows (`subject`: the active window or the tab a menu was opened on) ---
    void CloseAll();
    void CloseAllBut(ChildId keep);
    void CloseLeftOf(ChildId subject);
    void CloseRightOf(ChildId subject);
    // Asks for a text, prefilled with the subject's URL or title, and closes every window
    // whose URL or title contains it.
    void CloseAlike(ChildId subject, bool byUrl);
    void CloseUnmarked();

    // --- The closed windows ---
    UndoCloseRing& Ring() { return ring_; }
    const UndoCloseRing& Ring() const { return ring_; }
    // Lists the ring in the undo-close menu, newest first.
    void RebuildUndoMenu();
    // The undo-close menu drops down: what it holds now is what the user picks from. A close
    // while it is up, or between the pick and its command, rebuilds it but changes nothing
    // of what the pick means.
    void OnUndoMenuOpening() { shownUrls_ = builtUrls_; }
    // The address the undo-close menu showed for `slot` when it last dropped down; empty when
    // it showed none.
    std::string MenuItemUrl(int slot) const;
    // The pick of `slot` was answered: the item is used up.
    void ForgetMenuItem(int slot);

private:
    // Posts a close request to each window of tab indexes [first, last] that `pick` takes,
    // skipping locked windows and windows already closing.
    template <typename Pick>
    void CloseWhere(int first, int last, bool downwards, Pick pick);
    bool ConfirmCloseAll(int enabled);
    void ActivateNextAfter(int removed, ChildId opener);

    CMainFrame& frame_;
    UndoCloseRing ring_;
    // The address of each slot's item, as the menu holds it and as it was when last shown.
    std::array<std::string, UndoCloseRing::kSlots> builtUrls_;
    std::array<std::string, UndoCloseRing::kSlots> shownUrls_;
    // Windows whose close is under way: a second request for one of them, delivered by a
    // prompt of the first, is already being answered.
    std::set<ChildId> underWay_;
};

}  // namespace lumbrel
