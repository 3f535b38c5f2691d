// The options-dialog settings the main frame keeps in fields, each read in its load stage
// (until then the key table's default applies). Settings saved at close live in Preferences,
// their one home.
#pragma once

#include "settings/Preferences.h"
#include "settings/SettingsStore.h"

namespace lumbrel {

struct FrameOptions {
    FrameOptions();

    // Creation.
    int tabStyle, showIndex, showRead, menuLoadLastClose;
    int showHideModifiers, showHideKey;
    // Deferred initialisation.
    int addressInNewWindow, favInNewWindow, hisInNewWindow, fileInNewWindow;
    int homeInNewWindow, activeFileNew, activeNewAddress;
    int confirmExit, confirmCloseAll, confirmCloseAllKeepCur, confirmCloseLock;
    int confirmExitDowning, closeSequence, newWindow;
    int showTrayIcon, minimizeToTray, closeToTray, closeAllWhenCloseToTray;

    void Load(LoadStage stage, SettingsStore& store);
};

}  // namespace lumbrel
