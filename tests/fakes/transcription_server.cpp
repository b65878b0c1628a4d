#include "fakes/transcription_server.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

const char kPath[] = "/speechtotext/transcriptions:transcribe";

struct Part {
    QByteArray name;
    QByteArray body;
};

// The parts of a multipart/form-data body, or none when it is malformed.
QList<Part> formParts(const QByteArray &body, const QByteArray &boundary)
{
    QList<Part> parts;
    const QByteArray delimiter = "--" + boundary;
    int at = body.indexOf(delimiter);
    while (at >= 0) {
        at += delimiter.size();
        if (body.mid(at, 2) == "--")
            return parts;
        const int headersEnd = body.indexOf("\r\n\r\n", at);
        const int next = body.indexOf("\r\n" + delimiter, headersEnd);
        if (headersEnd < 0 || next < 0)
            return {};
        const QByteArray headers = body.mid(at, headersEnd - at);
        static const QRegularExpression name(QStringLiteral("name=\"([^\"]*)\""));
        const auto m = name.match(QString::fromUtf8(headers));
        parts.append({m.captured(1).toUtf8(), body.mid(headersEnd + 4, next - headersEnd - 4)});
        at = next + 2;
    }
    return {};
}

}  // namespace

TranscriptionServer::TranscriptionServer()
{
    m_http.setHandler([this](const HttpServer::Request &r) { return answer(r); });
}

QString TranscriptionServer::url() const
{
    return m_http.baseUrl() + QLatin1String(kPath);
}

void TranscriptionServer::setKey(const QString &key)
{
    QMutexLocker lock(&m_mutex);
    m_key = key;
}

void TranscriptionServer::setAnswer(Answer answer)
{
    QMutexLocker lock(&m_mutex);
    m_answer = answer;
}

void TranscriptionServer::setTexts(const QStringList &texts)
{
    QMutexLocker lock(&m_mutex);
    m_texts = texts;
    m_next = 0;
}

QString TranscriptionServer::lastRefusal() const
{
    QMutexLocker lock(&m_mutex);
    return m_lastRefusal;
}

QList<QByteArray> TranscriptionServer::wavFiles() const
{
    QMutexLocker lock(&m_mutex);
    return m_wavs;
}

QStringList TranscriptionServer::locales() const
{
    QMutexLocker lock(&m_mutex);
    return m_locales;
}

QString TranscriptionServer::check(const HttpServer::Request &r, QByteArray *wav,
                                   QString *locale) const
{
    const QUrl target(QString::fromLatin1(r.target));
    if (r.method != "POST" || target.path() != QLatin1String(kPath))
        return QStringLiteral("not POST %1").arg(kPath);
    if (QUrlQuery(target).queryItemValue(QStringLiteral("api-version")) != "2024-11-15")
        return QStringLiteral("api-version is not 2024-11-15");
    if (m_key.isEmpty() || r.header("ocp-apim-subscription-key") != m_key.toUtf8())
        return QStringLiteral("wrong subscription key");
    static const QRegularExpression multipart(
        QStringLiteral("^multipart/form-data;\\s*boundary=\"?([^\";]+)\"?"));
    const auto m = multipart.match(QString::fromLatin1(r.header("content-type")));
    if (!m.hasMatch())
        return QStringLiteral("not multipart/form-data with a boundary");
    const QList<Part> parts = formParts(r.body, m.captured(1).toLatin1());
    QByteArray audio, definition;
    for (const Part &part : parts) {
        if (part.name == "audio")
            audio = part.body;
        else if (part.name == "definition")
            definition = part.body;
    }
    if (audio.size() < 44 || !audio.startsWith("RIFF") || audio.mid(8, 4) != "WAVE")
        return QStringLiteral("no WAV in the audio part");
    const QJsonArray locales =
        QJsonDocument::fromJson(definition).object().value(QStringLiteral("locales")).toArray();
    if (locales.isEmpty() || locales.first().toString().isEmpty())
        return QStringLiteral("no locales in the definition part");
    *wav = audio;
    *locale = locales.first().toString();
    return {};
}

QByteArray TranscriptionServer::recognised(const QString &text, const QString &locale) const
{
    QJsonArray phrases;
    int offset = 0;
    for (const QString &line : text.split('\n', Qt::SkipEmptyParts)) {
        QJsonArray words;
        int at = offset;
        for (const QString &word : line.split(' ', Qt::SkipEmptyParts)) {
            words.append(QJsonObject{{"text", word}, {"offsetMilliseconds", at},
                                     {"durationMilliseconds", 400}});
            at += 400;
        }
        phrases.append(QJsonObject{{"offsetMilliseconds", offset},
                                   {"durationMilliseconds", at - offset},
                                   {"text", line},
                                   {"words", words},
                                   {"locale", locale},
                                   {"confidence", 0.92}});
        offset = at + 200;
    }
    const QJsonObject reply{{"durationMilliseconds", offset},
                            {"combinedPhrases", QJsonArray{QJsonObject{{"text", text}}}},
                            {"phrases", phrases}};
    return QJsonDocument(reply).toJson(QJsonDocument::Compact);
}

HttpServer::Response TranscriptionServer::answer(const HttpServer::Request &request)
{
    QMutexLocker lock(&m_mutex);
    QByteArray wav;
    QString locale;
    const QString why = check(request, &wav, &locale);
    if (!why.isEmpty()) {
        m_lastRefusal = why;
        const int status = why == QLatin1String("wrong subscription key") ? 401 : 400;
        return {status, QJsonDocument(QJsonObject{{"error", QJsonObject{{"code", status},
                                                                        {"message", why}}}})
                            .toJson(QJsonDocument::Compact)};
    }
    m_wavs.append(wav);
    m_locales.append(locale);
    switch (m_answer) {
    case Answer::Text: {
        const QString text = m_texts.value(qMin(m_next, m_texts.size() - 1));
        ++m_next;
        return {200, recognised(text, locale)};
    }
    case Answer::Status401:
        return {401, R"({"error":{"code":"401","message":"Access denied due to invalid subscription key"}})"};
    case Answer::Status429:
        return {429, R"({"error":{"code":"429","message":"Too many requests"}})"};
    case Answer::Status500:
        return {500, R"({"error":{"code":"InternalServerError","message":"internal error"}})"};
    case Answer::NotJson:
        return {200, "<html>maintenance</html>", "text/html"};
    case Answer::Hang:
        return {200, {}, {}, true};
    }
    return {500, {}};
}
