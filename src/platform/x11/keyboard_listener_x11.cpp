#include "platform/x11/keyboard_listener_x11.h"

#include "platform/x11/key_repeater.h"
#include "platform/x11/x11_keymap.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>

#include "platform/x11/xinput2_root.h"  // X11 after Qt: its macros clash
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <algorithm>
#include <array>
#include <iterator>

namespace platform::x11 {

namespace {

constexpr unsigned kRepeatControls = XkbRepeatKeysMask | XkbPerKeyRepeatMask | XkbControlsEnabledMask;

// Which keys the server auto-repeats, and how fast. Held keys are repeated
// only where the server would repeat them for a hot key too.
struct RepeatControls
{
    bool enabled = true;
    std::array<unsigned char, XkbPerKeyBitArraySize> perKey;
    KeyRepeater::Rate rate;

    RepeatControls() { perKey.fill(0xFF); }

    bool repeats(unsigned keycode) const
    {
        return enabled && keycode < 8 * perKey.size() && (perKey[keycode / 8] & (1u << (keycode % 8)));
    }

    // Keeps the defaults when the server has no XKB.
    void read(Display *display)
    {
        XkbDescPtr desc = XkbAllocKeyboard();
        if (!desc)
            return;
        desc->device_spec = XkbUseCoreKbd;
        if (XkbGetControls(display, kRepeatControls, desc) == Success && desc->ctrls) {
            const XkbControlsRec &c = *desc->ctrls;
            enabled = (c.enabled_ctrls & XkbRepeatKeysMask) != 0;
            std::copy(std::begin(c.per_key_repeat), std::end(c.per_key_repeat), perKey.begin());
            rate.delay = std::chrono::milliseconds(c.repeat_delay);
            rate.interval = std::chrono::milliseconds(c.repeat_interval);
        }
        XkbFreeKeyboard(desc, 0, True);
    }
};

// The XKB event base, or -1. Asks for the repeat controls to be reported
// when they change (xset r rate ..., a desktop's keyboard settings).
int watchRepeatControls(Display *display)
{
    int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor))
        return -1;
    XkbSelectEventDetails(display, XkbUseCoreKbd, XkbControlsNotify, kRepeatControls,
                          kRepeatControls);
    return event;
}

}  // namespace

struct X11KeyboardListener::Private
{
    Display *display = nullptr;
    int opcode = -1;
    int xkbEvent = -1;
    Keymap keymap;
    RepeatControls repeat;
    std::unique_ptr<KeyRepeater> repeater;  // made on the GUI thread, by start()
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
    return xinput2Available();
}

bool X11KeyboardListener::start()
{
    if (d->display)
        return true;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return false;
    int opcode = -1;
    Display *display = openRawEventDisplay({XI_RawKeyPress, XI_RawKeyRelease}, &opcode);
    if (!display)
        return false;
    d->keymap.load(display);
    d->xkbEvent = watchRepeatControls(display);
    d->repeat = RepeatControls();
    d->repeat.read(display);
    XSync(display, False);

    if (!d->repeater) {
        d->repeater = std::make_unique<KeyRepeater>([this](unsigned keycode) {
            if (const unsigned virtualKey = d->keymap.virtualKey(keycode))
                report(virtualKey, true);
        });
    }
    d->repeater->setRate(d->repeat.rate);

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
    // Keys held now would otherwise go on repeating with nobody listening.
    d->repeater->releaseAll();
    XCloseDisplay(d->display);
    d->display = nullptr;
    d->opcode = -1;
    d->xkbEvent = -1;
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
        if (d->xkbEvent >= 0 && event.type == d->xkbEvent) {
            if (reinterpret_cast<XkbEvent *>(&event)->any.xkb_type == XkbControlsNotify) {
                d->repeat.read(display);
                d->repeater->setRate(d->repeat.rate);
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
        const unsigned virtualKey = d->keymap.virtualKey(keycode);
        if (!virtualKey)
            continue;
        const bool down = type == XI_RawKeyPress;
        // The repeater first: the listener may stop us, which must also end
        // the repeat. The loop condition notices a stop.
        if (!down)
            d->repeater->release(keycode);
        else if (d->repeat.repeats(keycode))
            d->repeater->press(keycode);
        report(virtualKey, down);
    }
}

}  // namespace platform::x11
