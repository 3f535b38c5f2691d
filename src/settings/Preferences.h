// The settings the program keeps in memory between LoadSettings and SaveSettings: read in
// their load stage, handed to the parts that use them, and the "written at close" ones (kSave)
// written back in one batch. Which field belongs to which key and stage is one table
// (Preferences.cpp), so a key cannot be read under one name and saved under another.
#pragma once

#include <string>

#include "settings/SettingsRules.h"
#include "settings/SettingsStore.h"

namespace lumbrel {

// When a group of keys is read during start-up.
enum class LoadStage {
    StartUp = 1,        // before the main window exists
    FrameCreation = 2,  // while the main window is created
    LoadSettings = 3,   // right after the main window was created
    AfterLoad = 4,      // start-up, after LoadSettings
    Deferred = 5,       // the main window's deferred initialisation
};

struct Preferences {
    // Main window (read for placement; written by the close handler, not here).
    int top = 0, left = 0, width = 0, height = 0, zoomed = 0;
    // Window list.
    int pageMax = 0, activeNew = 0, newSequence = 0, linkInNewWindow = 0, directOpenFile = 0;
    int maxWins = 0, running = 0, keepOnePage = 0, startupMode = 0;
    std::string startFolder, startGroup;
    // Browser view.
    int defFontSize = 0, defaultCharSet = 0, disDownActivex = 0, animateIcon = 0;
    int lockHomepage = 0, disableBackground = 0, autoSetBG = 0, silent = 0;
    int reloadUnShownImage = 0, autoRunExternal = 0, confirmUnsafePage = 0;
    int useTargetFrameName = 0, defaultProperty = 0, autoHide = 0, fullScreen = 0;
    std::string bgColor;
    // Tabs.
    int tabSize = 0, autoTab = 0, maxTabWidth = 0, minTabWidth = 0, multiLineTab = 0;
    // Address input, page tools.
    int useAlias = 0, useSC = 0;
    int autoRefresh = 0, autoRefreshActive = 0, useAutoScroll = 0, autoScrollAfterDL = 0;
    int srSpeed = 0, autoScrollPage = 0, speedSeed = 0, mouseCtrlSpeed = 0, disScrollText = 0;
    // Filters.
    int killPop = 0, killAutoWin = 0, killDupWin = 0, killListWin = 0;
    int useUrlFilter = 0, useDialogFilter = 0, useFlyingFilter = 0, enableFilter = 0;
    int popupBound = 0, killBlank = 0;
    // Favorites, groups, mouse, search.
    int groupMenuShowMember = 0, closeAllBeforeNewGroup = 0, openInNew = 0;
    int rMouseDrag = 0, rMouseGesture = 0;
    int searchMatchCase = 0, searchMatchWhole = 0, notSaveKeyword = 0;
    // Proxy.
    int enableProxy = 0;
    int useSystemProxy = -1;
    std::string currentProxy, currentProxyName, proxyByPass, defaultWebProxy;
    // Saving.
    std::string sortSaveFolder;
    int showSortSaveDlg = 0;
    // Bars.
    std::string skinName, expBar;
    int smallToolbar = 0, lockToolbar = 0, textLabel = 0, colorIcon = 0, expWidth = 0;

    // Reads the keys of one stage. `DefaultProperty` takes its computed default from the
    // engine's registry values.
    void Load(LoadStage stage, SettingsStore& store, Registry& registry);
    // Writes every kSave key in the current batch of `store`.
    void Save(SettingsStore& store) const;

    // Derived values.
    double PopupBound() const { return PopupBoundFactor(popupBound); }
    double SpeedSeed() const { return SpeedSeedFactor(speedSeed); }
    Placement MainPlacement() const { return {top, left, width, height}; }
    FilterSwitches Filters() const {
        return {killPop != 0, useUrlFilter != 0, useDialogFilter != 0, useFlyingFilter != 0};
    }
};

}  // namespace lumbrel
