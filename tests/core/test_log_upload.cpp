// The log upload against stand-ins of the token route and the object storage.

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

#include <memory>

namespace {

const QByteArray kLog = "[2026-12-10 01:00:00.000] <<Info>> earlier line\r\n";
// Raw samples that look like a form's delimiter.
const QByteArray kSound = QByteArray("\x00\x01\r\n--\xff\xfe", 8).repeated(512);
const QString kSerial = QStringLiteral("0a0b0c0d0e0f");

QString soundPath() { return AppPaths::inDataDir(QStringLiteral("sound.pcm")); }

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

QByteArray bytesFrom(const QString &path, qint64 from)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.seek(from) ? f.readAll() : QByteArray();
}

}  // namespace

class LogUploadTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { qInstallMessageHandler(m_testHandler); }
    void bothFilesArriveWholeInTheDeviceFolder_data();
    void bothFilesArriveWholeInTheDeviceFolder();
    void eachFaultHasItsResultAndFileLoggingComesBack_data();
    void eachFaultHasItsResultAndFileLoggingComesBack();
    void oversizedFilesSendTheirEnd();

private:
    std::unique_ptr<UploadServers> m_servers;
    QTemporaryDir m_dir;
    QString m_machineIdFile;
    QtMessageHandler m_testHandler = nullptr;
};

void LogUploadTest::initTestCase()
{
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
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
    IniFileInf::set_keydefine(QStringLiteral("isLog"), QStringLiteral("1"));
    routeLogToFile(true);  // as the start does with "isLog" = "1"
    QFile::remove(m_machineIdFile);
    QVERIFY(TestFiles::writeRaw(LogFile::path(), kLog) && TestFiles::writeRaw(soundPath(), kSound));
}

void LogUploadTest::bothFilesArriveWholeInTheDeviceFolder_data()
{
    QTest::addColumn<QString>("deviceId");
    QTest::addColumn<QByteArray>("machineId");  // null: no machine-id file
    QTest::addColumn<QString>("folder");         // null: the first hardware address
    QTest::newRow("serial number") << kSerial << QByteArray("5d1f0c\n") << kSerial;
    QTest::newRow("machine id") << "" << QByteArray(" 5d1f0c7e9a2b\n") << "5d1f0c7e9a2b";
    QTest::newRow("hardware address") << "" << QByteArray() << QString();
}

void LogUploadTest::bothFilesArriveWholeInTheDeviceFolder()
{
    QFETCH(QString, deviceId);
    QFETCH(QByteArray, machineId);
    QFETCH(QString, folder);
    if (!machineId.isNull())
        QVERIFY(TestFiles::writeRaw(m_machineIdFile, machineId));
    if (folder.isNull() && (folder = firstHardwareAddress()).isEmpty())
        QSKIP("no network interface with a hardware address here");
    folder = QStringLiteral("upload/log/%1/%2/")
                 .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")), folder);

    QCOMPARE(logUpload(deviceId, m_machineIdFile), int(LogUpload::Stored));

    const QList<QUrlQuery> tokens = m_servers->tokenRequests();
    const QVector<UploadServers::Upload> uploads = m_servers->uploads();
    QCOMPARE(tokens.size(), 2);
    QCOMPARE(uploads.size(), 2);
    const QStringList names = {QStringLiteral("Log.txt"), QStringLiteral("sound.pcm")};
    // Nothing logged once the upload began went into the log sent.
    QVERIFY(uploads[0].bytes.startsWith(kLog));
    QVERIFY(!uploads[0].bytes.contains("code:"));
    QCOMPARE(uploads[1].bytes, kSound);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(tokens[i].queryItemValue(QStringLiteral("filename")), names[i]);
        QCOMPARE(tokens[i].queryItemValue(QStringLiteral("path"), QUrl::FullyDecoded), folder);
        QCOMPARE(uploads[i].fieldNames, QString("token file key").split(' '));
        QCOMPARE(uploads[i].key, folder + names[i]);
        QCOMPARE(uploads[i].fileName, names[i]);
    }
}

void LogUploadTest::eachFaultHasItsResultAndFileLoggingComesBack_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("tokenRequests");
    QTest::addColumn<int>("uploads");
    QTest::addColumn<bool>("fileLogging");  // "isLog"
    // The upload's first line would otherwise write a new log file.
    QTest::newRow("no log file, logging to stderr") << "no log" << 2 << 0 << 0 << false;
    QTest::newRow("token route answers an error page") << "html" << 1 << 1 << 0 << true;
    QTest::newRow("token answer without a token") << "no token" << 1 << 1 << 0 << true;
    QTest::newRow("management server unreachable") << "no management" << 1 << 0 << 0 << true;
    QTest::newRow("storage answers without hash") << "no hash" << 1 << 1 << 1 << true;
    QTest::newRow("storage unreachable") << "no storage" << 1 << 1 << 0 << true;
    QTest::newRow("no voice capture") << "no sound" << 0 << 1 << 1 << true;
    QTest::newRow("voice capture refused by the storage") << "sound refused" << 0 << 2 << 2 << true;
}

void LogUploadTest::eachFaultHasItsResultAndFileLoggingComesBack()
{
    QFETCH(QString, fault);
    QFETCH(int, result);
    QFETCH(bool, fileLogging);
    if (!fileLogging) {
        qInstallMessageHandler(m_testHandler);
        IniFileInf::set_keydefine(QStringLiteral("isLog"), QStringLiteral("0"));
    }
    const QByteArray closedPort = "https://127.0.0.1:1/";
    if (fault == QLatin1String("no log"))
        QFile::remove(LogFile::path());
    if (fault == QLatin1String("html"))
        m_servers->setTokenAnswer(UploadServers::TokenAnswer::Html);
    if (fault == QLatin1String("no token"))
        m_servers->setTokenAnswer(UploadServers::TokenAnswer::NoToken);
    if (fault == QLatin1String("no management"))
        qputenv("TALKVANE_URL_MANAGEMENT", closedPort);
    if (fault == QLatin1String("no hash") || fault == QLatin1String("sound refused"))
        m_servers->answerWithoutHashFrom(fault == QLatin1String("no hash") ? 0 : 1);
    if (fault == QLatin1String("no storage"))
        qputenv("TALKVANE_URL_STORAGE_UPLOAD", closedPort);
    if (fault == QLatin1String("no sound"))
        QFile::remove(soundPath());

    QCOMPARE(logUpload(kSerial, m_machineIdFile), result);
    qInfo("after the upload 5c1e");
    qInstallMessageHandler(m_testHandler);

    QTEST(m_servers->tokenRequests().size(), "tokenRequests");
    QTEST(m_servers->uploads().size(), "uploads");
    QCOMPARE(TestFiles::readAll(LogFile::path()).contains("after the upload 5c1e"), fileLogging);
}

void LogUploadTest::oversizedFilesSendTheirEnd()
{
    qInstallMessageHandler(m_testHandler);  // the log keeps its size
    // Sparse, so no disk is used; the recording's odd size must not split a sample.
    const qint64 sizes[] = {LogUpload::kWholeFileLimit + 4096, LogUpload::kWholeFileLimit + 4097};
    const QString paths[] = {LogFile::path(), soundPath()};
    for (int i = 0; i < 2; ++i) {
        QFile f(paths[i]);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.resize(sizes[i] - 6) && f.seek(sizes[i] - 6));
        QCOMPARE(f.write("newest"), qint64(6));
    }

    QCOMPARE(logUpload(kSerial, m_machineIdFile), int(LogUpload::Stored));

    const QVector<UploadServers::Upload> uploads = m_servers->uploads();
    QCOMPARE(uploads.size(), 2);
    QCOMPARE(uploads[0].bytes.size(), int(LogUpload::kTailBytes));
    QCOMPARE(uploads[1].bytes.size(), int(LogUpload::kTailBytes) + 1);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(uploads[i].bytes == bytesFrom(paths[i], sizes[i] - uploads[i].bytes.size()));
        QVERIFY(uploads[i].bytes.endsWith("newest"));
    }
}

QTEST_GUILESS_MAIN(LogUploadTest)
#include "test_log_upload.moc"
