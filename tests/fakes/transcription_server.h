#pragma once

#include "fakes/http_server.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QStringList>

// Local stand-in for the fast-transcription service over TLS. Checks the
// path and its api-version, the subscription key, and the multipart form:
// an "audio" part holding a WAV file and a "definition" part with JSON
// "locales". Answers each accepted request with the next configured text in
// the service's shape (lines of a text become phrases), or with the failure
// a test asks for; keeps the WAV bytes it received.
class TranscriptionServer
{
public:
    enum class Answer { Text, Status401, Status429, Status500, NotJson, Hang };

    TranscriptionServer();
    bool listen() { return m_http.listen(); }
    // "https://127.0.0.1:<port>/speechtotext/transcriptions:transcribe"
    QString url() const;
    void setKey(const QString &key);
    void setAnswer(Answer answer);
    // One text per request in turn; the last is repeated.
    void setTexts(const QStringList &texts);

    int requestCount() const { return m_http.requestCount(); }
    void dropConnections() { m_http.dropConnections(); }
    QString lastRefusal() const;
    // Of the requests that passed the checks, in arrival order.
    QList<QByteArray> wavFiles() const;
    QStringList locales() const;

private:
    HttpServer::Response answer(const HttpServer::Request &request);
    QString check(const HttpServer::Request &request, QByteArray *wav, QString *locale) const;
    QByteArray recognised(const QString &text, const QString &locale) const;

    HttpServer m_http;
    mutable QMutex m_mutex;
    QString m_key;
    Answer m_answer = Answer::Text;
    QStringList m_texts;
    int m_next = 0;
    QString m_lastRefusal;
    QList<QByteArray> m_wavs;
    QStringList m_locales;
};
