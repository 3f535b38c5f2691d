// Locked, marked and protected windows: the toggles with their tab images, the password
// dialog and its remembered answer, the prompt when a protected window is activated, and the
// refusal to arrange windows while any is protected.
//
// A password dialog runs the message loop: the window it asks for may close while it is up.
// Every answer is therefore checked against the window looked up again by its id.
#pragma once

#include <optional>
#include <string>

#include "platform/FrameWindow.h"
#include "platform/Ui.h"

namespace lumbrel {

class CMainFrame;

enum class PasswordCheck { Correct, Wrong, WindowGone };

class WindowProtection {
public:
    explicit WindowProtection(CMainFrame& frame) : frame_(frame) {}

    // Protected windows among those with a tab.
    int ProtectedCount();

    // Lock toggles the locked flag (not on a protected window); mark toggles the marked flag.
    void ToggleLock(ChildId id);
    void ToggleMark(ChildId id);
    // Asks for a password: on an unprotected window a non-empty one protects it; on a
    // protected one the right one removes the protection, a wrong one says so.
    void Protect(ChildId id);
    // Asks for the password of `id`. Cancel counts as wrong.
    PasswordCheck AskPassword(ChildId id);
    // A protected window was activated: its page stays hidden until the right password comes;
    // a wrong one moves on to another window, or to a new blank one when all are protected.
    void OnProtectedActivation(ChildId id);
    // Cascade and tile: refused with a message while any window is protected.
    bool ArrangeAllowed();

private:
    std::optional<PasswordAnswer> Prompt();
    void Remember(const PasswordAnswer& answer);

    CMainFrame& frame_;
    bool rememberPassword_ = false;
    std::string rememberedPassword_;
};

}  // namespace lumbrel
