// "Show desktop" is asked of the window manager, the way a task bar asks:
// a _NET_SHOWING_DESKTOP request on the root window. Here the test plays the
// window manager and receives it.

#include "platform/desktop.h"

#include <QtTest>

#include <X11/Xlib.h>

class ShowDesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void requestReachesTheWindowManager();
};

void ShowDesktopTest::requestReachesTheWindowManager()
{
    Display *wm = XOpenDisplay(nullptr);
    QVERIFY2(wm, "needs an X display (run it through tests/support/own_display.sh)");
    const Window root = DefaultRootWindow(wm);
    XSelectInput(wm, root, SubstructureRedirectMask);
    XSync(wm, False);

    QVERIFY(platform::showDesktop());

    const Atom showing = XInternAtom(wm, "_NET_SHOWING_DESKTOP", False);
    bool seen = false;
    for (int i = 0; i < 100 && !seen; ++i) {
        while (XPending(wm)) {
            XEvent ev;
            XNextEvent(wm, &ev);
            if (ev.type == ClientMessage && ev.xclient.message_type == showing) {
                QCOMPARE(ev.xclient.data.l[0], 1L);
                seen = true;
            }
        }
        QTest::qWait(10);
    }
    QVERIFY(seen);
    XCloseDisplay(wm);
}

QTEST_GUILESS_MAIN(ShowDesktopTest)
#include "test_show_desktop.moc"
