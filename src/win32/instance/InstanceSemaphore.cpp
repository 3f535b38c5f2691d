#include "win32/instance/InstanceSemaphore.h"

namespace lumbrel::win32 {

InstanceSemaphore::InstanceSemaphore(const std::string& name) {
    HANDLE semaphore = CreateSemaphoreA(nullptr, 1, 1, name.c_str());
    const DWORD error = GetLastError();
    handle_.Reset(semaphore);
    first_ = error != ERROR_ALREADY_EXISTS;
}

}  // namespace lumbrel::win32
