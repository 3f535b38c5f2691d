// The RunningInstance port for a start of the program: this process's instance semaphore, the
// running main window found by its marker, and the hand-over sender. Start-up creates it
// after the semaphore and hands it to the core's instance-role decision.
#pragma once

#include "platform/CodePage.h"
#include "platform/RunningInstance.h"
#include "win32/instance/HandOverSender.h"
#include "win32/instance/InstanceNames.h"
#include "win32/instance/InstanceSemaphore.h"

namespace lumbrel::win32 {

class Win32RunningInstance : public RunningInstance {
public:
    Win32RunningInstance(InstanceSemaphore& semaphore, const CodePage& codePage,
                         const InstanceNames& names = {}, HandOverTimeouts timeouts = {});

    void ReleaseInstanceSemaphore() override;
    RunningWindow Find() override;
    // Before Find, or with nothing found, there is no one to answer: NotAnswered.
    HandOverSendResult HandOver(std::string_view text) override;
    void BringForward() override;
    void Wake() override;

private:
    InstanceSemaphore& semaphore_;
    HandOverSender sender_;
    InstanceNames names_;
    unsigned wakeWaitMs_;
    HWND window_ = nullptr;
};

}  // namespace lumbrel::win32
