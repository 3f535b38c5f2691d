// The frame's orderly end: the confirmations, then the close-time settings (placement,
// running mark, bands), the session files and the batch of saved settings, then the windows
// and the frame itself. Each write reports failure by its result and the sequence goes on:
// nothing here throws, so a failed step never keeps the later ones from running.
#pragma once

namespace lumbrel {

class CMainFrame;

class ExitSequence {
public:
    explicit ExitSequence(CMainFrame& frame) : frame_(frame) {}

    // The close request of the frame (also at the end of the session, which skips the first
    // question). True when the frame was destroyed.
    bool Run(bool endingSession);
    bool Done() const { return done_; }

private:
    bool Confirm(bool endingSession);
    void WriteCloseSettings();

    CMainFrame& frame_;
    bool done_ = false;
    // The exit questions are up: a second close request delivered by their message loop is
    // the same exit, not another one (the end of the session excepted).
    bool asking_ = false;
};

}  // namespace lumbrel
