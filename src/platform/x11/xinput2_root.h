#pragma once

#include <X11/Xlib.h>

#include <initializer_list>

namespace platform::x11 {

// The XInput opcode, or -1 when the display lacks XInput 2. Asks for 2.2:
// from 2.1 on, raw events arrive even while another client grabs the key.
int xinput2Opcode(Display *display);

// Whether this session's display offers XInput 2 at all.
bool xinput2Available();

// A connection of its own that hears the given raw events (XI_Raw...) of all
// master devices on the root window: listening, never grabbing. Null when
// there is no display or no XInput 2; *opcode gets the extension's opcode.
Display *openRawEventDisplay(std::initializer_list<int> rawEvents, int *opcode);

}  // namespace platform::x11
