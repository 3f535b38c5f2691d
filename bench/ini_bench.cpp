// Speed of the INI store on the program's hot paths, over real files (PosixFileSystem in a
// temporary folder) and over the in-memory fake:
//   - start-up reads of a realistic "Lumbrel.ini" of about 250 keys, one GetString or GetInt
//     each (goal: under 2 ms for all of them);
//   - a numbered list "url1" ... "url50000" read with one whole-section read (goal: 50 ms);
//   - one key written into a file of 1 MB (goal: 10 ms).
// The "cold" cases change the file behind the store's back first, so they include reading and
// parsing the whole file again.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/PrivateProfile.h"
#include "support/FakeFileSystem.h"
#include "support/PosixFileSystem.h"

namespace lumbrel {
namespace {

struct Setting {
    std::string section;
    std::string key;
    std::string value;
    bool number;
};

struct KeyGroup {
    const char* section;
    const char* value;
    const char* keys;  // separated by spaces
};

// The keys of a settings file as the program keeps them, with plausible values.
const KeyGroup kSettingsFile[] = {
    {"Settings", "1",
     "ForbidMult Running StartupMode MenuLoadLastClose UseLngFile AutoHide FullScreen top "
     "left width Height Zoomed MaxWins PageMax KeepOnePage ActiveNew NewSequence "
     "CloseSequence NewWindow ConfirmExit ConfirmCloseAll ConfirmCloseAllKeepCur "
     "ConfirmCloseLock ConfirmExitDowning ForbidMainTitle AddressInNewWindow "
     "LinkInNewWindow FavInNewWindow HisInNewWindow FileInNewWindow HomeInNewWindow "
     "ActiveFileNew ActiveNewAddress DirectOpenFile OpenFolderOut Interval FilteBlank "
     "BlankMonitorClip ShowTrayIcon MinimizeToTray CloseToTray CloseAllWhenCloseToTray "
     "ShowHideModifiers ShowHideKey FullScreenShow AutoHideShow DefaultProperty "
     "UseTargetFrameName ConfirmUnsafePage ReloadUnShownImage Silent DefFontSize "
     "DefaultCharSet DisDownActivex DownAll AnimateIcon LockHomepage DisableBackground "
     "AutoSetBG TabSize AutoTab MaxTabWidth MinTabWidth MultiLineTab ShowIndex ShowDot "
     "ShowRead ClickClose AllowDBC AllowMC AllowRC LDbClickTabBlank RDbClickTabBlank "
     "UseAlias ComboShowIcon AutoRefresh AutoRefreshActive UseAutoScroll AutoScrollAfterDL "
     "SrSpeed AutoScrollPage SpeedSeed MouseCtrlSpeed DisScrollText KillPop KillAutoWin "
     "KillDupWin KillListWin NotConfirmPopupFilter PlayPopupFilterSound PopupBound "
     "FilterRefresh NotFilterClickDialog UseUrlFilter UseDialogFilter UseFlyingFilter "
     "EnableFilter CompactFavBar MenuSize DisplayOpenAll DisplayAddFav ShowHiddenFav "
     "SingleMenu UseDefaultFavPath UseDefaultLinkPath FavShowUrl GroupMenuShowMember "
     "CloseAllBeforeNewGroup OpenInNew EnableProxy GoProxyMenu CollectorTrans MonitorTrans "
     "AutoSave CateWithSite ImgCateWithSite NameByTitle SavePageByDate ShowSortSaveDlg "
     "EncryptStringItem AutoRunExternal CleanAllMode SmallToolbar LockToolbar TextLabel "
     "ColorIcon ShowToolbarLabel ShowAddressBarButton ShowSearchBarButton MenuStyle "
     "ExpWidth UseSC"},
    {"Settings", ".\\Some Folder\\value.txt",
     "StartFolder StartGroup LngFile GroupPath SkinPath BGColor FavPath LinkPath "
     "CurrentProxy CurrentProxyName ProxyByPass DefaultWebProxy DefaultDir DefaultDirSort "
     "ImagePath SortSaveFolder FileTypes FormMainPwd SkinName ExpBar StatusDispFormat"},
    {"TabStyle", "-1", "TabPos TabStyle UnSelColor UnSelFontColor SelFontColor SepColor"},
    {"Domains", "http://www.", "CE1 CE2 SE1 SE2 CSE1 CSE2"},
    {"Mouse", "3",
     "RMouseDrag RMouseGesture ShowGesture SimuDragLink WheelTab WheelOnTab LDbClick "
     "LButtonDown MButtonDown RButtonDown LeftRight RightLeft ImgUp ImgDown ImgLeft "
     "ImgRight TextUp TextDown TextLeft TextRight LinkUp LinkDown LinkLeft LinkRight"},
    {"Search", "0", "SearchMatchCase SearchMatchWhole NotSaveKeyword"},
    {"Filter", "1", "KillBlank"},
    {"Filter", "<AD>", "BlankContent"},
    {"Collector", "1",
     "OutputSaveTime OutputSaveFilter OutputSaveUrlFilter OutputSavePage OutputSaveImg "
     "OutputSaveText OutputAutoClean CollectorAddtoBottom top left width height"},
    {"CloseMode", "0",
     "CloseCleanCache CloseCleanCookies CloseCleanFormData CloseCleanHistory "
     "CloseCleanTypedAddress CloseCleanTypedSearch CloseCleanUndoClose"},
    {"FtpOpen", "1", "FtpOpenType"},
};

void AddNumbered(std::vector<Setting>& out, const std::string& section, const std::string& prefix,
                 int first, int last, const std::string& value) {
    for (int i = first; i <= last; ++i)
        out.push_back({section, prefix + std::to_string(i), value, value[0] != 'h'});
}

std::vector<Setting> LumbrelSettings() {
    std::vector<Setting> settings;
    for (const KeyGroup& group : kSettingsFile) {
        const char first = group.value[0];
        const bool number = first == '-' || (first >= '0' && first <= '9');
        std::string keys = group.keys;
        for (size_t at = 0; at < keys.size();) {
            size_t end = std::min(keys.find(' ', at), keys.size());
            settings.push_back({group.section, keys.substr(at, end - at), group.value, number});
            at = end + 1;
        }
    }
    AddNumbered(settings, "Shortcuts", "F", 2, 12, "http://www.example.com/|http://example.org/");
    AddNumbered(settings, "Bands", "bandb", 0, 7, "1");
    AddNumbered(settings, "ToolBar", "B", 0, 43, "-5");
    AddNumbered(settings, "WinButtons", "W", 0, 5, "1");
    return settings;
}

std::string SettingsFileText(const std::vector<Setting>& settings) {
    std::string text = "; Lumbrel settings\r\n";
    std::string section;
    for (const Setting& s : settings) {
        if (s.section != section) {
            section = s.section;
            text += "\r\n[" + section + "]\r\n";
        }
        text += s.key + "=" + s.value + "\r\n";
    }
    return text;
}

std::string NumberedListText(int count) {
    std::string text = "[Settings]\r\nKillPop=1\r\n[History]\r\n";
    for (int i = 1; i <= count; ++i)
        text += "url" + std::to_string(i) + "=http://www.example.com/pages/" +
                std::to_string(i * 7919) + ".html\r\n";
    return text + "[After]\r\nk=v\r\n";
}

std::string MegabyteFileText() {
    std::string text;
    for (int section = 0; text.size() < 1024 * 1024; ++section) {
        text += "[Section" + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 200; ++key)
            text += "Key" + std::to_string(key) + "=some value of a typical length " +
                    std::to_string(key * section) + "\r\n";
    }
    return text;
}

// A temporary folder for the real files, removed when the program ends.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumbrel-bench-XXXXXX");
        path_ = mkdtemp(pattern.data()) ? pattern : "";
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

TempFolder& Temp() {
    static TempFolder folder;
    return folder;
}

const std::string kPath = "C:\\Lumbrel\\User\\Lumbrel.ini";

// The file system of one run: 0 real files flushed to the disk on write, 1 real files
// without the flush, 2 the in-memory fake. `Put` writes behind the store's back.
struct Files {
    explicit Files(int kind) : posix(Temp().Path(), kind == 0), useFake(kind == 2) {
        std::filesystem::create_directories(Temp().Path() + "/Lumbrel/User");
        fake.AddFolder("C:\\Lumbrel\\User");
    }
    FileSystem& Fs() { return useFake ? static_cast<FileSystem&>(fake) : posix; }
    void Put(const std::string& text) {
        if (useFake)
            fake.AddFile(kPath, text);
        else
            posix.WriteFileAtomic(kPath, text);
    }
    test::PosixFileSystem posix;
    test::FakeFileSystem fake;
    bool useFake;
};

void SetLabel(benchmark::State& state, int kind) {
    static const char* const kNames[] = {"real file, flushed", "real file", "in memory"};
    state.SetLabel(kNames[kind]);
}

void BM_Read250Settings(benchmark::State& state) {
    Files files(static_cast<int>(state.range(0)));
    const std::vector<Setting> settings = LumbrelSettings();
    const std::string text = SettingsFileText(settings);
    files.Put(text);
    PrivateProfile ini(files.Fs());
    const bool cold = state.range(1) != 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            files.Put(text);
            state.ResumeTiming();
        }
        int sum = 0;
        for (const Setting& s : settings) {
            if (s.number)
                sum += ini.GetInt(kPath, s.section, s.key, 0);
            else
                sum += static_cast<int>(ini.GetString(kPath, s.section, s.key, "").size());
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["keys"] = static_cast<double>(settings.size());
    SetLabel(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_Read250Settings)
    ->ArgNames({"fs", "cold"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_ReadNumberedList50000(benchmark::State& state) {
    Files files(static_cast<int>(state.range(0)));
    const std::string text = NumberedListText(50000);
    files.Put(text);
    PrivateProfile ini(files.Fs());
    const bool cold = state.range(1) != 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            files.Put(text);
            state.ResumeTiming();
        }
        std::vector<ProfileEntry> list = ini.GetSection(kPath, "History");
        if (list.size() != 50000)
            state.SkipWithError("wrong list size");
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    SetLabel(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_ReadNumberedList50000)
    ->ArgNames({"fs", "cold"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_WriteOneKeyInto1MB(benchmark::State& state) {
    Files files(static_cast<int>(state.range(0)));
    const std::string text = MegabyteFileText();
    files.Put(text);
    PrivateProfile ini(files.Fs());
    ini.GetString(kPath, "Section3", "Key7", "");
    int round = 0;
    for (auto _ : state) {
        if (!ini.WriteString(kPath, "Section3", "Key7", std::to_string(++round)))
            state.SkipWithError("write failed");
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    SetLabel(state, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_WriteOneKeyInto1MB)->ArgName("fs")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumbrel

BENCHMARK_MAIN();
