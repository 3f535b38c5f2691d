// One browser window: an MDI child of the main frame holding exactly one browser view. It
// keeps the window's own flags (locked, marked, protected, open flags, the window it opened
// last) and turns the events of its window into calls of the main frame, which owns it and
// holds every rule about the window list.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "platform/EventLoop.h"
#include "platform/FrameWindow.h"
#include "view/CQuorralView.h"

namespace lumbrel {

class CMainFrame;

class CChildFrame : public ChildWindowEvents, public MessageTarget {
public:
    CChildFrame(CMainFrame& frame, ChildId id, const ViewSettings& viewSettings);
    ~CChildFrame() override;
    CChildFrame(const CChildFrame&) = delete;
    CChildFrame& operator=(const CChildFrame&) = delete;

    ChildId Id() const { return id_; }
    CQuorralView& View() { return view_; }
    const CQuorralView& View() const { return view_; }
    // The window, while it exists (between Attach and Detach).
    ChildWindow* Window() { return window_; }
    void Attach(ChildWindow* window) { window_ = window; }
    ChildWindow* Detach() { return std::exchange(window_, nullptr); }

    // The title shown for the window: the fixed title when set, else the page title.
    const std::string& DisplayTitle() const { return fixedTitle.empty() ? title : fixedTitle; }

    std::string title;
    std::string fixedTitle;
    std::string protectPassword;
    bool locked = false;
    bool protectedWindow = false;
    bool marked = false;
    bool selectedByTab = false;
    int tabIndex = -1;
    int activateFlag = 0;
    int openFlags = 0;
    ChildId lastOpened = kNoChild;
    int64_t lastOpenedTime = 0;

    // ChildWindowEvents
    void OnCloseRequest() override;
    void OnMdiActivate(bool active) override;
    void OnSizeCommand(SizeCommand command) override;
    bool PaintsFrame() override;
    bool PassesResize(bool maximized) override;
    // MessageTarget
    void OnPosted(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void OnTimer(uint32_t timerId) override;

private:
    CMainFrame& frame_;
    const ChildId id_;
    ChildWindow* window_ = nullptr;
    CQuorralView view_;
};

}  // namespace lumbrel
