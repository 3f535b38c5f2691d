// The registry entries of the program as a COM server: its AppID and its one class, the
// namespace handler of the URL filter, registered as a local server of the program itself.
// The entries are data here so that "RegServer" and "UnregServer" are checked against an
// in-memory registry; the binding's COM module only calls Register/Unregister with the
// Windows registry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Registry.h"

namespace lumbrel {

inline constexpr const char* kServerAppId = "{28C55648-AE2B-4787-A17E-6E2C89A63D58}";
inline constexpr const char* kServerAppName = "Lumbrel";
inline constexpr const char* kNSHandleClsid = "{7188BF3B-F152-4267-BF40-5950ED242E5B}";
inline constexpr const char* kNSHandleProgId = "Lumbrel.LumbrelNSHandle.1";
inline constexpr const char* kNSHandleIndependentProgId = "Lumbrel.LumbrelNSHandle";
inline constexpr const char* kNSHandleDescription = "LumbrelNSHandle Class";

// One string value under HKEY_CLASSES_ROOT; an empty name is the key's default value.
struct RegistryEntry {
    std::string key;
    std::string name;
    std::string value;
};

struct RegistryScript {
    std::vector<RegistryEntry> values;
    // The keys the server owns: removed with everything below them on unregistration.
    std::vector<std::string> ownedKeys;
};

// The entries for the executable at `modulePath` (its full path). LocalServer32 holds the
// path in quotes, so that a path with blanks cannot start another program.
RegistryScript ServerRegistryScript(const CodePage& cp, std::string_view modulePath);

// Writes every value of the script. On a failed write the keys written so far are removed
// again, so no half registration points at this program; returns false then.
bool RegisterServer(Registry& registry, const RegistryScript& script);

// Removes the owned keys; missing keys are no failure. Other keys, including the parents
// "AppID" and "CLSID", stay.
void UnregisterServer(Registry& registry, const RegistryScript& script);

}  // namespace lumbrel
