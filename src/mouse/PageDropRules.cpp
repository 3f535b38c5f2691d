#include "mouse/PageDropRules.h"

namespace lumbrel {
namespace {

// Copy, move and link together: a drag from another program, which the page takes.
constexpr uint32_t kEveryEffect = kDropCopy | kDropMove | kDropLink;

bool FromAnotherProgram(uint32_t allowedEffects) {
    return (allowedEffects & kEveryEffect) == kEveryEffect;
}

// Never a move: the source must not delete what the page only read.
uint32_t EffectOfOwnDrop(uint32_t allowedEffects) {
    if (allowedEffects & kDropLink)
        return kDropLink;
    return allowedEffects & kDropCopy;
}

}  // namespace

DropVerdict PageDropRules::OwnDrag(const DragState& drag) const {
    if (FromAnotherProgram(drag.allowedEffects))
        return {true, kDropNone};
    // Without an effect the system would never call the drop, and the drag action not run.
    return {false, EffectOfOwnDrop(drag.allowedEffects)};
}

DropVerdict PageDropRules::OnDragEnter(const DragState& drag) {
    // A right-button drag whose gesture was given up when it left comes back as nobody's:
    // no gesture any more, and no drag action judged from an unrelated left press.
    givenUp_ = givenUp_ && (drag.keyState & kMouseRight) != 0;
    if (givenUp_)
        return {false, kDropNone};
    // Only the page's own right-button drag draws a gesture; one from another program is a
    // drop like any other.
    rightDrag_ = (drag.keyState & kMouseRight) != 0 &&
                 (mouse_.rMouseGesture || mouse_.rMouseDrag) && gestures_.RightCaptured();
    if (!rightDrag_)
        return OwnDrag(drag);
    rightDragEffect_ = drag.hasText ? kDropNone : (drag.allowedEffects & kDropLink);
    return {false, rightDragEffect_};
}

DropVerdict PageDropRules::OnDragOver(const DragState& drag) {
    if (givenUp_)
        return {false, kDropNone};
    if (!rightDrag_)
        return OwnDrag(drag);
    gestures_.OnMouseMove({drag.x, drag.y}, drag.keyState);
    return {false, rightDragEffect_};
}

void PageDropRules::OnDragLeave(const DragLeaveState& leave) {
    if (!rightDrag_)
        return;
    rightDrag_ = false;
    // A page that refused the drop (dragged text gets no effect) hears the release as a
    // leave: over the page, it is the end of the gesture.
    if (leave.cursorInView && !leave.rightButtonDown) {
        gestures_.OnRightUp({leave.x, leave.y}, 0);
        return;
    }
    // Dragged out to another program, or cancelled: running the gesture here could close a
    // window while the user drags a link elsewhere.
    givenUp_ = leave.rightButtonDown;
    gestures_.OnDragLeave();
}

double PageDropRules::SecondsSinceLeftPress() const {
    const int64_t pressed = gestures_.LastLeftPress().time;
    if (pressed == 0)
        return -1.0;
    return static_cast<double>(clock_.PerformanceCounter() - pressed) /
           static_cast<double>(clock_.PerformanceFrequency());
}

DropVerdict PageDropRules::OnDrop(const DropInput& input) {
    if (givenUp_) {
        givenUp_ = false;
        return {false, kDropNone};
    }
    if (rightDrag_) {
        rightDrag_ = false;
        gestures_.OnRightUp({input.x, input.y}, input.keyState);
        return {false, kDropNone};
    }
    if (FromAnotherProgram(input.allowedEffects))
        return {true, kDropNone};

    DragItem item;
    const std::optional<DroppedItem> dropped =
        ParseDrop(input.text, input.fileGroupDescriptor, input.allowedEffects == kDropLink);
    if (dropped) {
        item.DragItemKind = dropped->link ? DragKind::Link : DragKind::Text;
        item.DragItemUrl = dropped->url;
        item.DragItemText = dropped->link ? dropped->title : dropped->url;
    } else if (input.droppedFile) {
        item.DragItemKind = DragKind::Image;
    } else {
        host_.ShowStatus(kNothingDropped);
        return {false, kDropNone};
    }

    const PagePoint start = gestures_.LastLeftPress().point;
    const DragDirection direction = DirectionOfDrag(input.x - start.x, input.y - start.y);
    const DragActionEntry& action =
        ChooseDragAction(drag_, item.DragItemKind, direction, SecondsSinceLeftPress());
    if (item.DragItemKind == DragKind::Image)
        item.DragItemUrl = item.DragItemText = host_.ImageAt(start);
    if (action.effect != DragEffect::None && action.effect != DragEffect::PageDrop)
        item_ = item;

    switch (action.effect) {
        case DragEffect::None:
            break;
        case DragEffect::PageDrop:
            return {true, kDropNone};
        case DragEffect::Collector:
            host_.CollectDrop(item, input.droppedFile.value_or(""));
            break;
        case DragEffect::PopMenu:
            host_.ShowDragMenu(item, start);
            break;
        case DragEffect::Command:
            commands_.Run(action.command, item, start);
            break;
    }
    return {false, EffectOfOwnDrop(input.allowedEffects)};
}

}  // namespace lumbrel
