// Feeds arbitrary bytes to the SBC decoder as a stream of frames, the way
// the capture path hands it whatever the mouse sent: decode, move on by the
// frame's length, or by one byte to look for the next sync.

#include "core/decoder/sbc_decoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    sbc::Decoder decoder;  // fresh per input, so a crash reproduces from its input alone
    // An exact-size copy, so AddressSanitizer flags any read past the end.
    const std::vector<uint8_t> input(data, data + size);
    int16_t out[sbc::Decoder::kMaxSamples];
    for (size_t at = 0; at < size;) {
        size_t samples = 0;
        const int r = decoder.decode(input.data() + at, size - at, out, sizeof out / sizeof out[0],
                                     &samples);
        if (r > 0) {
            const sbc::FrameInfo &i = decoder.info();
            if (size_t(r) > size - at || samples != size_t(i.blocks * i.subbands * i.channels))
                std::abort();
            at += size_t(r);
        } else {
            if (r != sbc::ErrorSync && r != sbc::ErrorBitpool && r != sbc::ErrorShort)
                std::abort();
            at += 1;
        }
    }
    return 0;
}
