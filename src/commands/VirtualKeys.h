// The virtual-key codes the accelerator table uses, with the values of the Win32 VK_*
// constants (the binding checks them at compile time), so the core needs no OS header.
// Letters and digits are their upper-case ASCII codes.
#pragma once

#include <cstdint>

namespace lumbrel::vk {

inline constexpr uint16_t kEscape = 0x1B;
inline constexpr uint16_t kPageUp = 0x21;
inline constexpr uint16_t kPageDown = 0x22;
inline constexpr uint16_t kEnd = 0x23;
inline constexpr uint16_t kHome = 0x24;
inline constexpr uint16_t kLeft = 0x25;
inline constexpr uint16_t kUp = 0x26;
inline constexpr uint16_t kRight = 0x27;
inline constexpr uint16_t kDown = 0x28;
inline constexpr uint16_t kNumpadMultiply = 0x6A;
inline constexpr uint16_t kNumpadAdd = 0x6B;
inline constexpr uint16_t kNumpadSubtract = 0x6D;
inline constexpr uint16_t kNumpadDivide = 0x6F;
inline constexpr uint16_t kF1 = 0x70;
inline constexpr uint16_t kF12 = 0x7B;

// F1 ... F12 for n = 1 ... 12.
constexpr uint16_t F(int n) {
    return static_cast<uint16_t>(kF1 + n - 1);
}
// 'A' ... 'Z'.
constexpr uint16_t Letter(char upper) {
    return static_cast<uint16_t>(upper);
}
// The digit keys of the main keyboard, '0' ... '9'.
constexpr uint16_t Digit(int d) {
    return static_cast<uint16_t>('0' + d);
}

}  // namespace lumbrel::vk
