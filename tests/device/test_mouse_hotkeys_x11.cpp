// The mouse's buttons as the hardware sends them: function-key events by
// keycode on a real X server, through the hot key (or, when another client
// holds the key, through keyboard listening) to the mouse's key signals.

#include "core/key/myglobalshortcut.h"
#include "global_listen/globalmouse.h"
#include "key_recorder.h"

#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {
constexpr int kF19Keycode = 197;  // evdev KEY_F19 + 8
}

class MouseHotKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void heldButtonBecomesPressAndRelease();

private:
    void pressF19(int times);
    Display *m_display = nullptr;  // the "hardware": another X client
};

void MouseHotKeysTest::initTestCase()
{
    m_display = XOpenDisplay(nullptr);
    QVERIFY2(m_display, "needs an X display (run under xvfb-run)");
#ifdef KEY_HELD_ELSEWHERE
    // Someone else (say the desktop's microphone-mute binding) has the key.
    XGrabKey(m_display, kF19Keycode, 0, DefaultRootWindow(m_display), False, GrabModeAsync,
             GrabModeAsync);
    XSync(m_display, False);
#endif
}

void MouseHotKeysTest::cleanupTestCase()
{
    if (m_display)
        XCloseDisplay(m_display);
}

void MouseHotKeysTest::pressF19(int times)
{
    // Press and release pairs, as auto-repeat of a held key arrives.
    for (int i = 0; i < times; ++i) {
        XTestFakeKeyEvent(m_display, kF19Keycode, True, CurrentTime);
        XTestFakeKeyEvent(m_display, kF19Keycode, False, CurrentTime);
        XFlush(m_display);
        QTest::qWait(40);
    }
}

void MouseHotKeysTest::heldButtonBecomesPressAndRelease()
{
    MouseDevice *mouse = MouseDevice::instance().get();
    MyGlobalShortCut *f19 = nullptr;
    for (auto *s : mouse->findChildren<MyGlobalShortCut *>())
        if (s->virtualKey() == 0x82)
            f19 = s;
    QVERIFY(f19);
#ifdef KEY_HELD_ELSEWHERE
    QVERIFY(!f19->isRegistered());
    QVERIFY(GlobalMouse::instance()->installKeyboardHook());
#else
    QVERIFY(f19->isRegistered());
#endif
    mouse->model = QStringLiteral("PX08");
    mouse->isShort130 = 0;
    KeyRecorder keys(mouse);

    pressF19(5);
    QTRY_COMPARE_WITH_TIMEOUT(keys.events.value(0), QStringLiteral("130(0)"), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(keys.events, (QStringList{"130(0)", "130Over(5)"}), 3000);
}

QTEST_GUILESS_MAIN(MouseHotKeysTest)
#include "test_mouse_hotkeys_x11.moc"
