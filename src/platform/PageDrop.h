// What the page's drop target tells the program, and what it is told to do. The Windows
// binding wraps the engine's own drop target: it reads the dragged data (bounded by the size
// of each memory block), asks these events, and hands on to the engine what they leave to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumbrel {

// Drop effects (DROPEFFECT_*).
inline constexpr uint32_t kDropNone = 0;
inline constexpr uint32_t kDropCopy = 1;
inline constexpr uint32_t kDropMove = 2;
inline constexpr uint32_t kDropLink = 4;

// What the binding does with a drag call.
struct DropVerdict {
    bool pageHandles = false;     // hand the call on to the engine's own drop target
    uint32_t effect = kDropNone;  // otherwise the effect to answer
};

// A drag over the page: its key state (MK_*), the effects the source allows, the cursor in the
// view's client coordinates and whether the data holds text.
struct DragState {
    uint16_t keyState = 0;
    uint32_t allowedEffects = 0;
    int x = 0, y = 0;
    bool hasText = false;
};

// Where the drag went when it left the page: the cursor then, in the view's client
// coordinates, whether it is over the view or a window inside it, and whether the right
// button is still held (a release over a page that refused the drop also ends as a leave).
struct DragLeaveState {
    int x = 0, y = 0;
    bool cursorInView = false;
    bool rightButtonDown = false;
};

// The data of a drop, as the binding read it from the data object (blocks whole, with their
// sizes; nothing when the format is missing). Valid for the length of the call.
struct DropInput {
    std::optional<std::string_view> text;
    std::optional<std::string_view> fileGroupDescriptor;
    std::optional<std::string> droppedFile;  // the first of the dropped files
    uint32_t allowedEffects = 0;
    int x = 0, y = 0;  // the cursor in the view's client coordinates
    uint16_t keyState = 0;
};

class PageDropEvents {
public:
    virtual ~PageDropEvents() = default;
    virtual DropVerdict OnDragEnter(const DragState& drag) = 0;
    virtual DropVerdict OnDragOver(const DragState& drag) = 0;
    virtual void OnDragLeave(const DragLeaveState& leave) = 0;
    virtual DropVerdict OnDrop(const DropInput& input) = 0;
};

}  // namespace lumbrel
