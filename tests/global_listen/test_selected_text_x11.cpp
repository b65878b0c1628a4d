// Selected-text capture end to end on a real X server: the main window with
// "screenword" on, another X client with a text field beside it, the user's
// mouse played with XTest. The client keeps the keyboard focus throughout.

#include "business/funcontrolcenter.h"
#include "core/config/endpoints.h"
#include "core/translator/microsofttranslator.h"
#include "curl/curlwrapper.h"
#include "fakes/translator_servers.h"
#include "global_listen/clipboard_copy.h"
#include "global_listen/globalmouse.h"
#include "core/setting/inifileinf.h"
#include "mainwindow.h"
#include "sim/hidsim.h"
#include "trasetting.h"
#include "widget/floating_translate_button.h"
#include "widget/iconfont/iconfont.h"
#include "widget/kit/switchbutton.h"
#include "widget/tradialogue.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <curl/curl.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {
// Where the client puts its field (there is no window manager to move it).
constexpr int kFieldLeft = 100, kFieldTop = 200, kFieldWidth = 400;
}  // namespace

class SelectedTextX11Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void dragOffersTheButtonAndPressingItShowsTheSelection();
    void withoutPrimaryTheCopyIsTakenAndTheClipboardKept();
    void withNothingSelectedNothingIsCaptured();
    void switchingOffRemovesTheHookAtOnce();

private:
    void command(const QString &line);
    QStringList clipboardSeenByClient();
    void drag(int fromX, int toX, int y);
    void click(QPoint at);
    Window focus() const;
    FloatingTranslateButton *button() const;

    Display *m_display = nullptr;
    MainWindow *m_window = nullptr;
    QProcess m_client;
    MicrosoftTranslatorServer m_translator;
    Window m_clientFocus = 0;
    QTemporaryDir m_dir;
};

void SelectedTextX11Test::initTestCase()
{
    m_display = XOpenDisplay(nullptr);
    QVERIFY2(m_display, "needs an X display (run it through tests/support/own_display.sh)");
    QVERIFY(IconFont::instance().initFontAwesome());
    QApplication::setQuitOnLastWindowClosed(false);
    IniFileInf::set_keydefine(QStringLiteral("screenword"), QStringLiteral("1"));
    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("us"));
    IniFileInf::set_keydefine(QStringLiteral("screentranlangstr"), QStringLiteral("de"));
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    QVERIFY(m_translator.listen());
    m_translator.setKey(QStringLiteral("mskey"), BuiltInCredentials::translatorMicrosoftRegion());
    qputenv("TALKVANE_URL_TRANSLATOR_MICROSOFT", m_translator.url().toUtf8());
    hidsim_reset();
    m_window = new MainWindow;
    FunControlCenter::getInstance()->microsoftTranslator()->setKeys({}, QStringLiteral("mskey"), {});
    QVERIFY(GlobalMouse::instance()->isMouseHookInstalled());

    m_client.start(QStringLiteral(SELECTION_CLIENT), QStringList());
    QVERIFY(m_client.waitForReadyRead(10000));
    QCOMPARE(m_client.readAllStandardOutput().trimmed(), QByteArray("ready"));
    m_clientFocus = focus();
}

void SelectedTextX11Test::cleanupTestCase()
{
    m_client.closeWriteChannel();
    m_client.waitForFinished(2000);
    delete m_window;
    if (m_display)
        XCloseDisplay(m_display);
}

void SelectedTextX11Test::command(const QString &line)
{
    m_client.write((line + QLatin1Char('\n')).toUtf8());
    // The event loop keeps running: the client may be asking us for data.
    QByteArray answer;
    QTRY_VERIFY_WITH_TIMEOUT((answer += m_client.readAllStandardOutput()).contains("ok"), 3000);
}

// Every line of before (text, then formats with size and hash) is in after:
// the owner may offer a format under more names than before.
bool keepsEverything(const QStringList &before, const QStringList &after)
{
    if (before.value(0) != after.value(0)) {
        qWarning() << "before" << before << "after" << after;
        return false;
    }
    for (const QString &line : before) {
        if (!after.contains(line)) {
            qWarning() << "missing" << line << "in" << after;
            return false;
        }
    }
    return true;
}

QStringList SelectedTextX11Test::clipboardSeenByClient()
{
    const QString path = m_dir.filePath(QStringLiteral("clipboard.txt"));
    QFile::remove(path);
    command(QStringLiteral("dump ") + path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!lines.isEmpty()) {
        const QString text = lines.takeFirst();
        lines.sort();
        lines.prepend(text);
    }
    return lines;
}

void SelectedTextX11Test::drag(int fromX, int toX, int y)
{
    XTestFakeMotionEvent(m_display, -1, fromX, y, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XSync(m_display, False);
    QTest::qWait(30);
    for (int x = fromX; x <= toX; x += 40) {
        XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
        XSync(m_display, False);
        QTest::qWait(5);
    }
    XTestFakeMotionEvent(m_display, -1, toX, y, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XSync(m_display, False);
}

void SelectedTextX11Test::click(QPoint at)
{
    XTestFakeMotionEvent(m_display, -1, at.x(), at.y(), CurrentTime);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XSync(m_display, False);
}

Window SelectedTextX11Test::focus() const
{
    Window window = 0;
    int revert = 0;
    XGetInputFocus(m_display, &window, &revert);
    return window;
}

FloatingTranslateButton *SelectedTextX11Test::button() const
{
    return m_window->findChild<FloatingTranslateButton *>();
}

void SelectedTextX11Test::dragOffersTheButtonAndPressingItShowsTheSelection()
{
    command(QStringLiteral("text hello world"));
    command(QStringLiteral("unselect"));
    const int y = kFieldTop + 20;
    QSignalSpy clipboardChanges(QApplication::clipboard(), &QClipboard::dataChanged);
    drag(kFieldLeft + 2, kFieldLeft + kFieldWidth - 10, y);

    QTRY_VERIFY_WITH_TIMEOUT(button()->isVisible(), 2000);
    QCOMPARE(GlobalMouse::instance()->selectedText(), QStringLiteral("hello world"));
    QCOMPARE(clipboardChanges.count(), 0);  // read without a copy
    // Beside the pointer: to its right and above it.
    const QRect at = button()->geometry();
    QCOMPARE(at.left(), kFieldLeft + kFieldWidth);
    QCOMPARE(at.bottom() + 1, y - 10);
    QCOMPARE(focus(), m_clientFocus);

    click(button()->mapToGlobal(button()->rect().center()));
    auto card = TraDialogue::instance();
    QTRY_COMPARE_WITH_TIMEOUT(card->sourceText(), QStringLiteral("hello world"), 2000);
    // Translated by the translation stand-in, shown beside the selection.
    QTRY_COMPARE_WITH_TIMEOUT(card->targetText(), QStringLiteral("[de] hello world"), 5000);
    QCOMPARE(m_translator.requests().size(), 1);
    QVERIFY(!button()->isVisible());
    QCOMPARE(focus(), m_clientFocus);
    card->hide();
}

void SelectedTextX11Test::withoutPrimaryTheCopyIsTakenAndTheClipboardKept()
{
    command(QStringLiteral("clipboard the user's own words"));
    const QStringList before = clipboardSeenByClient();
    QCOMPARE(before.value(0), QStringLiteral("the user's own words"));
    QVERIFY2(before.filter(QStringLiteral("image/png")).size() == 1, qPrintable(before.join('|')));

    command(QStringLiteral("private copied words"));
    QCOMPARE(GlobalMouse::instance()->GetSelectedTextWithRetry(0), QString());
    const auto release = [] {
        return std::make_shared<QMouseEvent>(QEvent::MouseButtonRelease, QPointF(300, 300),
                                             QPointF(300, 300), Qt::LeftButton, Qt::NoButton,
                                             Qt::NoModifier);
    };
    m_window->translationMouse(release());
    QTRY_VERIFY_WITH_TIMEOUT(button()->isVisible(), 3000);
    QCOMPARE(GlobalMouse::instance()->selectedText(), QStringLiteral("copied words"));
    QCOMPARE(focus(), m_clientFocus);

    // Talkvane keeps the clipboard and serves every format it held.
    QVERIFY(QApplication::clipboard()->ownsClipboard());
    QVERIFY(keepsEverything(before, clipboardSeenByClient()));

    // The same selection again through the copy offers no button.
    button()->hide();
    // Taken by Talkvane, by the client's copy, by Talkvane again.
    QSignalSpy changes(QApplication::clipboard(), &QClipboard::dataChanged);
    m_window->translationMouse(release());
    QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 3, 2000);
    QTest::qWait(50);
    QVERIFY(!button()->isVisible());
    QVERIFY(keepsEverything(before, clipboardSeenByClient()));
}

void SelectedTextX11Test::withNothingSelectedNothingIsCaptured()
{
    command(QStringLiteral("clipboard old clipboard text"));
    const QStringList before = clipboardSeenByClient();
    command(QStringLiteral("private some words"));
    command(QStringLiteral("unselect"));
    button()->hide();
    GlobalMouse::instance()->setSelectedText(QString());

    // Taken by Talkvane, given back when nobody copied.
    QSignalSpy changes(QApplication::clipboard(), &QClipboard::dataChanged);
    m_window->translationMouse(std::make_shared<QMouseEvent>(
        QEvent::MouseButtonRelease, QPointF(300, 300), QPointF(300, 300), Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier));
    QTRY_COMPARE_WITH_TIMEOUT(changes.count(), 2, 100 + ClipboardCopy::kWaitMs + 1000);
    QTest::qWait(50);
    QVERIFY(!button()->isVisible());
    QCOMPARE(GlobalMouse::instance()->selectedText(), QString());
    QVERIFY(keepsEverything(before, clipboardSeenByClient()));
}

void SelectedTextX11Test::switchingOffRemovesTheHookAtOnce()
{
    auto *page = m_window->findChild<TraSetting *>();
    QVERIFY(page && page->screenwordSwitch()->isChecked());
    command(QStringLiteral("text switched off"));
    command(QStringLiteral("unselect"));
    button()->hide();

    page->screenwordSwitch()->click();
    QVERIFY(!GlobalMouse::instance()->isMouseHookInstalled());
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("screenword")), QStringLiteral("0"));
    drag(kFieldLeft + 2, kFieldLeft + kFieldWidth - 10, kFieldTop + 20);
    QTest::qWait(250);  // a drag shows the button within about 150 ms
    QVERIFY(!button()->isVisible());

    page->screenwordSwitch()->click();
    QVERIFY(GlobalMouse::instance()->isMouseHookInstalled());
    drag(kFieldLeft + 2, kFieldLeft + kFieldWidth - 10, kFieldTop + 20);
    QTRY_VERIFY_WITH_TIMEOUT(button()->isVisible(), 2000);
    QCOMPARE(GlobalMouse::instance()->selectedText(), QStringLiteral("switched off"));
}

QTEST_MAIN(SelectedTextX11Test)
#include "test_selected_text_x11.moc"
