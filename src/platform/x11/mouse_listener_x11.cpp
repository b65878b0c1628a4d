#include "platform/x11/mouse_listener_x11.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>

#include "platform/x11/xinput2_root.h"  // X11 after Qt: its macros clash
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace platform::x11 {

namespace {

constexpr int kLeftButton = 1;

}  // namespace

struct X11MouseListener::Private
{
    Display *display = nullptr;
    int opcode = -1;
    bool leftDown = false;
    QPointer<QSocketNotifier> notifier;

    bool pointer(int &x, int &y) const
    {
        Window root = 0, child = 0;
        int winX = 0, winY = 0;
        unsigned mask = 0;
        return XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &winX,
                             &winY, &mask);
    }
};

X11MouseListener::X11MouseListener()
    : d(std::make_unique<Private>())
{
}

X11MouseListener::~X11MouseListener()
{
    stop();
}

bool X11MouseListener::available()
{
    return xinput2Available();
}

bool X11MouseListener::start()
{
    if (d->display)
        return true;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return false;
    int opcode = -1;
    Display *display =
        openRawEventDisplay({XI_RawButtonPress, XI_RawButtonRelease, XI_RawMotion}, &opcode);
    if (!display)
        return false;
    XSync(display, False);

    d->display = display;
    d->opcode = opcode;
    d->leftDown = false;
    d->notifier = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read, app);
    QObject::connect(d->notifier, &QSocketNotifier::activated, d->notifier, [this] { readEvents(); });
    if (XQLength(display) > 0)
        QMetaObject::invokeMethod(d->notifier, [this] { readEvents(); }, Qt::QueuedConnection);
    return true;
}

void X11MouseListener::stop()
{
    if (!d->display)
        return;
    delete d->notifier;
    XCloseDisplay(d->display);
    d->display = nullptr;
    d->opcode = -1;
}

bool X11MouseListener::isRunning() const
{
    return d->display != nullptr;
}

void X11MouseListener::readEvents()
{
    Display *display = d->display;
    while (display && d->display == display && XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != GenericEvent || event.xcookie.extension != d->opcode
            || !XGetEventData(display, &event.xcookie))
            continue;
        const int type = event.xcookie.evtype;
        const int button = static_cast<XIRawEvent *>(event.xcookie.data)->detail;
        XFreeEventData(display, &event.xcookie);

        Event what;
        if (type == XI_RawMotion) {
            // Only a held button makes a move worth a round trip.
            if (!d->leftDown)
                continue;
            what = Event::Move;
        } else if (button == kLeftButton && (type == XI_RawButtonPress || type == XI_RawButtonRelease)) {
            d->leftDown = type == XI_RawButtonPress;
            what = d->leftDown ? Event::LeftDown : Event::LeftUp;
        } else {
            continue;
        }
        int x = 0, y = 0;
        if (!d->pointer(x, y))
            continue;
        report(what, x, y);
    }
}

}  // namespace platform::x11
