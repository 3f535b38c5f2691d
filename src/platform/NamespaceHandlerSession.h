// The engine's internet session, where the URL filter registers its namespace handler for
// "http" and "https" so that every request of this process passes it first. The Windows
// binding obtains the handler's class object and the session and registers the pair; the
// fake records the calls.
#pragma once

namespace lumbrel {

class NamespaceHandlerSession {
public:
    virtual ~NamespaceHandlerSession() = default;
    // Registers the handler unless it already is. False when the class object or the session
    // could not be had: filtering is then silently inactive.
    virtual bool Register() = 0;
    // Unregisters it and lets go of the session and the class object; harmless when not
    // registered.
    virtual void Unregister() = 0;
    virtual bool IsRegistered() const = 0;
};

}  // namespace lumbrel
