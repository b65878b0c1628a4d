#pragma once

// The key vocabulary every caller of the platform layer speaks: Windows
// virtual-key codes and MOD_* modifier bits, whatever the platform.
namespace platform {

namespace vk {
constexpr unsigned Backspace = 0x08;
constexpr unsigned Tab = 0x09;
constexpr unsigned Return = 0x0D;
constexpr unsigned Shift = 0x10;
constexpr unsigned Control = 0x11;
constexpr unsigned Menu = 0x12;  // Alt
constexpr unsigned Escape = 0x1B;
constexpr unsigned Space = 0x20;
constexpr unsigned KeyC = 0x43;
constexpr unsigned KeyV = 0x56;
constexpr unsigned KeyX = 0x58;
constexpr unsigned F1 = 0x70;
constexpr unsigned F13 = 0x7C;
constexpr unsigned F17 = 0x80;
constexpr unsigned F18 = 0x81;
constexpr unsigned F19 = 0x82;
constexpr unsigned F20 = 0x83;
constexpr unsigned F24 = 0x87;
constexpr unsigned LeftAlt = 0xA4;
constexpr unsigned RightAlt = 0xA5;
}  // namespace vk

enum Modifier : unsigned {
    ModAlt = 0x1,
    ModControl = 0x2,
    ModShift = 0x4,
    ModWin = 0x8,
};

}  // namespace platform
