#include "platform/desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace platform {

bool showDesktop()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    // The window manager's own request (EWMH), not a guessed key combination.
    const Window root = DefaultRootWindow(display);
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = root;
    ev.xclient.message_type = XInternAtom(display, "_NET_SHOWING_DESKTOP", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = 1;
    const Status sent = XSendEvent(display, root, False,
                                   SubstructureRedirectMask | SubstructureNotifyMask, &ev);
    XFlush(display);
    XCloseDisplay(display);
    return sent != 0;
}

}  // namespace platform
