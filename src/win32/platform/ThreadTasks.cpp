#include "win32/platform/ThreadTasks.h"

#include <thread>

namespace lumbrel::win32 {

bool ThreadTasks::RunInBackground(std::function<void()> task) {
    try {
        std::thread([task = std::move(task)] {
            try {
                task();
            } catch (...) {
                // A failed background write leaves the old file; nothing else to do.
            }
        }).detach();
        return true;
    } catch (...) {
        // No thread could be started: the caller decides what becomes of the work.
        return false;
    }
}

}  // namespace lumbrel::win32
