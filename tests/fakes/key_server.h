#pragma once

#include "fakes/http_server.h"

#include <QJsonObject>
#include <QString>

// A local stand-in for the management server's key service: answers
// GET /api/system/v3/getKey with the credentials packed as the service packs
// them, or with one of the ways such an answer goes wrong.
class KeyServer
{
public:
    enum class Answer {
        Packed,
        WrongChecksum,
        NotHex,        // data holds no hex digits at all
        OneByte,       // too short to carry a checksum
        Html,          // an error page instead of JSON
        ErrorCode,     // errCode 1
        PayloadNotJson,
        MissingKeys,   // a payload without the dictation credentials
        WrongXor,      // packed with another byte
        Status500,
        Hang,          // never answers
    };

    explicit KeyServer(quint8 xorKey);
    bool listen() { return m_http.listen(); }
    // The base URL of the management server.
    QString url() const { return m_http.baseUrl(); }

    void setCredentials(const QJsonObject &payload);
    void setAnswer(Answer answer);
    void dropConnections() { m_http.dropConnections(); }
    int requestCount() const { return m_http.requestCount(); }
    QVector<HttpServer::Request> requests() const { return m_http.requests(); }

    // The service's packing: bytes XOR-ed, then their 8-bit sum appended, as hex.
    static QByteArray pack(const QByteArray &payload, quint8 xorKey);

private:
    HttpServer::Response answer(const HttpServer::Request &request) const;

    HttpServer m_http;
    quint8 m_xor;
    mutable QMutex m_mutex;
    QJsonObject m_payload;
    Answer m_answer = Answer::Packed;
};
