#include "support/held_key.h"

#include <QElapsedTimer>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace TestKeys {

void holdKeycode(Display *display, int keycode, int ms)
{
    QElapsedTimer held;
    held.start();
    while (held.elapsed() < ms) {
        XTestFakeKeyEvent(display, unsigned(keycode), True, CurrentTime);
        XTestFakeKeyEvent(display, unsigned(keycode), False, CurrentTime);
        XFlush(display);
        QTest::qWait(40);
    }
}

}  // namespace TestKeys
