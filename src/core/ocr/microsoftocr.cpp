#include "core/ocr/microsoftocr.h"

#include "core/config/endpoints.h"

#include <QDebug>

MicrosoftOCR::MicrosoftOCR(const QString &appId, const QString &apiKey, const QString &apiSecret,
                           QObject *parent)
    : CloudOCR(appId, apiKey, apiSecret, parent)
{
}

void MicrosoftOCR::performOCR()
{
    // The resource host is the customer's own: without one there is nowhere to ask.
    const QString url = Endpoints::url(Endpoints::Endpoint::OcrAzure);
    if (url.isEmpty() || m_apiKey.isEmpty() || m_imageFilePath.isEmpty()) {
        qWarning() << "App info or image file path is not set.";
        if (m_imageFilePath.isEmpty() && !url.isEmpty() && !m_apiKey.isEmpty())
            fail(QStringLiteral("no image path"), unreadableImageMessage());
        else
            fail(QStringLiteral("no endpoint or no key"), notConfiguredMessage());
        return;
    }
    QByteArray image;
    if (!readImage(&image))
        return;
    qDebug().noquote() << "MicrosoftOCR:" << image.size() << "bytes to" << CurlWrapper::loggable(url)
                       << "key" << m_apiKey.left(4) + QStringLiteral("...");
    const QStringList headers = {
        QStringLiteral("Content-Type: application/octet-stream"),
        QStringLiteral("Ocp-Apim-Subscription-Key: ") + m_apiKey,
        QStringLiteral("Method: POST"),
    };
    post(url, image, headers);
}
