#include "win32/instance/HandOverReceiver.h"

#include "win32/instance/SharedRecordView.h"

namespace lumbrel::win32 {

HandOverReceipt ReceiveHandOver(const std::string& mappingName) {
    SharedRecordView record(mappingName, SharedRecordView::Access::Read);
    switch (record.GetStatus()) {
        case SharedRecordView::Status::NoMapping:
            return {HandOverReceiveResult::NoSharedMemory, {}};
        case SharedRecordView::Status::NoView:
            return {HandOverReceiveResult::NoView, {}};
        case SharedRecordView::Status::Mapped:
            break;
    }
    return {HandOverReceiveResult::Received, ReadHandOverRecord(record.Bytes())};
}

}  // namespace lumbrel::win32
