// The browser windows and their order. The window list is the tab strip: tab order is window
// order and each tab carries its window's id. This class is the only owner of the windows and
// the only place that knows indexes; everyone else keeps ids and asks for an index when a
// position matters, so no index can go stale.
//
// Driven by the main frame and its parts; answers through the tab strip.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frame/CChildFrame.h"
#include "platform/FrameWidgets.h"
#include "tabs/CTabBar.h"

namespace lumbrel {

class WindowList {
public:
    WindowList(TabStrip& tabs, CTabBar& bar);
    ~WindowList();
    WindowList(const WindowList&) = delete;
    WindowList& operator=(const WindowList&) = delete;

    // --- The windows, with or without a tab ---
    CChildFrame& Adopt(std::unique_ptr<CChildFrame> child);
    CChildFrame* Find(ChildId id);
    // Every window, in the order they were created.
    std::vector<CChildFrame*> All();
    // Destroys the window of `id` (its tab must be gone) and forgets it.
    void Destroy(ChildId id);
    // Destroys every window, children before the frame goes.
    void DestroyAll();

    // --- Order ---
    int Count();
    // The tab index of `id`, -1 when it has no tab.
    int IndexOf(ChildId id);
    CChildFrame* At(int index);
    // The windows with a tab, in tab order: a walk that may close windows walks this copy.
    std::vector<ChildId> InOrder();
    ChildId Selected();
    int SelectedIndex();
    void Select(ChildId id);
    void SelectIndex(int index);
    // Inserts the tab of `child` at `position` (clamped) showing `title`. Returns the index
    // used.
    int Insert(CChildFrame& child, int position, const std::string& title);
    // Numbers the tabs from `from` on again, when numbers are shown.
    void Renumber(int from);
    // Deletes the tab of `id` and renumbers the tabs after it. Returns the index it had, -1
    // when it had none.
    int Remove(ChildId id);

    // --- What a tab shows ---
    // The tab text for the page title `title`, numbered when `ShowIndex` is on.
    void ShowTitle(ChildId id, const std::string& title);
    // Sets the tab image of `id` when it has a tab; 9 (read) shows as none unless `ShowRead`
    // is on. Returns the image that applies.
    int ShowImage(ChildId id, int image);
    int ImageOf(ChildId id);

    // Set on every insertion and removal; cleared when the session file was written.
    bool Changed() const { return changed_; }
    // A page finished navigating: the session record is due for a rewrite as well.
    void MarkChanged() { changed_ = true; }
    void ClearChanged() { changed_ = false; }

private:
    TabStrip& tabs_;
    CTabBar& bar_;
    std::map<ChildId, std::unique_ptr<CChildFrame>> children_;
    bool changed_ = false;
};

}  // namespace lumbrel
