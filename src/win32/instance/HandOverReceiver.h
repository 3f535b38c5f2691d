// The running main window's side of the hand-over: its UM_HANDOVER handler calls
// ReceiveHandOver, which reads the record the sender wrote and is still holding open, and
// hands the result to the core (which shows a failure and opens the text). No UI here.
#pragma once

#include <string>

#include "instance/HandOverRecord.h"

namespace lumbrel::win32 {

// Opens (or creates) the shared record `mappingName`, copies at most 2559 bytes of its string
// and terminates the copy itself, whatever the sender left in it.
HandOverReceipt ReceiveHandOver(const std::string& mappingName = kHandOverMappingName);

}  // namespace lumbrel::win32
