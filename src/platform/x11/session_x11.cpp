#include "platform/session.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>

namespace platform {

bool guiSessionAvailable(std::string &reason)
{
    const char *qpa = std::getenv("QT_QPA_PLATFORM");
    // Platforms that need no display server (offscreen, minimal, vnc, ...).
    if (qpa && *qpa && std::strncmp(qpa, "xcb", 3) != 0)
        return true;

    const char *display = std::getenv("DISPLAY");
    if (!display || !*display) {
        reason = "no display is available: DISPLAY is not set. Start Talkvane from a "
                 "desktop session (X11), or set DISPLAY to a running X server.";
        return false;
    }
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        reason = std::string("no display is available: cannot open the X display \"") + display
            + "\". Check that the X server runs and that this user may connect to it.";
        return false;
    }
    XCloseDisplay(dpy);
    return true;
}

std::string preferredMultimediaPlugins()
{
    return std::string();
}

}  // namespace platform
