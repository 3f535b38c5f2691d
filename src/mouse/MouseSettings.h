// The mouse settings of section "Mouse": the right-button modes, the gesture line in the status
// bar, the wheel with the right button, and the six button actions. Read once at start and
// after the options change, so no mouse move reads the settings file.
#pragma once

#include "settings/SettingsStore.h"

namespace lumbrel {

struct MouseSettings {
    int rMouseGesture = 1;  // right-button gestures
    int rMouseDrag = 0;     // right-button drag-page mode (excludes gestures)
    int showGesture = 1;
    int wheelTab = 1;
    // Commands of the button actions; 0 = none.
    int lButtonDown = 0, lDbClick = 0, mButtonDown = 0, rButtonDown = 0;
    int leftRight = 0, rightLeft = 0;

    void Load(SettingsStore& store);
    // Writes the six button actions and the status-line switch (the options dialog's OK).
    void SaveOptions(SettingsStore& store) const;
};

// "Mouse Gesture": toggles gestures; switching them on switches drag-page mode off.
void ToggleMouseGesture(MouseSettings& settings);
// "Mouse Drag Page": toggles drag-page mode; switching it on switches gestures off.
void ToggleMouseDragPage(MouseSettings& settings);

}  // namespace lumbrel
