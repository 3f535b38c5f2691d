#include "win32/commands/AcceleratorBuilder.h"

#include <vector>

#include "commands/VirtualKeys.h"

namespace lumbrel::win32 {

static_assert(vk::kEscape == VK_ESCAPE && vk::kPageUp == VK_PRIOR && vk::kPageDown == VK_NEXT &&
              vk::kEnd == VK_END && vk::kHome == VK_HOME && vk::kLeft == VK_LEFT &&
              vk::kUp == VK_UP && vk::kRight == VK_RIGHT && vk::kDown == VK_DOWN);
static_assert(vk::kNumpadMultiply == VK_MULTIPLY && vk::kNumpadAdd == VK_ADD &&
              vk::kNumpadSubtract == VK_SUBTRACT && vk::kNumpadDivide == VK_DIVIDE);
static_assert(vk::kF1 == VK_F1 && vk::kF12 == VK_F12 && vk::F(5) == VK_F5);

UniqueAcceleratorTable BuildAcceleratorTable(std::span<const Accelerator> accelerators) {
    std::vector<ACCEL> table;
    table.reserve(accelerators.size());
    for (const Accelerator& a : accelerators) {
        BYTE flags = FVIRTKEY;
        if (a.modifiers & kModCtrl) {
            flags |= FCONTROL;
        }
        if (a.modifiers & kModAlt) {
            flags |= FALT;
        }
        if (a.modifiers & kModShift) {
            flags |= FSHIFT;
        }
        table.push_back(ACCEL{flags, a.key, static_cast<WORD>(a.command)});
    }
    if (table.empty()) {
        return nullptr;
    }
    return UniqueAcceleratorTable(
        CreateAcceleratorTableA(table.data(), static_cast<int>(table.size())));
}

}  // namespace lumbrel::win32
