// The copy of the program that may already be running, as a second start reaches it: its
// main window found by the marker property, the hand-over of a URL to it, and the two ways
// of bringing it to the user. The Windows binding works on the instance semaphore, the
// top-level windows and the shared record; tests script the answers.
#pragma once

#include <string_view>

namespace lumbrel {

// What a second start learns of the running main window.
struct RunningWindow {
    bool found = false;
    bool visible = false;
    // It shows a dialog or another popup of its own (its last active popup is not itself).
    bool hasActivePopup = false;
};

enum class HandOverSendResult {
    Delivered,
    // Another start held the hand-over mutex for the whole wait (or it could not be had).
    Busy,
    // The shared record could not be created or opened.
    NoSharedMemory,
    // The shared record could not be mapped.
    NoView,
    // The running window did not take the record in time (hung, or gone meanwhile).
    NotAnswered,
};

class RunningInstance {
public:
    virtual ~RunningInstance() = default;

    // Closes this process's instance semaphore before it leaves.
    virtual void ReleaseInstanceSemaphore() = 0;
    // Looks for the running main window; the calls below act on the window found.
    virtual RunningWindow Find() = 0;
    // Writes `text` into the shared record and has the running window take it.
    virtual HandOverSendResult HandOver(std::string_view text) = 0;
    // Restores the window if minimised and brings its last active popup to the foreground.
    virtual void BringForward() = 0;
    // Asks a hidden window to show itself (its show/hide hot key message).
    virtual void Wake() = 0;
};

}  // namespace lumbrel
