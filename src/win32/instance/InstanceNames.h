// The names of the objects two starts of the program share: the instance semaphore and the
// main window's marker property (both the application name), the hand-over mutex and the
// shared record. The program always uses the defaults; tests run under names of their own so
// that they never meet a real copy of the program.
#pragma once

#include <string>

#include "app/CBrowserApp.h"
#include "instance/HandOverRecord.h"

namespace lumbrel::win32 {

struct InstanceNames {
    std::string appName = CBrowserApp::kAppName;
    std::string mutexName = kHandOverMutexName;
    std::string mappingName = kHandOverMappingName;
};

}  // namespace lumbrel::win32
