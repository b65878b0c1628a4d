// A mouse button really held down: F19 pressed by keycode and let go
// seconds later, as the hardware does, on a real X server. Through the hot
// key the server's auto-repeat keeps the button alive; through keyboard
// listening (another client holds the key) raw events carry no repeats,
// and the button must still look the same to the mouse's key timing.

#include "core/key/myglobalshortcut.h"
#include "global_listen/globalmouse.h"
#include "key_recorder.h"

#include <QtTest>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {
constexpr int kF19Keycode = 197;  // evdev KEY_F19 + 8
constexpr int kReleaseAfterMs = 1000;  // the mouse's key timer
}  // namespace

class MouseHeldKeyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void longPressEndsOnlyAfterTheButtonIsLetGo();
    void holdInShortClickModeIsNoShortClick();

private:
    // Holds F19 for ms; returns the recorder's time of the key-up and what
    // the mouse had emitted just before it.
    qint64 holdF19(KeyRecorder &keys, int ms, QStringList &beforeRelease);
    // What the server's auto-repeat gives a hot key held for ms.
    int activationsFor(int ms) const { return 2 + (ms - m_repeatDelay) / m_repeatInterval; }
    void verifyEnd(const KeyRecorder &keys, qint64 releasedAt, int heldMs);

    Display *m_display = nullptr;  // the "hardware", and the rival holding F19
    MouseDevice *m_mouse = nullptr;
    int m_repeatDelay = 660, m_repeatInterval = 40;
};

void MouseHeldKeyTest::initTestCase()
{
    m_display = XOpenDisplay(nullptr);
    QVERIFY2(m_display, "needs an X display (run it through tests/support/own_display.sh)");
    XkbDescPtr xkb = XkbAllocKeyboard();
    QVERIFY(xkb);
    xkb->device_spec = XkbUseCoreKbd;
    QCOMPARE(XkbGetControls(m_display, XkbRepeatKeysMask | XkbControlsEnabledMask, xkb), Success);
    QVERIFY2(xkb->ctrls->enabled_ctrls & XkbRepeatKeysMask, "the server does not auto-repeat");
    m_repeatDelay = xkb->ctrls->repeat_delay;
    m_repeatInterval = xkb->ctrls->repeat_interval;
    XkbFreeKeyboard(xkb, 0, True);
#ifdef KEY_HELD_ELSEWHERE
    // Someone else (say the desktop's microphone-mute binding) has the key.
    XGrabKey(m_display, kF19Keycode, 0, DefaultRootWindow(m_display), False, GrabModeAsync,
             GrabModeAsync);
#endif
    XSync(m_display, False);

    m_mouse = MouseDevice::instance().get();
    MyGlobalShortCut *f19 = nullptr;
    for (auto *s : m_mouse->findChildren<MyGlobalShortCut *>())
        if (s->virtualKey() == 0x82)
            f19 = s;
    QVERIFY(f19);
#ifdef KEY_HELD_ELSEWHERE
    QVERIFY(!f19->isRegistered());
#else
    QVERIFY(f19->isRegistered());
#endif
    // Listening runs on both paths, as in the application: a key we hold
    // as a hot key is heard there too and must not count twice.
    QVERIFY(GlobalMouse::instance()->installKeyboardHook());
    m_mouse->model = QStringLiteral("PX08");
    m_mouse->productName.clear();
}

void MouseHeldKeyTest::cleanupTestCase()
{
    if (m_display) {
        XTestFakeKeyEvent(m_display, kF19Keycode, False, CurrentTime);
        XCloseDisplay(m_display);
    }
}

qint64 MouseHeldKeyTest::holdF19(KeyRecorder &keys, int ms, QStringList &beforeRelease)
{
    XTestFakeKeyEvent(m_display, kF19Keycode, True, CurrentTime);
    XFlush(m_display);
    QTest::qWait(ms);
    beforeRelease = keys.events;
    XTestFakeKeyEvent(m_display, kF19Keycode, False, CurrentTime);
    XFlush(m_display);
    return keys.now();
}

void MouseHeldKeyTest::verifyEnd(const KeyRecorder &keys, qint64 releasedAt, int heldMs)
{
    const QString end = keys.events.value(1);
    QVERIFY2(end.startsWith(QLatin1String("130Over(")), qPrintable(keys.events.join(' ')));
    // The end follows the last activation, which came while the key was down.
    const qint64 after = keys.times.value(1) - releasedAt;
    QVERIFY2(after >= kReleaseAfterMs - 150 && after <= kReleaseAfterMs + 400,
             qPrintable(QStringLiteral("end %1 ms after the key-up").arg(after)));
    // The count is the burst's activations: the server's repeats, once each.
    const int count = end.mid(8).chopped(1).toInt();
    const int expected = activationsFor(heldMs);
    qInfo() << "activations" << count << "expected" << expected << "end after key-up" << after;
    QVERIFY2(count >= expected / 2 && count <= expected + expected / 5 + 2,
             qPrintable(QStringLiteral("%1 activations, %2 expected").arg(count).arg(expected)));
    QTest::qWait(300);
    QCOMPARE(keys.events.size(), 2);  // exactly one end
}

void MouseHeldKeyTest::longPressEndsOnlyAfterTheButtonIsLetGo()
{
    m_mouse->isShort130 = 0;
    KeyRecorder keys(m_mouse);
    QStringList held;
    const qint64 releasedAt = holdF19(keys, 3000, held);
    QCOMPARE(held, QStringList{"130(0)"});
    QVERIFY2(keys.times.value(0) < 300, "the long press starts when the button goes down");
    QTRY_COMPARE_WITH_TIMEOUT(keys.events.size(), 2, kReleaseAfterMs + 1000);
    verifyEnd(keys, releasedAt, 3000);
}

void MouseHeldKeyTest::holdInShortClickModeIsNoShortClick()
{
    // Past the key timer: a hold that counted as one activation would be
    // taken for a short click after a second.
    const int holdMs = 2000;
    m_mouse->isShort130 = 1;
    KeyRecorder keys(m_mouse);
    QStringList held;
    const qint64 releasedAt = holdF19(keys, holdMs, held);
    QCOMPARE(held, QStringList{"130(1)"});
    // The press comes with the first repeat.
    QVERIFY2(qAbs(keys.times.value(0) - m_repeatDelay) < 300,
             qPrintable(QStringLiteral("press at %1 ms").arg(keys.times.value(0))));
    QTRY_COMPARE_WITH_TIMEOUT(keys.events.size(), 2, kReleaseAfterMs + 1000);
    verifyEnd(keys, releasedAt, holdMs);
}

QTEST_GUILESS_MAIN(MouseHeldKeyTest)
#include "test_mouse_held_key_x11.moc"
