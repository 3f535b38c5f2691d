// The Tasks port: each task on a detached worker thread of its own.
#pragma once

#include "platform/Tasks.h"

namespace lumbrel::win32 {

class ThreadTasks : public Tasks {
public:
    bool RunInBackground(std::function<void()> task) override;
};

}  // namespace lumbrel::win32
