// The program as a COM server: one class, the namespace handler of the URL filter, served by
// the program itself. Start-up starts the module with its command line: "RegServer" and
// "UnregServer" write or remove the registry entries and end the process; otherwise the
// handler's class object is registered for the process, where the URL filter finds it.
// ExitInstance revokes it. Registry rules live in the core (ServerRegistration); no UI here.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "filter/RequestFilter.h"
#include "platform/CodePage.h"
#include "platform/Registry.h"
#include "win32/filter/LumbrelNSHandle.h"

namespace lumbrel::win32 {

class ComModule {
public:
    enum class StartResult {
        Serving,                  // the class object is registered
        Registered,               // "RegServer" done; the process ends
        Unregistered,             // "UnregServer" done; the process ends
        RegistrationFailed,       // "RegServer" could not write; the process ends
        ClassRegistrationFailed,  // CoRegisterClassObject failed; the process ends
    };

    // `modulePath` is what LocalServer32 names; empty means this executable.
    ComModule(Registry& registry, const CodePage& codePage, std::string modulePath = {});
    ~ComModule();
    ComModule(const ComModule&) = delete;
    ComModule& operator=(const ComModule&) = delete;

    // Needs COM initialised on the calling thread (the user-interface thread).
    StartResult Start(std::string_view rawCommandLine);
    static bool MustEnd(StartResult result) { return result != StartResult::Serving; }

    // True from Start until a server switch or a failure ends the process; then ExitInstance
    // has class objects to revoke.
    bool Active() const { return active_; }
    // Revokes every class object registered by Start; harmless when none is.
    void Revoke();

    // The filter every handler asks from now on (null: every request to the default handler),
    // on the calling thread only. It must outlive its setting; clear it before destroying it.
    void SetRequestFilter(RequestFilter* filter) { context_->SetFilter(filter); }

private:
    StartResult RegisterClassObjects();

    Registry& registry_;
    const CodePage& codePage_;
    std::string modulePath_;
    std::shared_ptr<NSHandleContext> context_;
    std::vector<DWORD> cookies_;
    bool active_ = false;
};

}  // namespace lumbrel::win32
