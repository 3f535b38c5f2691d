#include "win32/frame/DragMenuPopup.h"

#include "win32/frame/MenuBar.h"

namespace lumbrel::win32 {

int DragMenuPopup::PickAtCursor(const MenuItems& items, const char* section) {
    if (!owner_ || !IsWindow(owner_))
        return 0;
    POINT cursor{};
    if (!GetCursorPos(&cursor))
        return 0;
    // Every item of a drag menu acts on the item just dropped: none is greyed.
    return TrackContextMenu(items, section, app_.Lang(), owner_, cursor,
                            [](int) { return CommandState{}; });
}

}  // namespace lumbrel::win32
