// Hot keys, the keyboard listener and the keymap against the test's own
// virtual X server. A second connection of the test plays the keyboard (XTest,
// by keycode, as the mouse's receiver does) and rival applications.

#include "platform/keys.h"
#include "support/recording/recording_backends.h"
#include "platform/x11/hotkeys_x11.h"
#include "platform/x11/key_injector_x11.h"
#include "platform/x11/keyboard_listener_x11.h"
#include "platform/x11/x11_keymap.h"

#include <QtTest>

#include <X11/XF86keysym.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

using platform::HotKeyService;
using platform::x11::X11HotKeyService;
using platform::x11::X11KeyboardListener;
namespace vk = platform::vk;

namespace {

constexpr unsigned kF19Keycode = 197;

int s_lastError = 0;
int recordError(Display *, XErrorEvent *event)
{
    s_lastError = event->error_code;
    return 0;
}

// The first error of the requests a connection has sent, after a round trip.
int syncForError(Display *display)
{
    s_lastError = 0;
    XErrorHandler previous = XSetErrorHandler(recordError);
    XSync(display, False);
    XSetErrorHandler(previous);
    return s_lastError;
}

struct Activations
{
    std::vector<std::pair<unsigned, unsigned>> seen;
    void attach(HotKeyService &service)
    {
        service.setListener([this](unsigned key, unsigned mods) { seen.emplace_back(key, mods); });
    }
};

struct KeyEvents
{
    std::vector<std::pair<unsigned, bool>> seen;
    int count(unsigned key, bool down) const
    {
        return int(std::count(seen.begin(), seen.end(), std::make_pair(key, down)));
    }
};

// Undoes a change to the server's state at the end of a test, pass or fail.
struct Restore
{
    std::function<void()> undo;
    ~Restore() { undo(); }
};

}  // namespace

class TestX11Input : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void keymapFindsExtendedFunctionKeysByName();
    void keymapTranslatesLayoutKeys();
    void keyMissingFromLayout();
    void injectorTypesEveryKeyOfTheKeyTable();
    void hotKeyFiresOnEveryPressIncludingRepeats();
    void hotKeyIgnoresNumLockAndCapsLock();
    void hotKeyWithModifier();
    void keyHeldByAnotherClient();
    void listenerLeavesKeysToTheFocusedWindow();
    void listenerCanStopFromItsOwnCallback();
    void layoutChangeMovesHotKeys();
    void factoryAndRecordingBackends();

private:
    void press(unsigned keycode, bool down = true);
    void tap(unsigned keycode);
    // Lets the service's connection catch up, so "no more events" means it.
    void settle();
    unsigned keycodeOf(KeySym keysym) const { return XKeysymToKeycode(m_keyboard, keysym); }

    Display *m_keyboard = nullptr;
};

void TestX11Input::initTestCase()
{
    m_keyboard = XOpenDisplay(nullptr);
    QVERIFY2(m_keyboard, "no X display: run it through tests/support/own_display.sh");
    int event = 0, error = 0, major = 0, minor = 0;
    QVERIFY2(XTestQueryExtension(m_keyboard, &event, &error, &major, &minor), "the server lacks XTest");
}

void TestX11Input::cleanupTestCase()
{
    if (m_keyboard)
        XCloseDisplay(m_keyboard);
}

void TestX11Input::cleanup()
{
    platform::recording::uninstall();
    // Releases whatever a failed test left down and drops its queued events.
    XSync(m_keyboard, True);
}

void TestX11Input::press(unsigned keycode, bool down)
{
    XTestFakeKeyEvent(m_keyboard, keycode, down ? True : False, CurrentTime);
    XSync(m_keyboard, False);
}

void TestX11Input::tap(unsigned keycode)
{
    press(keycode, true);
    press(keycode, false);
}

void TestX11Input::settle()
{
    XSync(m_keyboard, False);
    QTest::qWait(150);
}

void TestX11Input::keymapFindsExtendedFunctionKeysByName()
{
    platform::x11::Keymap keymap;
    keymap.load(m_keyboard);

    // The trap: these keys carry launcher and media keysyms, or none.
    QCOMPARE(XkbKeycodeToKeysym(m_keyboard, 195, 0, 0), KeySym(XF86XK_Launch8));
    QCOMPARE(XkbKeycodeToKeysym(m_keyboard, kF19Keycode, 0, 0), KeySym(NoSymbol));
    QCOMPARE(XkbKeycodeToKeysym(m_keyboard, 198, 0, 0), KeySym(XF86XK_AudioMicMute));

    QCOMPARE(keymap.keycode(vk::F13), 191u);
    QCOMPARE(keymap.keycode(vk::F17), 195u);
    QCOMPARE(keymap.keycode(vk::F18), 196u);
    QCOMPARE(keymap.keycode(vk::F19), kF19Keycode);
    QCOMPARE(keymap.keycode(vk::F20), 198u);
    QCOMPARE(keymap.keycode(vk::F24), 202u);
    for (unsigned keycode = 191; keycode <= 202; ++keycode)
        QCOMPARE(keymap.virtualKey(keycode), vk::F13 + (keycode - 191));
}

void TestX11Input::keymapTranslatesLayoutKeys()
{
    platform::x11::Keymap keymap;
    keymap.load(m_keyboard);

    // Both ways, against the evdev keycodes of a US layout.
    const std::pair<unsigned, unsigned> keys[] = {
        {vk::Escape, 9},  {'0', 19},       {'9', 18},       {'A', 38},     {'Z', 52},
        {vk::Return, 36}, {vk::Space, 65}, {vk::F1, 67},    {0x7B, 96},    {0x25, 113},
        {0x22, 117},      {0x2E, 119},     {0x6B, 86},      {0x6F, 106},   {vk::LeftAlt, 64},
        {vk::RightAlt, 108},
    };
    for (const auto &[virtualKey, keycode] : keys) {
        QCOMPARE(keymap.keycode(virtualKey), keycode);
        QCOMPARE(keymap.virtualKey(keycode), virtualKey);
    }
    // Generic modifiers pick the left key; keys report their side.
    QCOMPARE(keymap.keycode(vk::Menu), 64u);
    QCOMPARE(keymap.keycode(vk::Shift), 50u);
    QCOMPARE(keymap.virtualKey(50), 0xA0u);
    QCOMPARE(keymap.virtualKey(62), 0xA1u);
    // The numpad reports digits whatever Num Lock says, and its Enter is Return.
    QCOMPARE(keymap.virtualKey(87), 0x61u);
    QCOMPARE(keymap.virtualKey(104), vk::Return);

    using platform::x11::modifierMask;
    using platform::x11::modifiersFromState;
    QCOMPARE(modifierMask(platform::ModAlt | platform::ModWin), unsigned(Mod1Mask | Mod4Mask));
    QCOMPARE(modifierMask(platform::ModControl | platform::ModShift), unsigned(ControlMask | ShiftMask));
    QCOMPARE(modifiersFromState(Mod1Mask | Mod2Mask | LockMask | Button1Mask), unsigned(platform::ModAlt));
}

void TestX11Input::keyMissingFromLayout()
{
    platform::x11::Keymap keymap;
    keymap.load(m_keyboard);
    QCOMPARE(keymap.keycode(0xE8), 0u);  // unassigned
    QCOMPARE(keymap.keycode(0x1234), 0u);
    QCOMPARE(keymap.virtualKey(0), 0u);
    QCOMPARE(keymap.virtualKey(4096), 0u);

    auto service = X11HotKeyService::create();
    QVERIFY(service);
    QCOMPARE(service->registerHotKey(0xE8, 0), HotKeyService::Result::NoKey);
    QVERIFY(!service->unregisterHotKey(0xE8, 0));
}

void TestX11Input::injectorTypesEveryKeyOfTheKeyTable()
{
    // The virtual keys that key-sequence texts and hot keys translate to, with
    // the keysym each must type. Clear and the numpad separator are missing
    // from the US layout and go on a spare keycode.
    std::vector<std::pair<unsigned, KeySym>> table = {
        {vk::Space, XK_space}, {0x6A, XK_KP_Multiply}, {0x6B, XK_KP_Add}, {0x6C, XK_KP_Separator},
        {0x6D, XK_KP_Subtract}, {0x6F, XK_KP_Divide}, {vk::Escape, XK_Escape}, {vk::Tab, XK_Tab},
        {vk::Backspace, XK_BackSpace}, {vk::Return, XK_Return}, {0x2D, XK_Insert}, {0x2E, XK_Delete},
        {0x13, XK_Pause}, {0x2A, XK_Print}, {0x0C, XK_Clear}, {0x24, XK_Home}, {0x23, XK_End},
        {0x25, XK_Left}, {0x26, XK_Up}, {0x27, XK_Right}, {0x28, XK_Down}, {0x21, XK_Prior},
        {0x22, XK_Next},
    };
    for (unsigned i = 0; i < 10; ++i)
        table.emplace_back('0' + i, XK_0 + i);
    for (unsigned i = 0; i < 26; ++i)
        table.emplace_back('A' + i, XK_a + i);
    for (unsigned i = 0; i < 12; ++i)
        table.emplace_back(vk::F1 + i, XK_F1 + i);

    const Window window = XCreateSimpleWindow(m_keyboard, DefaultRootWindow(m_keyboard), 0, 0, 200, 100, 0, 0, 0);
    Restore destroy{[this, window] { XDestroyWindow(m_keyboard, window); XSync(m_keyboard, True); }};
    XSelectInput(m_keyboard, window, KeyPressMask | KeyReleaseMask);
    XMapWindow(m_keyboard, window);
    XSync(m_keyboard, False);
    XSetInputFocus(m_keyboard, window, RevertToPointerRoot, CurrentTime);
    XSync(m_keyboard, True);

    auto injector = platform::x11::X11KeyInjector::create();
    QVERIFY(injector);
    auto nextKeyEvent = [this, window](int type, XEvent &event) {
        return QTest::qWaitFor([&] {
            XSync(m_keyboard, False);
            return XCheckTypedWindowEvent(m_keyboard, window, type, &event);
        }, 2000);
    };
    // Held while the test reads the key's keysym: a borrowed keycode is
    // given back on release.
    auto typedKeysym = [this](unsigned keycode) {
        int perKeycode = 0;
        KeySym *syms = XGetKeyboardMapping(m_keyboard, KeyCode(keycode), 1, &perKeycode);
        const KeySym sym = syms ? syms[0] : NoSymbol;
        XFree(syms);
        return sym;
    };
    for (const auto &[virtualKey, keysym] : table) {
        const QByteArray key = QByteArray::number(virtualKey, 16);
        QVERIFY2(injector->press(virtualKey), key);
        XEvent event;
        QVERIFY2(nextKeyEvent(KeyPress, event), key);
        QCOMPARE(typedKeysym(event.xkey.keycode), keysym);
        QVERIFY2(injector->release(virtualKey), key);
        QVERIFY2(nextKeyEvent(KeyRelease, event), key);
    }
    // F13..F24 go to the keys of those names, whatever keysyms they carry.
    for (unsigned i = 0; i < 12; ++i) {
        QVERIFY(injector->sendBatch({{vk::F13 + i, true}, {vk::F13 + i, false}}));
        XEvent event;
        QVERIFY(nextKeyEvent(KeyPress, event));
        QCOMPARE(event.xkey.keycode, 191 + i);
        QVERIFY(nextKeyEvent(KeyRelease, event));
    }
}

void TestX11Input::hotKeyFiresOnEveryPressIncludingRepeats()
{
    auto service = X11HotKeyService::create();
    QVERIFY(service);
    Activations activations;
    activations.attach(*service);
    QCOMPARE(service->registerHotKey(vk::F19, 0), HotKeyService::Result::Ok);

    for (int i = 0; i < 5; ++i)
        tap(kF19Keycode);
    QTRY_COMPARE(activations.seen.size(), size_t(5));
    settle();
    QCOMPARE(activations.seen.size(), size_t(5));
    for (const auto &seen : activations.seen)
        QCOMPARE(seen, std::make_pair(vk::F19, 0u));

    // Held down: the server repeats the key, a press every interval after the
    // delay. XTest cannot repeat a press by itself, so hold it.
    unsigned delay = 0, interval = 0;
    XkbGetAutoRepeatRate(m_keyboard, XkbUseCoreKbd, &delay, &interval);
    Restore rate{[this, delay, interval] {
        XkbSetAutoRepeatRate(m_keyboard, XkbUseCoreKbd, delay, interval);
        XSync(m_keyboard, False);
    }};
    const unsigned repeatDelay = 100, repeatInterval = 25;
    XkbSetAutoRepeatRate(m_keyboard, XkbUseCoreKbd, repeatDelay, repeatInterval);
    activations.seen.clear();
    QElapsedTimer held;
    held.start();
    press(kF19Keycode);
    QTest::qWait(400);
    press(kF19Keycode, false);
    const qint64 heldMs = held.elapsed();
    settle();
    const size_t mostPresses = 2 + size_t(heldMs - repeatDelay) / repeatInterval;
    QVERIFY2(activations.seen.size() >= 6 && activations.seen.size() <= mostPresses,
             qPrintable(QStringLiteral("%1 activations, at most %2 presses").arg(activations.seen.size()).arg(mostPresses)));

    activations.seen.clear();
    QVERIFY(service->unregisterHotKey(vk::F19, 0));
    QVERIFY(!service->unregisterHotKey(vk::F19, 0));
    tap(kF19Keycode);
    settle();
    QVERIFY(activations.seen.empty());
}

void TestX11Input::hotKeyIgnoresNumLockAndCapsLock()
{
    auto service = X11HotKeyService::create();
    QVERIFY(service);
    Activations activations;
    activations.attach(*service);
    QCOMPARE(service->registerHotKey(vk::F19, 0), HotKeyService::Result::Ok);

    Restore unlock{[this] {
        XkbLockModifiers(m_keyboard, XkbUseCoreKbd, Mod2Mask | LockMask, 0);
        XSync(m_keyboard, False);
    }};
    const unsigned locks[] = {Mod2Mask, LockMask, Mod2Mask | LockMask};
    for (unsigned lock : locks) {
        XkbLockModifiers(m_keyboard, XkbUseCoreKbd, Mod2Mask | LockMask, lock);
        XkbStateRec state{};
        XkbGetState(m_keyboard, XkbUseCoreKbd, &state);
        QCOMPARE(unsigned(state.locked_mods), lock);
        const size_t before = activations.seen.size();
        tap(kF19Keycode);
        tap(kF19Keycode);
        QTRY_COMPARE(activations.seen.size(), before + 2);
    }
}

void TestX11Input::hotKeyWithModifier()
{
    auto service = X11HotKeyService::create();
    QVERIFY(service);
    Activations activations;
    activations.attach(*service);
    QCOMPARE(service->registerHotKey(vk::KeyX, platform::ModAlt), HotKeyService::Result::Ok);
    const unsigned alt = keycodeOf(XK_Alt_L), x = keycodeOf(XK_x);

    tap(x);
    press(alt);
    tap(x);
    press(alt, false);
    QTRY_COMPARE(activations.seen.size(), size_t(1));
    QCOMPARE(activations.seen.front(), std::make_pair(vk::KeyX, unsigned(platform::ModAlt)));
    // Plain x and Ctrl+Alt+x are other keys.
    const unsigned control = keycodeOf(XK_Control_L);
    press(control);
    press(alt);
    tap(x);
    press(alt, false);
    press(control, false);
    tap(x);
    settle();
    QCOMPARE(activations.seen.size(), size_t(1));
}

void TestX11Input::keyHeldByAnotherClient()
{
    Display *rival = XOpenDisplay(nullptr);
    QVERIFY(rival);
    Restore closeRival{[rival] { XCloseDisplay(rival); }};
    const Window root = DefaultRootWindow(rival);
    XGrabKey(rival, int(kF19Keycode), 0, root, False, GrabModeAsync, GrabModeAsync);
    QCOMPARE(syncForError(rival), 0);

    auto service = X11HotKeyService::create();
    QVERIFY(service);
    QCOMPARE(service->registerHotKey(vk::F19, 0), HotKeyService::Result::AlreadyHeld);

    // The lock variants that did succeed were given back.
    Display *third = XOpenDisplay(nullptr);
    QVERIFY(third);
    Restore closeThird{[third] { XCloseDisplay(third); }};
    for (unsigned locks : {unsigned(LockMask), unsigned(Mod2Mask), unsigned(LockMask | Mod2Mask)})
        XGrabKey(third, int(kF19Keycode), locks, root, False, GrabModeAsync, GrabModeAsync);
    QCOMPARE(syncForError(third), 0);
    XUngrabKey(third, int(kF19Keycode), AnyModifier, root);
    XSync(third, False);

    // The listener hears the key the rival holds.
    X11KeyboardListener listener;
    KeyEvents events;
    listener.setListener([&events](unsigned key, bool down) { events.seen.emplace_back(key, down); });
    QVERIFY(listener.start());
    QVERIFY(listener.isRunning());
    for (int i = 0; i < 3; ++i)
        tap(kF19Keycode);
    QTRY_COMPARE(events.count(vk::F19, true), 3);
    QTRY_COMPARE(events.count(vk::F19, false), 3);

    XUngrabKey(rival, int(kF19Keycode), 0, root);
    XSync(rival, False);
    QCOMPARE(service->registerHotKey(vk::F19, 0), HotKeyService::Result::Ok);
}

void TestX11Input::listenerLeavesKeysToTheFocusedWindow()
{
    const Window window = XCreateSimpleWindow(m_keyboard, DefaultRootWindow(m_keyboard), 0, 0, 200,
                                              100, 0, 0, 0);
    Restore destroy{[this, window] { XDestroyWindow(m_keyboard, window); XSync(m_keyboard, True); }};
    XSelectInput(m_keyboard, window, KeyPressMask);
    XMapWindow(m_keyboard, window);
    XSync(m_keyboard, False);
    XSetInputFocus(m_keyboard, window, RevertToPointerRoot, CurrentTime);
    XSync(m_keyboard, True);

    X11KeyboardListener listener;
    KeyEvents events;
    listener.setListener([&events](unsigned key, bool down) { events.seen.emplace_back(key, down); });
    QVERIFY(listener.start());
    QVERIFY(listener.start());  // idempotent
    const unsigned x = keycodeOf(XK_x);
    tap(x);
    QTRY_COMPARE(events.count(vk::KeyX, false), 1);
    QCOMPARE(events.count(vk::KeyX, true), 1);

    XEvent event;
    QVERIFY(XCheckTypedWindowEvent(m_keyboard, window, KeyPress, &event));
    QCOMPARE(event.xkey.keycode, x);
}

void TestX11Input::listenerCanStopFromItsOwnCallback()
{
    X11KeyboardListener listener;
    int reports = 0;
    listener.setListener([&](unsigned, bool) {
        ++reports;
        listener.stop();
    });
    QVERIFY(listener.start());
    tap(kF19Keycode);
    tap(kF19Keycode);
    QTRY_VERIFY(!listener.isRunning());
    settle();
    QCOMPARE(reports, 1);

    QVERIFY(listener.start());
    tap(kF19Keycode);
    QTRY_COMPARE(reports, 2);
}

void TestX11Input::layoutChangeMovesHotKeys()
{
    const unsigned x = keycodeOf(XK_x), y = keycodeOf(XK_y);
    QVERIFY(x && y);
    // In one request, so that the service sees both keys move at once.
    auto swapKeys = [this, x, y] {
        const unsigned first = std::min(x, y), count = std::max(x, y) - first + 1;
        int perKeycode = 0;
        KeySym *syms = XGetKeyboardMapping(m_keyboard, KeyCode(first), int(count), &perKeycode);
        std::swap_ranges(syms + (x - first) * perKeycode, syms + (x - first + 1) * perKeycode,
                         syms + (y - first) * perKeycode);
        XChangeKeyboardMapping(m_keyboard, int(first), perKeycode, syms, int(count));
        XFree(syms);
        XSync(m_keyboard, False);
    };

    auto service = X11HotKeyService::create();
    QVERIFY(service);
    Activations activations;
    activations.attach(*service);
    const unsigned keyY = 'Y';
    QCOMPARE(service->registerHotKey(vk::KeyX, platform::ModControl), HotKeyService::Result::Ok);
    QCOMPARE(service->registerHotKey(keyY, platform::ModControl), HotKeyService::Result::Ok);

    // A layout that swaps the two keys, as German does with y and z.
    swapKeys();
    Restore swapBack{swapKeys};
    const unsigned control = keycodeOf(XK_Control_L);
    auto pressControlWith = [&](unsigned keycode) {
        press(control);
        tap(keycode);
        press(control, false);
    };
    // Until the service has seen the new layout, the key where y was gives Y.
    const auto controlX = std::make_pair(vk::KeyX, unsigned(platform::ModControl));
    QTRY_VERIFY_WITH_TIMEOUT((pressControlWith(y), QTest::qWait(20),
                              !activations.seen.empty() && activations.seen.back() == controlX),
                             5000);
    activations.seen.clear();
    pressControlWith(x);
    QTRY_COMPARE(activations.seen.size(), size_t(1));
    QCOMPARE(activations.seen.front(), std::make_pair(keyY, unsigned(platform::ModControl)));
}

void TestX11Input::factoryAndRecordingBackends()
{
    const auto hotKeys = platform::hotKeyService();
    QVERIFY(dynamic_cast<X11HotKeyService *>(hotKeys.get()));
    QCOMPARE(platform::hotKeyService(), hotKeys);
    QVERIFY(dynamic_cast<X11KeyboardListener *>(platform::keyboardListener().get()));

    platform::recording::install();
    const auto recorded = platform::recording::installedHotKeyService();
    QCOMPARE(platform::hotKeyService().get(), static_cast<HotKeyService *>(recorded.get()));
    Activations activations;
    activations.attach(*recorded);
    recorded->holdElsewhere(vk::F19, 0, platform::recording::RecordingHotKeyService::Hold::Once);
    QCOMPARE(recorded->registerHotKey(vk::F19, 0), HotKeyService::Result::AlreadyHeld);
    QVERIFY(!recorded->press(vk::F19, 0));
    QCOMPARE(recorded->registerHotKey(vk::F19, 0), HotKeyService::Result::Ok);
    QVERIFY(recorded->press(vk::F19, 0));
    QCOMPARE(activations.seen.size(), size_t(1));

    // Like the real ones, they report only while started.
    const auto listener = platform::recording::installedKeyboardListener();
    QCOMPARE(platform::keyboardListener().get(), static_cast<platform::KeyboardListener *>(listener.get()));
    QVERIFY(!listener->key(vk::F19, true));
    QVERIFY(listener->start());
    QVERIFY(listener->key(vk::F19, true));
    const auto devices = platform::recording::installedDeviceMonitor();
    QCOMPARE(platform::deviceMonitor().get(), static_cast<platform::DeviceMonitor *>(devices.get()));
    QVERIFY(!devices->change("/sys/x/0003:5850:5653.0001/hidraw/hidraw0", true));

    platform::recording::uninstall();
    QCOMPARE(platform::hotKeyService(), hotKeys);
}

QTEST_GUILESS_MAIN(TestX11Input)
#include "test_x11_input.moc"
