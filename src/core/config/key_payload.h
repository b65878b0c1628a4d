#pragma once

#include <QByteArray>
#include <QString>

// The key service's answer: a JSON envelope {"errCode": 0, "data": "<hex>"}
// whose data decodes to the payload bytes, each XOR-ed with a byte shared
// with the service, followed by one checksum byte (the 8-bit sum of the
// bytes before it as sent). The payload is a JSON object of credentials.
namespace KeyPayload {

struct Unpacked {
    QByteArray payload;  // the credentials JSON; empty on failure
    QString failure;     // why the answer was not taken; empty on success
    bool ok() const { return failure.isEmpty(); }
};

// Hex-decodes data leniently (stray characters are skipped), checks the sum
// and undoes the XOR. Empty when shorter than two bytes or the sum is wrong.
QByteArray unpack(const QByteArray &hexData, quint8 xorKey);

// The whole road from answer body to verified payload. Beyond the envelope
// and the checksum, the payload must be a JSON object carrying the
// dictation credentials: an answer that would blank every client is taken
// for a broken one.
Unpacked fromResponse(const QByteArray &body, quint8 xorKey);

}  // namespace KeyPayload
