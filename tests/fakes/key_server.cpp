#include "fakes/key_server.h"

#include <QJsonDocument>
#include <QMutexLocker>

KeyServer::KeyServer(quint8 xorKey) : m_xor(xorKey)
{
    m_http.setHandler([this](const HttpServer::Request &r) { return answer(r); });
}

void KeyServer::setCredentials(const QJsonObject &payload)
{
    QMutexLocker lock(&m_mutex);
    m_payload = payload;
}

void KeyServer::setAnswer(Answer answer)
{
    QMutexLocker lock(&m_mutex);
    m_answer = answer;
}

QByteArray KeyServer::pack(const QByteArray &payload, quint8 xorKey)
{
    QByteArray bytes = payload;
    quint8 sum = 0;
    for (char &c : bytes) {
        c = char(quint8(c) ^ xorKey);
        sum = quint8(sum + quint8(c));
    }
    bytes.append(char(sum));
    return bytes.toHex();
}

HttpServer::Response KeyServer::answer(const HttpServer::Request &request) const
{
    if (request.method != "GET" || request.target != "/api/system/v3/getKey")
        return {404, "{\"errCode\":404}"};
    QMutexLocker lock(&m_mutex);
    const QByteArray json = QJsonDocument(m_payload).toJson(QJsonDocument::Compact);
    auto envelope = [](const QByteArray &data, int code = 0) {
        return HttpServer::Response{
            200, QJsonDocument(QJsonObject{{"errCode", code}, {"data", QString::fromLatin1(data)}})
                     .toJson(QJsonDocument::Compact)};
    };
    switch (m_answer) {
    case Answer::Packed:
        return envelope(pack(json, m_xor));
    case Answer::WrongChecksum: {
        QByteArray hex = pack(json, m_xor);
        hex[hex.size() - 1] = hex.endsWith('0') ? '1' : '0';
        return envelope(hex);
    }
    case Answer::NotHex:
        return envelope("this is not hex at all!");
    case Answer::OneByte:
        return envelope("7f");
    case Answer::Html:
        return {200, "<html><body>502 Bad Gateway</body></html>", "text/html"};
    case Answer::ErrorCode:
        return envelope(pack(json, m_xor), 1);
    case Answer::PayloadNotJson:
        return envelope(pack("iat_appid=x", m_xor));
    case Answer::MissingKeys: {
        QJsonObject partial = m_payload;
        partial.remove("iat_appkey");
        return envelope(pack(QJsonDocument(partial).toJson(QJsonDocument::Compact), m_xor));
    }
    case Answer::WrongXor:
        return envelope(pack(json, quint8(m_xor ^ 0x5a)));
    case Answer::Status500:
        return {500, "{\"errCode\":500}"};
    case Answer::Hang:
        return {200, {}, {}, true};
    }
    return {500, {}};
}
