#pragma once

#include "fakes/http_server.h"

#include <QString>

// A local stand-in for the management server's package query
// (GET /api/app/v1/packageUpdate?p_key=...) and for the package download
// (GET /files/<name>), which it can cut off after a number of bytes.
class UpdateServer
{
public:
    explicit UpdateServer(HttpServer::Transport transport = HttpServer::Transport::Tls);
    bool listen() { return m_http.listen(); }
    QString url() const { return m_http.baseUrl(); }  // the management server's base URL

    // An answer of the documented shape.
    static QByteArray answer(qint64 versions, const QString &apkUrl, int code = 200);
    void setAnswer(const QByteArray &body);
    // Served at packageUrl(name); cutAfter >= 0 closes after that many bytes.
    void setPackage(const QByteArray &bytes, int cutAfter = -1);
    QString packageUrl(const QString &name) const { return url() + QStringLiteral("/files/") + name; }

    QVector<HttpServer::Request> queries() const;  // the package queries received
    int downloads() const;

private:
    HttpServer m_http;
    mutable QMutex m_mutex;
    QByteArray m_answer;
    QByteArray m_package;
    int m_cutAfter = -1;
};
