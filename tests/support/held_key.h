#pragma once

// Xlib's own declaration, without its macros.
typedef struct _XDisplay Display;

namespace TestKeys {

// A mouse button held down as its receiver sends it: press and release pairs
// of one keycode every 40 ms, as a held key repeats, for about `ms`.
void holdKeycode(Display *display, int keycode, int ms);

}  // namespace TestKeys
