// The COM server's lock count: one for each live object it served and each LockServer(TRUE)
// of a client. The program serves objects only while the user runs it, so a count that
// falls to zero never ends the process; it tells whether clients still hold the server.
#pragma once

#include <atomic>

namespace lumbrel::win32 {

class ServerLocks {
public:
    static void Lock() { count_.fetch_add(1); }
    static void Unlock() { count_.fetch_sub(1); }
    static long Count() { return count_.load(); }

private:
    static inline std::atomic<long> count_{0};
};

}  // namespace lumbrel::win32
