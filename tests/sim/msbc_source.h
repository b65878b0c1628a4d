#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <sbc/sbc.h>

namespace hidsim {

// The microphone side of the simulated mouse: PCM from a looping WAV file or
// a generated tone, cut into 120-sample blocks and encoded as mSBC frames.
class MsbcSource
{
public:
    static constexpr int kSampleRate = 16000;
    static constexpr size_t kSamplesPerFrame = 120;
    static constexpr size_t kFrameBytes = 57;

    MsbcSource();
    ~MsbcSource();
    MsbcSource(const MsbcSource &) = delete;
    MsbcSource &operator=(const MsbcSource &) = delete;

    void setTone(double hz, double amplitude);
    // Accepts 16 kHz mono 16-bit PCM only; on failure the source is unchanged.
    bool loadWav(const std::string &path, std::string *error);

    // Back to the first sample with a fresh encoder, as at the start of a
    // recording.
    void restart();

    // Encodes the next 120 samples into out[0..56].
    void nextFrame(uint8_t *out);

private:
    void fillPcm(int16_t *out, size_t count);

    sbc_t m_sbc;
    std::vector<int16_t> m_wav;  // empty: tone
    size_t m_wavPos = 0;
    double m_toneHz = 440.0;
    double m_toneAmplitude = 0.5;
    uint64_t m_toneSample = 0;
};

}  // namespace hidsim
