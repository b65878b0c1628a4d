#include "fakes/translator_servers.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMessageAuthenticationCode>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QUrlQuery>

TranslatorServer::TranslatorServer()
{
    m_http.setHandler([this](const HttpServer::Request &r) { return answer(r); });
}

void TranslatorServer::setAnswer(Answer answer)
{
    QMutexLocker lock(&m_mutex);
    m_answer = answer;
}

QString TranslatorServer::lastRefusal() const
{
    QMutexLocker lock(&m_mutex);
    return m_lastRefusal;
}

HttpServer::Response TranslatorServer::answer(const HttpServer::Request &request)
{
    QMutexLocker lock(&m_mutex);
    QString text, to;
    const QString why = check(request, &text, &to);
    if (!why.isEmpty()) {
        m_lastRefusal = why;
        return refusal(why);
    }
    switch (m_answer) {
    case Answer::Translate:
        return {200, translation(text, to)};
    case Answer::Status429:
        return {429, R"({"error":{"code":429001,"message":"too many requests"}})"};
    case Answer::Status500:
        return {500, R"({"error":{"code":500000,"message":"internal error"}})"};
    case Answer::UnexpectedShape:
        return {200, unexpectedShape()};
    case Answer::NotJson:
        return {200, "<html>maintenance</html>", "text/html"};
    case Answer::Hang:
        return {200, {}, {}, true};
    }
    return {500, {}};
}

// ---- Microsoft ----

void MicrosoftTranslatorServer::setKey(const QString &key, const QString &region)
{
    QMutexLocker lock(&m_mutex);
    m_key = key;
    m_region = region;
}

QString MicrosoftTranslatorServer::check(const HttpServer::Request &r, QString *text, QString *to) const
{
    const QUrl target(QString::fromUtf8(r.target));
    const QUrlQuery query(target);
    if (r.method != "POST" || target.path() != "/translate")
        return "not POST /translate";
    if (query.queryItemValue("api-version") != "3.0")
        return "api-version is not 3.0";
    *to = query.queryItemValue("to", QUrl::FullyDecoded);
    if (to->isEmpty())
        return "no target language";
    if (r.header("ocp-apim-subscription-key") != m_key.toUtf8() || m_key.isEmpty())
        return "wrong subscription key";
    if (r.header("ocp-apim-subscription-region") != m_region.toUtf8())
        return "wrong region";
    if (!r.header("content-type").startsWith("application/json"))
        return "not JSON";
    const QJsonDocument body = QJsonDocument::fromJson(r.body);
    const QJsonValue first = body.array().at(0);
    if (!body.isArray() || body.array().size() != 1 || !first.toObject().value("Text").isString())
        return "body is not [{\"Text\": ...}]";
    *text = first.toObject().value("Text").toString();
    return {};
}

HttpServer::Response MicrosoftTranslatorServer::refusal(const QString &why) const
{
    return {401, QJsonDocument(QJsonObject{{"error", QJsonObject{{"code", 401000}, {"message", why}}}})
                     .toJson(QJsonDocument::Compact)};
}

QByteArray MicrosoftTranslatorServer::translation(const QString &text, const QString &to) const
{
    const QJsonArray answer{QJsonObject{
        {"detectedLanguage", QJsonObject{{"language", "zh-Hans"}, {"score", 1.0}}},
        {"translations", QJsonArray{QJsonObject{{"text", "[" + to + "] " + text}, {"to", to}}}}}};
    return QJsonDocument(answer).toJson(QJsonDocument::Compact);
}

QByteArray MicrosoftTranslatorServer::unexpectedShape() const
{
    return R"([{"detectedLanguage":{"language":"en"},"translation":"renamed member"}])";
}

// ---- iFlytek ----

void IflytekTranslatorServer::setCredentials(const QString &appId, const QString &apiKey,
                                             const QString &apiSecret)
{
    QMutexLocker lock(&m_mutex);
    m_appId = appId;
    m_apiKey = apiKey;
    m_apiSecret = apiSecret;
}

void IflytekTranslatorServer::setMaxClockSkewSeconds(int seconds)
{
    QMutexLocker lock(&m_mutex);
    m_maxSkew = seconds;
}

QString IflytekTranslatorServer::check(const HttpServer::Request &r, QString *text, QString *to) const
{
    if (r.method != "POST" || r.target != "/v2/ots")
        return "not POST /v2/ots";
    const QByteArray digest =
        "SHA-256=" + QCryptographicHash::hash(r.body, QCryptographicHash::Sha256).toBase64();
    if (r.header("digest") != digest)
        return "digest does not match the body";
    const QString date = QString::fromLatin1(r.header("date"));
    QDateTime when = QLocale(QLocale::English).toDateTime(date.chopped(4), "ddd, dd MMM yyyy hh:mm:ss");
    when.setTimeSpec(Qt::UTC);
    if (!date.endsWith(" GMT") || !when.isValid())
        return "malformed date";
    if (qAbs(when.secsTo(QDateTime::currentDateTimeUtc())) > m_maxSkew)
        return "date too far from the server's clock";
    static const QRegularExpression auth(
        R"re(^api_key="([^"]*)", algorithm="hmac-sha256", headers="host date request-line digest", signature="([^"]*)"$)re");
    const auto m = auth.match(QString::fromLatin1(r.header("authorization")));
    if (!m.hasMatch())
        return "malformed authorization";
    if (m.captured(1) != m_apiKey)
        return "unknown api_key";
    const QByteArray origin = "host: " + r.header("host") + "\ndate: " + date.toLatin1()
        + "\nPOST /v2/ots HTTP/1.1\ndigest: " + digest;
    const QByteArray expected =
        QMessageAuthenticationCode::hash(origin, m_apiSecret.toLatin1(), QCryptographicHash::Sha256)
            .toBase64();
    if (m.captured(2).toLatin1() != expected)
        return "HMAC signature does not match";
    const QJsonObject body = QJsonDocument::fromJson(r.body).object();
    if (body.value("common").toObject().value("app_id").toString() != m_appId)
        return "app_id mismatch";
    *to = body.value("business").toObject().value("to").toString();
    *text = QString::fromUtf8(
        QByteArray::fromBase64(body.value("data").toObject().value("text").toString().toLatin1()));
    return {};
}

HttpServer::Response IflytekTranslatorServer::refusal(const QString &why) const
{
    // The gateway refuses signatures with 401; the service answers a wrong
    // app id itself, with a code and no data.
    if (why == "app_id mismatch")
        return {200, R"({"code":10313,"message":"appid cannot be empty or invalid","sid":"its000"})"};
    return {401, QJsonDocument(QJsonObject{{"message", why}}).toJson(QJsonDocument::Compact)};
}

QByteArray IflytekTranslatorServer::translation(const QString &text, const QString &to) const
{
    const QJsonObject answer{
        {"code", 0}, {"message", "success"}, {"sid", "its000"},
        {"data", QJsonObject{{"result", QJsonObject{
            {"from", "cn"}, {"to", to},
            {"trans_result", QJsonObject{{"src", text}, {"dst", "[" + to + "] " + text}}}}}}}};
    return QJsonDocument(answer).toJson(QJsonDocument::Compact);
}

QByteArray IflytekTranslatorServer::unexpectedShape() const
{
    return R"({"code":0,"message":"success","data":{"result":{"trans_result":{"src":"x"}}}})";
}
