#include "platform/x11/hotkeys_x11.h"

#include "platform/x11/x11_keymap.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>

#include <X11/Xlib.h>

#include <atomic>
#include <utility>
#include <vector>

namespace platform::x11 {

namespace {

// Num Lock and Caps Lock must not stop a hot key, so every grab comes in
// all four lock combinations.
constexpr unsigned kLockMasks[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};
constexpr unsigned kRelevantState = 0xFF & ~(LockMask | Mod2Mask);

// The Xlib error handler is process-wide. It is swapped in only around one
// XSync on the GUI thread; errors of other connections go to whoever had it.
std::atomic<Display *> s_trapDisplay{nullptr};
std::atomic<int> s_trappedError{0};
XErrorHandler s_previousHandler = nullptr;

int trapError(Display *display, XErrorEvent *event)
{
    if (display == s_trapDisplay.load()) {
        int expected = 0;
        s_trappedError.compare_exchange_strong(expected, event->error_code);
        return 0;
    }
    return s_previousHandler ? s_previousHandler(display, event) : 0;
}

// The first error the server reports for the requests sent so far.
int syncTrappingErrors(Display *display)
{
    s_trappedError = 0;
    s_trapDisplay = display;
    s_previousHandler = XSetErrorHandler(trapError);
    XSync(display, False);
    XSetErrorHandler(s_previousHandler);
    s_trapDisplay = nullptr;
    return s_trappedError.exchange(0);
}

}  // namespace

struct X11HotKeyService::Private
{
    struct Grab
    {
        unsigned virtualKey;
        unsigned modifiers;
        unsigned keycode;  // 0 while the layout has no such key
        unsigned mask;
    };

    Display *display = nullptr;
    Window root = 0;
    Keymap keymap;
    std::vector<Grab> grabs;
    QPointer<QSocketNotifier> notifier;

    void ungrab(unsigned keycode, unsigned mask)
    {
        for (unsigned locks : kLockMasks)
            XUngrabKey(display, int(keycode), mask | locks, root);
    }

    HotKeyService::Result grab(unsigned keycode, unsigned mask)
    {
        for (unsigned locks : kLockMasks)
            XGrabKey(display, int(keycode), mask | locks, root, False, GrabModeAsync, GrabModeAsync);
        const int error = syncTrappingErrors(display);
        if (!error)
            return HotKeyService::Result::Ok;
        // Ungrabbing touches only our own grabs, so the ones that failed are
        // safe. Synced: the key is free for others when we report failure.
        ungrab(keycode, mask);
        XSync(display, False);
        return error == BadAccess ? HotKeyService::Result::AlreadyHeld : HotKeyService::Result::Failed;
    }

    bool inUse(unsigned keycode, unsigned mask) const
    {
        for (const Grab &g : grabs) {
            if (g.keycode == keycode && g.mask == mask)
                return true;
        }
        return false;
    }
};

std::unique_ptr<X11HotKeyService> X11HotKeyService::create()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return nullptr;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    auto d = std::make_unique<Private>();
    d->display = display;
    d->root = DefaultRootWindow(display);
    d->keymap.load(display);
    return std::unique_ptr<X11HotKeyService>(new X11HotKeyService(std::move(d)));
}

X11HotKeyService::X11HotKeyService(std::unique_ptr<Private> priv)
    : d(std::move(priv))
{
    // Parented to the application, so it is gone before the event dispatcher.
    d->notifier = new QSocketNotifier(ConnectionNumber(d->display), QSocketNotifier::Read,
                                      QCoreApplication::instance());
    QObject::connect(d->notifier, &QSocketNotifier::activated, d->notifier, [this] { readEvents(); });
}

X11HotKeyService::~X11HotKeyService()
{
    delete d->notifier;  // also drops a pending drain
    for (const Private::Grab &g : d->grabs) {
        if (g.keycode)
            d->ungrab(g.keycode, g.mask);
    }
    XCloseDisplay(d->display);
}

HotKeyService::Result X11HotKeyService::registerHotKey(unsigned virtualKey, unsigned modifiers)
{
    for (const Private::Grab &g : d->grabs) {
        if (g.virtualKey == virtualKey && g.modifiers == modifiers)
            return Result::Ok;
    }
    const unsigned keycode = d->keymap.keycode(virtualKey);
    if (!keycode)
        return Result::NoKey;
    const unsigned mask = modifierMask(modifiers);
    // Another of our hot keys on the same key: a second grab would replace it.
    if (d->inUse(keycode, mask))
        return Result::AlreadyHeld;

    const Result result = d->grab(keycode, mask);
    if (result == Result::Ok)
        d->grabs.push_back({virtualKey, modifiers, keycode, mask});

    readQueuedEventsLater();
    return result;
}

bool X11HotKeyService::unregisterHotKey(unsigned virtualKey, unsigned modifiers)
{
    for (auto it = d->grabs.begin(); it != d->grabs.end(); ++it) {
        if (it->virtualKey != virtualKey || it->modifiers != modifiers)
            continue;
        if (it->keycode)
            d->ungrab(it->keycode, it->mask);
        d->grabs.erase(it);
        XSync(d->display, False);
        readQueuedEventsLater();
        return true;
    }
    return false;
}

void X11HotKeyService::readQueuedEventsLater()
{
    // A round trip may have queued events that the socket no longer signals.
    if (XQLength(d->display) > 0 && d->notifier)
        QMetaObject::invokeMethod(d->notifier, [this] { readEvents(); }, Qt::QueuedConnection);
}

void X11HotKeyService::remapGrabs()
{
    // Let go of every moved key first: a layout may swap two of ours.
    std::vector<std::pair<Private::Grab *, unsigned>> moved;
    for (Private::Grab &g : d->grabs) {
        const unsigned keycode = d->keymap.keycode(g.virtualKey);
        if (keycode == g.keycode)
            continue;
        if (g.keycode)
            d->ungrab(g.keycode, g.mask);
        g.keycode = 0;
        moved.emplace_back(&g, keycode);
    }
    for (const auto &[g, keycode] : moved) {
        if (keycode && !d->inUse(keycode, g->mask) && d->grab(keycode, g->mask) == Result::Ok)
            g->keycode = keycode;
    }
    XFlush(d->display);
}

void X11HotKeyService::readEvents()
{
    while (XPending(d->display) > 0) {
        XEvent event;
        XNextEvent(d->display, &event);
        if (event.type == MappingNotify) {
            if (event.xmapping.request == MappingKeyboard || event.xmapping.request == MappingModifier) {
                XRefreshKeyboardMapping(&event.xmapping);
                d->keymap.load(d->display);
                remapGrabs();
            }
            continue;
        }
        if (event.type != KeyPress || event.xkey.window != d->root)
            continue;
        const unsigned state = event.xkey.state & kRelevantState;
        for (const Private::Grab &g : d->grabs) {
            if (g.keycode == event.xkey.keycode && g.mask == state) {
                // The listener may unregister keys: stop looking at the list.
                const unsigned virtualKey = g.virtualKey, modifiers = g.modifiers;
                activate(virtualKey, modifiers);
                break;
            }
        }
    }
}

}  // namespace platform::x11
