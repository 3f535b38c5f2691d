#include "instance/ServerRegistration.h"

#include "base/DbcsText.h"

namespace lumbrel {
namespace {

// COM maps a process to its AppID by the executable's file name, so the real name is
// registered even when the program was renamed.
std::string ExecutableName(const CodePage& cp, std::string_view modulePath) {
    size_t slash = RFindChar(cp, modulePath, '\\');
    std::string_view name =
        slash == std::string_view::npos ? modulePath : modulePath.substr(slash + 1);
    return name.empty() ? std::string("lumbrel.exe") : std::string(name);
}

}  // namespace

RegistryScript ServerRegistryScript(const CodePage& cp, std::string_view modulePath) {
    const std::string appIdKey = std::string("AppID\\") + kServerAppId;
    const std::string exeKey = "AppID\\" + ExecutableName(cp, modulePath);
    const std::string clsidKey = std::string("CLSID\\") + kNSHandleClsid;
    const std::string progIdKey = kNSHandleProgId;
    const std::string independentKey = kNSHandleIndependentProgId;

    RegistryScript script;
    script.values = {
        {appIdKey, "", kServerAppName},
        {exeKey, "AppID", kServerAppId},
        {clsidKey, "", kNSHandleDescription},
        {clsidKey, "AppID", kServerAppId},
        {clsidKey + "\\LocalServer32", "", "\"" + std::string(modulePath) + "\""},
        {clsidKey + "\\ProgID", "", kNSHandleProgId},
        {clsidKey + "\\VersionIndependentProgID", "", kNSHandleIndependentProgId},
        {progIdKey, "", kNSHandleDescription},
        {progIdKey + "\\CLSID", "", kNSHandleClsid},
        {independentKey, "", kNSHandleDescription},
        {independentKey + "\\CLSID", "", kNSHandleClsid},
        {independentKey + "\\CurVer", "", kNSHandleProgId},
    };
    script.ownedKeys = {appIdKey, exeKey, clsidKey, progIdKey, independentKey};
    return script;
}

bool RegisterServer(Registry& registry, const RegistryScript& script) {
    for (const RegistryEntry& entry : script.values) {
        if (!registry.WriteString(RegRoot::ClassesRoot, entry.key, entry.name, entry.value)) {
            UnregisterServer(registry, script);
            return false;
        }
    }
    return true;
}

void UnregisterServer(Registry& registry, const RegistryScript& script) {
    for (const std::string& key : script.ownedKeys)
        registry.DeleteKey(RegRoot::ClassesRoot, key);
}

}  // namespace lumbrel
