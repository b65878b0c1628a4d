#include "log_upload.h"

#include "core/config/endpoints.h"
#include "core/log/message_handlers.h"
#include "core/setting/inifileinf.h"
#include "curl/curlwrapper.h"
#include "utils/app_paths.h"

#include <QDate>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

using namespace LogUpload;

namespace {

constexpr char kLogName[] = "Log.txt";
constexpr char kSoundName[] = "sound.pcm";

bool fileLoggingWanted()
{
    return IniFileInf::get_keydefine(QStringLiteral("isLog")).toInt() == 1;
}

// While it lives the log goes to standard error, so the file being sent
// stays as it was read; every way out puts it back on the file, unless the
// user switched file logging off in the meantime.
class FileLoggingPause
{
public:
    FileLoggingPause() : m_active(fileLoggingWanted())
    {
        if (m_active)
            routeLogToFile(false);
    }
    ~FileLoggingPause()
    {
        if (m_active && fileLoggingWanted())
            routeLogToFile(true);
    }
    Q_DISABLE_COPY(FileLoggingPause)

private:
    const bool m_active;
};

struct UploadToken {
    QString token;
    QString key;
};

QString tokenUrl()
{
    const QString url = Endpoints::route(Endpoints::Endpoint::Management,
                                         QStringLiteral("/api/package/uploadToken"));
    if (url.isEmpty())
        qWarning() << "no management server configured";
    return url;
}

// An object, or nothing when the text is no JSON object (an error page, or
// no answer at all).
bool parseObject(const QByteArray &body, QJsonObject *out)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        qWarning() << "JSON 解析失败";
        return false;
    }
    *out = doc.object();
    return true;
}

// A token for storing fileName in folder; false when the answer holds none.
bool requestToken(const QString &fileName, const QString &folder, UploadToken *out)
{
    const QByteArray body = "filename=" + QUrl::toPercentEncoding(fileName)
        + "&path=" + QUrl::toPercentEncoding(folder, "/:");
    const HttpResult reply = CurlWrapper::post(tokenUrl(), body);
    QJsonObject root;
    if (!parseObject(reply.body, &root))
        return false;
    qInfo() << "code:" << root.value(QLatin1String("code")).toInt();
    qInfo() << "msg:" << root.value(QLatin1String("msg")).toString();
    const QJsonObject data = root.value(QLatin1String("data")).toObject();
    out->token = data.value(QLatin1String("token")).toString();
    out->key = data.value(QLatin1String("key")).toString();
    // Without one the storage would only refuse the file after it was sent.
    if (out->token.isEmpty()) {
        qWarning() << "the answer holds no upload token";
        return false;
    }
    return true;
}

// Enough for a slow uplink of 64 KiB/s, on top of a minute for the rest.
int timeoutFor(qint64 bytes)
{
    return int(60000 + bytes * 1000 / (64 * 1024));
}

// The path to send for the file: the file itself, or, when it is above the
// limit, a copy of its end in scratch (created on first use; empty when
// that fails). The copy starts at a multiple of align so that a recording
// keeps whole samples.
QString sendablePath(const QString &path, std::unique_ptr<QTemporaryDir> &scratch, qint64 align)
{
    const qint64 size = QFileInfo(path).size();
    if (size <= kWholeFileLimit)
        return path;
    qint64 from = size - kTailBytes;
    from -= from % align;
    qInfo() << path << "holds" << size << "bytes; sending its last" << size - from;
    if (!scratch)
        scratch = std::make_unique<QTemporaryDir>();
    QFile file(path);
    QFile copy(scratch->filePath(QFileInfo(path).fileName()));
    if (!scratch->isValid() || !file.open(QIODevice::ReadOnly) || !file.seek(from)
        || !copy.open(QIODevice::WriteOnly)) {
        qWarning() << "cannot copy the end of" << path;
        return QString();
    }
    // In pieces: the whole file may not fit in memory.
    QByteArray piece;
    while (!(piece = file.read(1024 * 1024)).isEmpty()) {
        if (copy.write(piece) != piece.size()) {
            qWarning() << "cannot copy the end of" << path << copy.errorString();
            return QString();
        }
    }
    return copy.fileName();
}

// True when the storage answered with the stored file's hash and key.
bool store(const QString &path, const UploadToken &token)
{
    CurlWrapper::Options options;
    options.timeoutMs = timeoutFor(QFileInfo(path).size());
    const QList<CurlWrapper::Field> fields = {
        {QStringLiteral("token"), token.token},
        {QStringLiteral("file"), path},
        {QStringLiteral("key"), token.key},
    };
    const QString url = Endpoints::url(Endpoints::Endpoint::StorageUpload);
    if (url.isEmpty())
        qWarning() << "no object storage configured";
    const HttpResult reply = CurlWrapper::postMultiInterface(url, fields, {}, options);
    QJsonObject answer;
    if (!parseObject(reply.body, &answer))
        return false;
    if (!answer.contains(QLatin1String("hash")) || !answer.contains(QLatin1String("key"))) {
        qWarning().noquote() << "storage answered:" << QString::fromUtf8(reply.body.left(2000));
        return false;
    }
    qInfo() << "stored as" << answer.value(QLatin1String("key")).toString();
    return true;
}

// The voice capture helps support but is not what the user asked for: its
// failures are only logged.
void sendSoundCapture(const QString &folder, std::unique_ptr<QTemporaryDir> &scratch)
{
    const QString path = AppPaths::inDataDir(QLatin1String(kSoundName));
    if (!QFileInfo::exists(path))
        return;
    UploadToken token;
    if (!requestToken(QLatin1String(kSoundName), folder, &token))
        return;
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        qWarning() << "无法打开文件！" << path;
        return;
    }
    probe.close();
    const QString sendable = sendablePath(path, scratch, 2);
    if (!sendable.isEmpty())
        store(sendable, token);
}

}  // namespace

QString machineIdentifier(const QString &machineIdFile)
{
    QFile file(machineIdFile);
    if (file.open(QIODevice::ReadOnly)) {
        const QString id = QString::fromLatin1(file.read(256)).trimmed();
        if (!id.isEmpty())
            return id;
    }
    QStringList addresses;
    for (const QNetworkInterface &net : QNetworkInterface::allInterfaces()) {
        const QString address = net.hardwareAddress();
        // Tunnels have no address and some virtual links an empty one.
        if (!net.isValid() || net.flags().testFlag(QNetworkInterface::IsLoopBack)
            || address.isEmpty() || address == QLatin1String("00:00:00:00:00:00"))
            continue;
        addresses << address.toUpper();
    }
    qInfo().noquote() << QLatin1Char('(') + addresses.join(QLatin1String(", ")) + QLatin1Char(')');
    return addresses.value(0);
}

int logUpload(const QString &deviceId, const QString &machineIdFile)
{
    qInfo() << "logUpload" << ": 1";
    const FileLoggingPause pause;

    const QString logPath = LogFile::path();
    if (!QFileInfo::exists(logPath)) {
        qWarning() << "file is not exist";
        return NoLogFile;
    }
    const QString device = deviceId.isEmpty() ? machineIdentifier(machineIdFile) : deviceId;
    const QString folder = QStringLiteral("upload/log/")
        + QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('/') + device
        + QLatin1Char('/');
    UploadToken token;
    if (!requestToken(QLatin1String(kLogName), folder, &token))
        return ServerBusy;

    qInfo() << "log file:" << logPath;
    if (!QFileInfo::exists(logPath)) {
        qWarning() << "文件不存在";
        return NoLogFile;
    }
    std::unique_ptr<QTemporaryDir> scratch;
    const QString sendable = sendablePath(logPath, scratch, 1);
    if (sendable.isEmpty())
        return Unprepared;
    if (!store(sendable, token))
        return ServerBusy;

    sendSoundCapture(folder, scratch);
    return Stored;
}
