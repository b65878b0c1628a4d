#include "platform/x11/key_injector_x11.h"

#include "platform/x11/x11_keymap.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <map>
#include <mutex>
#include <thread>

namespace platform::x11 {

namespace {

// Modifiers that change what a key does; Caps Lock and Num Lock are locks.
constexpr unsigned kHeldModifiers = ShiftMask | ControlMask | Mod1Mask | Mod4Mask | Mod5Mask;

constexpr int kBorrowedKeyLingerMs = 100;

}  // namespace

struct X11KeyInjector::Private
{
    std::mutex mutex;
    Display *display = nullptr;
    // For reading the keyboard's state, under its own lock.
    std::mutex stateMutex;
    Display *stateDisplay = nullptr;
    Keymap keymap;
    bool keymapLoaded = false;
    // Keys put on a spare keycode, from press to release.
    std::map<unsigned, unsigned> borrowed;  // virtual key -> keycode

    // Picks up layout changes: the server tells every client about them.
    void refreshKeymap()
    {
        XSync(display, False);
        bool changed = !keymapLoaded;
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MappingNotify)
                XRefreshKeyboardMapping(&event.xmapping);
            changed = true;
        }
        if (changed) {
            keymap.load(display);
            keymapLoaded = true;
        }
    }

    // A keycode without any keysym, highest first: low ones are likelier real keys.
    unsigned spareKeycode()
    {
        int minKeycode = 0, maxKeycode = 0;
        XDisplayKeycodes(display, &minKeycode, &maxKeycode);
        int perKeycode = 0;
        KeySym *keysyms = XGetKeyboardMapping(display, KeyCode(minKeycode), maxKeycode - minKeycode + 1,
                                              &perKeycode);
        if (!keysyms)
            return 0;
        unsigned spare = 0;
        for (int keycode = maxKeycode; keycode >= minKeycode && !spare; --keycode) {
            bool empty = true;
            for (int i = 0; i < perKeycode && empty; ++i)
                empty = keysyms[(keycode - minKeycode) * perKeycode + i] == NoSymbol;
            bool inUse = false;
            for (const auto &entry : borrowed)
                inUse = inUse || entry.second == unsigned(keycode);
            // Keys we know by name are real even when empty, the mouse's F19 among them.
            if (empty && !inUse && !keymap.virtualKey(unsigned(keycode)))
                spare = unsigned(keycode);
        }
        XFree(keysyms);
        return spare;
    }

    unsigned keycodeForPress(unsigned virtualKey)
    {
        const auto it = borrowed.find(virtualKey);
        if (it != borrowed.end())
            return it->second;
        if (unsigned keycode = keymap.keycode(virtualKey))
            return keycode;
        const KeySym keysym = keysymFor(virtualKey);
        if (keysym == NoSymbol)
            return 0;
        const unsigned spare = spareKeycode();
        if (!spare)
            return 0;
        KeySym lower = NoSymbol, upper = NoSymbol;
        XConvertCase(keysym, &lower, &upper);
        KeySym levels[2] = {lower, upper};
        XChangeKeyboardMapping(display, int(spare), 2, levels, 1);
        // Clients see the new mapping before the key event, both come in order.
        XSync(display, False);
        borrowed[virtualKey] = spare;
        return spare;
    }

    // The keys that are down, checked against the keys that set the held
    // modifiers now: the modifier map follows the layout.
    bool modifiersHeld()
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        char keys[32] = {};
        XQueryKeymap(stateDisplay, keys);
        XModifierKeymap *map = XGetModifierMapping(stateDisplay);
        if (!map)
            return false;
        bool held = false;
        for (int modifier = 0; modifier < 8 && !held; ++modifier) {
            if (!(kHeldModifiers & (1u << modifier)))
                continue;
            for (int i = 0; i < map->max_keypermod && !held; ++i) {
                const unsigned keycode = map->modifiermap[modifier * map->max_keypermod + i];
                held = keycode && (keys[keycode / 8] & (1 << (keycode % 8)));
            }
        }
        XFreeModifiermap(map);
        return held;
    }

    void giveBack(unsigned virtualKey)
    {
        const auto it = borrowed.find(virtualKey);
        if (it == borrowed.end())
            return;
        KeySym none = NoSymbol;
        XChangeKeyboardMapping(display, int(it->second), 1, &none, 1);
        XSync(display, False);
        borrowed.erase(it);
    }

    bool send(unsigned virtualKey, bool down)
    {
        unsigned keycode = 0;
        if (down) {
            keycode = keycodeForPress(virtualKey);
        } else {
            const auto it = borrowed.find(virtualKey);
            keycode = it != borrowed.end() ? it->second : keymap.keycode(virtualKey);
        }
        if (!keycode)
            return false;
        const bool sent = XTestFakeKeyEvent(display, keycode, down ? True : False, CurrentTime);
        if (!down && borrowed.count(virtualKey)) {
            // Clients fetch the layout when told it changed, which may be after
            // we changed it back; give them time to see the borrowed key.
            XSync(display, False);
            std::this_thread::sleep_for(std::chrono::milliseconds(kBorrowedKeyLingerMs));
            giveBack(virtualKey);
        }
        return sent;
    }
};

X11KeyInjector::X11KeyInjector(std::unique_ptr<Private> d)
    : d(std::move(d))
{
}

std::unique_ptr<X11KeyInjector> X11KeyInjector::create()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    int event = 0, error = 0, major = 0, minor = 0;
    Display *stateDisplay = nullptr;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)
        || !(stateDisplay = XOpenDisplay(nullptr))) {
        XCloseDisplay(display);
        return nullptr;
    }
    // Our injected keys must not wait behind another client's server grab.
    XTestGrabControl(display, True);
    auto d = std::make_unique<Private>();
    d->display = display;
    d->stateDisplay = stateDisplay;
    return std::unique_ptr<X11KeyInjector>(new X11KeyInjector(std::move(d)));
}

X11KeyInjector::~X11KeyInjector()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    // Nothing stays down or borrowed after us.
    while (!d->borrowed.empty()) {
        const unsigned virtualKey = d->borrowed.begin()->first;
        XTestFakeKeyEvent(d->display, d->borrowed.begin()->second, False, CurrentTime);
        d->giveBack(virtualKey);
    }
    XCloseDisplay(d->display);
    XCloseDisplay(d->stateDisplay);
}

bool X11KeyInjector::press(unsigned virtualKey)
{
    return sendBatch({{virtualKey, true}});
}

bool X11KeyInjector::release(unsigned virtualKey)
{
    return sendBatch({{virtualKey, false}});
}

bool X11KeyInjector::sendBatch(const std::vector<std::pair<unsigned, bool>> &events)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->refreshKeymap();
    bool ok = true;
    for (const auto &[virtualKey, down] : events)
        ok = d->send(virtualKey, down) && ok;
    XSync(d->display, False);
    return ok;
}

bool X11KeyInjector::waitForModifiersReleased(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (d->modifiersHeld()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

bool X11KeyInjector::modifiersHeld()
{
    return d->modifiersHeld();
}

}  // namespace platform::x11
