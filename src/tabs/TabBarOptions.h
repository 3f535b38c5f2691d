// The settings of the tab bar's look and mouse, read in their load stage (until then the key
// table's default applies). The tab style, numbering, `ShowRead` and the widths are kept by
// the frame (FrameOptions, Preferences), their one home.
#pragma once

#include "settings/Preferences.h"
#include "settings/SettingsStore.h"

namespace lumbrel {

// A colour of the scheme: RGB as COLORREF (0x00BBGGRR), or -1 for the system colour.
inline constexpr int kSystemColor = -1;

struct TabBarOptions {
    TabBarOptions();

    // Creation.
    int tabPos, showDot;
    int unSelColor, unSelFontColor, selFontColor, sepColor;
    // Deferred initialisation: the tab mouse keys.
    int clickClose, allowDbc, allowMc, allowRc, lDbClickTabBlank, rDbClickTabBlank, wheelOnTab;

    void Load(LoadStage stage, SettingsStore& store);
};

}  // namespace lumbrel
