#include "mouse/CMouseProp.h"

namespace lumbrel {

bool CMouseProp::Choose(DragKind kind, DragDirection direction, int index) {
    if (index < 0 || index >= static_cast<int>(Choices(kind).size()))
        return false;
    settings_.SetActionIndex(kind, direction, index);
    return true;
}

}  // namespace lumbrel
