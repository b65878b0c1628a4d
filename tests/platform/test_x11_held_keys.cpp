// Keys held down on the test's own virtual X server, heard by keyboard
// listening: repeated like the server repeats a hot key, until each key's
// own release. A second connection of the test plays the keyboard (XTest,
// by keycode) and sets the server's repeat controls, restored afterwards.

#include "platform/keys.h"
#include "platform/x11/hotkeys_x11.h"
#include "platform/x11/keyboard_listener_x11.h"

#include <QtTest>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <utility>
#include <vector>

using platform::HotKeyService;
using platform::x11::X11HotKeyService;
using platform::x11::X11KeyboardListener;
namespace vk = platform::vk;

namespace {

constexpr unsigned kF19Keycode = 197, kF20Keycode = 198;
// Faster than the usual 660/40 so that holds stay short.
constexpr unsigned kDelayMs = 150, kIntervalMs = 30;

struct KeyEvents
{
    std::vector<std::pair<unsigned, bool>> seen;
    int count(unsigned key, bool down) const
    {
        return int(std::count(seen.begin(), seen.end(), std::make_pair(key, down)));
    }
};

}  // namespace

class TestX11HeldKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void heldKeyRepeatsLikeTheHotKeyAtTheServersRate();
    void stoppingTheListenerEndsTheRepeat();
    void keysTheServerDoesNotRepeatAreNotRepeated();

private:
    void press(unsigned keycode, bool down);
    void setRepeatRate(unsigned delay, unsigned interval);

    Display *m_keyboard = nullptr;
    unsigned m_savedDelay = 660, m_savedInterval = 40;
    X11KeyboardListener m_listener;
    KeyEvents m_events;
};

void TestX11HeldKeys::initTestCase()
{
    m_keyboard = XOpenDisplay(nullptr);
    QVERIFY2(m_keyboard, "no X display: run it through tests/support/own_display.sh");
    QVERIFY(XkbGetAutoRepeatRate(m_keyboard, XkbUseCoreKbd, &m_savedDelay, &m_savedInterval));
    m_listener.setListener([this](unsigned key, bool down) { m_events.seen.emplace_back(key, down); });
    QVERIFY(m_listener.start());
    // Changed while listening: the listener has to follow the server.
    setRepeatRate(kDelayMs, kIntervalMs);
}

void TestX11HeldKeys::cleanupTestCase()
{
    if (!m_keyboard)
        return;
    setRepeatRate(m_savedDelay, m_savedInterval);
    XCloseDisplay(m_keyboard);
}

void TestX11HeldKeys::init()
{
    QVERIFY(m_listener.start());
    m_events.seen.clear();
}

void TestX11HeldKeys::cleanup()
{
    press(kF19Keycode, false);
    press(kF20Keycode, false);
    XkbChangeEnabledControls(m_keyboard, XkbUseCoreKbd, XkbRepeatKeysMask, XkbRepeatKeysMask);
    XKeyboardControl control;
    control.key = int(kF19Keycode);
    control.auto_repeat_mode = AutoRepeatModeOn;
    XChangeKeyboardControl(m_keyboard, KBKey | KBAutoRepeatMode, &control);
    XSync(m_keyboard, False);
    QTest::qWait(50);
}

void TestX11HeldKeys::press(unsigned keycode, bool down)
{
    XTestFakeKeyEvent(m_keyboard, keycode, down ? True : False, CurrentTime);
    XSync(m_keyboard, False);
}

void TestX11HeldKeys::setRepeatRate(unsigned delay, unsigned interval)
{
    QVERIFY(XkbSetAutoRepeatRate(m_keyboard, XkbUseCoreKbd, delay, interval));
    XSync(m_keyboard, False);
    QTest::qWait(50);  // for the listener to hear of it
}

void TestX11HeldKeys::heldKeyRepeatsLikeTheHotKeyAtTheServersRate()
{
    auto service = X11HotKeyService::create();
    QVERIFY(service);
    int hotKey = 0;
    service->setListener([&hotKey](unsigned, unsigned) { ++hotKey; });
    QCOMPARE(service->registerHotKey(vk::F19, 0), HotKeyService::Result::Ok);

    press(kF19Keycode, true);
    QTest::qWait(450);
    press(kF19Keycode, false);
    QTRY_COMPARE(m_events.count(vk::F19, false), 1);
    QTRY_COMPARE(m_events.seen.back(), std::make_pair(unsigned(vk::F19), false));
    const int heard = m_events.count(vk::F19, true);
    QTest::qWait(100);
    QCOMPARE(m_events.count(vk::F19, true), heard);  // nothing after the release
    // The same stream as the server's auto-repeat of the hot key: about
    // 2 + (450 - 150) / 30 = 12 activations, not the one press of the old
    // 660 ms delay.
    qInfo() << "heard" << heard << "hot key" << hotKey;
    QVERIFY2(heard >= 6 && std::abs(heard - hotKey) <= 2,
             qPrintable(QStringLiteral("heard %1, hot key %2").arg(heard).arg(hotKey)));
}

void TestX11HeldKeys::stoppingTheListenerEndsTheRepeat()
{
    press(kF19Keycode, true);
    QTRY_VERIFY(m_events.count(vk::F19, true) >= 2);  // repeating
    m_listener.stop();
    const size_t reports = m_events.seen.size();
    QTest::qWait(150);
    QCOMPARE(m_events.seen.size(), reports);

    // Restarted, the key still down is not repeated: its press was missed.
    QVERIFY(m_listener.start());
    QTest::qWait(kDelayMs + 100);
    QCOMPARE(m_events.seen.size(), reports);
}

void TestX11HeldKeys::keysTheServerDoesNotRepeatAreNotRepeated()
{
    // F19 alone loses auto-repeat (core protocol, per key).
    XKeyboardControl control;
    control.key = int(kF19Keycode);
    control.auto_repeat_mode = AutoRepeatModeOff;
    XChangeKeyboardControl(m_keyboard, KBKey | KBAutoRepeatMode, &control);
    XSync(m_keyboard, False);
    QTest::qWait(50);
    press(kF19Keycode, true);
    press(kF20Keycode, true);
    QTest::qWait(kDelayMs + 150);
    QCOMPARE(m_events.count(vk::F19, true), 1);
    QVERIFY(m_events.count(vk::F20, true) >= 3);
    press(kF19Keycode, false);
    press(kF20Keycode, false);

    // Auto-repeat switched off for the whole keyboard.
    XkbChangeEnabledControls(m_keyboard, XkbUseCoreKbd, XkbRepeatKeysMask, 0);
    XSync(m_keyboard, False);
    QTest::qWait(50);
    m_events.seen.clear();
    press(kF20Keycode, true);
    QTest::qWait(kDelayMs + 150);
    QCOMPARE(m_events.count(vk::F20, true), 1);
}

QTEST_GUILESS_MAIN(TestX11HeldKeys)
#include "test_x11_held_keys.moc"
