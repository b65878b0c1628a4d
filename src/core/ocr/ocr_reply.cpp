#include "core/ocr/ocr_reply.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace OcrReply {

namespace {

Parsed failed(Parsed::Status status, const QString &why)
{
    Parsed p;
    p.status = status;
    p.why = why;
    return p;
}

QString regionText(const QJsonArray &regions)
{
    QString text;
    for (const QJsonValue &region : regions) {
        const QJsonObject r = region.toObject();
        if (!r.contains(QLatin1String("lines")))
            continue;
        for (const QJsonValue &line : r.value(QLatin1String("lines")).toArray()) {
            const QJsonObject l = line.toObject();
            if (!l.contains(QLatin1String("words")))
                continue;
            for (const QJsonValue &word : l.value(QLatin1String("words")).toArray())
                text += word.toObject().value(QLatin1String("text")).toString() + QLatin1Char(' ');
        }
    }
    return text.trimmed();
}

}  // namespace

QString extractTextFromPayload(const QJsonObject &payload, QString *bad)
{
    const QJsonValue res = payload.value(QLatin1String("recognizeDocumentRes"));
    if (!res.isObject() || !res.toObject().contains(QLatin1String("text")))
        return QString();
    const QByteArray decoded =
        QByteArray::fromBase64(res.toObject().value(QLatin1String("text")).toString().toLatin1());
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(decoded, &error);
    if (!doc.isObject()) {
        if (bad) {
            *bad = doc.isNull() ? error.errorString()
                                : QStringLiteral("decoded text is not a JSON object");
        }
        return QString();
    }
    return doc.object().value(QLatin1String("whole_text")).toString();
}

Parsed parse(const QByteArray &body)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (doc.isNull())
        return failed(Parsed::Status::NotJson, QStringLiteral("JSON parse error: ") + error.errorString());
    if (!doc.isObject())
        return failed(Parsed::Status::UnknownShape, QStringLiteral("answer is not a JSON object"));
    const QJsonObject o = doc.object();
    const bool hasHeader = o.contains(QLatin1String("header"));
    const bool hasRegions = o.contains(QLatin1String("regions"));
    if (!hasHeader && !hasRegions)
        return failed(Parsed::Status::UnknownShape, QStringLiteral("neither header nor regions"));

    Parsed p;
    p.status = Parsed::Status::Text;
    if (hasHeader) {
        const QJsonObject header = o.value(QLatin1String("header")).toObject();
        const int code = header.value(QLatin1String("code")).toInt();
        const QString message = header.value(QLatin1String("message")).toString();
        // A header without a code reads as 0; its message still has to say success.
        if (code != 0 || message != QLatin1String("success")) {
            return failed(Parsed::Status::ServiceError,
                          QStringLiteral("Header error: code = %1, message = %2").arg(code).arg(message));
        }
        if (o.contains(QLatin1String("payload"))) {
            QString bad;
            p.text = extractTextFromPayload(o.value(QLatin1String("payload")).toObject(), &bad);
            if (!bad.isEmpty())
                return failed(Parsed::Status::BadPayload, QStringLiteral("Failed to parse decoded text: ") + bad);
        }
    }
    if (hasRegions) {
        const QJsonValue regions = o.value(QLatin1String("regions"));
        if (!regions.isArray())
            return failed(Parsed::Status::UnknownShape, QStringLiteral("regions is not an array"));
        p.text += regionText(regions.toArray());
    }
    return p;
}

}  // namespace OcrReply
