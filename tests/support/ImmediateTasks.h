// Runs background work at once, on the calling thread, and counts it.
#pragma once

#include "platform/Tasks.h"

namespace lumbrel::test {

class ImmediateTasks : public Tasks {
public:
    int ran = 0;
    bool RunInBackground(std::function<void()> task) override {
        ++ran;
        task();
        return true;
    }
};

}  // namespace lumbrel::test
