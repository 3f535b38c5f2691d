#include "win32/platform/ThreadTasks.h"

#include <thread>

namespace lumbrel::win32 {

void ThreadTasks::RunInBackground(std::function<void()> task) {
    try {
        std::thread([task = std::move(task)] {
            try {
                task();
            } catch (...) {
                // A failed background write leaves the old file; nothing else to do.
            }
        }).detach();
    } catch (...) {
        // No thread could be started: the work is skipped as a failed write would be.
    }
}

}  // namespace lumbrel::win32
