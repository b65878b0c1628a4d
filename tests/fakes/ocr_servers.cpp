#include "fakes/ocr_servers.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMessageAuthenticationCode>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QByteArray kPngMagic("\x89PNG\r\n\x1a\n", 8);
const char kIflytekPath[] = "/v1/private/hh_ocr_recognize_doc";

QByteArray compact(const QJsonObject &o)
{
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

}  // namespace

OcrServer::OcrServer()
{
    m_http.setHandler([this](const HttpServer::Request &r) { return answer(r); });
}

void OcrServer::setAnswer(Answer answer)
{
    QMutexLocker lock(&m_mutex);
    m_answer = answer;
}

void OcrServer::setText(const QString &text)
{
    QMutexLocker lock(&m_mutex);
    m_text = text;
}

void OcrServer::setRawAnswer(const QByteArray &body)
{
    QMutexLocker lock(&m_mutex);
    m_raw = body;
    m_answer = Answer::Raw;
}

QString OcrServer::lastRefusal() const
{
    QMutexLocker lock(&m_mutex);
    return m_lastRefusal;
}

QByteArray OcrServer::lastImage() const
{
    QMutexLocker lock(&m_mutex);
    return m_lastImage;
}

HttpServer::Response OcrServer::answer(const HttpServer::Request &request)
{
    QMutexLocker lock(&m_mutex);
    QByteArray image;
    const QString why = check(request, &image);
    if (!why.isEmpty()) {
        m_lastRefusal = why;
        return refusal(why);
    }
    m_lastImage = image;
    switch (m_answer) {
    case Answer::Text:
        return {200, recognised(m_text)};
    case Answer::Raw:
        return {200, m_raw};
    case Answer::Status401:
        return {401, R"({"error":{"code":"401","message":"Access denied"}})"};
    case Answer::Status429:
        return {429, R"({"error":{"code":"429","message":"Rate limit is exceeded"}})"};
    case Answer::Status500:
        return {500, R"({"error":{"code":"InternalServerError","message":"internal error"}})"};
    case Answer::NotJson:
        return {200, "<html>maintenance</html>", "text/html"};
    case Answer::WrongShape:
        return {200, wrongShape()};
    case Answer::HeaderError:
        return serviceError();
    case Answer::Hang:
        return {200, {}, {}, true};
    }
    return {500, {}};
}

// ---- Azure ----

void AzureOcrServer::setKey(const QString &key)
{
    QMutexLocker lock(&m_mutex);
    m_key = key;
}

QString AzureOcrServer::check(const HttpServer::Request &r, QByteArray *image) const
{
    if (r.method != "POST" || r.target != "/vision/v3.2/ocr")
        return "not POST /vision/v3.2/ocr";
    if (m_key.isEmpty() || r.header("ocp-apim-subscription-key") != m_key.toUtf8())
        return "wrong subscription key";
    if (r.header("content-type") != "application/octet-stream")
        return "not application/octet-stream";
    if (!r.body.startsWith(kPngMagic))
        return "body is not a PNG";
    *image = r.body;
    return {};
}

HttpServer::Response AzureOcrServer::refusal(const QString &why) const
{
    if (why == "wrong subscription key")
        return {401, compact({{"error", QJsonObject{{"code", "401"}, {"message", why}}}})};
    return {400, compact({{"error", QJsonObject{{"code", "InvalidImageFormat"}, {"message", why}}}})};
}

QByteArray AzureOcrServer::recognised(const QString &text) const
{
    // Paragraphs become regions, lines lines, and the rest words.
    QJsonArray regions;
    for (const QString &paragraph : text.split("\n\n", Qt::SkipEmptyParts)) {
        QJsonArray lines;
        for (const QString &line : paragraph.split('\n', Qt::SkipEmptyParts)) {
            QJsonArray words;
            for (const QString &word : line.split(' ', Qt::SkipEmptyParts))
                words.append(QJsonObject{{"boundingBox", "10,10,40,20"}, {"text", word}});
            lines.append(QJsonObject{{"boundingBox", "10,10,200,20"}, {"words", words}});
        }
        regions.append(QJsonObject{{"boundingBox", "10,10,200,80"}, {"lines", lines}});
    }
    return compact({{"language", "zh-Hans"}, {"textAngle", 0.0}, {"orientation", "Up"},
                    {"regions", regions}});
}

QByteArray AzureOcrServer::wrongShape() const
{
    return R"({"status":"succeeded","analyzeResult":{"readResults":[]}})";
}

HttpServer::Response AzureOcrServer::serviceError() const
{
    return {400, R"({"error":{"code":"InvalidImageSize","message":"Image must be at least 50 pixels"}})"};
}

// ---- iFlytek ----

void IflytekOcrServer::setCredentials(const QString &appId, const QString &apiKey,
                                      const QString &apiSecret)
{
    QMutexLocker lock(&m_mutex);
    m_appId = appId;
    m_apiKey = apiKey;
    m_apiSecret = apiSecret;
}

void IflytekOcrServer::setMaxClockSkewSeconds(int seconds)
{
    QMutexLocker lock(&m_mutex);
    m_maxSkew = seconds;
}

QString IflytekOcrServer::check(const HttpServer::Request &r, QByteArray *image) const
{
    const QUrl target(QString::fromLatin1(r.target));
    if (r.method != "POST" || target.path() != kIflytekPath)
        return "not POST /v1/private/hh_ocr_recognize_doc";
    const QUrlQuery query(target);
    const QString host = query.queryItemValue("host", QUrl::FullyDecoded);
    const QString date = query.queryItemValue("date", QUrl::FullyDecoded);
    if (host != QString::fromLatin1(r.header("host")))
        return "host in the query is not the Host header";
    QDateTime when = QLocale(QLocale::English).toDateTime(date.chopped(qMin(4, date.size())),
                                                          "ddd, dd MMM yyyy hh:mm:ss");
    when.setTimeSpec(Qt::UTC);
    if (!date.endsWith(" GMT") || !when.isValid())
        return "malformed date";
    if (qAbs(when.secsTo(QDateTime::currentDateTimeUtc())) > m_maxSkew)
        return "date too far from the server's clock";
    const QString authorization = QString::fromUtf8(QByteArray::fromBase64(
        query.queryItemValue("authorization", QUrl::FullyDecoded).toLatin1()));
    static const QRegularExpression auth(
        R"re(^api_key="([^"]*)", algorithm="hmac-sha256", headers="host date request-line", signature="([^"]*)"$)re");
    const auto m = auth.match(authorization);
    if (!m.hasMatch())
        return "malformed authorization";
    if (m.captured(1) != m_apiKey)
        return "unknown api_key";
    const QByteArray origin = "host: " + r.header("host") + "\ndate: " + date.toLatin1() + "\nPOST "
        + kIflytekPath + " HTTP/1.1";
    const QByteArray expected =
        QMessageAuthenticationCode::hash(origin, m_apiSecret.toLatin1(), QCryptographicHash::Sha256)
            .toBase64();
    if (m.captured(2).toLatin1() != expected)
        return "HMAC signature does not match";

    if (!r.header("content-type").startsWith("application/json"))
        return "not JSON";
    const QJsonObject body = QJsonDocument::fromJson(r.body).object();
    const QJsonObject header = body.value("header").toObject();
    if (header.value("app_id").toString() != m_appId)
        return "app_id mismatch";
    const QJsonObject res = body.value("parameter").toObject().value("hh_ocr_recognize_doc").toObject()
                                .value("recognizeDocumentRes").toObject();
    const QJsonObject picture = body.value("payload").toObject().value("image").toObject();
    if (header.value("status").toInt() != 3 || res.value("encoding") != "utf8"
        || res.value("compress") != "raw" || res.value("format") != "json"
        || picture.value("encoding") != "png" || picture.value("status").toInt() != 3)
        return "body shape";
    const QByteArray png = QByteArray::fromBase64(picture.value("image").toString().toLatin1(),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    if (!png.startsWith(kPngMagic))
        return "image is not a Base64 PNG";
    *image = png;
    return {};
}

HttpServer::Response IflytekOcrServer::refusal(const QString &why) const
{
    // The gateway refuses what it signs with 401; the service answers the
    // rest itself, with a header code.
    if (why == "app_id mismatch" || why == "body shape" || why == "image is not a Base64 PNG"
        || why == "not JSON") {
        return {200, compact({{"header", QJsonObject{{"code", 10163}, {"message", why}, {"sid", "ase000"}}}})};
    }
    return {401, compact({{"message", why}})};
}

QByteArray IflytekOcrServer::recognised(const QString &text) const
{
    const QByteArray document = compact({{"whole_text", text}, {"version", "1.0"}});
    return compact({
        {"header", QJsonObject{{"code", 0}, {"message", "success"}, {"sid", "ase000"}}},
        {"payload", QJsonObject{{"recognizeDocumentRes", QJsonObject{
            {"compress", "raw"}, {"encoding", "utf8"}, {"format", "json"}, {"status", 3},
            {"text", QString::fromLatin1(document.toBase64())}}}}},
    });
}

QByteArray IflytekOcrServer::wrongShape() const
{
    return R"({"code":0,"message":"success","data":{"text":"renamed members"}})";
}

HttpServer::Response IflytekOcrServer::serviceError() const
{
    return {200, R"({"header":{"code":10110,"message":"service license not enough","sid":"ase000"}})"};
}
