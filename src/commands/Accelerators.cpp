#include "commands/Accelerators.h"

#include <array>

#include "commands/CommandIds.h"
#include "commands/VirtualKeys.h"

namespace lumbrel {
namespace {

using vk::Letter;

constexpr uint8_t kCtrl = kModCtrl;
constexpr uint8_t kAlt = kModAlt;
constexpr uint8_t kShift = kModShift;
constexpr uint8_t kCtrlShift = kModCtrl | kModShift;
constexpr uint8_t kCtrlAlt = kModCtrl | kModAlt;

constexpr Accelerator kFixed[] = {
    {vk::Digit(1), kAlt, IDM_SAVE_FORM},
    {vk::Digit(2), kAlt, IDM_SAVE_GENERAL_FORM},
    {Letter('A'), kCtrl, IDM_EDIT_SELECT_ALL},
    {Letter('B'), kCtrl, IDM_AUTO_SAVE},
    {Letter('S'), kCtrlAlt, IDM_AUTO_SAVE},
    {Letter('D'), kCtrl, IDM_ADD_TO_FAVORITES},
    {Letter('D'), kAlt, IDM_FOCUS_ADDRESS},
    {Letter('E'), kCtrl, IDM_SAVE_WHOLE_CONTENT},
    {Letter('F'), kCtrl, IDM_EDIT_FIND},
    {Letter('G'), kCtrl, IDM_COLLECTOR},
    {Letter('H'), kCtrl, IDM_SAVE_HTML},
    {Letter('H'), kCtrlShift, IDM_NEW_HOME_PAGE},
    {Letter('I'), kCtrl, IDM_HIGHLIGHT_SELECTED_TEXT},
    {Letter('K'), kCtrl, IDM_CLOSE_ALL_KEEP_CURRENT},
    {Letter('L'), kCtrl, IDM_HIGHLIGHT_KEYWORD},
    {Letter('L'), kAlt, IDM_LINK_LIST},
    {Letter('L'), kCtrlShift, IDM_NEW_SELECTED_LINKS},
    {Letter('M'), kCtrl, IDM_PAGE_MANAGER},
    {Letter('M'), kAlt, IDM_MARK_TAB},
    {Letter('N'), kCtrl, IDM_NEW_WINDOW},
    {Letter('N'), kCtrlShift, IDM_NEW_FROM_CLIPBOARD},
    {Letter('O'), kCtrl, IDM_OPEN},
    {Letter('O'), kAlt, IDM_WORK_OFFLINE},
    {Letter('P'), kCtrl, IDM_PRINT},
    {Letter('P'), kAlt, IDM_KILL_POPUP},
    {Letter('P'), kCtrlShift, IDM_NEW_CURRENT_PAGE},
    {Letter('Q'), kCtrl, IDM_ADD_TO_POPUP_FILTER},
    {Letter('Q'), kAlt, IDM_FILL_FORM},
    {Letter('R'), kCtrl, IDM_RUN_SELECTED_EXTERNAL},
    {Letter('R'), kAlt, IDM_AUTO_RUN_EXTERNAL},
    {Letter('R'), kCtrlShift, IDM_NEW_ROOT_PAGE},
    {Letter('S'), kCtrl, IDM_SAVE_AS},
    {Letter('T'), kCtrl, IDM_WINDOW_TILE_VERT},
    {Letter('T'), kCtrlShift, IDM_NEW_SELECTED_TEXT},
    {Letter('U'), kCtrl, IDM_AUTO_SAVE_SORT},
    {Letter('U'), kAlt, IDM_AUTO_SAVE_SORT},
    {Letter('U'), kCtrlShift, IDM_NEW_UP_PAGE},
    {vk::kNumpadAdd, kCtrl, IDM_ZOOM_MORE},
    {vk::kNumpadDivide, kCtrl, IDM_ZOOM_100},
    {vk::kNumpadSubtract, kCtrl, IDM_ZOOM_LESS},
    {vk::kUp, kCtrl, IDM_SCROLL_SPEED_UP},
    {vk::kDown, kCtrl, IDM_SCROLL_SPEED_DOWN},
    {vk::kUp, kAlt, IDM_PREVIOUS_WINDOW},
    {vk::kDown, kAlt, IDM_NEXT_WINDOW},
    {vk::kEscape, 0, IDM_STOP},
    {vk::kEscape, kShift, IDM_STOP_ALL},
    {vk::F(1), 0, IDM_BLANK_PAGE},
    {vk::F(5), kCtrl, IDM_COMPLETELY_REFRESH},
    {vk::F(5), kShift, IDM_REFRESH_ALL},
    {vk::F(11), kCtrl, IDM_VIEW_MENU_BAR},
    {vk::kHome, kAlt, IDM_HOME_PAGE},
    {vk::kLeft, kAlt, IDM_BACK},
    {vk::kRight, kAlt, IDM_FORWARD},
    {vk::kPageDown, kCtrl, IDM_CLOSE},
    {Letter('W'), kCtrl, IDM_CLOSE},
    {Letter('W'), kCtrlShift, IDM_CLOSE_ALL},
    {Letter('X'), kAlt, IDM_LOCK_TAB},
    {Letter('Y'), kAlt, IDM_FILTER_FLYING_ADS},
    {Letter('Z'), kAlt, IDM_UNDO_CLOSE},
};

constexpr int kTabKeys = IDM_ACTIVATE_TAB_LAST - IDM_ACTIVATE_TAB_FIRST + 1;
constexpr int kQuickKeys = IDM_QUICK_KEY_LAST - IDM_QUICK_KEY_FIRST + 1;

constexpr auto kTable = [] {
    std::array<Accelerator, kTabKeys + kQuickKeys + std::size(kFixed)> table{};
    size_t n = 0;
    // Ctrl+1 ... Ctrl+9 activate tabs 0 ... 8, Ctrl+0 the tenth.
    for (int i = 0; i < kTabKeys; ++i) {
        table[n++] = {vk::Digit((i + 1) % 10), kCtrl, IDM_ACTIVATE_TAB_FIRST + i};
    }
    for (int i = 0; i < kQuickKeys; ++i) {
        table[n++] = {vk::F(2 + i), 0, IDM_QUICK_KEY_FIRST + i};
    }
    for (const Accelerator& a : kFixed) {
        table[n++] = a;
    }
    return table;
}();

std::string KeyName(uint16_t key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= vk::kF1 && key <= vk::kF12) {
        return "F" + std::to_string(key - vk::kF1 + 1);
    }
    switch (key) {
        case vk::kEscape:
            return "Esc";
        case vk::kPageUp:
            return "PageUp";
        case vk::kPageDown:
            return "PageDown";
        case vk::kEnd:
            return "End";
        case vk::kHome:
            return "Home";
        case vk::kLeft:
            return "Left";
        case vk::kUp:
            return "Up";
        case vk::kRight:
            return "Right";
        case vk::kDown:
            return "Down";
        case vk::kNumpadMultiply:
            return "Num *";
        case vk::kNumpadAdd:
            return "Num +";
        case vk::kNumpadSubtract:
            return "Num -";
        case vk::kNumpadDivide:
            return "Num /";
        default:
            return "#" + std::to_string(key);
    }
}

}  // namespace

std::span<const Accelerator> AcceleratorTable() {
    return kTable;
}

std::string AcceleratorText(const Accelerator& accelerator) {
    std::string text;
    if (accelerator.modifiers & kModCtrl) {
        text += "Ctrl+";
    }
    if (accelerator.modifiers & kModAlt) {
        text += "Alt+";
    }
    if (accelerator.modifiers & kModShift) {
        text += "Shift+";
    }
    return text + KeyName(accelerator.key);
}

bool IsMenuLessCommand(int id) {
    return (id >= IDM_ACTIVATE_TAB_FIRST && id <= IDM_ACTIVATE_TAB_LAST) ||
           (id >= IDM_QUICK_KEY_FIRST && id <= IDM_QUICK_KEY_LAST) || id == IDM_FOCUS_ADDRESS;
}

}  // namespace lumbrel
