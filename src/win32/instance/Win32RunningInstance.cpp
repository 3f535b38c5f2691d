#include "win32/instance/Win32RunningInstance.h"

#include "win32/instance/MainWindowFinder.h"

namespace lumbrel::win32 {

Win32RunningInstance::Win32RunningInstance(InstanceSemaphore& semaphore, const CodePage& codePage,
                                           const InstanceNames& names, HandOverTimeouts timeouts)
    : semaphore_(semaphore),
      sender_(codePage, names, timeouts),
      names_(names),
      wakeWaitMs_(timeouts.answerWaitMs) {}

void Win32RunningInstance::ReleaseInstanceSemaphore() {
    semaphore_.Close();
}

RunningWindow Win32RunningInstance::Find() {
    window_ = FindMainWindow(names_.appName);
    return DescribeMainWindow(window_);
}

HandOverSendResult Win32RunningInstance::HandOver(std::string_view text) {
    if (!window_)
        return HandOverSendResult::NotAnswered;
    return sender_.Send(window_, text);
}

void Win32RunningInstance::BringForward() {
    if (window_)
        BringMainWindowForward(window_);
}

void Win32RunningInstance::Wake() {
    if (window_)
        WakeMainWindow(window_, wakeWaitMs_);
}

}  // namespace lumbrel::win32
