#include "frame/WindowActivation.h"

#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"

namespace lumbrel {

void WindowActivation::OnChildActivate(ChildId id, bool active) {
    WindowList& windows = frame_.Windows();
    CChildFrame* child = windows.Find(id);
    if (!child)
        return;
    if (!active) {
        child->View().SetActiveView(false);
        return;
    }
    if (child->View().IsClosing()) {
        // The system activates some window when the active one goes; one on its way out asks
        // for no password and shows nothing.
        if (child->Protected() && child->Window())
            child->Window()->SetPageVisible(false);
        return;
    }
    const bool wasActive = child->View().IsActiveView();
    if (child->Protected() && !wasActive && lastActivated_ != id) {
        lastActivated_ = id;
        frame_.Protection().OnProtectedActivation(id);
        child = windows.Find(id);
        if (!child || frame_.ActiveChild() != child)
            return;
    }
    lastActivated_ = id;
    CQuorralView& view = child->View();
    if (view.Location() != kAboutBlank)
        frame_.App().Ports().loop.Post(id, UM_FOCUS_PAGE, 0, 0);
    view.SetActiveView(true);
    if (!frame_.App().Settings().Get(keys::ForbidMainTitle) && child->Window())
        child->Window()->SetText(child->DisplayTitle());

    frame_.Widgets().address.SetText(view.Location());
    frame_.Indicators().SetSecure(view.IsSecure());
    const bool hasTab = windows.IndexOf(id) >= 0;
    if (!child->TakeSelectedByTab())
        windows.Select(id);
    const int image = view.TabImageShown();
    if (hasTab && (!view.IsLoading() || image == kTabUnread || image == kTabSaved)) {
        if (child->Locked())
            view.ShowTabImage(kTabLocked);
        else if (child->Protected())
            view.ShowTabImage(kTabProtected);
        else if (image != kTabNew && image != kTabSaved && image != kTabMarked)
            view.ShowTabImage(kTabRead);
        else
            view.ShowTabImage(image);
    }
    if (!wasActive) {
        frame_.Indicators().SetStatusText("");
        frame_.Indicators().SetGlobalProgress(view.Progress());
    }
}

void WindowActivation::OnTabSelected() {
    WindowList& windows = frame_.Windows();
    CChildFrame* child = windows.Find(windows.Selected());
    if (!child)
        return;
    child->MarkSelectedByTab();
    if (child->Protected())
        frame_.Post(UM_ACTIVATE_CHILD, 0, static_cast<intptr_t>(child->Id()));
    else
        frame_.Widgets().window.MdiActivate(child->Id());
}

void WindowActivation::OnActivateChildMessage(ChildId id) {
    if (frame_.Windows().Find(id))
        frame_.Widgets().window.MdiActivate(id);
}

}  // namespace lumbrel
