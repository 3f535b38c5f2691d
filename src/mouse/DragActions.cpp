#include "mouse/DragActions.h"

#include "commands/CommandIds.h"

namespace lumbrel {
namespace {

using E = DragEffect;

constexpr DragActionEntry kImageActions[] = {
    {"None", E::None},
    {"Collector", E::Collector},
    {"Open", E::PageDrop},
    {"Pop Menu", E::PopMenu},
    {"Show URL", E::Command, IDM_DRAG_SHOW_URL},
    {"Add to Filter", E::Command, IDM_ADD_TO_CONTENT_FILTER},
    {"Edit URL", E::Command, IDM_DRAG_EDIT_URL},
    {"Copy URL", E::Command, IDM_DRAG_COPY_URL},
    {"Show Image", E::Command, IDM_DRAG_SHOW_IMAGE},
    {"Open URL", E::Command, IDM_DRAG_OPEN},
};

constexpr DragActionEntry kLinkActions[] = {
    {"None", E::None},
    {"Collector", E::Collector},
    {"Pop Menu", E::PopMenu},
    {"Open", E::Command, IDM_DRAG_OPEN},
    {"Open in Foreground", E::Command, IDM_DRAG_OPEN_FOREGROUND},
    {"Open In IE", E::Command, IDM_DRAG_OPEN_IN_IE},
    {"Open Jump URL", E::Command, IDM_DRAG_OPEN_JUMP_URL},
    {"Edit Text", E::Command, IDM_DRAG_EDIT_TEXT},
    {"Copy Text", E::Command, IDM_DRAG_COPY_TEXT},
    {"Edit URL", E::Command, IDM_DRAG_EDIT_URL},
    {"Copy URL", E::Command, IDM_DRAG_COPY_URL},
    {"Add to Filter", E::Command, IDM_ADD_TO_CONTENT_FILTER},
    {"Add to Favorite", E::Command, IDM_DRAG_ADD_TO_FAVORITE},
    {"Open in Background", E::Command, IDM_DRAG_OPEN_BACKGROUND},
    {"Open in Other Side", E::Command, IDM_DRAG_OPEN_OTHER_SIDE},
    {"Show Image", E::Command, IDM_DRAG_SHOW_IMAGE},
    {"Edit Image URL", E::Command, IDM_DRAG_EDIT_IMAGE_URL},
};

constexpr DragActionEntry kTextActions[] = {
    {"None", E::None},
    {"Collector", E::Collector},
    {"Pop Menu", E::PopMenu},
    {"Open", E::Command, IDM_DRAG_OPEN},
    {"Open in Foreground", E::Command, IDM_DRAG_OPEN_FOREGROUND},
    {"Open in IE", E::Command, IDM_DRAG_OPEN_IN_IE},
    {"Search", E::Command, IDM_DRAG_SEARCH},
    {"Highlight", E::Command, IDM_DRAG_HIGHLIGHT},
    {"Find in Page", E::Command, IDM_DRAG_FIND},
    {"Save Text", E::Command, IDM_SAVE_TEXT},
    {"Auto Save Text", E::Command, IDM_AUTO_SAVE_TEXT},
    {"Edit Text", E::Command, IDM_DRAG_EDIT_TEXT},
    {"Copy Text", E::Command, IDM_DRAG_COPY_TEXT},
    {"Open Selected Links", E::Command, IDM_DRAG_OPEN_SELECTED_LINKS},
    {"Add to Filter", E::Command, IDM_ADD_TO_CONTENT_FILTER},
    {"Open in Background", E::Command, IDM_DRAG_OPEN_BACKGROUND},
    {"Open in Other Side", E::Command, IDM_DRAG_OPEN_OTHER_SIDE},
};

constexpr int kOpenAction = 3;
constexpr int kCollectorAction = 1;

// Per kind (image, link, text) and direction (up, down, left, right).
const IntSetting* const kDirectionKeys[3][4] = {
    {&keys::ImgUp, &keys::ImgDown, &keys::ImgLeft, &keys::ImgRight},
    {&keys::LinkUp, &keys::LinkDown, &keys::LinkLeft, &keys::LinkRight},
    {&keys::TextUp, &keys::TextDown, &keys::TextLeft, &keys::TextRight},
};

int KindRow(DragKind kind) {
    return static_cast<int>(kind) - 1;
}

}  // namespace

std::span<const DragActionEntry> DragActionList(DragKind kind) {
    switch (kind) {
        case DragKind::Image:
            return kImageActions;
        case DragKind::Link:
            return kLinkActions;
        case DragKind::Text:
            return kTextActions;
    }
    return kTextActions;
}

int& DragSettings::Slot(DragKind kind, DragDirection direction) {
    return values_[KindRow(kind)][static_cast<int>(direction)];
}

const IntSetting& DragDirectionKey(DragKind kind, DragDirection direction) {
    return *kDirectionKeys[KindRow(kind)][static_cast<int>(direction)];
}

void DragSettings::Load(SettingsStore& store) {
    for (int kind = 0; kind < 3; ++kind)
        for (int direction = 0; direction < 4; ++direction)
            values_[kind][direction] = store.Get(*kDirectionKeys[kind][direction]);
}

bool DragSettings::Save(SettingsStore& store) const {
    auto batch = store.BeginBatch();
    for (int kind = 0; kind < 3; ++kind)
        for (int direction = 0; direction < 4; ++direction)
            store.Write(*kDirectionKeys[kind][direction], values_[kind][direction]);
    return batch.Commit();
}

int DragSettings::ActionIndex(DragKind kind, DragDirection direction) const {
    const int index = values_[KindRow(kind)][static_cast<int>(direction)];
    const int size = static_cast<int>(DragActionList(kind).size());
    return index >= 0 && index < size ? index : 0;
}

void DragSettings::SetActionIndex(DragKind kind, DragDirection direction, int index) {
    Slot(kind, direction) = index;
}

const DragActionEntry& ChooseDragAction(const DragSettings& settings, DragKind kind,
                                        DragDirection direction, double secondsHeld) {
    const std::span<const DragActionEntry> list = DragActionList(kind);
    if (secondsHeld > kLongDragSeconds)
        return list[kind == DragKind::Image ? kCollectorAction : kOpenAction];
    return list[static_cast<size_t>(settings.ActionIndex(kind, direction))];
}

}  // namespace lumbrel
