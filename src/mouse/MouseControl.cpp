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

void MouseControl::Reload(SettingsStore& store) {
    // The right button's mode is the one its commands chose, kept in memory until the close.
    const int gesture = settings.rMouseGesture;
    const int dragPage = settings.rMouseDrag;
    settings.Load(store);
    settings.rMouseGesture = gesture;
    settings.rMouseDrag = dragPage;
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
