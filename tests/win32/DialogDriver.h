// Drives a modal dialog from inside its own message loop, as a user would: a thread timer
// finds the dialog the owner shows and runs a step on it.
#pragma once

#include <functional>

#include "win32/platform/WinApi.h"

namespace lumbrel::test {

// Runs `step` once inside the next modal loop of the thread, with the dialog the main window
// shows; a dialog still up after the time limit is cancelled, so a failed step cannot hang.
class DialogDriver {
public:
    DialogDriver(HWND owner, std::function<void(HWND)> step)
        : owner_(owner), step_(std::move(step)) {
        current_ = this;
        stepTimer_ = SetTimer(nullptr, 0, 100, &DialogDriver::OnStep);
        limitTimer_ = SetTimer(nullptr, 0, 30000, &DialogDriver::OnLimit);
    }
    ~DialogDriver() {
        KillTimer(nullptr, stepTimer_);
        KillTimer(nullptr, limitTimer_);
        current_ = nullptr;
    }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;
    bool Ran() const { return ran_; }

private:
    HWND Dialog() const {
        HWND popup = GetLastActivePopup(owner_);
        return popup != owner_ ? popup : nullptr;
    }
    static void CALLBACK OnStep(HWND, UINT, UINT_PTR, DWORD) {
        DialogDriver* self = current_;
        if (!self || self->ran_)
            return;
        HWND dialog = self->Dialog();
        if (!dialog)
            return;
        self->ran_ = true;
        KillTimer(nullptr, self->stepTimer_);
        self->step_(dialog);
    }
    static void CALLBACK OnLimit(HWND, UINT, UINT_PTR, DWORD) {
        if (current_)
            if (HWND dialog = current_->Dialog())
                EndDialog(dialog, IDCANCEL);
    }

    static inline DialogDriver* current_ = nullptr;
    HWND owner_;
    std::function<void(HWND)> step_;
    UINT_PTR stepTimer_ = 0;
    UINT_PTR limitTimer_ = 0;
    bool ran_ = false;
};

}  // namespace lumbrel::test
