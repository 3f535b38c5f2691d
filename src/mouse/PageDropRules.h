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
#include "platform/PageDrop.h"

namespace lumbrel {

class PageDropRules : public PageDropEvents {
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

    // A drag the page runs with the right button feeds the gestures and offers the link
    // effect only for data without text; a drag from another program (copy, move and link
    // allowed together) is the engine's; any other drag of the page's is answered here, so
    // that its drop comes here.
    DropVerdict OnDragEnter(const DragState& drag) override;
    DropVerdict OnDragOver(const DragState& drag) override;
    // A right-button drag let go over the page ends as a release (the gesture runs); dragged
    // out of the page or cancelled, it ends without a gesture or a context menu.
    void OnDragLeave(const DragLeaveState& leave) override;
    DropVerdict OnDrop(const DropInput& input) override;

    // The text of the status bar when a drop held neither text nor a file.
    static constexpr const char* kNothingDropped = "Not droped image or image not shown!";

private:
    // Seconds since the last left press in the page; < 0 when there was none.
    double SecondsSinceLeftPress() const;
    DropVerdict OwnDrag(const DragState& drag) const;

    const MouseSettings& mouse_;
    const DragSettings& drag_;
    Clock& clock_;
    MouseGestures& gestures_;
    DragCommands& commands_;
    DragCommandHost& host_;
    DragItem& item_;
    bool rightDrag_ = false;  // this drag runs with the right button and feeds the gestures
    bool givenUp_ = false;    // a right drag that left with the button held: it runs nothing
    uint32_t rightDragEffect_ = kDropNone;
};

}  // namespace lumbrel
