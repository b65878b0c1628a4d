// Support and updates end to end, through the main window and the simulated
// receiver: a recording made from the diagnostics page and the log reach the
// storage stand-in under the mouse's own serial number, and a newer version
// announced by the package stand-in is downloaded whole and handed to the
// desktop's opener.

#include "build_config.h"
#include "core/log/message_handlers.h"
#include "core/setting/inifileinf.h"
#include "curl/curlwrapper.h"
#include "fakes/dictation_server.h"
#include "fakes/update_server.h"
#include "fakes/upload_servers.h"
#include "mainwindow.h"
#include "support/files.h"
#include "support/message_boxes.h"
#include "utils/app_paths.h"
#include "widget/iconfont/iconfont.h"
#include "widget/update/update_check.h"
#include "widget/update/updatedialogue.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <curl/curl.h>

namespace {
const QString kSerial = QStringLiteral("010203040506");  // the simulated mouse's
}

class DiagnosticsE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void aRecordingAndTheLogReachSupportUnderTheMousesSerial();
    void aNewerVersionIsDownloadedAndHandedToTheOpener();

private:
    template <typename T> T *find(const char *name) const
    {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }

    UploadServers m_upload;
    UpdateServer m_update;
    QTemporaryDir m_bin;
    MainWindow *m_window = nullptr;
};

void DiagnosticsE2E::initTestCase()
{
    QVERIFY(IconFont::instance().initFontAwesome());
    QApplication::setQuitOnLastWindowClosed(false);
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    DictationServer::trustTestCa();
    QVERIFY(m_upload.listen() && m_update.listen());
    qputenv("TALKVANE_URL_STORAGE_UPLOAD", m_upload.storageUrl().toUtf8());
    // As the start does with logging on.
    IniFileInf::set_keydefine(QStringLiteral("isLog"), QStringLiteral("1"));
    QFile::remove(LogFile::path());
    routeLogToFile(true);

    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // The mouse's serial number travels from the diagnostics page to the
    // software page, where the upload takes it.
    QTRY_COMPARE_WITH_TIMEOUT(find<QLabel>("labelSerial")->text(), kSerial, 5000);
}

void DiagnosticsE2E::cleanupTestCase()
{
    delete m_window;
    curl_global_cleanup();
}

void DiagnosticsE2E::aRecordingAndTheLogReachSupportUnderTheMousesSerial()
{
    qputenv("TALKVANE_URL_MANAGEMENT", m_upload.managementUrl().toUtf8());
    const QString pcm = AppPaths::inDataDir(QStringLiteral("sound.pcm"));
    find<QPushButton>("pushButtonStartRecord")->click();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(pcm).size() > 32000, 5000);  // a second of sound
    find<QPushButton>("pushButtonStopRecord")->click();
    // The reports already under way still arrive; then the file stays put.
    qint64 size = -1;
    QVERIFY(QTest::qWaitFor([&] {
        const qint64 now = QFileInfo(pcm).size();
        const bool settled = now == size;
        size = now;
        QTest::qWait(100);
        return settled;
    }, 5000));

    MessageBoxes::Answerer boxes;
    auto *upload = find<QPushButton>("pushButtonLogUpload");
    upload->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen(), QStringList(QStringLiteral("日志上传: 上传成功\n")), 10000);
    QTRY_VERIFY(upload->isEnabled());

    const auto uploads = m_upload.uploads();
    QCOMPARE(uploads.size(), 2);
    QCOMPARE(uploads[0].fileName, QStringLiteral("Log.txt"));
    QVERIFY(!uploads[0].bytes.isEmpty());
    QVERIFY(TestFiles::readAll(LogFile::path()).startsWith(uploads[0].bytes));
    QCOMPARE(uploads[1].fileName, QStringLiteral("sound.pcm"));
    QCOMPARE(uploads[1].bytes, TestFiles::readAll(pcm));
    for (const QUrlQuery &request : m_upload.tokenRequests())
        QVERIFY(request.queryItemValue(QStringLiteral("path")).endsWith(kSerial + QLatin1Char('/')));
    // Logging to the file goes on afterwards.
    qInfo("after the upload 2c7e");
    QVERIFY(TestFiles::readAll(LogFile::path()).contains("after the upload 2c7e"));
}

void DiagnosticsE2E::aNewerVersionIsDownloadedAndHandedToTheOpener()
{
    qputenv("TALKVANE_URL_MANAGEMENT", m_update.url().toUtf8());
    const QString record = m_bin.filePath(QStringLiteral("opened"));
    const QString opener = m_bin.filePath(QStringLiteral("xdg-open"));
    QVERIFY(TestFiles::writeRaw(
        opener, QStringLiteral("#!/bin/sh\necho \"$@\" >> %1\n").arg(record).toUtf8()));
    QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", m_bin.path().toUtf8() + ':' + qgetenv("PATH"));

    QByteArray package(256 * 1024, '\0');
    for (int i = 0; i < package.size(); ++i)
        package[i] = char(i * 7 + i / 251);
    m_update.setPackage(package);
    const qint64 running = UpdateCheck::versionNumber(QStringLiteral(TALKVANE_VERSION));
    m_update.setAnswer(
        UpdateServer::answer(running + 1, m_update.packageUrl(QStringLiteral("talkvane_next.deb"))));

    find<QPushButton>("pushButtonCheckUpdate")->click();
    UpdateDialogue *dialogue = UpdateDialogue::instance();
    auto *status = dialogue->findChild<QLabel *>(QStringLiteral("statusLabel"));
    QTRY_COMPARE_WITH_TIMEOUT(status->text(),
                              QStringLiteral("检测到有最新的版本：") + QString::number(running + 1),
                              5000);
    dialogue->findChild<QPushButton *>(QStringLiteral("startButton"))->click();
    const QString saved = AppPaths::inDataDir(QStringLiteral("talkvane_next.deb"));
    QTRY_COMPARE_WITH_TIMEOUT(TestFiles::readText(record), saved + QLatin1Char('\n'), 10000);
    QCOMPARE(TestFiles::readAll(saved), package);
    QFile::remove(saved);
}

QTEST_MAIN(DiagnosticsE2E)
#include "test_diagnostics_e2e.moc"
