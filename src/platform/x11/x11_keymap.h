#pragma once

#include <array>

typedef struct _XDisplay Display;

namespace platform::x11 {

// Windows virtual keys <-> X keycodes for the keyboard layout a display has
// now. Reload after a MappingNotify.
class Keymap
{
public:
    void load(Display *display);

    unsigned keycode(unsigned virtualKey) const;  // 0 when the layout has no such key
    unsigned virtualKey(unsigned keycode) const;  // 0 when the key has no virtual key

private:
    std::array<unsigned char, 256> m_keycodes{};  // by virtual key
    std::array<unsigned char, 256> m_virtualKeys{};  // by keycode
};

// The keysym a virtual key types, for putting a key the layout lacks on a
// spare keycode; 0 (NoSymbol) for keys we do not know.
unsigned long keysymFor(unsigned virtualKey);

// MOD_* bits <-> X modifier masks (Mod1 = Alt, Mod4 = Super).
unsigned modifierMask(unsigned modifiers);
unsigned modifiersFromState(unsigned state);

}  // namespace platform::x11
