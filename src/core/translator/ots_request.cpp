#include "core/translator/ots_request.h"

#include "core/speech/xfyun_request.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QUrl>

namespace OtsRequest {

QString hostOf(const QString &url)
{
    const QUrl u(url);
    const int port = u.port();
    const int standard = u.scheme() == QLatin1String("http") ? 80 : 443;
    if (port < 0 || port == standard)
        return u.host();
    return u.host() + QLatin1Char(':') + QString::number(port);
}

QString digest(const QByteArray &body)
{
    return QStringLiteral("SHA-256=")
        + QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toBase64());
}

QString signature(const QString &host, const QString &date, const QString &requestLine,
                  const QString &digest, const QString &apiSecret)
{
    const QString origin = QStringLiteral("host: ") + host + QStringLiteral("\ndate: ") + date
        + QLatin1Char('\n') + requestLine + QStringLiteral("\ndigest: ") + digest;
    return QString::fromLatin1(QMessageAuthenticationCode::hash(origin.toUtf8(), apiSecret.toLatin1(),
                                                                QCryptographicHash::Sha256)
                                   .toBase64());
}

Signed build(const QString &url, const QString &appId, const QString &apiKey,
             const QString &apiSecret, const QString &text, const QString &from,
             const QString &to, const QDateTime &utcNow)
{
    Signed out;
    const QJsonObject body{
        {"common", QJsonObject{{"app_id", appId}}},
        {"business", QJsonObject{{"from", from}, {"to", to}}},
        {"data", QJsonObject{{"text", QString::fromLatin1(text.toUtf8().toBase64())}}},
    };
    // The digest covers exactly the bytes posted.
    out.body = QJsonDocument(body).toJson(QJsonDocument::Indented);
    out.date = XfyunRequest::httpDate(utcNow);
    out.digest = digest(out.body);
    const QString requestLine = QStringLiteral("POST ") + QUrl(url).path() + QStringLiteral(" HTTP/1.1");
    const QString sig = signature(hostOf(url), out.date, requestLine, out.digest, apiSecret);
    const QString authorization =
        QStringLiteral("api_key=\"%1\", algorithm=\"hmac-sha256\", "
                       "headers=\"host date request-line digest\", signature=\"%2\"")
            .arg(apiKey, sig);
    out.headers = QStringList{
        QStringLiteral("Content-Type: application/json"),
        QStringLiteral("Accept: application/json,version=1.0"),
        QStringLiteral("Date: ") + out.date,
        QStringLiteral("Digest: ") + out.digest,
        QStringLiteral("Authorization: ") + authorization,
    };
    return out;
}

}  // namespace OtsRequest
