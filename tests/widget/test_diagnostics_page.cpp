// The diagnostics page: the log window shows what is logged on any thread
// while it is open, its choices reroute the log, the mouse's information is
// shown, and the capture tools work on the files beside the executable.

#include "core/device/mousedevice.h"
#include "core/log/message_handlers.h"
#include "debug.h"
#include "support/files.h"
#include "support/recording/recording_backends.h"
#include "utils/app_paths.h"
#include "widget/diagnostics/log_widget.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

class DiagnosticsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void logWindowShowsLinesFromAnyThreadWhileOpen();
    void logWindowChoicesRouteTheLog();
    void deviceInfoIsShown();
    void captureToolsUseTheFilesBesideTheExecutable();

private:
    Debug *m_page = nullptr;
    QtMessageHandler m_before = nullptr;
};

void DiagnosticsPageTest::initTestCase()
{
    platform::recording::install();  // no hot keys or devices of the session
    m_page = new Debug;
    QVERIFY(LogWidget::instance() == m_page->logWindow());
}

void DiagnosticsPageTest::logWindowShowsLinesFromAnyThreadWhileOpen()
{
    QFile::remove(LogFile::path());
    routeLogToFile(true);
    LogWidget *window = m_page->logWindow();
    m_page->findChild<QPushButton *>(QStringLiteral("pushButtonLogWindow"))->click();
    QVERIFY(window->isVisible());

    QtConcurrent::run([] { qInfo("from a worker 51c2"); }).waitForFinished();
    QTRY_VERIFY(window->text().contains(QStringLiteral("from a worker 51c2")));
    // The file keeps everything the window shows.
    QVERIFY(TestFiles::readAll(LogFile::path()).contains("from a worker 51c2"));

    // Closed, it collects nothing.
    window->hide();
    qInfo("while closed 51c2");
    window->show();
    QTest::qWait(LogWidget::kFlushMs * 2);
    QVERIFY(!window->text().contains(QStringLiteral("while closed 51c2")));

    window->findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
    QVERIFY(window->text().isEmpty());
    // A window that has grown past its limit starts over rather than growing on.
    const QString line = QString(99, QLatin1Char('x')) + QLatin1Char('\n');
    window->showLog(line.repeated(LogWidget::kMaxChars / line.size() + 1));
    window->showLog(QStringLiteral("fresh"));
    QCOMPARE(window->text(), QStringLiteral("fresh"));
    window->hide();
}

void DiagnosticsPageTest::logWindowChoicesRouteTheLog()
{
    QFile::remove(LogFile::path());
    LogWidget *window = m_page->logWindow();
    window->findChild<QRadioButton *>(QStringLiteral("radioButton_ToDebug"))->click();
    qWarning("to standard error 9d04");
    window->findChild<QRadioButton *>(QStringLiteral("radioButton_ToFile"))->click();
    qWarning("to the file 9d04");
    // The software page's switch arrives here through the main window.
    m_page->logSwitch(false);
    qWarning("switched off 9d04");
    const QByteArray text = TestFiles::readAll(LogFile::path());
    QVERIFY(!text.contains("to standard error 9d04"));
    QVERIFY(text.contains("to the file 9d04"));
    QVERIFY(!text.contains("switched off 9d04"));
}

void DiagnosticsPageTest::deviceInfoIsShown()
{
    QSignalSpy info(m_page, &Debug::receiveMouseInfo);
    QByteArray reply = QByteArray::fromHex("a55a0c5406" "0a0b0c0d0e0f" "112233445566" "0004");
    reply.append(QByteArray(64 - reply.size(), '\0'));
    MouseDevice::instance()->analysisData(reply);
    const QString shown = m_page->findChild<QLabel *>(QStringLiteral("labelDeviceInfo"))->text();
    QVERIFY2(shown.contains(QStringLiteral("sn: 0a0b0c0d0e0f")), qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("A1.0")));
    QCOMPARE(info.count(), 1);
}

void DiagnosticsPageTest::captureToolsUseTheFilesBesideTheExecutable()
{
    // Started from elsewhere, the tools still find the mouse's recording.
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    const QString pcm = AppPaths::inDataDir(QStringLiteral("sound.pcm"));
    const QString wav = AppPaths::inDataDir(QStringLiteral("soundformat.wav"));
    QFile::remove(wav);
    QVERIFY(TestFiles::writeRaw(pcm, QByteArray(3200, 1)));

    m_page->findChild<QPushButton *>(QStringLiteral("pushButtonPcmToWav"))->click();
    QDir::setCurrent(before);
    const QByteArray written = TestFiles::readAll(wav);
    QCOMPARE(written.size(), 44 + 3200);
    QVERIFY(written.startsWith("RIFF"));
    QVERIFY(!QFile::exists(elsewhere.filePath(QStringLiteral("soundformat.wav"))));
}

QTEST_MAIN(DiagnosticsPageTest)
#include "test_diagnostics_page.moc"
