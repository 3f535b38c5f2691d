// The main frame's keyboard accelerators as data: key, modifiers, command. The Windows
// binding builds its accelerator table from it; menus show the same keys after a tab
// ("&Close\tCtrl+W"), written as AcceleratorText writes them.
//
// A few accelerated commands have no menu item on purpose (IsMenuLessCommand): activating
// the tab at a number, the quick keys F2-F12 (which fall back to menu commands themselves)
// and moving the focus to the address box.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace lumbrel {

enum KeyModifier : uint8_t {
    kModCtrl = 1,
    kModAlt = 2,
    kModShift = 4,
};

struct Accelerator {
    uint16_t key = 0;       // virtual-key code (VirtualKeys.h)
    uint8_t modifiers = 0;  // KeyModifier bits
    int command = 0;
};

std::span<const Accelerator> AcceleratorTable();

// How a menu shows the key: "Ctrl+Shift+H", "Alt+Left", "Ctrl+Num +", "F1", "Esc".
std::string AcceleratorText(const Accelerator& accelerator);

// True for the accelerated commands that no menu offers.
bool IsMenuLessCommand(int id);

}  // namespace lumbrel
