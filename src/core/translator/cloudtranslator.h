#pragma once

#include "curl/curlwrapper.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// What both translation clients share: their credentials, the result
// signals and running one blocking request on a worker thread, so that the
// caller (the GUI thread) only ever sees the signals. Requests are
// independent; results arrive in completion order. A failure reaches the
// user as a short message on errorOccurred; the reason goes to the log.
class CloudTranslator : public QObject
{
    Q_OBJECT
public:
    CloudTranslator(const QString &appId, const QString &apiKey, const QString &apiSecret,
                    QObject *parent);

    virtual void translate(const QString &text, const QString &from, const QString &to) = 0;

    // Replaces all three, empty values included.
    void setKeys(const QString &appId, const QString &apiKey, const QString &apiSecret);
    QString appId() const { return m_appId; }
    QString apiKey() const { return m_apiKey; }

    void setTimeouts(int connectMs, int totalMs);

    // The user's words for a request that brought no translation.
    static QString failureMessage(const HttpResult &result);
    static QString unexpectedAnswerMessage();
    static QString notConfiguredMessage();

signals:
    void translationFinished(QString result);
    void errorOccurred(QString error);

protected:
    // The translation in a successful answer, or nothing when its shape is
    // not the service's; then *why says what was wrong.
    using Reader = std::function<std::optional<QString>(const QByteArray &body, QString *why)>;
    // For an answer with an error status: what the service said, for the log.
    using ErrorReader = std::function<QString(const QByteArray &body)>;

    void post(const QString &url, const QByteArray &body, const QStringList &headers,
              Reader read, ErrorReader readError);
    void fail(const QString &reason, const QString &message);

    QString m_appId;
    QString m_apiKey;
    QString m_apiSecret;

private:
    CurlWrapper::Options m_options;
};
