// The key service's answer is outside input: envelope, hex, checksum, payload.
#include "core/config/appconfig.h"
#include "core/config/key_payload.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), int(size));
    const KeyPayload::Unpacked r = KeyPayload::fromResponse(body, 0x5a);
    if (r.ok()) {
        AppConfig config;
        config.loadFromJson(r.payload);
    }
    KeyPayload::unpack(body, 0x5a);
    return 0;
}
