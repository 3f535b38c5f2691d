#include <gtest/gtest.h>

#include <set>

#include "app/CBrowserApp.h"
#include "settings/DefaultFiles.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsRules.h"
#include "support/FakePlatform.h"

namespace lumbrel {
namespace {

using test::FakePlatform;

constexpr const char* kProgram = "C:\\Program Files\\Lumbrel\\";
constexpr const char* kProfile = "C:\\Program Files\\Lumbrel\\User\\Lumbrel.ini";

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() { platform.environment.modulePath = std::string(kProgram) + "lumbrel.exe"; }

    void InstallDefaults() {
        for (const DefaultFile& file : DefaultFiles())
            platform.fs.AddFile(std::string(kProgram) + "Resource\\" + file.name + ".default",
                                std::string("; default of ") + file.name + "\r\n");
    }

    FakePlatform platform;
};

TEST_F(SettingsTest, FirstRunCreatesUserFolderAndCopiesTheStartUpDefaults) {
    InstallDefaults();
    CBrowserApp app(platform.Ports());
    app.PrepareDirectories();

    EXPECT_TRUE(platform.fs.HasFolder("C:\\Program Files\\Lumbrel\\User"));
    EXPECT_EQ(app.Settings().ProfileName(), kProfile);
    EXPECT_EQ(platform.fs.Content(kProfile), "; default of Lumbrel.ini\r\n");
    EXPECT_TRUE(platform.fs.HasFile("C:\\Program Files\\Lumbrel\\User\\SearchEngine.ini"));
    EXPECT_TRUE(platform.fs.HasFile("C:\\Program Files\\Lumbrel\\User\\Filter.ini"));
    EXPECT_FALSE(platform.fs.HasFile("C:\\Program Files\\Lumbrel\\User\\Proxy.ini"));

    app.CopyDeferredDefaults();
    for (const char* name : {"Proxy.ini", "DownManager.ini", "CollectorScript.txt"})
        EXPECT_TRUE(platform.fs.HasFile(std::string(kProgram) + "User\\" + name)) << name;
}

TEST_F(SettingsTest, ExistingUserFilesAreNeverReplaced) {
    InstallDefaults();
    platform.fs.AddFile(kProfile, "[Settings]\r\nMaxWins=7\r\n");
    // Locked by another program at this moment: still the user's data.
    platform.fs.FailOn(test::FsOp::Read, kProfile);
    CBrowserApp app(platform.Ports());
    app.PrepareDirectories();
    platform.fs.ClearFailures();
    EXPECT_EQ(platform.fs.Content(kProfile), "[Settings]\r\nMaxWins=7\r\n");
}

TEST_F(SettingsTest, WithoutDefaultFilesEveryKeyTakesItsBuiltInDefault) {
    CBrowserApp app(platform.Ports());
    app.PrepareDirectories();
    EXPECT_FALSE(platform.fs.HasFile(kProfile));
    app.ReadStartUpSettings();
    app.LoadSettings();
    app.Prefs().Load(LoadStage::AfterLoad, app.Settings(), platform.registry);
    const Preferences& p = app.Prefs();
    EXPECT_FALSE(app.ForbidMultiple());
    EXPECT_EQ(p.maxWins, 100);
    EXPECT_EQ(p.startupMode, 2);
    EXPECT_EQ(p.newSequence, 1);
    EXPECT_EQ(p.enableFilter, 15);
    EXPECT_EQ(p.bgColor, "#FFFFFF");
    EXPECT_EQ(p.proxyByPass, "<local>");
    EXPECT_EQ(p.pageMax, 1);
    EXPECT_DOUBLE_EQ(p.PopupBound(), 1.2);
    EXPECT_DOUBLE_EQ(p.SpeedSeed(), 1.0);
    EXPECT_EQ(app.Directories().skin, std::string(kProgram) + "skin\\");
    EXPECT_EQ(app.Directories().group, std::string(kProgram) + "groups\\");
}

TEST_F(SettingsTest, PathSettingsResolveTheProgramFolderPrefix) {
    platform.fs.AddFile(kProfile,
                        "[Settings]\r\nGroupPath=.\\MyGroups\r\nSkinPath=D:\\Skins\\Dark\\\r\n");
    CBrowserApp app(platform.Ports());
    app.PrepareDirectories();
    app.ReadStartUpSettings();
    EXPECT_EQ(app.Directories().group, std::string(kProgram) + "MyGroups\\");
    EXPECT_EQ(app.Directories().skin, "D:\\Skins\\Dark\\");
}

TEST_F(SettingsTest, WithoutAnExecutablePathFoldersStayEmptyAndDefaultsApply) {
    platform.environment.modulePath.clear();
    CBrowserApp app(platform.Ports());
    app.PrepareDirectories();
    app.ReadStartUpSettings();
    app.LoadSettings();
    EXPECT_TRUE(app.Directories().program.empty());
    EXPECT_EQ(app.Prefs().maxTabWidth, 100);
}

TEST(PlacementRule, AppliesOnlyWithWidthAndATopInRange) {
    EXPECT_TRUE(IsPlacementUsable({50, 50, 700, 500}));
    EXPECT_TRUE(IsPlacementUsable({-20, 0, 700, 500}));
    EXPECT_TRUE(IsPlacementUsable({1999, 0, 700, 500}));
    EXPECT_FALSE(IsPlacementUsable({-30, 50, 700, 500}));
    EXPECT_FALSE(IsPlacementUsable({-21, 50, 700, 500}));
    EXPECT_FALSE(IsPlacementUsable({2000, 50, 700, 500}));
    EXPECT_FALSE(IsPlacementUsable({50, 50, 0, 500}));
}

TEST_F(SettingsTest, HeightWrittenByOneSessionIsReadByTheNextWhateverItsCase) {
    platform.fs.AddFile(kProfile, "[settings]\r\nheight=600\r\n");
    CBrowserApp first(platform.Ports());
    first.PrepareDirectories();
    first.LoadSettings();
    EXPECT_EQ(first.Prefs().height, 600);
    SaveMainPlacement(first.Settings(), ShowState::Normal, {10, 20, 800, 640});

    CBrowserApp next(platform.Ports());
    next.PrepareDirectories();
    next.LoadSettings();
    EXPECT_EQ(next.Prefs().height, 640);
    EXPECT_EQ(next.Prefs().width, 800);
    EXPECT_EQ(next.Prefs().zoomed, 0);
}

TEST_F(SettingsTest, PlacementIsNotWrittenWhileMinimised) {
    platform.fs.AddFile(kProfile, "[Settings]\r\ntop=5\r\nZoomed=0\r\n");
    CBrowserApp app(platform.Ports());
    app.PrepareDirectories();
    SaveMainPlacement(app.Settings(), ShowState::Minimized, {-32000, -32000, 160, 28});
    EXPECT_EQ(app.Settings().Get(keys::MainTop), 5);
    SaveMainPlacement(app.Settings(), ShowState::Maximized, {-4, -4, 1288, 808});
    EXPECT_EQ(app.Settings().Get(keys::Zoomed), 1);
    EXPECT_EQ(app.Settings().Get(keys::MainTop), 5);
}

TEST(EnableFilterRule, RemembersTheLastCombinationWhenAllSwitchesAreOff) {
    EXPECT_EQ(RecomputeEnableFilter(15, {false, false, false, false}), 15);
    EXPECT_EQ(RecomputeEnableFilter(5, {false, false, false, false}), 5);
    EXPECT_EQ(RecomputeEnableFilter(15, {true, false, true, false}), 5);
    EXPECT_EQ(RecomputeEnableFilter(3, {false, false, false, true}), 8);
}

TEST_F(SettingsTest, SilentIsMirroredIntoTheEngineOnlyWhenItDiffers) {
    platform.registry.WriteString(RegRoot::CurrentUser, kEngineMainKey, "Disable Script Debugger",
                                  "no");
    EXPECT_TRUE(MirrorSilentSetting(platform.registry, 1));
    EXPECT_EQ(platform.registry.ReadString(RegRoot::CurrentUser, kEngineMainKey,
                                           "Disable Script Debugger"),
              "yes");
    EXPECT_FALSE(MirrorSilentSetting(platform.registry, 1));
    EXPECT_TRUE(MirrorSilentSetting(platform.registry, 0));
    EXPECT_EQ(platform.registry.ReadString(RegRoot::CurrentUser, kEngineMainKey,
                                           "Disable Script Debugger"),
              "no");
}

TEST_F(SettingsTest, DefaultPropertyDefaultsToWhatTheEngineShows) {
    CBrowserApp app(platform.Ports());
    app.PrepareDirectories();
    app.Prefs().Load(LoadStage::AfterLoad, app.Settings(), platform.registry);
    EXPECT_EQ(app.Prefs().defaultProperty, 0);  // no engine settings key at all

    auto set = [&](const char* name, const char* value) {
        platform.registry.WriteString(RegRoot::CurrentUser, kEngineMainKey, name, value);
    };
    set("Display Inline Images", "yes");
    set("Display Inline Videos", "no");
    set("Play_Background_Sounds", "yes");
    app.Prefs().Load(LoadStage::AfterLoad, app.Settings(), platform.registry);
    EXPECT_EQ(app.Prefs().defaultProperty, 16 + 64);

    app.Settings().Write(keys::DefaultProperty, 112);
    app.Prefs().Load(LoadStage::AfterLoad, app.Settings(), platform.registry);
    EXPECT_EQ(app.Prefs().defaultProperty, 112);
}

TEST_F(SettingsTest, PageMaxReadsBackAsMaximisedOnlyForTheMaximisedDisplayMode) {
    platform.fs.AddFile(kProfile, "[Settings]\r\nPageMax=3\r\n");
    CBrowserApp app(platform.Ports());
    app.PrepareDirectories();
    app.Prefs().Load(LoadStage::AfterLoad, app.Settings(), platform.registry);
    EXPECT_EQ(app.Prefs().pageMax, 0) << "a child was restored or minimised last";
    for (const auto& [stored, expected] : {std::pair{0, 0}, {1, 1}, {2, 0}, {7, 0}}) {
        app.Settings().Write(keys::PageMax, stored);
        app.Prefs().Load(LoadStage::AfterLoad, app.Settings(), platform.registry);
        EXPECT_EQ(app.Prefs().pageMax, expected) << stored;
    }
}

TEST_F(SettingsTest, SaveSettingsWritesEveryKeptKeyInOneReplacementOfTheFile) {
    CBrowserApp app(platform.Ports());
    app.PrepareDirectories();
    for (LoadStage stage : {LoadStage::FrameCreation, LoadStage::LoadSettings, LoadStage::AfterLoad,
                            LoadStage::Deferred})
        app.Prefs().Load(stage, app.Settings(), platform.registry);
    app.Prefs().killPop = 0;
    app.Prefs().currentProxy = "proxy.example:8080";
    const int writesBefore = platform.fs.WriteCount();
    app.SaveSettings();
    EXPECT_EQ(platform.fs.WriteCount(), writesBefore + 1);

    const std::string file = platform.fs.Content(kProfile);
    EXPECT_NE(file.find("KillPop=0\r\n"), std::string::npos);
    EXPECT_NE(file.find("CurrentProxy=proxy.example:8080\r\n"), std::string::npos);
    int saved = 0;
    for (const SettingKeyInfo& key : AllSettingKeys()) {
        if (key.isFamily || !(key.written & kSave))
            continue;
        // Keys written at close hold in-memory values of parts that keep them elsewhere;
        // every other kept key must be in the file now.
        EXPECT_NE(file.find(std::string(key.key) + "="), std::string::npos) << key.key;
        ++saved;
    }
    EXPECT_GT(saved, 50);
}

TEST_F(SettingsTest, SavedValuesSurviveARoundTrip) {
    platform.fs.AddFile(kProfile,
                        "[Settings]\r\nTabSize=33\r\nBGColor=#C0C0C0\r\nExpBar=Favorites\r\n"
                        "ActiveNew=1\r\nSrSpeed=4\r\n[Mouse]\r\nRMouseGesture=0\r\n"
                        "[Search]\r\nSearchMatchCase=1\r\n");
    CBrowserApp app(platform.Ports());
    app.PrepareDirectories();
    app.LoadSettings();
    app.SaveSettings();
    CBrowserApp next(platform.Ports());
    next.PrepareDirectories();
    next.LoadSettings();
    const Preferences& p = next.Prefs();
    EXPECT_EQ(p.tabSize, 33);
    EXPECT_EQ(p.bgColor, "#C0C0C0");
    EXPECT_EQ(p.expBar, "Favorites");
    EXPECT_EQ(p.activeNew, 1);
    EXPECT_EQ(p.srSpeed, 4);
    EXPECT_EQ(p.rMouseGesture, 0);
    EXPECT_EQ(p.searchMatchCase, 1);
}

TEST(SettingKeyTable, DeclaresEveryKeyOnce) {
    std::set<std::string> seen;
    for (const SettingKeyInfo& key : AllSettingKeys()) {
        std::string id = std::string(key.section) + "/" + key.key + (key.isFamily ? "#" : "");
        for (char& c : id)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(seen.insert(id).second) << "declared twice: " << id;
    }
    EXPECT_GT(seen.size(), 220u);
}

// The shipped default settings only hold declared keys, with the declared defaults, so that a
// first start and a start without the file behave alike.
TEST(SettingKeyTable, ShippedDefaultFileMatchesTheTable) {
    test::FakeFileSystem fs;
    fs.AddFile("C:\\Lumbrel.ini", test::SourceFile("resources/Resource/Lumbrel.ini.default"));
    PrivateProfile profile(fs);
    ASSERT_FALSE(profile.GetSectionNames("C:\\Lumbrel.ini").empty());
    auto declared = [](const std::string& section,
                       const std::string& key) -> const SettingKeyInfo* {
        auto lower = [](std::string s) {
            for (char& c : s)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return s;
        };
        for (const SettingKeyInfo& k : AllSettingKeys()) {
            if (lower(k.section) != lower(section))
                continue;
            std::string name = lower(k.key);
            if (!k.isFamily && name == lower(key))
                return &k;
            if (k.isFamily && lower(key).rfind(name, 0) == 0 &&
                lower(key).find_first_not_of("0123456789", name.size()) == std::string::npos &&
                key.size() > name.size())
                return &k;
        }
        return nullptr;
    };
    int checked = 0;
    for (const std::string& section : profile.GetSectionNames("C:\\Lumbrel.ini")) {
        for (const ProfileEntry& entry : profile.GetSection("C:\\Lumbrel.ini", section)) {
            const SettingKeyInfo* key = declared(section, entry.key);
            ASSERT_NE(key, nullptr) << section << "/" << entry.key;
            ++checked;
            if (key->isFamily)
                continue;
            if (key->isText)
                EXPECT_EQ(entry.value, key->textDefault) << entry.key;
            else
                EXPECT_EQ(entry.value, std::to_string(key->intDefault)) << entry.key;
        }
    }
    EXPECT_GT(checked, 240);
    EXPECT_EQ(profile.GetString("C:\\Lumbrel.ini", "Settings", "DefaultProperty", "absent"),
              "absent")
        << "a stored value would hide the engine's own choice";
}

}  // namespace
}  // namespace lumbrel
