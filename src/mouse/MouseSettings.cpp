#include "mouse/MouseSettings.h"

namespace lumbrel {

void MouseSettings::Load(SettingsStore& store) {
    rMouseGesture = store.Get(keys::RMouseGesture);
    rMouseDrag = store.Get(keys::RMouseDrag);
    showGesture = store.Get(keys::ShowGesture);
    wheelTab = store.Get(keys::WheelTab);
    lButtonDown = store.Get(keys::LButtonDown);
    lDbClick = store.Get(keys::LDbClick);
    mButtonDown = store.Get(keys::MButtonDown);
    rButtonDown = store.Get(keys::RButtonDown);
    leftRight = store.Get(keys::LeftRight);
    rightLeft = store.Get(keys::RightLeft);
}

void MouseSettings::SaveOptions(SettingsStore& store) const {
    auto batch = store.BeginBatch();
    store.Write(keys::ShowGesture, showGesture);
    store.Write(keys::LButtonDown, lButtonDown);
    store.Write(keys::LDbClick, lDbClick);
    store.Write(keys::MButtonDown, mButtonDown);
    store.Write(keys::RButtonDown, rButtonDown);
    store.Write(keys::LeftRight, leftRight);
    store.Write(keys::RightLeft, rightLeft);
    batch.Commit();
}

void ToggleMouseGesture(MouseSettings& settings) {
    settings.rMouseGesture = settings.rMouseGesture ? 0 : 1;
    if (settings.rMouseGesture)
        settings.rMouseDrag = 0;
}

void ToggleMouseDragPage(MouseSettings& settings) {
    settings.rMouseDrag = settings.rMouseDrag ? 0 : 1;
    if (settings.rMouseDrag)
        settings.rMouseGesture = 0;
}

}  // namespace lumbrel
