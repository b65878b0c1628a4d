#pragma once

#include "core/config/endpoints.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QUrl>

// The pure parts of a dictation request: which endpoint, the signed URL and
// the business parameters. Kept apart from the socket so each can be checked
// on its own.
namespace XfyunRequest {

// The request line every endpoint signs; all of them serve this path.
inline constexpr char kRequestLine[] = "GET /v2/iat HTTP/1.1";

struct Route {
    Endpoints::Endpoint endpoint;
    bool international;  // use the international credential triple
};

// "cn" picks the domestic service, where languages that are neither Chinese
// nor English go to the minority-language endpoint; any other region the
// international one.
Route route(const QString &region, const QString &language);

// "Tue, 08 Dec 2026 11:31:23 GMT", built by hand so the locale cannot change it.
QString httpDate(const QDateTime &utc);

// Base64 HMAC-SHA256 over "host: <endpoint URL>\ndate: <date>\n<request line>".
// The service signs the whole endpoint URL as "host", not only the host name.
QString signature(const QString &endpointUrl, const QString &date, const QString &apiSecret);

// Base64 of the Latin-1 authorization header text.
QString authorization(const QString &apiKey, const QString &signature);

QUrl signedUrl(const QString &endpointUrl, const QString &apiKey, const QString &apiSecret,
               const QDateTime &utcNow);

// The "business" object of a first frame for this language.
QJsonObject business(const QString &language, int ptt);

}  // namespace XfyunRequest
