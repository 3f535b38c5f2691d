// The instance semaphore: the first start of the program creates it, every later start finds
// it and so knows it is not the first. Start-up owns one for the life of the process; a
// second start that hands its URL over closes it before it leaves.
#pragma once

#include <string>

#include "app/CBrowserApp.h"
#include "win32/platform/Handles.h"

namespace lumbrel::win32 {

class InstanceSemaphore {
public:
    // Creates or opens the semaphore `name` (initial and maximum count 1).
    explicit InstanceSemaphore(const std::string& name = CBrowserApp::kAppName);

    // True when this process created it. When it could not be had at all the process counts
    // as first: a start that cannot tell must still be able to run.
    bool IsFirstInstance() const { return first_; }
    // Lets the name go; a later start may then be the first.
    void Close() { handle_.Reset(); }

private:
    UniqueHandle handle_;
    bool first_ = true;
};

}  // namespace lumbrel::win32
