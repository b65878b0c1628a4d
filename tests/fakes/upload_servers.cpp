#include "fakes/upload_servers.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray json(const QJsonObject &object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }

// The quoted value of name="..." in a part's headers.
QByteArray attribute(const QByteArray &headers, const char *name)
{
    const QByteArray key = QByteArray(" ") + name + "=\"";
    const int start = headers.indexOf(key);
    const int from = start + key.size();
    return start < 0 ? QByteArray() : headers.mid(from, headers.indexOf('"', from) - from);
}

UploadServers::Upload parseForm(const HttpServer::Request &request)
{
    UploadServers::Upload upload;
    const QByteArray type = request.header("content-type");
    const QByteArray delimiter = "\r\n--" + type.mid(type.indexOf("boundary=") + 9).trimmed();
    const QByteArray body = "\r\n" + request.body;
    int at = body.indexOf(delimiter);
    while (at >= 0 && type.startsWith("multipart/form-data")) {
        const int headersEnd = body.indexOf("\r\n\r\n", at + delimiter.size());
        const int next = headersEnd < 0 ? -1 : body.indexOf(delimiter, headersEnd);
        if (next < 0)
            break;
        const QByteArray headers = body.mid(at, headersEnd - at);
        const QString name = QString::fromUtf8(attribute(headers, "name"));
        const QByteArray data = body.mid(headersEnd + 4, next - headersEnd - 4);
        upload.fieldNames << name;
        if (name == QLatin1String("token"))
            upload.token = QString::fromUtf8(data);
        else if (name == QLatin1String("key"))
            upload.key = QString::fromUtf8(data);
        if (name == QLatin1String("file")) {
            upload.fileName = QString::fromUtf8(attribute(headers, "filename"));
            upload.bytes = data;
        }
        at = next;
    }
    return upload;
}

}  // namespace

UploadServers::UploadServers()
{
    m_management.setHandler([this](const HttpServer::Request &r) { return issueToken(r); });
    m_storage.setHandler([this](const HttpServer::Request &r) { return storeFile(r); });
}

HttpServer::Response UploadServers::issueToken(const HttpServer::Request &request)
{
    QMutexLocker lock(&m_mutex);
    if (request.method != "POST" || request.target != "/api/package/uploadToken")
        return {404, "<html><body>not found</body></html>", "text/html"};
    const QUrlQuery form(QString::fromUtf8(request.body));
    m_tokenRequests << form;
    if (m_tokenAnswer == TokenAnswer::Html)
        return {502, "<html><body><h1>502 Bad Gateway</h1></body></html>", "text/html"};
    if (m_tokenAnswer == TokenAnswer::NoToken)
        return {200, json({{"code", 500}, {"msg", "no bucket"}, {"data", QJsonObject()}})};
    const QString key = form.queryItemValue(QStringLiteral("path"), QUrl::FullyDecoded)
        + form.queryItemValue(QStringLiteral("filename"), QUrl::FullyDecoded);
    const QString token = QStringLiteral("upload-token-%1").arg(m_issued.size() + 1);
    m_issued.insert(token, key);
    const QJsonObject data{{"token", token}, {"key", key}, {"domain", "https://files.example.invalid"}};
    return {200, json({{"code", 200}, {"msg", "ok"}, {"data", data}})};
}

HttpServer::Response UploadServers::storeFile(const HttpServer::Request &request)
{
    QMutexLocker lock(&m_mutex);
    const Upload upload = parseForm(request);
    m_uploads << upload;
    if (!m_issued.contains(upload.token) || m_issued.value(upload.token) != upload.key
        || upload.fileName.isEmpty())
        return {401, json({{"error", "invalid upload token"}})};
    if (m_noHashFrom >= 0 && m_uploads.size() > m_noHashFrom)
        return {200, json({{"key", upload.key}})};
    const QByteArray hash = QCryptographicHash::hash(upload.bytes, QCryptographicHash::Sha1).toHex();
    return {200, json({{"hash", QString::fromLatin1(hash)}, {"key", upload.key}})};
}
