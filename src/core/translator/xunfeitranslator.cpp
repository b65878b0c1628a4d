#include "core/translator/xunfeitranslator.h"

#include "core/config/endpoints.h"
#include "core/translator/ots_request.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// {"code": 10313, "message": "...", "sid": "..."}
QString serviceError(const QByteArray &body)
{
    const QJsonObject o = QJsonDocument::fromJson(body).object();
    if (o.isEmpty())
        return QStringLiteral("no JSON error");
    return QStringLiteral("code %1: %2")
        .arg(o.value("code").toVariant().toString(), o.value("message").toString());
}

}  // namespace

XunFeiTranslator::XunFeiTranslator(const QString &appId, const QString &apiKey,
                                   const QString &apiSecret, QObject *parent)
    : CloudTranslator(appId, apiKey, apiSecret, parent),
      m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
}

void XunFeiTranslator::translate(const QString &text, const QString &from, const QString &to)
{
    const QString url = Endpoints::url(Endpoints::Endpoint::TranslatorIflytek);
    if (url.isEmpty() || m_appId.isEmpty() || m_apiKey.isEmpty() || m_apiSecret.isEmpty()) {
        fail(QStringLiteral("no endpoint or incomplete credentials"), notConfiguredMessage());
        return;
    }
    const OtsRequest::Signed request =
        OtsRequest::build(url, m_appId, m_apiKey, m_apiSecret, text, from, to, m_clock());
    qDebug().noquote() << "XunFeiTranslator: date" << request.date << "url" << url;
    post(url, request.body, request.headers, readAnswer, serviceError);
}

std::optional<QString> XunFeiTranslator::readAnswer(const QByteArray &body, QString *why)
{
    const QJsonObject o = QJsonDocument::fromJson(body).object();
    const QJsonValue dst = o.value("data").toObject()
                               .value("result").toObject()
                               .value("trans_result").toObject()
                               .value("dst");
    if (dst.isString())
        return dst.toString();
    if (why) {
        *why = o.contains("data") ? QStringLiteral("data without trans_result.dst")
                                  : QStringLiteral("Result error: ") + serviceError(body);
    }
    return std::nullopt;
}
