#include "core/translator/microsofttranslator.h"

#include "core/config/endpoints.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {

std::optional<QString> missing(QString *why, const QString &what)
{
    if (why)
        *why = what;
    return std::nullopt;
}

// {"error": {"code": 401000, "message": "..."}}
QString serviceError(const QByteArray &body)
{
    const QJsonObject error = QJsonDocument::fromJson(body).object().value("error").toObject();
    if (error.isEmpty())
        return QStringLiteral("no error object");
    return QStringLiteral("code %1: %2")
        .arg(error.value("code").toVariant().toString(), error.value("message").toString());
}

}  // namespace

MicrosoftTranslator::MicrosoftTranslator(const QString &appId, const QString &apiKey,
                                         const QString &apiSecret, QObject *parent)
    : CloudTranslator(appId, apiKey, apiSecret, parent)
{
}

void MicrosoftTranslator::translate(const QString &text, const QString &from, const QString &to)
{
    Q_UNUSED(from);  // the service detects the source language
    const QString endpoint = Endpoints::url(Endpoints::Endpoint::TranslatorMicrosoft);
    if (endpoint.isEmpty() || m_apiKey.isEmpty()) {
        fail(QStringLiteral("no endpoint or no key"), notConfiguredMessage());
        return;
    }
    const QString url = endpoint + QStringLiteral("?api-version=3.0&to=")
        + QString::fromLatin1(QUrl::toPercentEncoding(to));
    qDebug().noquote() << "wr url:" << url;
    const QByteArray body =
        QJsonDocument(QJsonArray{QJsonObject{{"Text", text}}}).toJson(QJsonDocument::Indented);
    const QStringList headers = {
        QStringLiteral("Content-Type: application/json; charset=UTF-8"),
        QStringLiteral("Accept: application/json,version=1.0"),
        QStringLiteral("Ocp-Apim-Subscription-Region: ") + BuiltInCredentials::translatorMicrosoftRegion(),
        QStringLiteral("Ocp-Apim-Subscription-Key: ") + m_apiKey,
    };
    post(url, body, headers, analysisMTFromNet, serviceError);
}

std::optional<QString> MicrosoftTranslator::analysisMTFromNet(const QByteArray &body, QString *why)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (doc.isNull())
        return missing(why, QStringLiteral("json error! ") + error.errorString());
    if (doc.isObject()) {
        const QJsonValue dst = doc.object()
                                   .value("data").toObject()
                                   .value("result").toObject()
                                   .value("trans_result").toObject()
                                   .value("dst");
        if (!dst.isString())
            return missing(why, QStringLiteral("object without data.result.trans_result.dst"));
        return dst.toString();
    }
    const QJsonValue translations = doc.array().at(0).toObject().value("translations");
    if (!translations.isArray())
        return missing(why, QStringLiteral("no translations array"));
    QString result;
    bool any = false;
    for (const QJsonValue &entry : translations.toArray()) {
        const QJsonValue text = entry.toObject().value("text");
        if (text.isString()) {
            result += text.toString();
            any = true;
        }
    }
    if (!any)
        return missing(why, QStringLiteral("no translated text"));
    return result;
}
