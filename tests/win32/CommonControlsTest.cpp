// The program's manifest asks for version 6 of the common controls (the tab strip, rebar and
// status bar look and behave as the system's own only with it). A manifest that names another
// processor than the program's makes the loader fall back to the old controls without a word.
#include "win32/platform/WinApi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {

// Version 6 is a side-by-side assembly: it is loaded from the assembly store, where its
// folder carries the assembly's name; the old controls come from the system folder.
TEST(CommonControls, TheProgramManifestLoadsVersionSix) {
    HMODULE controls = LoadLibraryA("comctl32.dll");
    ASSERT_NE(controls, nullptr);
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(controls, path, MAX_PATH), 0u);
    FreeLibrary(controls);
    std::string lower(path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_NE(lower.find("microsoft.windows.common-controls"), std::string::npos)
        << "comctl32 was loaded from " << path;
}

}  // namespace
