// Screenshot text recognition end to end on two X screens of different scale
// factors (1.5 and 2), driven like a user with XTest: the control center opens
// the capture tool, the image the OCR stand-in receives is compared pixel for
// pixel with what the X server itself shows there, and the recognised text
// (and its translation) reach the result window.
// Needs own_display.sh with OWN_DISPLAY_XVFB_ARGS giving two X screens.

#include "business/funcontrolcenter.h"
#include "core/config/endpoints.h"
#include "core/ocr/microsoftocr.h"
#include "core/setting/inifileinf.h"
#include "core/translator/microsofttranslator.h"
#include "curl/curlwrapper.h"
#include "fakes/ocr_servers.h"
#include "fakes/translator_servers.h"
#include "sim/hidsim.h"
#include "support/test_pattern.h"
#include "support/x11_pixels.h"
#include "widget/capture/camainwindow.h"
#include "widget/capture/screenview.h"
#include "widget/iconfont/iconfont.h"
#include "widget/tradialogue.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include <curl/curl.h>

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
    void click(int screen, QWidget *widget);
    bool overlaysShown(CaMainWindow &tool, int count);

    Display *m_display = nullptr;
    QProcess m_patterns[2];
    AzureOcrServer m_ocr;
    MicrosoftTranslatorServer m_translator;
    std::shared_ptr<FunControlCenter> m_center;
    CaMainWindow *m_tool = nullptr;
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

    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    QVERIFY(IconFont::instance().initFontAwesome());
    QVERIFY(m_ocr.listen() && m_translator.listen());
    m_ocr.setKey(QStringLiteral("e2eocrkey"));
    m_ocr.setText(QStringLiteral("Quarterly figures"));
    m_translator.setKey(QStringLiteral("e2etrkey"), BuiltInCredentials::translatorMicrosoftRegion());
    qputenv("TALKVANE_URL_OCR_AZURE", m_ocr.url().toUtf8());
    qputenv("TALKVANE_URL_TRANSLATOR_MICROSOFT", m_translator.url().toUtf8());
    IniFileInf::saveAllConfig({{"country", "us"}, {"ocrtargetlangstr", "de"}});
    hidsim_reset();
    m_center = FunControlCenter::getInstance();
    m_center->microsoftOcr()->setKeys({}, QStringLiteral("e2eocrkey"), {});
    m_center->microsoftTranslator()->setKeys({}, QStringLiteral("e2etrkey"), {});
    m_tool = m_center->captureTool();

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
    curl_global_cleanup();
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

void ScreenCaptureE2E::click(int screen, QWidget *widget)
{
    // XTest speaks the screen's device pixels; Qt's positions are logical.
    const QScreen *target = QGuiApplication::screens().at(screen);
    const QPointF logical = widget->mapToGlobal(widget->rect().center()) - target->geometry().topLeft();
    const QPoint device = (logical * target->devicePixelRatio()).toPoint();
    moveTo(screen, device.x(), device.y());
    button(1, true);
    button(1, false);
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
    QTest::addColumn<bool>("translate");  // the toolbar's translate button, else key O
    // Odd device pixels: fractions of logical pixels at both scales.
    QTest::newRow("second screen, scale 2") << 1 << QRect(151, 101, 200, 131) << false;
    // Clicked on the first screen only: with two X screens (not one screen
    // of two monitors, as desktops have) Qt 5 maps positions inside child
    // widgets of the second screen with the first screen's factor.
    QTest::newRow("first screen, scale 1.5, translated") << 0 << QRect(151, 101, 199, 130) << true;
    QTest::newRow("first screen, over the window's edge") << 0 << QRect(37, 61, 103, 89) << false;
}

void ScreenCaptureE2E::selectionIsWhatTheScreenShows()
{
    QFETCH(int, screen);
    QFETCH(QRect, area);
    QFETCH(bool, translate);
    const QImage shown = X11Pixels::grabRoot(m_display, screen, area);
    QVERIFY(!shown.isNull());
    const int ocrRequests = m_ocr.requestCount();
    const int translations = m_translator.requestCount();
    QSignalSpy failed(m_tool, &CaMainWindow::captureFailed);
    QSignalSpy recognised(m_center.get(), &FunControlCenter::ocrCallback);
    QSignalSpy translated(m_center.get(), &FunControlCenter::ocrTraCallback);
    QSignalSpy finished(m_center.get(), &FunControlCenter::finishTask);
    auto window = TraDialogue::instance();
    window->hide();

    m_center->startScreenOcr();
    QVERIFY(overlaysShown(*m_tool, 2));
    ScreenView *pressed = m_tool->overlays().at(screen);
    QCOMPARE(pressed->targetScreen(), QGuiApplication::screens().at(screen));

    moveTo(screen, area.left(), area.top());
    button(1, true);
    // The first press already put the other screen's overlay away.
    QTRY_COMPARE(m_tool->overlays().size(), 1);
    QCOMPARE(m_tool->overlays().at(0), pressed);
    moveTo(screen, area.center().x(), area.center().y());
    moveTo(screen, area.left() + area.width(), area.top() + area.height());
    button(1, false);
    QTRY_COMPARE(pressed->captureState(), ScreenView::Selected);

    if (translate) {
        QPushButton *button = nullptr;
        for (QPushButton *b : pressed->findChildren<QPushButton *>()) {
            if (b->toolTip() == QStringLiteral("翻译(T)"))
                button = b;
        }
        QVERIFY(button && button->isVisible());
        click(screen, button);
    } else {
        key(XK_o);
    }
    QTRY_VERIFY(m_tool->overlays().isEmpty());
    QCOMPARE(failed.count(), 0);

    // What was sent is what the screen showed, at its own density.
    QTRY_COMPARE_WITH_TIMEOUT(m_ocr.requestCount(), ocrRequests + 1, 5000);
    QCOMPARE(m_ocr.lastRefusal(), QString());
    QImage sent = QImage::fromData(m_ocr.lastImage(), "PNG");
    QCOMPARE(sent.size(), area.size());
    sent = sent.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            if (sent.pixel(x, y) != shown.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
        }
    }

    QTRY_COMPARE(recognised.count(), 1);
    QCOMPARE(window->sourceText(), QStringLiteral("Quarterly figures"));
    QVERIFY(window->isVisible());
    // The scene ends after the translation, if any: nothing is left in flight.
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
    QCOMPARE(translated.count(), translate ? 1 : 0);
    QCOMPARE(window->targetShown(), translate);
    if (translate)
        QCOMPARE(window->targetText(), QStringLiteral("[de] Quarterly figures"));
    QCOMPARE(m_translator.requestCount(), translations + (translate ? 1 : 0));
}

void ScreenCaptureE2E::escapeClosesEveryOverlay()
{
    QSignalSpy transfer(m_tool, &CaMainWindow::onSignalsTransferButtonClicked);
    m_center->startScreenOcr();
    QVERIFY(overlaysShown(*m_tool, 2));
    m_center->startScreenOcr();  // already open: nothing more
    QCOMPARE(m_tool->overlays().size(), 2);

    key(XK_Escape);
    QTRY_VERIFY(m_tool->overlays().isEmpty());
    QCOMPARE(transfer.count(), 0);
    QVERIFY(!QFile::exists(inAppDir("ocr.png")));
}

void ScreenCaptureE2E::clickWithoutDragWritesNothingAndSaysSo()
{
    QSignalSpy transfer(m_tool, &CaMainWindow::onSignalsTransferButtonClicked);
    QSignalSpy failed(m_tool, &CaMainWindow::captureFailed);
    const int ocrRequests = m_ocr.requestCount();
    m_center->startScreenOcr();
    QVERIFY(overlaysShown(*m_tool, 2));

    moveTo(0, 500, 400);
    button(1, true);
    button(1, false);
    QTRY_COMPARE(m_tool->overlays().size(), 1);
    QTRY_COMPARE(m_tool->overlays().at(0)->captureState(), ScreenView::Selected);
    key(XK_o);
    QTRY_COMPARE(failed.count(), 1);
    const QString message = failed.at(0).at(0).toString();
    QVERIFY(!message.isEmpty());
    QTRY_VERIFY(m_tool->overlays().isEmpty());
    QCOMPARE(transfer.count(), 0);
    QVERIFY(!QFile::exists(inAppDir("ocr.png")));
    // The user is told, and nothing is sent.
    QCOMPARE(TraDialogue::instance()->sourceText(), message);
    QVERIFY(TraDialogue::instance()->isVisible());
    QTest::qWait(FunControlCenter::kOcrStartDelayMs + 200);
    QCOMPARE(m_ocr.requestCount(), ocrRequests);
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
