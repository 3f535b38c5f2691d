// One browser window: an MDI child of the main frame holding exactly one browser view. It
// keeps the window's own state (title, locked, marked, protected, how it was asked to open,
// the window it opened last) and turns the events of its window into calls of the main frame,
// which owns it and holds every rule about the window list.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "frame/NewChildRequest.h"
#include "platform/EventLoop.h"
#include "platform/FrameWindow.h"
#include "view/CQuorralView.h"

namespace lumbrel {

class CMainFrame;

// How a window was asked to open, kept until its first navigation shows it.
struct ChildOpening {
    bool activate = false;  // `NewChild`'s activate flag
    TabPlacement placement = TabPlacement::ByNewSequence;
};

class CChildFrame : public ChildWindowEvents, public MessageTarget {
public:
    CChildFrame(CMainFrame& frame, ChildId id, const ChildOpening& opening, int defaultProperty,
                std::string defaultWebProxy);
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

    // --- Title ---
    // The title shown for the window (tab, undo list, session files).
    const std::string& DisplayTitle() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // --- Locked, marked, protected ---
    bool Locked() const { return locked_; }
    void SetLocked(bool locked) { locked_ = locked; }
    bool Marked() const { return marked_; }
    void SetMarked(bool marked) { marked_ = marked; }
    bool Protected() const { return !password_.empty(); }
    // Protects the window with a non-empty password; an empty one removes the protection.
    void SetPassword(std::string password) { password_ = std::move(password); }
    bool PasswordMatches(const std::string& answer) const {
        return Protected() && answer == password_;
    }

    // --- Opening ---
    // Open-flag bits set for the window's first navigation (foreground, background, side).
    int OpenFlags() const { return openFlags_; }
    void SetOpenFlags(int flags) { openFlags_ = flags; }
    bool ActivationRequested() const { return opening_.activate; }
    void ActivationDone() { opening_.activate = false; }
    TabPlacement Placement() const { return opening_.placement; }
    // The window was shown and its tab inserted: how it was asked to open is used up.
    void FirstShown();
    // A reused window takes the request that reused it.
    void Reopen(const ChildOpening& opening) { opening_ = opening; }
    // The window this page opened most recently, and when (performance counter).
    ChildId LastOpened() const { return lastOpened_; }
    int64_t LastOpenedTime() const { return lastOpenedTime_; }
    void RememberOpened(ChildId opened, int64_t when);
    // Set while the window is being activated from its own tab (the tab is already selected);
    // reading it clears it.
    void MarkSelectedByTab() { selectedByTab_ = true; }
    bool TakeSelectedByTab() { return std::exchange(selectedByTab_, false); }

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
    std::string title_;
    std::string password_;
    bool locked_ = false;
    bool marked_ = false;
    bool selectedByTab_ = false;
    ChildOpening opening_;
    int openFlags_ = 0;
    ChildId lastOpened_ = kNoChild;
    int64_t lastOpenedTime_ = 0;
    CQuorralView view_;
};

}  // namespace lumbrel
