#pragma once

#include "fakes/http_server.h"

#include <QMutex>
#include <QString>

// Local stand-ins for the two translation services over TLS. Each checks a
// request as its service does and answers with "[<to>] <text>" as the
// translation, or with one of the failures a test asks for.
class TranslatorServer
{
public:
    enum class Answer { Translate, Status429, Status500, UnexpectedShape, NotJson, Hang };

    bool listen() { return m_http.listen(); }
    void setAnswer(Answer answer);
    int requestCount() const { return m_http.requestCount(); }
    QVector<HttpServer::Request> requests() const { return m_http.requests(); }
    void dropConnections() { m_http.dropConnections(); }
    // Why the last refused request was refused.
    QString lastRefusal() const;

protected:
    TranslatorServer();
    virtual ~TranslatorServer() = default;
    // The refusal reason, or empty when the request passes the service's checks.
    virtual QString check(const HttpServer::Request &request, QString *text, QString *to) const = 0;
    virtual HttpServer::Response refusal(const QString &why) const = 0;
    virtual QByteArray translation(const QString &text, const QString &to) const = 0;
    virtual QByteArray unexpectedShape() const = 0;

    HttpServer m_http;
    mutable QMutex m_mutex;

private:
    HttpServer::Response answer(const HttpServer::Request &request);
    Answer m_answer = Answer::Translate;
    QString m_lastRefusal;
};

// Checks the key and region headers, the api-version and target, and the
// JSON array body.
class MicrosoftTranslatorServer : public TranslatorServer
{
public:
    // "https://127.0.0.1:<port>/translate"
    QString url() const { return m_http.baseUrl() + "/translate"; }
    void setKey(const QString &key, const QString &region);

protected:
    QString check(const HttpServer::Request &request, QString *text, QString *to) const override;
    HttpServer::Response refusal(const QString &why) const override;
    QByteArray translation(const QString &text, const QString &to) const override;
    QByteArray unexpectedShape() const override;

private:
    QString m_key, m_region;
};

// Checks the body digest, the date's skew, the HMAC signature over the Host
// header it received, and the app id.
class IflytekTranslatorServer : public TranslatorServer
{
public:
    // "https://127.0.0.1:<port>/v2/ots"
    QString url() const { return m_http.baseUrl() + "/v2/ots"; }
    void setCredentials(const QString &appId, const QString &apiKey, const QString &apiSecret);
    void setMaxClockSkewSeconds(int seconds);

protected:
    QString check(const HttpServer::Request &request, QString *text, QString *to) const override;
    HttpServer::Response refusal(const QString &why) const override;
    QByteArray translation(const QString &text, const QString &to) const override;
    QByteArray unexpectedShape() const override;

private:
    QString m_appId, m_apiKey, m_apiSecret;
    int m_maxSkew = 300;
};
