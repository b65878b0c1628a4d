#include "platform/x11/session_x11.h"
#include "platform/session.h"

#include <X11/Xlib.h>

namespace platform {

namespace x11 {

bool displayReachable()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

}  // namespace x11

std::string preferredMultimediaPlugins()
{
    return std::string();
}

}  // namespace platform
