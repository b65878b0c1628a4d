#pragma once

#include "core/ocr/cloudocr.h"

#include <QDateTime>

#include <functional>

// Document text recognition through the iFlytek service
// ("hh_ocr_recognize_doc"): the URL carries an HMAC-SHA256 signature over
// host, date and request line; the PNG travels Base64-encoded in a JSON body.
class XunfeiOCR : public CloudOCR
{
    Q_OBJECT
public:
    XunfeiOCR(const QString &appId, const QString &apiKey, const QString &apiSecret,
              QObject *parent = nullptr);

    void performOCR() override;

    // "Wed, 09 Dec 2026 18:24:06 GMT": the date that is signed and sent.
    QString getCurrentTime() const;
    // The signed date comes from here; the service refuses a skewed one.
    void setClock(std::function<QDateTime()> utcNow) { m_clock = std::move(utcNow); }

    // "host[:port]" as signed for endpoint: the port only when not the scheme's own.
    static QString signedHost(const QString &endpoint);
    // Base64 HMAC-SHA256, keyed with the Latin-1 bytes of apiSecret, over
    // "host: <host>\ndate: <date>\nPOST <path> HTTP/1.1".
    static QString signature(const QString &endpoint, const QString &date, const QString &apiSecret);
    // endpoint + "?authorization=...&host=...&date=...", values percent-encoded.
    static QString signedUrl(const QString &endpoint, const QString &apiKey,
                             const QString &apiSecret, const QString &date);
    static QByteArray requestBody(const QString &appId, const QByteArray &image);

private:
    std::function<QDateTime()> m_clock;
};
