#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// Reading the answer of either OCR service. Pure, so that it can be fuzzed
// and checked without a server.
namespace OcrReply {

struct Parsed {
    enum class Status {
        Text,          // text holds the recognised text, possibly empty
        NotJson,       // the body is not a JSON object
        UnknownShape,  // JSON, but neither service's answer
        ServiceError,  // the service's header reports a failure
        BadPayload,    // the payload's text is not Base64 of a JSON object
    };
    Status status = Status::NotJson;
    QString text;
    QString why;  // for the log, when status is not Text
    bool ok() const { return status == Status::Text; }
};

// An answer of either service:
//  - {"header": {"code": 0, "message": "success"}, "payload": {...}}: the
//    payload's text (see extractTextFromPayload); no payload gives "";
//  - {"regions": [{"lines": [{"words": [{"text": ...}]}]}]}: every word,
//    joined by single spaces across lines and regions.
Parsed parse(const QByteArray &body);

// payload.recognizeDocumentRes.text is Base64 of {"whole_text": ...}:
// the whole text, "" when a level is missing; *bad is set when the text is
// there but does not decode to a JSON object.
QString extractTextFromPayload(const QJsonObject &payload, QString *bad = nullptr);

}  // namespace OcrReply
