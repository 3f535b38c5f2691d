#include "win32/app/ComModule.h"

#include "instance/CommandLine.h"
#include "instance/ServerRegistration.h"
#include "win32/filter/NSHandleFactory.h"

namespace lumbrel::win32 {
namespace {

std::string ThisModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

ComModule::ComModule(Registry& registry, const CodePage& codePage, std::string modulePath)
    : registry_(registry),
      codePage_(codePage),
      modulePath_(modulePath.empty() ? ThisModulePath() : std::move(modulePath)),
      context_(std::make_shared<NSHandleContext>()) {}

ComModule::~ComModule() {
    Revoke();
}

ComModule::StartResult ComModule::Start(std::string_view rawCommandLine) {
    active_ = true;
    const CommandLineInfo info = ParseCommandLine(codePage_, rawCommandLine);
    if (info.unregServer || info.regServer) {
        active_ = false;
        const RegistryScript script = ServerRegistryScript(codePage_, modulePath_);
        if (info.unregServer) {
            UnregisterServer(registry_, script);
            return StartResult::Unregistered;
        }
        if (modulePath_.empty() || !RegisterServer(registry_, script))
            return StartResult::RegistrationFailed;
        return StartResult::Registered;
    }
    const StartResult result = RegisterClassObjects();
    active_ = result == StartResult::Serving;
    return result;
}

ComModule::StartResult ComModule::RegisterClassObjects() {
    auto* factory = new NSHandleFactory(context_);
    DWORD cookie = 0;
    // COM holds its own reference while the object is registered.
    const HRESULT result = CoRegisterClassObject(kLumbrelNSHandleClsid, factory,
                                                 CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie);
    factory->Release();
    if (FAILED(result))
        return StartResult::ClassRegistrationFailed;
    cookies_.push_back(cookie);
    return StartResult::Serving;
}

void ComModule::Revoke() {
    for (DWORD cookie : cookies_)
        CoRevokeClassObject(cookie);
    cookies_.clear();
}

}  // namespace lumbrel::win32
