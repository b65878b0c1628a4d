#include "msbc_source.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace hidsim {

namespace {

constexpr double kPi = 3.14159265358979323846;

uint16_t le16(const unsigned char *p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t le32(const unsigned char *p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8)
        | (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool fail(std::string *error, const std::string &why)
{
    if (error)
        *error = why;
    return false;
}

}  // namespace

MsbcSource::MsbcSource()
{
    sbc_init_msbc(&m_sbc, 0);
    m_sbc.endian = SBC_LE;
}

MsbcSource::~MsbcSource()
{
    sbc_finish(&m_sbc);
}

void MsbcSource::setTone(double hz, double amplitude)
{
    m_wav.clear();
    m_toneHz = hz;
    m_toneAmplitude = std::clamp(amplitude, 0.0, 1.0);
    restart();
}

bool MsbcSource::loadWav(const std::string &path, std::string *error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail(error, "cannot open " + path);
    const std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0
        || std::memcmp(file.data() + 8, "WAVE", 4) != 0)
        return fail(error, "not a RIFF/WAVE file");

    bool haveFormat = false;
    const unsigned char *data = nullptr;
    size_t dataBytes = 0;
    size_t pos = 12;
    while (pos + 8 <= file.size()) {
        const unsigned char *chunk = file.data() + pos;
        const size_t size = le32(chunk + 4);
        const size_t avail = std::min(size, file.size() - pos - 8);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (avail < 16)
                return fail(error, "short fmt chunk");
            const uint16_t format = le16(chunk + 8);
            const uint16_t channels = le16(chunk + 10);
            const uint32_t rate = le32(chunk + 12);
            const uint16_t bits = le16(chunk + 22);
            // 0xFFFE is the extensible header that some tools write for plain PCM.
            if ((format != 1 && format != 0xFFFE) || channels != 1 || rate != kSampleRate
                || bits != 16)
                return fail(error, "need 16 kHz mono 16-bit PCM");
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            data = chunk + 8;
            dataBytes = avail;
        }
        pos += 8 + size + (size & 1);  // chunks are padded to even length
    }
    if (!haveFormat)
        return fail(error, "no fmt chunk");
    if (!data || dataBytes < 2)
        return fail(error, "no samples");

    std::vector<int16_t> samples(dataBytes / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(le16(data + 2 * i));
    m_wav = std::move(samples);
    restart();
    return true;
}

void MsbcSource::restart()
{
    m_wavPos = 0;
    m_toneSample = 0;
    // A fresh codec rather than sbc_reinit_msbc(), after which this libsbc's
    // encoder produces no frames.
    sbc_finish(&m_sbc);
    sbc_init_msbc(&m_sbc, 0);
    m_sbc.endian = SBC_LE;
}

void MsbcSource::fillPcm(int16_t *out, size_t count)
{
    if (!m_wav.empty()) {
        for (size_t i = 0; i < count; ++i) {
            out[i] = m_wav[m_wavPos];
            m_wavPos = (m_wavPos + 1) % m_wav.size();
        }
        return;
    }
    const double peak = m_toneAmplitude * 32767.0;
    const double step = 2.0 * kPi * m_toneHz / kSampleRate;
    for (size_t i = 0; i < count; ++i) {
        // Phase from the sample index, so long recordings do not drift.
        const double phase = std::fmod(step * static_cast<double>(m_toneSample++), 2.0 * kPi);
        out[i] = static_cast<int16_t>(std::lround(peak * std::sin(phase)));
    }
}

void MsbcSource::nextFrame(uint8_t *out)
{
    int16_t pcm[kSamplesPerFrame];
    fillPcm(pcm, kSamplesPerFrame);
    unsigned char bytes[kSamplesPerFrame * 2];
    for (size_t i = 0; i < kSamplesPerFrame; ++i) {
        bytes[2 * i] = static_cast<unsigned char>(pcm[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>((pcm[i] >> 8) & 0xFF);
    }
    ssize_t written = 0;
    const ssize_t used = sbc_encode(&m_sbc, bytes, sizeof(bytes), out, kFrameBytes, &written);
    if (used != static_cast<ssize_t>(sizeof(bytes)) || written != static_cast<ssize_t>(kFrameBytes))
        std::memset(out, 0, kFrameBytes);  // cannot happen with mSBC parameters
}

}  // namespace hidsim
