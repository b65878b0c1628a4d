#include "platform/x11/x11_keymap.h"

#include "platform/keys.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace platform::x11 {

namespace {

enum Direction : unsigned char {
    Both,
    ToKeycode,  // a generic key: pressing it reports the sided one
    ToVirtualKey,
};

struct KeysymEntry
{
    unsigned virtualKey;
    KeySym keysym;
    Direction direction;
};

// Earlier entries win in both directions.
constexpr KeysymEntry kKeysyms[] = {
    {0x08, XK_BackSpace, Both},
    {0x09, XK_Tab, Both},
    {0x0D, XK_Return, Both},
    {0x0C, XK_Clear, Both},
    {0x0D, XK_KP_Enter, ToVirtualKey},
    {0x10, XK_Shift_L, ToKeycode},
    {0x11, XK_Control_L, ToKeycode},
    {0x12, XK_Alt_L, ToKeycode},
    {0x13, XK_Pause, Both},
    {0x14, XK_Caps_Lock, Both},
    {0x1B, XK_Escape, Both},
    {0x20, XK_space, Both},
    {0x21, XK_Prior, Both},
    {0x22, XK_Next, Both},
    {0x23, XK_End, Both},
    {0x24, XK_Home, Both},
    {0x25, XK_Left, Both},
    {0x26, XK_Up, Both},
    {0x27, XK_Right, Both},
    {0x28, XK_Down, Both},
    // The old Print key and Print Screen are one key on today's keyboards.
    {0x2A, XK_Print, ToKeycode},
    {0x2C, XK_Print, Both},
    {0x2D, XK_Insert, Both},
    {0x2E, XK_Delete, Both},
    {0x5B, XK_Super_L, Both},
    {0x5C, XK_Super_R, Both},
    {0x5D, XK_Menu, Both},
    {0x6A, XK_KP_Multiply, Both},
    {0x6B, XK_KP_Add, Both},
    {0x6C, XK_KP_Separator, Both},
    {0x6D, XK_KP_Subtract, Both},
    {0x6E, XK_KP_Decimal, Both},
    {0x6F, XK_KP_Divide, Both},
    {0x90, XK_Num_Lock, Both},
    {0x91, XK_Scroll_Lock, Both},
    {0xA0, XK_Shift_L, Both},
    {0xA1, XK_Shift_R, Both},
    {0xA2, XK_Control_L, Both},
    {0xA3, XK_Control_R, Both},
    {0xA4, XK_Alt_L, Both},
    {0xA5, XK_Alt_R, Both},
    // Layouts with AltGr have no Alt_R; the key is the same.
    {0xA5, XK_ISO_Level3_Shift, Both},
    {0xBA, XK_semicolon, Both},
    {0xBB, XK_equal, Both},
    {0xBC, XK_comma, Both},
    {0xBD, XK_minus, Both},
    {0xBE, XK_period, Both},
    {0xBF, XK_slash, Both},
    {0xC0, XK_grave, Both},
    {0xDB, XK_bracketleft, Both},
    {0xDC, XK_backslash, Both},
    {0xDD, XK_bracketright, Both},
    {0xDE, XK_apostrophe, Both},
};

// Ranges where virtual keys and keysyms both count up.
struct KeysymRange
{
    unsigned firstVirtualKey;
    KeySym firstKeysym;
    unsigned count;
};

constexpr KeysymRange kRanges[] = {
    {0x30, XK_0, 10},
    {0x41, XK_a, 26},
    {0x60, XK_KP_0, 10},
    {0x70, XK_F1, 12},
};

unsigned virtualKeyForKeysym(KeySym keysym)
{
    if (keysym == NoSymbol)
        return 0;
    for (const KeysymRange &r : kRanges) {
        if (keysym >= r.firstKeysym && keysym < r.firstKeysym + r.count)
            return r.firstVirtualKey + unsigned(keysym - r.firstKeysym);
    }
    if (keysym >= XK_A && keysym <= XK_Z)
        return 0x41 + unsigned(keysym - XK_A);
    for (const KeysymEntry &e : kKeysyms) {
        if (e.keysym == keysym && e.direction != ToKeycode)
            return e.virtualKey;
    }
    return 0;
}

constexpr unsigned kFirstExtendedF = vk::F13;
constexpr unsigned kExtendedFCount = 12;
// KEY_F13 is 183 in the kernel; X keycodes are evdev codes + 8.
constexpr unsigned kEvdevF13 = 183 + 8;

}  // namespace

unsigned long keysymFor(unsigned virtualKey)
{
    for (const KeysymRange &r : kRanges) {
        if (virtualKey >= r.firstVirtualKey && virtualKey < r.firstVirtualKey + r.count)
            return r.firstKeysym + (virtualKey - r.firstVirtualKey);
    }
    // Only for putting them on a spare keycode: layouts name these keys differently.
    if (virtualKey >= kFirstExtendedF && virtualKey < kFirstExtendedF + kExtendedFCount)
        return XK_F13 + (virtualKey - kFirstExtendedF);
    for (const KeysymEntry &e : kKeysyms) {
        if (e.virtualKey == virtualKey && e.direction != ToVirtualKey)
            return e.keysym;
    }
    return NoSymbol;
}

void Keymap::load(Display *display)
{
    m_keycodes.fill(0);
    m_virtualKeys.fill(0);
    if (!display)
        return;

    int minKeycode = 0, maxKeycode = 0;
    XDisplayKeycodes(display, &minKeycode, &maxKeycode);

    auto setKeycode = [this](unsigned virtualKey, unsigned keycode) {
        if (virtualKey < m_keycodes.size() && keycode < m_virtualKeys.size() && !m_keycodes[virtualKey])
            m_keycodes[virtualKey] = static_cast<unsigned char>(keycode);
    };

    // F13..F24 go by XKB key name: standard layouts put launcher and media
    // keysyms on them, so a keysym lookup would miss them or find other keys.
    unsigned extendedF[kExtendedFCount] = {};
    if (XkbDescPtr xkb = XkbGetMap(display, 0, XkbUseCoreKbd)) {
        if (XkbGetNames(display, XkbKeyNamesMask, xkb) == Success && xkb->names && xkb->names->keys) {
            for (int keycode = xkb->min_key_code; keycode <= xkb->max_key_code; ++keycode) {
                const char *name = xkb->names->keys[keycode].name;
                if (name[0] != 'F' || name[1] != 'K')
                    continue;
                const int number = (name[2] - '0') * 10 + (name[3] - '0');
                if (name[2] >= '0' && name[2] <= '9' && name[3] >= '0' && name[3] <= '9'
                    && number >= 13 && number <= 24 && !extendedF[number - 13])
                    extendedF[number - 13] = unsigned(keycode);
            }
        }
        XkbFreeKeyboard(xkb, 0, True);
    }
    for (unsigned i = 0; i < kExtendedFCount; ++i) {
        unsigned keycode = extendedF[i];
        if (!keycode && int(kEvdevF13 + i) >= minKeycode && int(kEvdevF13 + i) <= maxKeycode)
            keycode = kEvdevF13 + i;
        if (keycode) {
            setKeycode(kFirstExtendedF + i, keycode);
            m_virtualKeys[keycode] = static_cast<unsigned char>(kFirstExtendedF + i);
        }
    }

    for (const KeysymRange &r : kRanges) {
        for (unsigned i = 0; i < r.count; ++i)
            setKeycode(r.firstVirtualKey + i, XKeysymToKeycode(display, r.firstKeysym + i));
    }
    for (const KeysymEntry &e : kKeysyms) {
        if (e.direction != ToVirtualKey)
            setKeycode(e.virtualKey, XKeysymToKeycode(display, e.keysym));
    }

    // The first level of the first group with a known keysym names the key,
    // so the numpad reports digits even with Num Lock off.
    for (int keycode = minKeycode; keycode <= maxKeycode && keycode < int(m_virtualKeys.size()); ++keycode) {
        if (m_virtualKeys[keycode])
            continue;
        for (unsigned level = 0; level < 4; ++level) {
            const unsigned virtualKey
                = virtualKeyForKeysym(XkbKeycodeToKeysym(display, KeyCode(keycode), 0, level));
            if (virtualKey) {
                m_virtualKeys[keycode] = static_cast<unsigned char>(virtualKey);
                break;
            }
        }
    }
}

unsigned Keymap::keycode(unsigned virtualKey) const
{
    return virtualKey < m_keycodes.size() ? m_keycodes[virtualKey] : 0;
}

unsigned Keymap::virtualKey(unsigned keycode) const
{
    return keycode < m_virtualKeys.size() ? m_virtualKeys[keycode] : 0;
}

unsigned modifierMask(unsigned modifiers)
{
    unsigned mask = 0;
    if (modifiers & ModAlt)
        mask |= Mod1Mask;
    if (modifiers & ModControl)
        mask |= ControlMask;
    if (modifiers & ModShift)
        mask |= ShiftMask;
    if (modifiers & ModWin)
        mask |= Mod4Mask;
    return mask;
}

unsigned modifiersFromState(unsigned state)
{
    unsigned modifiers = 0;
    if (state & Mod1Mask)
        modifiers |= ModAlt;
    if (state & ControlMask)
        modifiers |= ModControl;
    if (state & ShiftMask)
        modifiers |= ModShift;
    if (state & Mod4Mask)
        modifiers |= ModWin;
    return modifiers;
}

}  // namespace platform::x11
