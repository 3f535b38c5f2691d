// Closing windows, one or many, and the locked, marked and protected states that decide
// which windows a close may take.
#include "commands/CommandIds.h"
#include "frame/CMainFrame.h"
#include "frame/FrameMessages.h"
#include "frame/WindowListRules.h"
#include "language/StringIds.h"

namespace lumbrel {
// --- One window ---------------------------------------------------------------------------

void CMainFrame::CloseChild(CChildFrame& child) {
    if (!widgets_)
        return;
    CQuorralView& view = child.View();
    if (child.locked && options_.confirmCloseLock &&
        Ask(IDS_CONFIRM_CLOSE_LOCKED) != MsgResult::Yes) {
        view.closing = false;  // kept: later bulk closes may take it again
        return;
    }
    if (app_.Prefs().keepOnePage && windowCount_ == 1 && FindTab(child) == 0 &&
        view.Location() == kAboutBlank) {
        view.closing = false;
        return;
    }

    int removed = -1;
    const bool hiddenBehindVisibleFrame =
        child.Window() && !child.Window()->IsVisible() && widgets_->window.IsVisible();
    if (!hiddenBehindVisibleFrame) {
        removed = FindTab(child);
        if (removed >= 0) {
            widgets_->tabs.Delete(removed);
            RefreshWindowCount();
            RenumberTabs(removed);
            if (view.openerTabIndex > removed)
                --view.openerTabIndex;
        }
        if (view.Location() != kAboutBlank && !view.Location().empty()) {
            undoRing_.Push(view.Location(), child.DisplayTitle());
            RebuildUndoMenu();
        }
        Post(UM_TAB_LAYOUT, static_cast<uintptr_t>(app_.Prefs().autoTab));
        Post(UM_TAB_TIPS);
        windowListChanged_ = true;
    }

    if (child.protectedWindow)
        --protectedCount_;
    if (windowCount_ == 0) {
        widgets_->address.SetText("");
        widgets_->window.RefreshCommandStates();
    }
    if ((view.activeView || view.openerTabIndex >= 0) && removed >= 0) {
        const int next = NextAfterClose(options_.closeSequence, removed, windowCount_,
                                        view.openerTabIndex, app_.Prefs().activeNew != 0);
        if (CChildFrame* chosen = next >= 0 ? ChildAt(next) : nullptr)
            ActivateChild(*chosen);
    }
    DestroyChild(child);
    if (windowCount_ == 0) {
        widgets_->status.SetText("");
        lastStatusEmpty_ = true;
        if (app_.Prefs().keepOnePage)
            OnCommand(IDM_BLANK_PAGE);
    }
}

void CMainFrame::DestroyChild(CChildFrame& child) {
    const ChildId id = child.Id();
    child.View().closing = true;
    child.View().AttachBrowser(nullptr);
    if (ChildWindow* window = child.Detach())
        window->Destroy();
    if (lastActivated_ == id)
        lastActivated_ = kNoChild;
    children_.erase(id);
}

void CMainFrame::PostCloseTo(CChildFrame& child) {
    child.View().closing = true;
    app_.Ports().loop.Post(child.Id(), kWmClose, 0, 0);
}

// --- Many windows -------------------------------------------------------------------------

int CMainFrame::Subject(BulkSubject subject) {
    if (subject == BulkSubject::ContextTab)
        return contextTab_;
    CChildFrame* active = ActiveChild();
    return active ? FindTab(*active) : widgets_->tabs.Selected();
}

template <typename Pick>
void CMainFrame::CloseWhere(int first, int last, bool downwards, Pick pick) {
    for (int k = 0; k <= last - first; ++k) {
        const int i = downwards ? last - k : first + k;
        CChildFrame* child = ChildAt(i);
        if (!child || child->locked || child->View().closing)
            continue;
        if (pick(i, *child))
            PostCloseTo(*child);
    }
}

void CMainFrame::CloseAll() {
    if (options_.confirmCloseAll && Ask(IDS_CONFIRM_CLOSE_ALL) != MsgResult::Yes)
        return;
    CloseWhere(0, windowCount_ - 1, true, [](int, CChildFrame&) { return true; });
}

void CMainFrame::CloseAllButOne(BulkSubject subject) {
    if (options_.confirmCloseAllKeepCur && Ask(IDS_CONFIRM_CLOSE_ALL) != MsgResult::Yes)
        return;
    const int keep = Subject(subject);
    CloseWhere(0, windowCount_ - 1, true, [keep](int i, CChildFrame&) { return i != keep; });
}

void CMainFrame::CloseLeft(BulkSubject subject) {
    CloseWhere(0, Subject(subject) - 1, false, [](int, CChildFrame&) { return true; });
}

void CMainFrame::CloseRight(BulkSubject subject) {
    const int subjectIndex = Subject(subject);
    if (subjectIndex < 0)
        return;
    CloseWhere(subjectIndex + 1, windowCount_ - 1, false, [](int, CChildFrame&) { return true; });
}

void CMainFrame::CloseAlike(BulkSubject subject, bool byUrl) {
    CChildFrame* subjectChild = ChildAt(Subject(subject));
    std::string initial;
    if (subjectChild)
        initial = byUrl ? subjectChild->View().Location() : subjectChild->DisplayTitle();
    auto text = app_.Ports().ui.InputBox(Text(byUrl ? IDS_INPUT_URL : IDS_INPUT_TITLE), initial);
    // Every window's text contains the empty text: an empty answer would close them all.
    if (!text || text->empty())
        return;
    CloseWhere(0, windowCount_ - 1, true, [&](int, CChildFrame& child) {
        const std::string& field = byUrl ? child.View().Location() : child.DisplayTitle();
        return field.find(*text) != std::string::npos;
    });
}

void CMainFrame::CloseUnmarked() {
    CloseWhere(0, windowCount_ - 1, true,
               [this](int i, CChildFrame&) { return widgets_->tabs.Image(i) != kTabMarked; });
}

// --- Lock, mark, protect ------------------------------------------------------------------

void CMainFrame::ToggleLock(CChildFrame& child) {
    if (child.protectedWindow)
        return;
    child.locked = !child.locked;
    CQuorralView& view = child.View();
    if (view.IsLoading())
        return;
    const int index = FindTab(child);
    if (child.locked) {
        view.savedTabImage = view.tabImage;
        view.tabImage = SetTabImage(index, kTabLocked);
    } else {
        view.tabImage = SetTabImage(index, view.savedTabImage);
    }
}

void CMainFrame::ToggleMark(CChildFrame& child) {
    CQuorralView& view = child.View();
    if (child.marked && view.tabImage != kTabMarked)
        child.marked = false;
    child.marked = !child.marked;
    const int index = FindTab(child);
    if (child.marked) {
        view.savedTabImage = view.tabImage;
        view.tabImage = SetTabImage(index, kTabMarked);
    } else {
        const int restore = view.savedTabImage == kTabMarked ? kTabRead : view.savedTabImage;
        view.tabImage = SetTabImage(index, restore);
    }
}

std::optional<PasswordAnswer> CMainFrame::PromptPassword() {
    PasswordAnswer initial;
    initial.remember = rememberPassword_;
    if (rememberPassword_)
        initial.password = rememberedPassword_;
    return app_.Ports().ui.PasswordBox(Text(IDS_ENTER_PASSWORD), initial);
}

void CMainFrame::ProtectWindow(CChildFrame& child) {
    auto answer = PromptPassword();
    if (!answer)
        return;
    CQuorralView& view = child.View();
    const int index = FindTab(child);
    if (!child.protectedWindow) {
        if (answer->password.empty())
            return;
        child.protectPassword = answer->password;
        child.protectedWindow = true;
        ++protectedCount_;
        rememberPassword_ = answer->remember;
        rememberedPassword_ = answer->remember ? answer->password : std::string();
        view.savedTabImage = view.tabImage;
        view.tabImage = SetTabImage(index, kTabProtected);
    } else if (answer->password == child.protectPassword) {
        child.protectedWindow = false;
        child.protectPassword.clear();
        --protectedCount_;
        view.tabImage = SetTabImage(index, view.savedTabImage);
    } else {
        Tell(IDS_PASSWORD_INCORRECT);
    }
}

bool CMainFrame::AskWindowPassword(CChildFrame& child) {
    auto answer = PromptPassword();
    return answer && answer->password == child.protectPassword;
}

void CMainFrame::OnProtectedActivation(CChildFrame& child) {
    if (child.Window())
        child.Window()->SetPageVisible(false);
    if (AskWindowPassword(child)) {
        if (child.Window())
            child.Window()->SetPageVisible(true);
        return;
    }
    Tell(IDS_PASSWORD_INCORRECT);
    if (protectedCount_ >= windowCount_) {
        Preferences& prefs = app_.Prefs();
        const int activeNew = prefs.activeNew;
        prefs.activeNew = 1;
        NewChild(ChildMode::Create, NavKind::Blank, "", nullptr, true);
        prefs.activeNew = activeNew;
        widgets_->address.Focus();
    } else {
        widgets_->window.MdiActivateNext();
    }
}

bool CMainFrame::ArrangeAllowed() {
    if (protectedCount_ <= 0)
        return true;
    Tell(IDS_PROTECTED_NO_ARRANGE);
    return false;
}

void CMainFrame::OnChildSizeCommand(ChildWindowEvents::SizeCommand command) {
    displayMode_ = command == ChildWindowEvents::SizeCommand::Maximize ? DisplayMode::Maximized
                                                                       : DisplayMode::Sized;
}

// --- Activation ---------------------------------------------------------------------------

void CMainFrame::OnChildActivate(CChildFrame& child, bool active) {
    if (!widgets_)
        return;
    CQuorralView& view = child.View();
    if (!active) {
        view.activeView = false;
        return;
    }
    const bool wasActive = view.activeView;
    if (child.protectedWindow && !wasActive && lastActivated_ != child.Id()) {
        lastActivated_ = child.Id();
        OnProtectedActivation(child);
        if (!Child(child.Id()) || ActiveChild() != &child)
            return;
    }
    lastActivated_ = child.Id();
    if (view.Location() != kAboutBlank)
        app_.Ports().loop.Post(child.Id(), UM_FOCUS_PAGE, 0, 0);
    view.activeView = true;
    if (!app_.Settings().Get(keys::ForbidMainTitle) && child.Window())
        child.Window()->SetText(child.DisplayTitle());

    widgets_->address.SetText(view.Location());
    SetSecure(view.secure);
    const int index = FindTab(child);
    if (!child.selectedByTab && index >= 0)
        widgets_->tabs.Select(index);
    child.selectedByTab = false;
    if (index >= 0 &&
        (!view.IsLoading() || view.tabImage == kTabUnread || view.tabImage == kTabSaved)) {
        int image = view.tabImage;
        if (child.locked)
            image = kTabLocked;
        else if (child.protectedWindow)
            image = kTabProtected;
        else if (image != kTabNew && image != kTabSaved && image != kTabMarked)
            image = kTabRead;
        view.tabImage = SetTabImage(index, image);
    }
    if (!wasActive) {
        SetStatusText("");
        SetGlobalProgress(view.progress);
    }
}

void CMainFrame::OnTabSelected() {
    if (!widgets_)
        return;
    const int selected = widgets_->tabs.Selected();
    CChildFrame* child = ChildAt(selected);
    if (!child)
        return;
    child->selectedByTab = true;
    child->tabIndex = selected;
    if (child->protectedWindow)
        Post(UM_ACTIVATE_CHILD, 0, static_cast<intptr_t>(child->Id()));
    else
        widgets_->window.MdiActivate(child->Id());
}

void CMainFrame::OnUiActivateChild(ChildId id) {
    if (Child(id))
        widgets_->window.MdiActivate(id);
}

}  // namespace lumbrel
