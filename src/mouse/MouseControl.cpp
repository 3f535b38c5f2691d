#include "mouse/MouseControl.h"

#include "commands/CommandIds.h"

namespace lumbrel {

void MouseControl::Load(SettingsStore& store, const Preferences& prefs) {
    settings.Load(store);
    settings.rMouseGesture = prefs.rMouseGesture;
    settings.rMouseDrag = prefs.rMouseDrag;
    gestures.Load(store);
    drag.Load(store);
}

bool MouseControl::IsModeCommand(int id) {
    return id == IDM_MOUSE_GESTURE || id == IDM_MOUSE_DRAG_PAGE;
}

void MouseControl::ToggleMode(int id, Preferences& prefs) {
    if (id == IDM_MOUSE_GESTURE)
        ToggleMouseGesture(settings);
    else if (id == IDM_MOUSE_DRAG_PAGE)
        ToggleMouseDragPage(settings);
    prefs.rMouseGesture = settings.rMouseGesture;
    prefs.rMouseDrag = settings.rMouseDrag;
}

bool MouseControl::ModeChecked(int id) const {
    if (id == IDM_MOUSE_GESTURE)
        return settings.rMouseGesture != 0;
    return id == IDM_MOUSE_DRAG_PAGE && settings.rMouseDrag != 0;
}

}  // namespace lumbrel
