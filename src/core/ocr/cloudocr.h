#pragma once

#include "curl/curlwrapper.h"

#include <QObject>
#include <QString>

// What both OCR clients share: credentials, the image to read, the signals
// and one blocking request on a worker thread, so that the caller (the GUI
// thread) only ever sees the signals. Every request ends with exactly one
// of ocrFinished (the text, possibly empty) or errorOccurred (the user's
// words; the reason goes to the log).
class CloudOCR : public QObject
{
    Q_OBJECT
public:
    CloudOCR(const QString &appId, const QString &apiKey, const QString &apiSecret,
             QObject *parent);

    // Sends one request for the image at the stored path; returns at once.
    virtual void performOCR() = 0;

    // Replaces all three, empty values included.
    void setKeys(const QString &appId, const QString &apiKey, const QString &apiSecret);
    QString appId() const { return m_appId; }
    QString apiKey() const { return m_apiKey; }
    void setImageFilePath(const QString &path);
    QString imageFilePath() const { return m_imageFilePath; }

    void setTimeouts(int connectMs, int totalMs);

    // The user's words for a request that brought no text.
    static QString failureMessage(const HttpResult &result);
    static QString unexpectedAnswerMessage();
    static QString serviceErrorMessage();
    static QString notConfiguredMessage();
    static QString unreadableImageMessage();

signals:
    void ocrFinished(QString result);
    void errorOccurred(QString message);

protected:
    // The image's bytes, or nothing (and the failure already reported).
    bool readImage(QByteArray *bytes);
    void post(const QString &url, const QByteArray &body, const QStringList &headers);
    void fail(const QString &reason, const QString &message);

    QString m_appId;
    QString m_apiKey;
    QString m_apiSecret;
    QString m_imageFilePath;

private:
    void onReply(const HttpResult &result);

    CurlWrapper::Options m_options;
};
