// The options dialog as data: its pages (tree order, parent, language section, page class)
// and the plain fields on them (control id, the key a field edits, its kind and range, and
// what the main frame must redo when the key changes). The dialog model, the Windows binding
// that builds the pages and the tests all read this one table.
//
// Pages that show lists (filters, gestures, drag actions) list the keys their models edit as
// Hosted fields: they have no control of their own, but the keys are loaded, stored and
// applied like any other.
#pragma once

#include <span>
#include <string_view>

#include "settings/SettingsKeys.h"

namespace lumbrel {

// The pages, in tree order.
enum class OptionPageId : int {
    General,
    Start,
    Window,
    Confirm,
    Tab,
    TabStyle,
    PopupFilter,
    ContentFilter,
    Gesture,
    MouseDrag,
    Download,
    Save,
    Delete,
    Menu,
    StatusBar,
    Toolbar,
    Other,
    Count
};

inline constexpr int kOptionPageCount = static_cast<int>(OptionPageId::Count);
inline constexpr int kNoParentPage = -1;

struct OptionPageInfo {
    OptionPageId id;
    int parent;             // index of the parent page, or kNoParentPage
    const char* title;      // the tree's text
    const char* section;    // language-file section of the page
    const char* className;  // the page class
};

// What the main frame redoes after a key changed (bits).
enum OptionEffect : unsigned {
    kRedoNothing = 0,
    kRedoTabLayout = 1u << 0,      // tab style, position, colours, texts and widths re-laid
    kRedoFilterHandler = 1u << 1,  // filter switches taken and the handler (un)registered
    kRedoKillBlank = 1u << 2,      // the advertisement-content script prepared again
    kRedoHotKey = 1u << 3,         // the show/hide hot key registered again
    kRedoSkin = 1u << 4,           // the skin's pictures loaded again
    kRedoMenus = 1u << 5,          // menus rebuilt (favorites menus, menu style, proxy menu)
    kRedoToolbar = 1u << 6,        // the main toolbar rebuilt
    kRedoTrayIcon = 1u << 7,       // the tray icon shown or removed
    kRedoMouse = 1u << 8,          // mouse buttons, gestures and drag actions read again
    kRedoStatusBar = 1u << 9,      // the information pane's template taken
    kRedoDownloads = 1u << 10,     // the download manager choice read again
};

// The file a key lives in.
enum class OptionFile { Settings, DownManager };

enum class FieldKind {
    Check,       // 0 / 1
    Bit,         // one bit (`low`) of a number
    Number,      // a whole number from `low` to `high`
    Slider,      // a number from `low` to `high` in steps of `step`
    Text,        // one line
    Path,        // a folder, with a browse button
    Program,     // a program file, with a browse button
    Choice,      // a drop-down list whose items store the values of `choices`
    Radio,       // radio buttons, one per item of `choices`
    Colour,      // a colour (COLORREF), -1 the system's
    HotKey,      // a hot-key control value (key code, modifiers in the high byte)
    HotKeyPair,  // modifier bits in `key`, key code in `second`
    Command,     // a main-menu command id from the command picker, 0 none
    Managers,    // the download managers of "DownManager.ini", 0 none
    Hosted,      // edited by the page's list model
};

struct ChoiceItem {
    const char* text;
    int value;
};

struct OptionField {
    OptionPageId page;
    int id;  // control id, translated under this id in the page's section; 0 for Hosted
    FieldKind kind;
    const char* text;  // a check box's text, or the label before the control
    const IntSetting* intKey = nullptr;
    const TextSetting* textKey = nullptr;
    const IntSetting* second = nullptr;  // HotKeyPair: the key code
    int low = 0, high = 0, step = 0;
    std::span<const ChoiceItem> choices = {};
    unsigned effects = kRedoNothing;
    OptionFile file = OptionFile::Settings;

    bool IsText() const { return textKey != nullptr; }
    const char* Section() const { return intKey ? intKey->section : textKey->section; }
    const char* Key() const { return intKey ? intKey->key : textKey->key; }
};

std::span<const OptionPageInfo> OptionPages();
const OptionPageInfo& OptionPage(OptionPageId id);
std::span<const OptionField> OptionFields();

// A heading over a group of a page's fields, shown before the field `before`; translated by
// its own id like a field's text.
struct OptionHeading {
    OptionPageId page;
    int before;
    int id;
    const char* text;
};
std::span<const OptionHeading> OptionHeadings();

// Keys of "DownManager.ini" the download page edits.
namespace downManagerKeys {
inline constexpr IntSetting ManagerIndex{"DownManager", "ManagerIndex", 0, kOptions};
inline constexpr TextSetting MonitorFileType{"DownManager", "MonitorFileType", ".ZIP;.RAR;.EXE",
                                             kOptions};
inline constexpr const char* kNamePrefix = "N";
}  // namespace downManagerKeys

// Labels of a field's control other than its own text get the field's id plus this.
inline constexpr int kOptionLabelIdOffset = 3000;
// A path field's browse button gets the field's id plus this.
inline constexpr int kOptionBrowseIdOffset = 4000;
// A slider's value shown beside it gets the field's id plus this.
inline constexpr int kOptionValueIdOffset = 5000;

}  // namespace lumbrel
