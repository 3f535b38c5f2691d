// The process's proxy option for tests: remembers what was set, can be made to fail, and
// reads back what was set (or a preset value, as a process started with a proxy has).
#pragma once

#include <vector>

#include "platform/InternetProxy.h"

namespace lumbrel::test {

class FakeInternetProxy : public InternetProxy {
public:
    ProcessProxy current;
    std::vector<ProcessProxy> sets;
    bool failSets = false;

    bool SetProcessProxy(const ProcessProxy& proxy) override {
        sets.push_back(proxy);
        if (failSets)
            return false;
        current = proxy;
        return true;
    }
    std::optional<ProcessProxy> QueryProcessProxy() override { return current; }
};

}  // namespace lumbrel::test
