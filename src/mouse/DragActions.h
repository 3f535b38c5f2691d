// What dragging an item inside a page does: the action chosen for the item's kind and the
// drag's direction (twelve settings of section "Mouse"), the lists of actions the options page
// offers, and the item the action commands work on.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "mouse/Strokes.h"
#include "settings/SettingsStore.h"

namespace lumbrel {

enum class DragKind : int { Image = 1, Link = 2, Text = 3 };

// The dragged item, read by the drag commands and the search commands.
struct DragItem {
    std::string DragItemUrl;   // the image or link address, or the dragged text
    std::string DragItemText;  // the link's title, or the dragged text
    DragKind DragItemKind = DragKind::Text;
};

// What an entry of an action list does besides running a command.
enum class DragEffect {
    None,
    Collector,  // the drop goes to the collector's drop handling
    PopMenu,    // the kind's pop-up menu at the cursor
    PageDrop,   // the page handles the drop itself (an image opened where it is dropped)
    Command,    // `command` runs on the item
};

struct DragActionEntry {
    const char* text;  // as the options page lists it
    DragEffect effect;
    int command = 0;
};

// The actions of a kind, by index: 10 for images, 17 for links and text.
std::span<const DragActionEntry> DragActionList(DragKind kind);

// The key of the direction setting of `kind` and `direction` ("ImgUp" … "TextRight").
const IntSetting& DragDirectionKey(DragKind kind, DragDirection direction);

// The twelve direction settings ("ImgUp" … "TextRight").
class DragSettings {
public:
    void Load(SettingsStore& store);
    // Writes the twelve settings in one replacement of the file.
    bool Save(SettingsStore& store) const;
    // The action index for `kind` and `direction`; an index outside the kind's list is 0.
    int ActionIndex(DragKind kind, DragDirection direction) const;
    void SetActionIndex(DragKind kind, DragDirection direction, int index);

private:
    int& Slot(DragKind kind, DragDirection direction);
    int values_[3][4] = {{6, 1, 3, 1}, {9, 3, 2, 3}, {7, 9, 2, 3}};  // by kind, then U D L R
};

// Held longer than this since the left press, a drop ignores the direction.
inline constexpr double kLongDragSeconds = 3.0;

// The action a drop runs: by the settings, or for a long drag "Open" for links and text and
// "Collector" for images. `secondsHeld` < 0 means the press is unknown (not a long drag).
const DragActionEntry& ChooseDragAction(const DragSettings& settings, DragKind kind,
                                        DragDirection direction, double secondsHeld);

}  // namespace lumbrel
