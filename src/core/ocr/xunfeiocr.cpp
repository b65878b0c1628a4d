#include "core/ocr/xunfeiocr.h"

#include "core/config/endpoints.h"
#include "core/speech/xfyun_request.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QUrl>

namespace {

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

}  // namespace

XunfeiOCR::XunfeiOCR(const QString &appId, const QString &apiKey, const QString &apiSecret,
                     QObject *parent)
    : CloudOCR(appId, apiKey, apiSecret, parent),
      m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
}

QString XunfeiOCR::getCurrentTime() const
{
    return XfyunRequest::httpDate(m_clock());
}

QString XunfeiOCR::signedHost(const QString &endpoint)
{
    const QUrl u(endpoint);
    const int port = u.port();
    const int standard = u.scheme() == QLatin1String("http") ? 80 : 443;
    if (port < 0 || port == standard)
        return u.host();
    return u.host() + QLatin1Char(':') + QString::number(port);
}

QString XunfeiOCR::signature(const QString &endpoint, const QString &date, const QString &apiSecret)
{
    const QString origin = QStringLiteral("host: ") + signedHost(endpoint) + QStringLiteral("\ndate: ")
        + date + QStringLiteral("\nPOST ") + QUrl(endpoint).path() + QStringLiteral(" HTTP/1.1");
    return QString::fromLatin1(QMessageAuthenticationCode::hash(origin.toUtf8(), apiSecret.toLatin1(),
                                                                QCryptographicHash::Sha256)
                                   .toBase64());
}

QString XunfeiOCR::signedUrl(const QString &endpoint, const QString &apiKey,
                             const QString &apiSecret, const QString &date)
{
    const QString origin =
        QStringLiteral("api_key=\"%1\", algorithm=\"hmac-sha256\", headers=\"host date request-line\", "
                       "signature=\"%2\"")
            .arg(apiKey, signature(endpoint, date, apiSecret));
    const QString authorization = QString::fromLatin1(origin.toUtf8().toBase64());
    // Encoded, so that the signature's '+' cannot reach the service as a space.
    return endpoint + QStringLiteral("?authorization=") + encoded(authorization)
        + QStringLiteral("&host=") + encoded(signedHost(endpoint)) + QStringLiteral("&date=")
        + encoded(date);
}

QByteArray XunfeiOCR::requestBody(const QString &appId, const QByteArray &image)
{
    const QJsonObject body{
        {"header", QJsonObject{{"app_id", appId}, {"status", 3}}},
        {"parameter", QJsonObject{{"hh_ocr_recognize_doc", QJsonObject{{"recognizeDocumentRes", QJsonObject{
            {"encoding", "utf8"}, {"compress", "raw"}, {"format", "json"}}}}}}},
        {"payload", QJsonObject{{"image", QJsonObject{
            {"encoding", "png"},
            {"image", QString::fromLatin1(image.toBase64())},
            {"status", 3}}}}},
    };
    return QJsonDocument(body).toJson(QJsonDocument::Indented);
}

void XunfeiOCR::performOCR()
{
    const QString endpoint = Endpoints::url(Endpoints::Endpoint::OcrIflytek);
    const bool keys = !m_appId.isEmpty() && !m_apiKey.isEmpty() && !m_apiSecret.isEmpty();
    if (endpoint.isEmpty() || !keys || m_imageFilePath.isEmpty()) {
        qWarning() << "App info or image file path is not set.";
        if (m_imageFilePath.isEmpty() && !endpoint.isEmpty() && keys)
            fail(QStringLiteral("no image path"), unreadableImageMessage());
        else
            fail(QStringLiteral("no endpoint or incomplete credentials"), notConfiguredMessage());
        return;
    }
    QByteArray image;
    if (!readImage(&image))
        return;
    const QString date = getCurrentTime();
    // The query carries the signature: only the endpoint is logged.
    qDebug().noquote() << "XunfeiOCR:" << image.size() << "bytes, date" << date << "url"
                       << CurlWrapper::loggable(endpoint) << "app" << m_appId.left(4) + QStringLiteral("...");
    const QStringList headers = {
        QStringLiteral("Content-Type: application/json"),
        QStringLiteral("Accept: application/json,version=1.0"),
        QStringLiteral("Method: POST"),
    };
    post(signedUrl(endpoint, m_apiKey, m_apiSecret, date), requestBody(m_appId, image), headers);
}
