#include "mouse/PageDropRules.h"

namespace lumbrel {

DropVerdict PageDropRules::OnDragEnter(uint16_t keyState, bool hasText) {
    // Only the page's own right-button drag draws a gesture; one from another program is a
    // drop like any other.
    rightDrag_ = (keyState & kMouseRight) != 0 && (mouse_.rMouseGesture || mouse_.rMouseDrag) &&
                 gestures_.RightCaptured();
    if (!rightDrag_)
        return {true, kDropNone};
    rightDragEffect_ = hasText ? kDropNone : kDropLink;
    return {false, rightDragEffect_};
}

DropVerdict PageDropRules::OnDragOver(uint16_t keyState, PagePoint point) {
    if (!rightDrag_)
        return {true, kDropNone};
    gestures_.OnMouseMove(point, keyState);
    return {false, rightDragEffect_};
}

DropVerdict PageDropRules::OnDragLeave() {
    if (!rightDrag_)
        return {true, kDropNone};
    rightDrag_ = false;
    // Leaving the window is no release: running the gesture here could close a window while
    // the user drags a link to another program.
    gestures_.OnDragLeave();
    return {false, kDropNone};
}

double PageDropRules::SecondsSinceLeftPress() const {
    const int64_t pressed = gestures_.LastLeftPress().time;
    if (pressed == 0)
        return -1.0;
    return static_cast<double>(clock_.PerformanceCounter() - pressed) /
           static_cast<double>(clock_.PerformanceFrequency());
}

DropVerdict PageDropRules::OnDrop(const DropInput& input) {
    if (rightDrag_) {
        rightDrag_ = false;
        gestures_.OnRightUp(input.point, input.keyState);
        return {false, kDropNone};
    }
    // Copy, move and link together: a drag from another program, which the page takes.
    constexpr uint32_t kAll = kDropCopy | kDropMove | kDropLink;
    if ((input.allowedEffects & kAll) == kAll)
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
    const DragDirection direction =
        DirectionOfDrag(input.point.x - start.x, input.point.y - start.y);
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
            host_.ShowDragMenu(item.DragItemKind);
            break;
        case DragEffect::Command:
            commands_.Run(action.command, item, start);
            break;
    }
    // Never a move: the source must not delete what the page only read.
    return {false, input.allowedEffects & kDropLink ? kDropLink : kDropNone};
}

}  // namespace lumbrel
