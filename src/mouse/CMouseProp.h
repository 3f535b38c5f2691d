// The drag options page as a model: for images, links and text one action list per direction,
// and "Simulate Drag Link as Shift+Click". OK writes the settings.
#pragma once

#include <span>

#include "mouse/DragActions.h"

namespace lumbrel {

class CMouseProp {
public:
    CMouseProp(const DragSettings& settings, bool simulateDragLink)
        : simuDragLink(simulateDragLink), settings_(settings) {}

    bool simuDragLink;  // "Simulate Drag Link as Shift+Click"

    // The texts of the list of `kind`.
    static std::span<const DragActionEntry> Choices(DragKind kind) { return DragActionList(kind); }
    // The list's selection (an index the list has).
    int Choice(DragKind kind, DragDirection direction) const {
        return settings_.ActionIndex(kind, direction);
    }
    // False (and nothing changed) for an index the list does not have.
    bool Choose(DragKind kind, DragDirection direction, int index);

    const DragSettings& Settings() const { return settings_; }

private:
    DragSettings settings_;
};

}  // namespace lumbrel
