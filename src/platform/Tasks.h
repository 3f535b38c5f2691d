// Work that runs off the UI thread and is forgotten: writing a file whose content was copied
// on the UI thread first. The Windows binding starts a worker thread per task; tests run the
// task at once.
#pragma once

#include <functional>

namespace lumbrel {

class Tasks {
public:
    virtual ~Tasks() = default;
    // Runs `task` on a worker thread. The task owns copies of everything it touches. False
    // when no worker could be started: the task did not run and never will.
    virtual bool RunInBackground(std::function<void()> task) = 0;
};

}  // namespace lumbrel
