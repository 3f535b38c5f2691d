// The second start's side of the hand-over: under the hand-over mutex it writes its URL into
// the shared record and sends UM_HANDOVER to the running main window, which reads the record
// before it answers. Every wait is bounded, so a running copy that hangs cannot hang the
// start that talks to it. No message boxes: the result goes back to the core.
#pragma once

#include <string_view>

#include "platform/CodePage.h"
#include "platform/RunningInstance.h"
#include "win32/instance/InstanceNames.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

struct HandOverTimeouts {
    // Longest wait for another start's hand-over to finish.
    unsigned mutexWaitMs = 10000;
    // Longest wait for the running window to take the record.
    unsigned answerWaitMs = 10000;
};

class HandOverSender {
public:
    HandOverSender(const CodePage& codePage, const InstanceNames& names,
                   HandOverTimeouts timeouts = {});

    // Hands `text` (cut to the record) to `target`. The mutex, mapping and view are released
    // on every path.
    HandOverSendResult Send(HWND target, std::string_view text) const;

private:
    const CodePage& codePage_;
    InstanceNames names_;
    HandOverTimeouts timeouts_;
};

}  // namespace lumbrel::win32
