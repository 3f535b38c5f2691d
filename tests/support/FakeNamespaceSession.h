// The engine's internet session as the URL filter sees it: registrations recorded, and a
// switch for a class object or session that cannot be had.
#pragma once

#include <string>

#include "platform/NamespaceHandlerSession.h"

namespace lumbrel::test {

class FakeNamespaceSession : public NamespaceHandlerSession {
public:
    bool available = true;
    bool registered = false;
    // "R" per registration asked for, "U" per unregistration.
    std::string calls;

    bool Register() override {
        calls += "R";
        registered = registered || available;
        return registered;
    }
    void Unregister() override {
        calls += "U";
        registered = false;
    }
    bool IsRegistered() const override { return registered; }
};

}  // namespace lumbrel::test
