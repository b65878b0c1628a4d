#include "platform/x11/xinput2_root.h"

#include <X11/extensions/XInput2.h>

namespace platform::x11 {

int xinput2Opcode(Display *display)
{
    int opcode = 0, event = 0, error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error))
        return -1;
    int major = 2, minor = 2;
    if (XIQueryVersion(display, &major, &minor) != Success || major < 2)
        return -1;
    return opcode;
}

bool xinput2Available()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const bool ok = xinput2Opcode(display) >= 0;
    XCloseDisplay(display);
    return ok;
}

Display *openRawEventDisplay(std::initializer_list<int> rawEvents, int *opcode)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    *opcode = xinput2Opcode(display);
    if (*opcode < 0) {
        XCloseDisplay(display);
        return nullptr;
    }
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    for (int event : rawEvents)
        XISetMask(bits, event);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    return display;
}

}  // namespace platform::x11
