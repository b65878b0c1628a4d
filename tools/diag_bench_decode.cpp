#include "diag_bench_decode.h"

#include "core/decoder/sbc_decoder.h"

#include <sbc/sbc.h>

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 16000;
constexpr int kFrameSamples = 120;
constexpr size_t kFrameBytes = 57;

// Ten seconds of voiced speech-like sound at about -12 dBFS: glottal pulses
// with a wandering pitch through two moving formants, in syllable bursts.
std::vector<int16_t> speechLike()
{
    const double pi = std::acos(-1.0);
    std::vector<int16_t> pcm(size_t(kRate) * 10 / kFrameSamples * kFrameSamples);
    std::vector<double> x(pcm.size());
    double phase = 0, y1[2] = {}, y2[2] = {}, peak = 1e-9;
    uint32_t seed = 1;
    for (size_t i = 0; i < x.size(); ++i) {
        const double t = double(i) / kRate;
        phase += (120 + 40 * std::sin(2 * pi * 0.9 * t)) / kRate;
        phase -= std::floor(phase);
        seed = seed * 1664525u + 1013904223u;
        double v = (phase < 0.4 ? std::sin(pi * phase / 0.4) : 0.0) + 0.02 * ((seed >> 16) / 32768.0 - 1);
        const double formant[2] = {600 + 250 * std::sin(2 * pi * 1.9 * t),
                                   1600 + 600 * std::sin(2 * pi * 1.3 * t)};
        for (int f = 0; f < 2; ++f) {
            const double r = std::exp(-pi * 90 / kRate);
            const double y = v + 2 * r * std::cos(2 * pi * formant[f] / kRate) * y1[f] - r * r * y2[f];
            y2[f] = y1[f], y1[f] = y, v = y;
        }
        x[i] = v * (0.15 + std::pow(std::max(0.0, std::sin(2 * pi * 3.3 * t)), 2));
        peak = std::max(peak, std::abs(x[i]));
    }
    for (size_t i = 0; i < x.size(); ++i)
        pcm[i] = int16_t(std::lround(x[i] * 8200 / peak));
    return pcm;
}

std::vector<uint8_t> encodeMsbc(const std::vector<int16_t> &pcm)
{
    sbc_t enc;
    sbc_init_msbc(&enc, 0);
    enc.endian = SBC_LE;
    std::vector<uint8_t> frames(pcm.size() / kFrameSamples * kFrameBytes);
    for (size_t f = 0; f < pcm.size() / kFrameSamples; ++f) {
        ssize_t written = 0;
        sbc_encode(&enc, pcm.data() + f * kFrameSamples, kFrameSamples * 2, frames.data() + f * kFrameBytes,
                   kFrameBytes, &written);
    }
    sbc_finish(&enc);
    return frames;
}

// One pass over all frames; returns nanoseconds, fills out when given.
qint64 passLibsbc(sbc_t *dec, const std::vector<uint8_t> &frames, int16_t *out)
{
    int16_t scratch[kFrameSamples];
    QElapsedTimer timer;
    timer.start();
    for (size_t at = 0, f = 0; at < frames.size(); at += kFrameBytes, ++f) {
        size_t written = 0;
        sbc_decode(dec, frames.data() + at, kFrameBytes, out ? out + f * kFrameSamples : scratch,
                   sizeof scratch, &written);
    }
    return timer.nsecsElapsed();
}

qint64 passOurs(sbc::Decoder *dec, const std::vector<uint8_t> &frames, int16_t *out)
{
    int16_t scratch[kFrameSamples];
    QElapsedTimer timer;
    timer.start();
    for (size_t at = 0, f = 0; at < frames.size(); at += kFrameBytes, ++f) {
        size_t samples = 0;
        dec->decode(frames.data() + at, kFrameBytes, out ? out + f * kFrameSamples : scratch,
                    kFrameSamples, &samples);
    }
    return timer.nsecsElapsed();
}

}  // namespace

int runBenchDecode(double seconds)
{

    const std::vector<int16_t> pcm = speechLike();
    const std::vector<uint8_t> frames = encodeMsbc(pcm);
    const size_t frameCount = frames.size() / kFrameBytes;

    sbc_t ref;
    sbc_init_msbc(&ref, 0);
    ref.endian = SBC_LE;
    sbc::Decoder ours;

    // First pass of each, from fresh state, for the comparison.
    std::vector<int16_t> refOut(pcm.size()), oursOut(pcm.size());
    qint64 refNs = passLibsbc(&ref, frames, refOut.data());
    qint64 oursNs = passOurs(&ours, frames, oursOut.data());
    long refPasses = 1, oursPasses = 1;
    // Alternate which goes first, so neither always inherits a warm cache or
    // a clock ramp from the other; each stops once it has had its time.
    const qint64 budget = qint64(seconds * 1e9);
    for (long round = 1; refNs < budget || oursNs < budget; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == round % 2) && oursNs < budget) {
                oursNs += passOurs(&ours, frames, nullptr);
                ++oursPasses;
            } else if ((turn != round % 2) && refNs < budget) {
                refNs += passLibsbc(&ref, frames, nullptr);
                ++refPasses;
            }
        }
    }
    sbc_finish(&ref);

    double signal = 0, noise = 0;
    int maxDiff = 0;
    for (size_t i = 0; i < pcm.size(); ++i) {
        const double d = double(oursOut[i]) - refOut[i];
        signal += double(refOut[i]) * refOut[i];
        noise += d * d;
        maxDiff = std::max(maxDiff, int(std::abs(d)));
    }
    const double refRate = double(frameCount) * refPasses / (refNs * 1e-9);
    const double oursRate = double(frameCount) * oursPasses / (oursNs * 1e-9);
    std::printf("mSBC: %zu frames (%.1f s of 16 kHz speech-like audio); passes: libsbc %ld, talkvane %ld\n",
                frameCount, double(pcm.size()) / kRate, refPasses, oursPasses);
    std::printf("libsbc   : %12.0f frames/s  (%.3f us/frame)\n", refRate, 1e6 / refRate);
    std::printf("talkvane : %12.0f frames/s  (%.3f us/frame)\n", oursRate, 1e6 / oursRate);
    std::printf("ratio talkvane/libsbc: %.2f\n", oursRate / refRate);
    std::printf("talkvane vs libsbc output: SNR %.1f dB, max difference %d\n",
                noise > 0 ? 10 * std::log10(signal / noise) : INFINITY, maxDiff);
    return 0;
}
