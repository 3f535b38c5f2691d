// The page's drop target, as rules: an item dragged inside the page and dropped there runs the
// action set for its kind and the drag's direction; a drag the page runs with the right button
// keeps feeding the gesture rules, since the page holds the mouse meanwhile.
//
// One per view; the binding's IDropTarget forwards its four calls here and does what the
// verdicts say. The dropped item is stored where the drag commands and the search read it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "mouse/DragActions.h"
#include "mouse/DragCommands.h"
#include "mouse/DropData.h"
#include "mouse/MouseGestures.h"

namespace lumbrel {

// Drop effects (DROPEFFECT_*).
inline constexpr uint32_t kDropNone = 0;
inline constexpr uint32_t kDropCopy = 1;
inline constexpr uint32_t kDropMove = 2;
inline constexpr uint32_t kDropLink = 4;

// What the binding does with a drag call.
struct DropVerdict {
    bool pageHandles = false;     // hand the call on to the page's own drop target
    uint32_t effect = kDropNone;  // otherwise the effect to answer
};

// The data of a drop, as the binding read it from the data object (blocks whole, with their
// sizes; nothing when the format is missing).
struct DropInput {
    std::optional<std::string_view> text;
    std::optional<std::string_view> fileGroupDescriptor;
    std::optional<std::string> droppedFile;  // the first of the dropped files
    uint32_t allowedEffects = 0;
    PagePoint point;  // the cursor in the view's client coordinates
    uint16_t keyState = 0;
};

class PageDropRules {
public:
    PageDropRules(const MouseSettings& mouse, const DragSettings& drag, Clock& clock,
                  MouseGestures& gestures, DragCommands& commands, DragCommandHost& host,
                  DragItem& item)
        : mouse_(mouse),
          drag_(drag),
          clock_(clock),
          gestures_(gestures),
          commands_(commands),
          host_(host),
          item_(item) {}

    DropVerdict OnDragEnter(uint16_t keyState, bool hasText);
    DropVerdict OnDragOver(uint16_t keyState, PagePoint point);
    DropVerdict OnDragLeave();
    DropVerdict OnDrop(const DropInput& input);

    // The text of the status bar when a drop held neither text nor a file.
    static constexpr const char* kNothingDropped = "Not droped image or image not shown!";

private:
    // Seconds since the last left press in the page; < 0 when there was none.
    double SecondsSinceLeftPress() const;

    const MouseSettings& mouse_;
    const DragSettings& drag_;
    Clock& clock_;
    MouseGestures& gestures_;
    DragCommands& commands_;
    DragCommandHost& host_;
    DragItem& item_;
    bool rightDrag_ = false;  // this drag runs with the right button and feeds the gestures
    uint32_t rightDragEffect_ = kDropNone;
};

}  // namespace lumbrel
