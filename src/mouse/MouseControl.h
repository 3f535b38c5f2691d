// The main frame's mouse part: the mouse settings, the gesture table, the state every view's
// gestures share, the drag settings and the dragged item. Loaded at the deferred
// initialisation; the options pages and the two mode commands change it.
#pragma once

#include "mouse/DragActions.h"
#include "mouse/DragMenus.h"
#include "mouse/GestureTable.h"
#include "mouse/MouseGestures.h"
#include "mouse/MouseSettings.h"
#include "settings/Preferences.h"

namespace lumbrel {

class MouseControl {
public:
    // The modes come from the preferences (written at exit), the rest from the settings file;
    // the gesture table is appended to.
    void Load(SettingsStore& store, const Preferences& prefs);
    // The options changed: the mouse and drag keys are read again; the right button keeps
    // the mode its commands chose.
    void Reload(SettingsStore& store);

    // "Mouse Gesture" and "Mouse Drag Page": toggled here and in the preferences.
    static bool IsModeCommand(int id);
    void ToggleMode(int id, Preferences& prefs);
    bool ModeChecked(int id) const;

    MouseSettings settings;
    GestureTable gestures;
    MouseShared shared;
    DragSettings drag;
    DragItem dragItem;
    // Shows the drag menus; set by the binding, null while there is none (no menu shows).
    DragMenuSurface* dragMenus = nullptr;
};

}  // namespace lumbrel
