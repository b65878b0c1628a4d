#include "fakes/update_server.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>

UpdateServer::UpdateServer(HttpServer::Transport transport) : m_http(transport)
{
    m_http.setHandler([this](const HttpServer::Request &request) {
        QMutexLocker lock(&m_mutex);
        HttpServer::Response response;
        if (request.method == "GET" && request.target.startsWith("/api/app/v1/packageUpdate?")) {
            response.body = m_answer;
        } else if (request.method == "GET" && request.target.startsWith("/files/")) {
            response.contentType = "application/octet-stream";
            response.body = m_package;
            response.cutAfter = m_cutAfter;
        } else {
            response.status = 404;
            response.body = "{}";
        }
        return response;
    });
}

QByteArray UpdateServer::answer(qint64 versions, const QString &apkUrl, int code)
{
    const QJsonObject record{{"versions", versions}, {"apk_url", apkUrl}};
    const QJsonObject data{{"p_id", 7}, {"last_record", record}};
    return QJsonDocument(QJsonObject{{"code", code}, {"data", data}}).toJson(QJsonDocument::Compact);
}

void UpdateServer::setAnswer(const QByteArray &body)
{
    QMutexLocker lock(&m_mutex);
    m_answer = body;
}

void UpdateServer::setPackage(const QByteArray &bytes, int cutAfter)
{
    QMutexLocker lock(&m_mutex);
    m_package = bytes;
    m_cutAfter = cutAfter;
}

QVector<HttpServer::Request> UpdateServer::queries() const
{
    QVector<HttpServer::Request> out;
    for (const auto &request : m_http.requests()) {
        if (request.target.startsWith("/api/"))
            out << request;
    }
    return out;
}

int UpdateServer::downloads() const
{
    int count = 0;
    for (const auto &request : m_http.requests())
        count += request.target.startsWith("/files/");
    return count;
}
