#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The signed request of the iFlytek text translation service: the body,
// its digest and the HMAC-SHA256 signature over host, date, request line
// and digest. Pure, so the signing can be checked on its own.
namespace OtsRequest {

struct Signed {
    QByteArray body;
    QStringList headers;  // complete header lines, Authorization included
    QString date;
    QString digest;
};

// "host[:port]" as the HTTP Host header carries it for url.
QString hostOf(const QString &url);

QString digest(const QByteArray &body);

// Base64 HMAC-SHA256, keyed with the Latin-1 bytes of apiSecret, over
// "host: <host>\ndate: <date>\n<request line>\ndigest: <digest>".
QString signature(const QString &host, const QString &date, const QString &requestLine,
                  const QString &digest, const QString &apiSecret);

Signed build(const QString &url, const QString &appId, const QString &apiKey,
             const QString &apiSecret, const QString &text, const QString &from,
             const QString &to, const QDateTime &utcNow);

}  // namespace OtsRequest
