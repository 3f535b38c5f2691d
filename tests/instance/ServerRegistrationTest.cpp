#include "instance/ServerRegistration.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "support/FakeCodePage.h"
#include "support/FakeRegistry.h"

namespace lumbrel {
namespace {

using test::FakeCodePage;
using test::FakeRegistry;
using Write = std::tuple<RegRoot, std::string, std::string, std::string>;

constexpr RegRoot HKCR = RegRoot::ClassesRoot;
constexpr const char* kModule = "C:\\Program Files\\Lumbrel\\lumbrel.exe";
constexpr const char* kClsidKey = "CLSID\\{7188BF3B-F152-4267-BF40-5950ED242E5B}";

// Writes down every value written, and can refuse the n-th write.
class RecordingRegistry : public FakeRegistry {
public:
    std::set<Write> writes;
    int failAtWrite = -1;

    bool WriteString(RegRoot root, const std::string& key, const std::string& name,
                     const std::string& value) override {
        if (static_cast<int>(writes.size()) == failAtWrite)
            return false;
        writes.insert({root, key, name, value});
        return FakeRegistry::WriteString(root, key, name, value);
    }
};

TEST(ServerRegistration, RegServerWritesExactlyTheServerEntries) {
    FakeCodePage cp;
    RecordingRegistry registry;
    ASSERT_TRUE(RegisterServer(registry, ServerRegistryScript(cp, kModule)));

    const std::string clsid = "{7188BF3B-F152-4267-BF40-5950ED242E5B}";
    const std::string appId = "{28C55648-AE2B-4787-A17E-6E2C89A63D58}";
    const std::string clsidKey = "CLSID\\" + clsid;
    const std::set<Write> expected = {
        {HKCR, "AppID\\" + appId, "", "Lumbrel"},
        {HKCR, "AppID\\lumbrel.exe", "AppID", appId},
        {HKCR, clsidKey, "", "LumbrelNSHandle Class"},
        {HKCR, clsidKey, "AppID", appId},
        {HKCR, clsidKey + "\\LocalServer32", "", "\"C:\\Program Files\\Lumbrel\\lumbrel.exe\""},
        {HKCR, clsidKey + "\\ProgID", "", "Lumbrel.LumbrelNSHandle.1"},
        {HKCR, clsidKey + "\\VersionIndependentProgID", "", "Lumbrel.LumbrelNSHandle"},
        {HKCR, "Lumbrel.LumbrelNSHandle.1", "", "LumbrelNSHandle Class"},
        {HKCR, "Lumbrel.LumbrelNSHandle.1\\CLSID", "", clsid},
        {HKCR, "Lumbrel.LumbrelNSHandle", "", "LumbrelNSHandle Class"},
        {HKCR, "Lumbrel.LumbrelNSHandle\\CLSID", "", clsid},
        {HKCR, "Lumbrel.LumbrelNSHandle\\CurVer", "", "Lumbrel.LumbrelNSHandle.1"},
    };
    EXPECT_EQ(registry.writes, expected);
    EXPECT_EQ(registry.ReadString(HKCR, "lumbrel.lumbrelnshandle\\curver", ""),
              "Lumbrel.LumbrelNSHandle.1");
}

TEST(ServerRegistration, ARenamedProgramMapsItsOwnNameToTheAppId) {
    FakeCodePage cp;
    FakeRegistry registry;
    ASSERT_TRUE(RegisterServer(registry, ServerRegistryScript(cp, "D:\\Tools\\browser2.exe")));
    EXPECT_EQ(registry.ReadString(HKCR, "AppID\\browser2.exe", "AppID"), kServerAppId);
    EXPECT_FALSE(registry.KeyExists(HKCR, "AppID\\lumbrel.exe"));
    EXPECT_EQ(registry.ReadString(HKCR, std::string(kClsidKey) + "\\LocalServer32", ""),
              "\"D:\\Tools\\browser2.exe\"");
}

TEST(ServerRegistration, UnregServerRemovesOnlyTheServerKeys) {
    FakeCodePage cp;
    FakeRegistry registry;
    const RegistryScript script = ServerRegistryScript(cp, kModule);
    registry.WriteString(HKCR, "CLSID\\{00000000-1111-2222-3333-444444444444}", "", "Other");
    registry.WriteString(HKCR, "AppID\\other.exe", "AppID", "{other}");
    registry.WriteString(HKCR, ".htm", "", "htmlfile");
    ASSERT_TRUE(RegisterServer(registry, script));
    // Something another tool added below the class's key goes with it.
    registry.WriteString(HKCR, std::string(kClsidKey) + "\\Extra", "", "x");

    UnregisterServer(registry, script);
    for (const char* key : {"AppID\\{28C55648-AE2B-4787-A17E-6E2C89A63D58}", "AppID\\lumbrel.exe",
                            kClsidKey, "Lumbrel.LumbrelNSHandle.1", "Lumbrel.LumbrelNSHandle"})
        EXPECT_FALSE(registry.KeyExists(HKCR, key)) << key;
    EXPECT_TRUE(registry.KeyExists(HKCR, "CLSID"));
    EXPECT_TRUE(registry.KeyExists(HKCR, "AppID"));
    EXPECT_EQ(registry.ReadString(HKCR, "CLSID\\{00000000-1111-2222-3333-444444444444}", ""),
              "Other");
    EXPECT_EQ(registry.ReadString(HKCR, "AppID\\other.exe", "AppID"), "{other}");
    EXPECT_EQ(registry.ReadString(HKCR, ".htm", ""), "htmlfile");

    // Unregistering what is not registered is harmless.
    UnregisterServer(registry, script);
    EXPECT_EQ(registry.ReadString(HKCR, ".htm", ""), "htmlfile");
}

TEST(ServerRegistration, AFailedWriteLeavesNoHalfRegistration) {
    FakeCodePage cp;
    const RegistryScript script = ServerRegistryScript(cp, kModule);
    RecordingRegistry registry;
    registry.failAtWrite = 5;
    EXPECT_FALSE(RegisterServer(registry, script));
    EXPECT_EQ(registry.writes.size(), 5u);
    for (const std::string& key : script.ownedKeys)
        EXPECT_FALSE(registry.KeyExists(HKCR, key)) << key;

    FakeRegistry readOnly;
    readOnly.FailWrites(true);
    EXPECT_FALSE(RegisterServer(readOnly, script));
    EXPECT_TRUE(readOnly.SubKeys(HKCR, "").empty());
}

}  // namespace
}  // namespace lumbrel
