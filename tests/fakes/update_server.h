#pragma once

#include "fakes/http_server.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>

// A local stand-in for the management server's package query
// (GET /api/app/v1/packageUpdate?p_key=...) and the package download
// (GET /files/<name>), which it can cut off after a number of bytes.
class UpdateServer
{
public:
    explicit UpdateServer(HttpServer::Transport transport = HttpServer::Transport::Tls)
        : m_http(transport)
    {
        m_http.setHandler([this](const HttpServer::Request &request) {
            QMutexLocker lock(&m_mutex);
            if (request.target.startsWith("/api/app/v1/packageUpdate?"))
                return HttpServer::Response{200, m_answer};
            if (request.target.startsWith("/files/"))
                return HttpServer::Response{200, m_package, "application/octet-stream", false, m_cutAfter};
            return HttpServer::Response{404, "{}"};
        });
    }
    bool listen() { return m_http.listen(); }
    QString url() const { return m_http.baseUrl(); }  // the management server's base URL
    QString packageUrl(const QString &name) const { return url() + "/files/" + name; }

    // An answer of the documented shape.
    static QByteArray answer(qint64 versions, const QString &apkUrl, int code = 200)
    {
        const QJsonObject record{{"versions", versions}, {"apk_url", apkUrl}};
        const QJsonObject data{{"p_id", 7}, {"last_record", record}};
        return QJsonDocument(QJsonObject{{"code", code}, {"data", data}}).toJson(QJsonDocument::Compact);
    }
    void setAnswer(const QByteArray &body)
    {
        QMutexLocker lock(&m_mutex);
        m_answer = body;
    }
    // cutAfter >= 0 closes the connection after that many bytes.
    void setPackage(const QByteArray &bytes, int cutAfter = -1)
    {
        QMutexLocker lock(&m_mutex);
        m_package = bytes;
        m_cutAfter = cutAfter;
    }

    QVector<HttpServer::Request> queries() const { return received("/api/"); }
    int downloads() const { return received("/files/").size(); }

private:
    QVector<HttpServer::Request> received(const char *prefix) const
    {
        QVector<HttpServer::Request> out;
        for (const auto &request : m_http.requests()) {
            if (request.target.startsWith(prefix))
                out << request;
        }
        return out;
    }

    HttpServer m_http;
    mutable QMutex m_mutex;
    QByteArray m_answer;
    QByteArray m_package;
    int m_cutAfter = -1;
};
