#pragma once

#include "fakes/http_server.h"

#include <QMutex>
#include <QString>

// Local stand-ins for the two OCR services over TLS. Each checks a request
// as its service does, keeps the PNG it was sent and answers with the
// configured text in the service's shape, or with one of the failures a
// test asks for.
class OcrServer
{
public:
    enum class Answer {
        Text,         // the configured text, recognised
        Raw,          // the configured raw body, status 200
        Status401,
        Status429,
        Status500,
        NotJson,
        WrongShape,   // JSON, but not the service's answer
        HeaderError,  // the service's own error report (iFlytek header code)
        Hang,
    };

    bool listen() { return m_http.listen(); }
    void setAnswer(Answer answer);
    void setText(const QString &text);
    void setRawAnswer(const QByteArray &body);
    int requestCount() const { return m_http.requestCount(); }
    QVector<HttpServer::Request> requests() const { return m_http.requests(); }
    void dropConnections() { m_http.dropConnections(); }
    // Why the last refused request was refused.
    QString lastRefusal() const;
    // The PNG bytes of the last request that passed the checks.
    QByteArray lastImage() const;

protected:
    OcrServer();
    virtual ~OcrServer() = default;
    // The refusal reason, or empty when the request passes; *image gets the PNG.
    virtual QString check(const HttpServer::Request &request, QByteArray *image) const = 0;
    virtual HttpServer::Response refusal(const QString &why) const = 0;
    virtual QByteArray recognised(const QString &text) const = 0;
    virtual QByteArray wrongShape() const = 0;
    virtual HttpServer::Response serviceError() const = 0;

    HttpServer m_http;
    mutable QMutex m_mutex;

private:
    HttpServer::Response answer(const HttpServer::Request &request);
    Answer m_answer = Answer::Text;
    QString m_text;
    QByteArray m_raw;
    QString m_lastRefusal;
    QByteArray m_lastImage;
};

// Checks the method, the octet-stream content type, the subscription key and
// that the body is a PNG; answers regions (paragraphs of the text), lines and
// words.
class AzureOcrServer : public OcrServer
{
public:
    // "https://127.0.0.1:<port>/vision/v3.2/ocr"
    QString url() const { return m_http.baseUrl() + "/vision/v3.2/ocr"; }
    void setKey(const QString &key);

protected:
    QString check(const HttpServer::Request &request, QByteArray *image) const override;
    HttpServer::Response refusal(const QString &why) const override;
    QByteArray recognised(const QString &text) const override;
    QByteArray wrongShape() const override;
    HttpServer::Response serviceError() const override;

private:
    QString m_key;
};

// Checks the signed query (HMAC over the Host header it received, the date
// and the request line), the date's skew, api_key, app_id and the body's
// shape; answers the text Base64-encoded in payload.recognizeDocumentRes.
class IflytekOcrServer : public OcrServer
{
public:
    // "https://127.0.0.1:<port>/v1/private/hh_ocr_recognize_doc"
    QString url() const { return m_http.baseUrl() + "/v1/private/hh_ocr_recognize_doc"; }
    void setCredentials(const QString &appId, const QString &apiKey, const QString &apiSecret);
    void setMaxClockSkewSeconds(int seconds);

protected:
    QString check(const HttpServer::Request &request, QByteArray *image) const override;
    HttpServer::Response refusal(const QString &why) const override;
    QByteArray recognised(const QString &text) const override;
    QByteArray wrongShape() const override;
    HttpServer::Response serviceError() const override;

private:
    QString m_appId, m_apiKey, m_apiSecret;
    int m_maxSkew = 300;
};
