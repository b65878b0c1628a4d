#include "platform/x11/keyboard_listener_x11.h"

#include "platform/x11/x11_keymap.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace platform::x11 {

namespace {

// The XInput opcode, or -1 when the display lacks XInput 2. Asks for 2.2:
// from 2.1 on, raw events arrive even while another client grabs the key.
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

}  // namespace

struct X11KeyboardListener::Private
{
    Display *display = nullptr;
    int opcode = -1;
    Keymap keymap;
    QPointer<QSocketNotifier> notifier;
};

X11KeyboardListener::X11KeyboardListener()
    : d(std::make_unique<Private>())
{
}

X11KeyboardListener::~X11KeyboardListener()
{
    stop();
}

bool X11KeyboardListener::available()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const bool ok = xinput2Opcode(display) >= 0;
    XCloseDisplay(display);
    return ok;
}

bool X11KeyboardListener::start()
{
    if (d->display)
        return true;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return false;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const int opcode = xinput2Opcode(display);
    if (opcode < 0) {
        XCloseDisplay(display);
        return false;
    }

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    d->keymap.load(display);
    XSync(display, False);

    d->display = display;
    d->opcode = opcode;
    d->notifier = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read, app);
    QObject::connect(d->notifier, &QSocketNotifier::activated, d->notifier, [this] { readEvents(); });
    if (XQLength(display) > 0)
        QMetaObject::invokeMethod(d->notifier, [this] { readEvents(); }, Qt::QueuedConnection);
    return true;
}

void X11KeyboardListener::stop()
{
    if (!d->display)
        return;
    // Deleting the notifier also drops a pending drain. Safe from within its
    // own signal: Qt guards the emission.
    delete d->notifier;
    XCloseDisplay(d->display);
    d->display = nullptr;
    d->opcode = -1;
}

bool X11KeyboardListener::isRunning() const
{
    return d->display != nullptr;
}

void X11KeyboardListener::readEvents()
{
    Display *display = d->display;
    while (display && d->display == display && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MappingNotify) {
            if (event.xmapping.request == MappingKeyboard) {
                XRefreshKeyboardMapping(&event.xmapping);
                d->keymap.load(display);
            }
            continue;
        }
        if (event.type != GenericEvent || event.xcookie.extension != d->opcode
            || !XGetEventData(display, &event.xcookie))
            continue;
        const int type = event.xcookie.evtype;
        unsigned keycode = 0;
        if (type == XI_RawKeyPress || type == XI_RawKeyRelease)
            keycode = unsigned(static_cast<XIRawEvent *>(event.xcookie.data)->detail);
        XFreeEventData(display, &event.xcookie);
        // The listener may stop us; the loop condition notices.
        if (const unsigned virtualKey = d->keymap.virtualKey(keycode))
            report(virtualKey, type == XI_RawKeyPress);
    }
}

}  // namespace platform::x11
