// The capture tool on two X screens of different scale factors (1.5 and 2),
// driven like a user with XTest: what it hands to text recognition is
// compared, pixel for pixel, with what the X server itself shows there.
// Needs own_display.sh with OWN_DISPLAY_XVFB_ARGS giving two X screens.

#include "support/test_pattern.h"
#include "support/x11_pixels.h"
#include "widget/capture/camainwindow.h"
#include "widget/capture/screenview.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

// Last: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

// The pattern windows, one on each screen, in device pixels.
const QRect kPatternArea(100, 80, 300, 200);

QString inAppDir(const char *name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

}  // namespace

class ScreenCaptureE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void selectionIsWhatTheScreenShows_data();
    void selectionIsWhatTheScreenShows();
    void escapeClosesEveryOverlay();
    void clickWithoutDragWritesNothingAndSaysSo();

private:
    void moveTo(int screen, int x, int y);
    void button(unsigned int button, bool down);
    void key(KeySym symbol);
    bool overlaysShown(CaMainWindow &tool, int count);

    Display *m_display = nullptr;
    QProcess m_patterns[2];
};

void ScreenCaptureE2E::initTestCase()
{
    m_display = XOpenDisplay(nullptr);
    QVERIFY2(m_display, "needs an X display (run it through tests/support/own_display.sh)");
    QCOMPARE(ScreenCount(m_display), 2);
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QCOMPARE(screens[0]->devicePixelRatio(), 1.5);
    QCOMPARE(screens[1]->devicePixelRatio(), 2.0);

    // Another application on each screen, at its device resolution.
    const QString display = QString::fromLatin1(DisplayString(m_display)).section('.', 0, 0);
    for (int screen = 0; screen < 2; ++screen) {
        QProcess &client = m_patterns[screen];
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display + QLatin1Char('.') + QString::number(screen));
        client.setProcessEnvironment(env);
        client.start(QStringLiteral(PATTERN_CLIENT),
                     {QString::number(kPatternArea.x()), QString::number(kPatternArea.y()),
                      QString::number(kPatternArea.width()), QString::number(kPatternArea.height())});
        QVERIFY(client.waitForReadyRead(10000));
        QCOMPARE(client.readAllStandardOutput().trimmed(), QByteArray("ready"));
        const QImage expected = TestPattern::image(kPatternArea.size());
        QTRY_VERIFY_WITH_TIMEOUT(X11Pixels::grabRoot(m_display, screen, kPatternArea) == expected, 5000);
    }
}

void ScreenCaptureE2E::cleanupTestCase()
{
    for (QProcess &client : m_patterns) {
        client.kill();
        client.waitForFinished();
    }
    if (m_display)
        XCloseDisplay(m_display);
}

void ScreenCaptureE2E::init()
{
    // Nothing from an earlier run counts.
    QFile::remove(inAppDir("ocr.png"));
    QFile::remove(inAppDir(".Quillshot-config"));
}

void ScreenCaptureE2E::moveTo(int screen, int x, int y)
{
    // XTest only switches screens, without moving there: warp first.
    XWarpPointer(m_display, None, RootWindow(m_display, screen), 0, 0, 0, 0, x, y);
    XTestFakeMotionEvent(m_display, screen, x, y, CurrentTime);
    XFlush(m_display);
    QTest::qWait(20);
}

void ScreenCaptureE2E::button(unsigned int number, bool down)
{
    XTestFakeButtonEvent(m_display, number, down ? True : False, CurrentTime);
    XFlush(m_display);
    QTest::qWait(20);
}

void ScreenCaptureE2E::key(KeySym symbol)
{
    const KeyCode code = XKeysymToKeycode(m_display, symbol);
    XTestFakeKeyEvent(m_display, code, True, CurrentTime);
    XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    XFlush(m_display);
}

bool ScreenCaptureE2E::overlaysShown(CaMainWindow &tool, int count)
{
    if (tool.overlays().size() != count)
        return false;
    for (ScreenView *view : tool.overlays()) {
        if (!QTest::qWaitForWindowExposed(view))
            return false;
    }
    QTest::qWait(50);  // the keyboard grab follows the map
    return true;
}

void ScreenCaptureE2E::selectionIsWhatTheScreenShows_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QRect>("area");  // device pixels, dragged from corner to corner
    // Odd device pixels: fractions of logical pixels at both scales.
    QTest::newRow("second screen, scale 2") << 1 << QRect(151, 101, 200, 131);
    QTest::newRow("first screen, scale 1.5") << 0 << QRect(151, 101, 199, 130);
    QTest::newRow("first screen, over the window's edge") << 0 << QRect(37, 61, 103, 89);
}

void ScreenCaptureE2E::selectionIsWhatTheScreenShows()
{
    QFETCH(int, screen);
    QFETCH(QRect, area);
    const QImage shown = X11Pixels::grabRoot(m_display, screen, area);
    QVERIFY(!shown.isNull());

    CaMainWindow tool;
    QSignalSpy transfer(&tool, &CaMainWindow::onSignalsTransferButtonClicked);
    QSignalSpy failed(&tool, &CaMainWindow::captureFailed);
    tool.startScreen();
    QVERIFY(overlaysShown(tool, 2));
    ScreenView *pressed = tool.overlays().at(screen);
    QCOMPARE(pressed->targetScreen(), QGuiApplication::screens().at(screen));

    moveTo(screen, area.left(), area.top());
    button(1, true);
    // The first press already put the other screen's overlay away.
    QTRY_COMPARE(tool.overlays().size(), 1);
    QCOMPARE(tool.overlays().at(0), pressed);
    moveTo(screen, area.center().x(), area.center().y());
    moveTo(screen, area.left() + area.width(), area.top() + area.height());
    button(1, false);
    QTRY_COMPARE(pressed->captureState(), ScreenView::Selected);

    key(XK_o);
    QTRY_COMPARE(transfer.count(), 1);
    QCOMPARE(transfer.at(0).at(0).toInt(), 2);
    QCOMPARE(failed.count(), 0);
    QTRY_VERIFY(tool.overlays().isEmpty());

    QImage saved(inAppDir("ocr.png"));
    QCOMPARE(saved.size(), area.size());
    saved = saved.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            if (saved.pixel(x, y) != shown.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
        }
    }
}

void ScreenCaptureE2E::escapeClosesEveryOverlay()
{
    CaMainWindow tool;
    QSignalSpy transfer(&tool, &CaMainWindow::onSignalsTransferButtonClicked);
    tool.startScreen();
    QVERIFY(overlaysShown(tool, 2));
    tool.startScreen();  // already open: nothing more
    QCOMPARE(tool.overlays().size(), 2);

    key(XK_Escape);
    QTRY_VERIFY(tool.overlays().isEmpty());
    QCOMPARE(transfer.count(), 0);
    QVERIFY(!QFile::exists(inAppDir("ocr.png")));
}

void ScreenCaptureE2E::clickWithoutDragWritesNothingAndSaysSo()
{
    CaMainWindow tool;
    QSignalSpy transfer(&tool, &CaMainWindow::onSignalsTransferButtonClicked);
    QSignalSpy failed(&tool, &CaMainWindow::captureFailed);
    tool.startScreen();
    QVERIFY(overlaysShown(tool, 2));

    moveTo(0, 500, 400);
    button(1, true);
    button(1, false);
    QTRY_COMPARE(tool.overlays().size(), 1);
    QTRY_COMPARE(tool.overlays().at(0)->captureState(), ScreenView::Selected);
    key(XK_o);
    QTRY_COMPARE(failed.count(), 1);
    QVERIFY(!failed.at(0).at(0).toString().isEmpty());
    QTRY_VERIFY(tool.overlays().isEmpty());
    QCOMPARE(transfer.count(), 0);
    QVERIFY(!QFile::exists(inAppDir("ocr.png")));
}

int main(int argc, char *argv[])
{
    // Two screens of different density, before Qt reads its screens.
    qputenv("QT_SCREEN_SCALE_FACTORS", "1.5;2");
    QApplication app(argc, argv);
    ScreenCaptureE2E test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_screen_capture_e2e.moc"
