// The favorites root's "Order" value in the registry, kept aside for one test: the Wine prefix
// and its registry are shared by every test of the run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "favorites/MenuOrderStore.h"
#include "favorites/OrderBlob.h"
#include "win32/platform/Win32Registry.h"

namespace lumbrel::test {

// The root's "Order" value as it was, put back when the test ends: the prefix is shared by
// every test of the run.
class SavedRootOrder {
public:
    SavedRootOrder()
        : before_(registry_.ReadBinary(RegRoot::CurrentUser, kMenuOrderKey, kOrderValue)) {}
    ~SavedRootOrder() {
        if (before_)
            registry_.WriteBinary(RegRoot::CurrentUser, kMenuOrderKey, kOrderValue, *before_);
        else
            registry_.DeleteValue(RegRoot::CurrentUser, kMenuOrderKey, kOrderValue);
    }
    SavedRootOrder(const SavedRootOrder&) = delete;
    SavedRootOrder& operator=(const SavedRootOrder&) = delete;
    void Clear() { registry_.DeleteValue(RegRoot::CurrentUser, kMenuOrderKey, kOrderValue); }
    bool Write(const std::vector<OrderEntry>& entries) {
        return registry_.WriteBinary(RegRoot::CurrentUser, kMenuOrderKey, kOrderValue,
                                     WriteOrderBlob(entries));
    }

private:
    win32::Win32Registry registry_;
    std::optional<std::string> before_;
};

}  // namespace lumbrel::test
