#include "core/config/key_payload.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>

namespace KeyPayload {

QByteArray unpack(const QByteArray &hexData, quint8 xorKey)
{
    const QByteArray bytes = QByteArray::fromHex(hexData);
    if (bytes.size() < 2)
        return {};
    quint8 sum = 0;
    for (int i = 0; i < bytes.size() - 1; ++i)
        sum = quint8(sum + quint8(bytes[i]));
    if (sum != quint8(bytes.back()))
        return {};
    QByteArray payload = bytes.left(bytes.size() - 1);
    for (char &c : payload)
        c = char(quint8(c) ^ xorKey);
    return payload;
}

Unpacked fromResponse(const QByteArray &body, quint8 xorKey)
{
    const QJsonDocument envelope = QJsonDocument::fromJson(body);
    if (envelope.isNull())
        return {{}, QStringLiteral("JSON 解析失败")};
    const QJsonObject o = envelope.object();
    // A code that is not a number counts as 0, as the service has sent it.
    const int code = o.value(QLatin1String("errCode")).toInt(0);
    const QString data = o.value(QLatin1String("data")).toString();
    // The data is the credentials, barely hidden: its size is all the log gets.
    qDebug() << "code:" << code << "data:" << data.size() << "characters";
    if (code != 0)
        return {{}, QStringLiteral("errCode %1").arg(code)};
    const QByteArray payload = unpack(data.toLatin1(), xorKey);
    if (payload.isEmpty())
        return {{}, QStringLiteral("Decoding failed or checksum error")};
    const QJsonDocument doc = QJsonDocument::fromJson(payload);
    if (doc.isNull() || !doc.isObject())
        return {{}, QStringLiteral("Failed to parse JSON configuration")};
    const QJsonObject keys = doc.object();
    for (const char *name : {"iat_appid", "iat_appkey", "iat_appsecret"}) {
        if (keys.value(QLatin1String(name)).toString().isEmpty())
            return {{}, QStringLiteral("payload without %1").arg(QLatin1String(name))};
    }
    return {payload, QString()};
}

}  // namespace KeyPayload
