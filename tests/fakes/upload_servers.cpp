#include "fakes/upload_servers.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>

namespace {

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// The quoted value of name="..." in a part's headers.
QByteArray attribute(const QByteArray &headers, const char *name)
{
    const QByteArray key = QByteArray(" ") + name + "=\"";
    const int start = headers.indexOf(key);
    if (start < 0)
        return QByteArray();
    const int from = start + key.size();
    return headers.mid(from, headers.indexOf('"', from) - from);
}

UploadServers::Upload parseForm(const HttpServer::Request &request)
{
    UploadServers::Upload upload;
    const QByteArray type = request.header("content-type");
    const int b = type.indexOf("boundary=");
    if (!type.startsWith("multipart/form-data") || b < 0)
        return upload;
    const QByteArray delimiter = "--" + type.mid(b + 9).trimmed();
    const QByteArray &body = request.body;
    int at = body.indexOf(delimiter);
    while (at >= 0) {
        at += delimiter.size();
        if (body.mid(at, 2) == "--")
            break;  // the closing delimiter
        const int headersEnd = body.indexOf("\r\n\r\n", at);
        const int next = headersEnd < 0 ? -1 : body.indexOf("\r\n" + delimiter, headersEnd);
        if (next < 0)
            break;
        const QByteArray headers = body.mid(at, headersEnd - at);
        const QString name = QString::fromUtf8(attribute(headers, "name"));
        const QByteArray data = body.mid(headersEnd + 4, next - headersEnd - 4);
        upload.fieldNames << name;
        if (name == QLatin1String("token")) {
            upload.token = QString::fromUtf8(data);
        } else if (name == QLatin1String("key")) {
            upload.key = QString::fromUtf8(data);
        } else if (name == QLatin1String("file")) {
            upload.fileName = QString::fromUtf8(attribute(headers, "filename"));
            upload.bytes = data;
        }
        at = next + 2;
    }
    return upload;
}

}  // namespace

UploadServers::UploadServers()
{
    m_management.setHandler([this](const HttpServer::Request &r) { return issueToken(r); });
    m_storage.setHandler([this](const HttpServer::Request &r) { return storeFile(r); });
}

void UploadServers::setTokenAnswer(TokenAnswer answer)
{
    QMutexLocker lock(&m_mutex);
    m_tokenAnswer = answer;
}

void UploadServers::answerWithoutHashFrom(int index)
{
    QMutexLocker lock(&m_mutex);
    m_noHashFrom = index;
}

QList<QUrlQuery> UploadServers::tokenRequests() const
{
    QMutexLocker lock(&m_mutex);
    return m_tokenRequests;
}

QVector<UploadServers::Upload> UploadServers::uploads() const
{
    QMutexLocker lock(&m_mutex);
    return m_uploads;
}

HttpServer::Response UploadServers::issueToken(const HttpServer::Request &request)
{
    QMutexLocker lock(&m_mutex);
    if (request.method != "POST" || request.target != "/api/package/uploadToken")
        return {404, "<html><body>not found</body></html>", "text/html"};
    const QUrlQuery form(QString::fromUtf8(request.body));
    m_tokenRequests << form;
    switch (m_tokenAnswer) {
    case TokenAnswer::Html:
        return {502, "<html><body><h1>502 Bad Gateway</h1></body></html>", "text/html"};
    case TokenAnswer::NoToken:
        return {200, json({{"code", 500}, {"msg", "no bucket"}, {"data", QJsonObject()}})};
    case TokenAnswer::Token:
        break;
    }
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
    const int index = m_uploads.size();
    m_uploads << upload;
    if (request.method != "POST" || !m_issued.contains(upload.token)
        || m_issued.value(upload.token) != upload.key || upload.fileName.isEmpty())
        return {401, json({{"error", "invalid upload token"}})};
    if (m_noHashFrom >= 0 && index >= m_noHashFrom)
        return {200, json({{"key", upload.key}})};
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(upload.bytes, QCryptographicHash::Sha1).toHex());
    return {200, json({{"hash", hash}, {"key", upload.key}})};
}
