// Both OCR services' answers are outside input: JSON, a header, regions, and
// Base64 JSON inside the payload.
#include "core/ocr/ocr_reply.h"

#include <QJsonDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), int(size));
    OcrReply::parse(body);
    // The payload alone, as when the header was fine.
    OcrReply::extractTextFromPayload(QJsonDocument::fromJson(body).object());
    return 0;
}
