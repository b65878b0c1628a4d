// The log upload against local stand-ins of the token route and the object
// storage: what arrives, under which folder, what each failure returns, and
// that file logging comes back whatever happened.

#include "core/diagnostics/log_upload.h"
#include "core/log/message_handlers.h"
#include "core/setting/inifileinf.h"
#include "curl/curlwrapper.h"
#include "fakes/upload_servers.h"
#include "support/files.h"
#include "utils/app_paths.h"

#include <QDate>
#include <QNetworkInterface>
#include <QTemporaryDir>
#include <QtTest>

#include <curl/curl.h>

#include <memory>

namespace {

const QByteArray kLog = "[2026-12-10 01:00:00.000] <<Info>> earlier line\r\n";
// Raw samples that look like a form's delimiter and line ends.
const QByteArray kSound = QByteArray("\x00\x01\r\n--\xff\xfe", 8).repeated(512);

QString logPath() { return LogFile::path(); }
QString soundPath() { return AppPaths::inAppDir(QStringLiteral("sound.pcm")); }

QString folderFor(const QString &device)
{
    return QStringLiteral("upload/log/%1/%2/")
        .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")), device);
}

// The address the upload should fall back on: the first interface with one.
QString firstHardwareAddress()
{
    for (const QNetworkInterface &net : QNetworkInterface::allInterfaces()) {
        const QString address = net.hardwareAddress();
        if (net.isValid() && !(net.flags() & QNetworkInterface::IsLoopBack) && !address.isEmpty()
            && address != QLatin1String("00:00:00:00:00:00"))
            return address.toUpper();
    }
    return QString();
}

QByteArray tailOf(const QString &path, qint64 from)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(from))
        return QByteArray();
    return f.readAll();
}

}  // namespace

class LogUploadTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { curl_global_cleanup(); }
    void init();
    void cleanup();

    void bothFilesArriveWholeInTheDeviceFolder_data();
    void bothFilesArriveWholeInTheDeviceFolder();
    void eachFailureHasItsResultAndFileLoggingComesBack_data();
    void eachFailureHasItsResultAndFileLoggingComesBack();
    void loggingToStandardErrorIsLeftAlone();
    void oversizedFilesSendTheirEnd();

private:
    std::unique_ptr<UploadServers> m_servers;
    QTemporaryDir m_dir;
    QString m_machineIdFile;
    QtMessageHandler m_testHandler = nullptr;
};

void LogUploadTest::initTestCase()
{
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    QVERIFY(m_dir.isValid());
    m_machineIdFile = m_dir.filePath(QStringLiteral("machine-id"));
    m_testHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(m_testHandler);
}

void LogUploadTest::init()
{
    m_servers = std::make_unique<UploadServers>();
    QVERIFY(m_servers->listen());
    qputenv("TALKVANE_URL_MANAGEMENT", m_servers->managementUrl().toUtf8());
    qputenv("TALKVANE_URL_STORAGE_UPLOAD", m_servers->storageUrl().toUtf8());
    QFile::remove(IniFileInf::optionFilePath());
    IniFileInf::set_keydefine(QStringLiteral("isLog"), QStringLiteral("1"));
    QFile::remove(m_machineIdFile);
    QVERIFY(TestFiles::writeRaw(logPath(), kLog));
    QVERIFY(TestFiles::writeRaw(soundPath(), kSound));
}

void LogUploadTest::cleanup()
{
    qInstallMessageHandler(m_testHandler);
    QFile::remove(logPath());
    QFile::remove(soundPath());
}

void LogUploadTest::bothFilesArriveWholeInTheDeviceFolder_data()
{
    QTest::addColumn<QString>("deviceId");
    QTest::addColumn<QByteArray>("machineId");  // null: no machine-id file
    QTest::addColumn<QString>("folder");         // null: the first hardware address
    QTest::newRow("serial number") << "0a0b0c0d0e0f" << QByteArray("5d1f0c\n") << "0a0b0c0d0e0f";
    QTest::newRow("machine id without serial number")
        << "" << QByteArray(" 5d1f0c7e9a2b4c3d8e1f00aa11bb22cc\n")
        << "5d1f0c7e9a2b4c3d8e1f00aa11bb22cc";
    QTest::newRow("hardware address without either") << "" << QByteArray() << QString();
}

void LogUploadTest::bothFilesArriveWholeInTheDeviceFolder()
{
    QFETCH(QString, deviceId);
    QFETCH(QByteArray, machineId);
    QFETCH(QString, folder);
    if (!machineId.isNull())
        QVERIFY(TestFiles::writeRaw(m_machineIdFile, machineId));
    if (folder.isNull()) {
        folder = firstHardwareAddress();
        if (folder.isEmpty())
            QSKIP("this machine has no network interface with a hardware address");
    }

    QCOMPARE(logUpload(deviceId, m_machineIdFile), int(LogUpload::Stored));

    const QList<QUrlQuery> tokens = m_servers->tokenRequests();
    QCOMPARE(tokens.size(), 2);
    const QStringList names = {QStringLiteral("Log.txt"), QStringLiteral("sound.pcm")};
    // Nothing logged during the upload went into the log that was sent.
    const QList<QByteArray> contents = {kLog, kSound};
    const QVector<UploadServers::Upload> uploads = m_servers->uploads();
    QCOMPARE(uploads.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(tokens[i].queryItemValue(QStringLiteral("filename")), names[i]);
        QCOMPARE(tokens[i].queryItemValue(QStringLiteral("path"), QUrl::FullyDecoded), folderFor(folder));
        QCOMPARE(uploads[i].fieldNames,
                 QStringList({QStringLiteral("token"), QStringLiteral("file"), QStringLiteral("key")}));
        QCOMPARE(uploads[i].key, folderFor(folder) + names[i]);
        QCOMPARE(uploads[i].fileName, names[i]);
        QCOMPARE(uploads[i].bytes, contents[i]);
    }
}

void LogUploadTest::eachFailureHasItsResultAndFileLoggingComesBack_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("tokenRequests");
    QTest::addColumn<int>("uploads");
    QTest::newRow("no log file") << "no log" << 2 << 0 << 0;
    QTest::newRow("token route answers an error page") << "html" << 1 << 1 << 0;
    QTest::newRow("token answer without a token") << "no token" << 1 << 1 << 0;
    QTest::newRow("management server unreachable") << "no management" << 1 << 0 << 0;
    QTest::newRow("storage answers without hash") << "no hash" << 1 << 1 << 1;
    QTest::newRow("storage unreachable") << "no storage" << 1 << 1 << 0;
    QTest::newRow("no voice capture") << "no sound" << 0 << 1 << 1;
    QTest::newRow("voice capture refused by the storage") << "sound refused" << 0 << 2 << 2;
}

void LogUploadTest::eachFailureHasItsResultAndFileLoggingComesBack()
{
    QFETCH(QString, fault);
    QFETCH(int, result);
    QFETCH(int, tokenRequests);
    QFETCH(int, uploads);
    // Nobody listens on port 1.
    const QByteArray closed = "https://127.0.0.1:1/";
    if (fault == QLatin1String("no log"))
        QFile::remove(logPath());
    else if (fault == QLatin1String("html"))
        m_servers->setTokenAnswer(UploadServers::TokenAnswer::Html);
    else if (fault == QLatin1String("no token"))
        m_servers->setTokenAnswer(UploadServers::TokenAnswer::NoToken);
    else if (fault == QLatin1String("no management"))
        qputenv("TALKVANE_URL_MANAGEMENT", closed);
    else if (fault == QLatin1String("no hash"))
        m_servers->answerWithoutHashFrom(0);
    else if (fault == QLatin1String("no storage"))
        qputenv("TALKVANE_URL_STORAGE_UPLOAD", closed);
    else if (fault == QLatin1String("no sound"))
        QFile::remove(soundPath());
    else if (fault == QLatin1String("sound refused"))
        m_servers->answerWithoutHashFrom(1);

    QCOMPARE(logUpload(QStringLiteral("0a0b0c0d0e0f"), m_machineIdFile), result);
    qInfo("after the upload 5c1e");
    qInstallMessageHandler(m_testHandler);

    QCOMPARE(m_servers->tokenRequests().size(), tokenRequests);
    QCOMPARE(m_servers->uploads().size(), uploads);
    QVERIFY(TestFiles::readAll(logPath()).contains("after the upload 5c1e"));
}

void LogUploadTest::loggingToStandardErrorIsLeftAlone()
{
    IniFileInf::set_keydefine(QStringLiteral("isLog"), QStringLiteral("0"));
    QCOMPARE(logUpload(QStringLiteral("0a0b0c0d0e0f"), m_machineIdFile), int(LogUpload::Stored));
    QVERIFY(qInstallMessageHandler(m_testHandler) == m_testHandler);
    QCOMPARE(TestFiles::readAll(logPath()), kLog);
}

void LogUploadTest::oversizedFilesSendTheirEnd()
{
    // Sparse: a hundred megabytes without using the disk. The odd length
    // makes the recording's end start on a sample boundary only if asked.
    const qint64 logSize = LogUpload::kWholeFileLimit + 4096;
    const qint64 soundSize = LogUpload::kWholeFileLimit + 4097;
    for (const QString &path : {logPath(), soundPath()}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(path == logPath() ? logSize - 17 : soundSize - 17));
        QVERIFY(f.seek(f.size()));
        QCOMPARE(f.write("the newest line\r\n"), qint64(17));
    }

    QCOMPARE(logUpload(QStringLiteral("0a0b0c0d0e0f"), m_machineIdFile), int(LogUpload::Stored));

    const QVector<UploadServers::Upload> uploads = m_servers->uploads();
    QCOMPARE(uploads.size(), 2);
    QCOMPARE(uploads[0].fileName, QStringLiteral("Log.txt"));
    QCOMPARE(uploads[0].bytes.size(), int(LogUpload::kTailBytes));
    QVERIFY(uploads[0].bytes == tailOf(logPath(), logSize - LogUpload::kTailBytes));
    QCOMPARE(uploads[1].fileName, QStringLiteral("sound.pcm"));
    const qint64 soundFrom = soundSize - uploads[1].bytes.size();
    QCOMPARE(soundFrom % 2, qint64(0));
    QVERIFY(uploads[1].bytes.size() - LogUpload::kTailBytes <= 1);
    QVERIFY(uploads[1].bytes == tailOf(soundPath(), soundFrom));
}

QTEST_GUILESS_MAIN(LogUploadTest)
#include "test_log_upload.moc"
