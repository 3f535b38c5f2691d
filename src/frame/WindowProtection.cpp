#include "frame/WindowProtection.h"

#include "frame/CMainFrame.h"
#include "language/StringIds.h"

namespace lumbrel {

int WindowProtection::ProtectedCount() {
    WindowList& windows = frame_.Windows();
    int count = 0;
    for (ChildId id : windows.InOrder())
        if (CChildFrame* child = windows.Find(id); child && child->Protected())
            ++count;
    return count;
}

void WindowProtection::ToggleLock(ChildId id) {
    CChildFrame* child = frame_.Windows().Find(id);
    if (!child || child->Protected())
        return;
    child->SetLocked(!child->Locked());
    // The session file says which windows are locked: the next periodic save must write it.
    frame_.Windows().MarkChanged();
    CQuorralView& view = child->View();
    if (view.IsLoading())
        return;
    if (child->Locked()) {
        view.SaveTabImage();
        view.ShowTabImage(kTabLocked);
    } else {
        view.ShowTabImage(view.SavedTabImage());
    }
}

void WindowProtection::ToggleMark(ChildId id) {
    CChildFrame* child = frame_.Windows().Find(id);
    if (!child)
        return;
    CQuorralView& view = child->View();
    // A mark whose image was replaced since (by a load) is gone already.
    if (child->Marked() && view.TabImageShown() != kTabMarked)
        child->SetMarked(false);
    child->SetMarked(!child->Marked());
    if (child->Marked()) {
        view.SaveTabImage();
        view.ShowTabImage(kTabMarked);
    } else {
        const int saved = view.SavedTabImage();
        view.ShowTabImage(saved == kTabMarked ? kTabRead : saved);
    }
}

std::optional<PasswordAnswer> WindowProtection::Prompt() {
    PasswordAnswer initial;
    initial.remember = rememberPassword_;
    if (rememberPassword_)
        initial.password = rememberedPassword_;
    return frame_.App().Ports().ui.PasswordBox(frame_.Text(IDS_ENTER_PASSWORD), initial);
}

void WindowProtection::Remember(const PasswordAnswer& answer) {
    rememberPassword_ = answer.remember;
    rememberedPassword_ = answer.remember ? answer.password : std::string();
}

void WindowProtection::Protect(ChildId id) {
    if (!frame_.Windows().Find(id))
        return;
    const auto answer = Prompt();
    CChildFrame* child = frame_.Windows().Find(id);
    if (!answer || !child)
        return;
    CQuorralView& view = child->View();
    if (!child->Protected()) {
        if (answer->password.empty())
            return;
        child->SetPassword(answer->password);
        Remember(*answer);
        view.SaveTabImage();
        view.ShowTabImage(kTabProtected);
    } else if (child->PasswordMatches(answer->password)) {
        child->SetPassword("");
        view.ShowTabImage(view.SavedTabImage());
    } else {
        frame_.Tell(IDS_PASSWORD_INCORRECT);
    }
}

PasswordCheck WindowProtection::AskPassword(ChildId id) {
    const auto answer = Prompt();
    const CChildFrame* child = frame_.Windows().Find(id);
    if (!child)
        return PasswordCheck::WindowGone;
    return answer && child->PasswordMatches(answer->password) ? PasswordCheck::Correct
                                                              : PasswordCheck::Wrong;
}

void WindowProtection::OnProtectedActivation(ChildId id) {
    CChildFrame* child = frame_.Windows().Find(id);
    if (!child)
        return;
    if (child->Window())
        child->Window()->SetPageVisible(false);
    switch (AskPassword(id)) {
        case PasswordCheck::WindowGone:
            return;
        case PasswordCheck::Correct:
            if (CChildFrame* shown = frame_.Windows().Find(id); shown && shown->Window())
                shown->Window()->SetPageVisible(true);
            return;
        case PasswordCheck::Wrong:
            break;
    }
    frame_.Tell(IDS_PASSWORD_INCORRECT);
    FrameWidgets& widgets = frame_.Widgets();
    if (ProtectedCount() >= frame_.Windows().Count()) {
        NewChildRequest blank;
        blank.mode = ChildMode::Create;
        blank.kind = NavKind::Blank;
        blank.activate = true;
        frame_.NewChild(blank);
        widgets.address.Focus();
    } else {
        widgets.window.MdiActivateNext();
    }
}

bool WindowProtection::ArrangeAllowed() {
    if (ProtectedCount() <= 0)
        return true;
    frame_.Tell(IDS_PROTECTED_NO_ARRANGE);
    return false;
}

}  // namespace lumbrel
