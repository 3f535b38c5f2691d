#include "win32/instance/HandOverSender.h"

#include "frame/FrameMessages.h"
#include "instance/HandOverRecord.h"
#include "win32/instance/SharedRecordView.h"
#include "win32/platform/Handles.h"

namespace lumbrel::win32 {
namespace {

// Ownership of the named hand-over mutex for one hand-over, released when it ends.
class HandOverLock {
public:
    HandOverLock(const std::string& name, DWORD waitMs) {
        HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
        const DWORD error = GetLastError();
        mutex_.Reset(mutex);
        if (!mutex_)
            return;
        // Asking for ownership gets it only when this call created the mutex, and waiting
        // then would take it a second time and leave it held after the one release; so wait
        // only for a mutex that existed. One left by a start that died is abandoned, which
        // still hands it on.
        if (error != ERROR_ALREADY_EXISTS) {
            owned_ = true;
            return;
        }
        const DWORD wait = WaitForSingleObject(mutex_.Get(), waitMs);
        owned_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    ~HandOverLock() {
        if (owned_)
            ReleaseMutex(mutex_.Get());
    }
    HandOverLock(const HandOverLock&) = delete;
    HandOverLock& operator=(const HandOverLock&) = delete;

    bool Owned() const { return owned_; }

private:
    UniqueHandle mutex_;
    bool owned_ = false;
};

}  // namespace

HandOverSender::HandOverSender(const CodePage& codePage, const InstanceNames& names,
                               HandOverTimeouts timeouts)
    : codePage_(codePage), names_(names), timeouts_(timeouts) {}

HandOverSendResult HandOverSender::Send(HWND target, std::string_view text) const {
    HandOverLock lock(names_.mutexName, timeouts_.mutexWaitMs);
    if (!lock.Owned())
        return HandOverSendResult::Busy;
    SharedRecordView record(names_.mappingName, SharedRecordView::Access::ReadWrite);
    switch (record.GetStatus()) {
        case SharedRecordView::Status::NoMapping:
            return HandOverSendResult::NoSharedMemory;
        case SharedRecordView::Status::NoView:
            return HandOverSendResult::NoView;
        case SharedRecordView::Status::Mapped:
            break;
    }
    WriteHandOverRecord(codePage_, text, record.Bytes());
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(target, UM_HANDOVER, 0, 0, SMTO_ABORTIFHUNG, timeouts_.answerWaitMs,
                             &answer))
        return HandOverSendResult::NotAnswered;
    return HandOverSendResult::Delivered;
}

}  // namespace lumbrel::win32
