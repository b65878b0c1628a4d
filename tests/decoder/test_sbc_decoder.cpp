// The SBC decoder against Debian's libsbc: the same frames through both, for
// every header field; then malformed input, filter state and allocations.

#include "core/decoder/sbc_decoder.h"

#include <sbc/sbc.h>

#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <vector>

// Every operator new in this process is counted, so a test can prove that
// decoding allocates nothing.
static std::atomic<long> g_allocations{0};
void *operator new(std::size_t n)
{
    ++g_allocations;
    if (void *p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void *operator new[](std::size_t n) { return operator new(n); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }

namespace {

using Bytes = std::vector<uint8_t>;
using Pcm = std::vector<int16_t>;
constexpr double kPi = 3.14159265358979323846;
constexpr int kRates[4] = {16000, 32000, 44100, 48000};

// libsbc synthesises in fixed point and lands about 1 LSB RMS from the
// exact result at any level, so below about -20 dBFS its floor, not this
// decoder, sets the SNR. A segment passes on either bound.
constexpr double kMinSnrDb = 70.0;
constexpr double kMaxRmsDiff = 2.0;
constexpr int kMaxAbsDiff = 8;

struct Config
{
    bool msbc = false;
    int freq = 0, blocks = 3, subbands = 1, mode = SBC_MODE_MONO, allocation = 0, bitpool = 2;
};

struct Stream
{
    Bytes bytes;
    size_t frameLength = 0, frames = 0;
    const uint8_t *frame(size_t f) const { return bytes.data() + f * frameLength; }
};

uint32_t nextRandom(uint32_t &s)
{
    s ^= s << 13, s ^= s >> 17, s ^= s << 5;
    return s;
}

// 0: glottal pulses through two moving formants, in syllable-like bursts;
// 1: logarithmic sweep 40 Hz to 0.45 fs; 2: four tones; 3: low-passed noise.
std::vector<double> signal(int kind, int n, double fs)
{
    std::vector<double> x(n);
    double phase = 0, y1[2] = {}, y2[2] = {}, lp = 0;
    uint32_t seed = 7;
    const double k = std::log(0.45 * fs / 40), T = n / fs;
    for (int i = 0; i < n; ++i) {
        const double t = i / fs;
        if (kind == 0) {
            phase += (115 + 35 * std::sin(2 * kPi * 1.3 * t)) / fs;
            phase -= std::floor(phase);
            double v = (phase < 0.4 ? std::sin(kPi * phase / 0.4) : 0.0) + 1e-5 * (nextRandom(seed) % 2001);
            const double formant[2] = {550 + 200 * std::sin(2 * kPi * 2.1 * t),
                                       1500 + 500 * std::sin(2 * kPi * 1.7 * t)};
            for (int f = 0; f < 2; ++f) {
                const double r = std::exp(-kPi * 90 / fs);
                const double y = v + 2 * r * std::cos(2 * kPi * formant[f] / fs) * y1[f] - r * r * y2[f];
                y2[f] = y1[f], y1[f] = y, v = y;
            }
            x[i] = v * std::pow(std::max(0.0, std::sin(2 * kPi * 3.5 * t + 0.3)), 2);
        } else if (kind == 1) {
            x[i] = std::sin(2 * kPi * 40 * T / k * (std::exp(k * t / T) - 1));
        } else if (kind == 2) {
            for (double f : {0.013, 0.081, 0.197, 0.37})
                x[i] += std::sin(2 * kPi * f * fs * t + f * 10);
        } else {
            x[i] = lp = 0.6 * lp + 0.4 * (int(nextRandom(seed) % 20001) - 10000);
        }
    }
    return x;
}

// 0.1 s each, at these peaks.
const struct { int kind; double dbfs; const char *name; } kSegments[] = {
    {0, -6, "speech-6"}, {1, -12, "sweep-12"}, {3, -20, "noise-20"}, {2, -30, "tones-30"}, {0, -30, "speech-30"}};
constexpr int kSegmentCount = int(std::size(kSegments));

// Interleaved PCM, whole frames. The right channel is a delayed mix of the
// left and another signal, so joint stereo both joins and splits subbands.
Pcm testSignal(int fs, int channels, int frameSamples, int *segmentLength)
{
    const int seg = *segmentLength = fs / 10;
    const int frames = (seg * kSegmentCount + frameSamples - 1) / frameSamples;
    Pcm pcm(size_t(frames) * frameSamples * channels, 0);
    for (int s = 0; s < kSegmentCount; ++s) {
        const auto a = signal(kSegments[s].kind, seg, fs), b = signal((kSegments[s].kind + 1) % 4, seg, fs);
        double peak = 1e-9;
        for (int i = 0; i < seg; ++i)
            peak = std::max({peak, std::abs(a[i]), std::abs(b[i])});
        const double g = 32767 * std::pow(10, kSegments[s].dbfs / 20) / peak;
        for (int i = 0; i < seg; ++i) {
            const size_t at = size_t(s * seg + i) * channels;
            pcm[at] = int16_t(std::lround(g * a[i]));
            if (channels == 2)
                pcm[at + 1] = int16_t(std::lround(g * (0.7 * a[std::max(0, i - 3)] + 0.3 * b[i])));
        }
    }
    return pcm;
}

void initCodec(sbc_t *s, const Config &c)
{
    if (c.msbc) {
        sbc_init_msbc(s, 0);
    } else {
        sbc_init(s, 0);
        s->frequency = uint8_t(c.freq), s->blocks = uint8_t(c.blocks), s->subbands = uint8_t(c.subbands);
        s->mode = uint8_t(c.mode), s->allocation = uint8_t(c.allocation), s->bitpool = uint8_t(c.bitpool);
    }
    s->endian = SBC_LE;
}

Stream encode(const Config &c, const Pcm &pcm)
{
    sbc_t e;
    initCodec(&e, c);
    Stream out;
    out.frameLength = sbc_get_frame_length(&e);
    const size_t code = sbc_get_codesize(&e);
    uint8_t frame[1024];
    ssize_t written = 0;
    for (size_t at = 0; at + code <= pcm.size() * 2; at += code, ++out.frames) {
        if (sbc_encode(&e, reinterpret_cast<const uint8_t *>(pcm.data()) + at, code, frame, sizeof frame,
                       &written) != ssize_t(code) || size_t(written) != out.frameLength)
            break;
        out.bytes.insert(out.bytes.end(), frame, frame + written);
    }
    sbc_finish(&e);
    return out;
}

Pcm decodeWithLibsbc(const Config &c, const Stream &s)
{
    sbc_t d;
    initCodec(&d, c);
    Pcm out;
    int16_t buf[sbc::Decoder::kMaxSamples];
    size_t written = 0;
    for (size_t f = 0; f < s.frames && sbc_decode(&d, s.frame(f), s.frameLength, buf, sizeof buf, &written) > 0; ++f)
        out.insert(out.end(), buf, buf + written / 2);
    sbc_finish(&d);
    return out;
}

// Frame by frame on one decoder; empty on any error.
Pcm decodeWithOurs(const Stream &s, sbc::Decoder &dec)
{
    Pcm out;
    int16_t buf[sbc::Decoder::kMaxSamples];
    size_t n = 0;
    for (size_t f = 0; f < s.frames; ++f) {
        if (dec.decode(s.frame(f), s.frameLength, buf, std::size(buf), &n) != int(s.frameLength))
            return {};
        out.insert(out.end(), buf, buf + n);
    }
    return out;
}

struct Comparison
{
    double snr[kSegmentCount];  // worst channel of each segment; near-silent ones left out
    double rms = 0;             // worst RMS difference of any segment and channel
    int maxDiff = 0;
    bool pass = true;

    Comparison() { std::fill(std::begin(snr), std::end(snr), INFINITY); }
    void merge(const Comparison &o)
    {
        for (int s = 0; s < kSegmentCount; ++s)
            snr[s] = std::min(snr[s], o.snr[s]);
        rms = std::max(rms, o.rms), maxDiff = std::max(maxDiff, o.maxDiff);
    }
    QString summary() const
    {
        QString out = QStringLiteral("SNR dB:");
        for (int s = 0; s < kSegmentCount; ++s)
            out += QStringLiteral(" %1 %2").arg(kSegments[s].name).arg(snr[s], 5, 'f', 1);
        return out + QStringLiteral("  RMS diff %1  max diff %2").arg(rms, 0, 'f', 2).arg(maxDiff);
    }
};

Comparison compare(const Pcm &ref, const Pcm &ours, int channels, int seg)
{
    Comparison r;
    for (size_t i = 0; i < ref.size(); ++i)
        r.maxDiff = std::max(r.maxDiff, std::abs(ref[i] - ours[i]));
    for (int s = 0; s < kSegmentCount; ++s) {
        for (int ch = 0; ch < channels; ++ch) {
            double signal = 0, noise = 0;
            for (size_t i = size_t(s * seg) * channels + ch; i < size_t((s + 1) * seg) * channels; i += channels)
                signal += double(ref[i]) * ref[i], noise += std::pow(double(ref[i]) - ours[i], 2);
            const double snr = noise > 0 ? 10 * std::log10(signal / noise) : INFINITY;
            const double rms = std::sqrt(noise / seg);
            if (signal / seg >= 1.0)
                r.snr[s] = std::min(r.snr[s], snr);
            r.rms = std::max(r.rms, rms);
            r.pass = r.pass && (snr >= kMinSnrDb || rms <= kMaxRmsDiff);
        }
    }
    r.pass = r.pass && r.maxDiff <= kMaxAbsDiff;
    return r;
}

QString describe(const Config &c)
{
    static const char *modes[] = {"mono", "dual", "stereo", "joint"};
    return c.msbc ? QStringLiteral("mSBC")
                  : QStringLiteral("%1 sb %2 %3 Hz %4 blk bitpool %5 %6")
                        .arg(c.subbands ? 8 : 4).arg(modes[c.mode]).arg(kRates[c.freq])
                        .arg(4 * (c.blocks + 1)).arg(c.bitpool, 3).arg(c.allocation ? "snr" : "loudness");
}

// Header bytes, then zeros.
Bytes frameWithHeader(uint8_t sync, uint8_t header, uint8_t bitpool, size_t length = 600)
{
    Bytes f(length, 0);
    f[0] = sync, f[1] = header, f[2] = bitpool;
    return f;
}

}  // namespace

class TestSbcDecoder : public QObject
{
    Q_OBJECT

private slots:
    void matchesLibsbc_data();
    void matchesLibsbc();
    void cleanupTestCase();
    void reconstructsInputAsWellAsLibsbc_data();
    void reconstructsInputAsWellAsLibsbc();
    void headerForms();
    void bitpoolLimits_data();
    void bitpoolLimits();
    void rejectsWrongSyncAndSmallOutput();
    void truncatedFramesAreShort();
    void survivesRandomBytes();
    void filterStateCarriesOver();
    void decodesWithoutAllocating();

private:
    Comparison m_all;
    int m_configs = 0;
};

void TestSbcDecoder::matchesLibsbc_data()
{
    QTest::addColumn<int>("subbands");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("allocation");
    QTest::newRow("mSBC") << -1 << 0 << 0;
    static const char *modes[] = {"mono", "dual", "stereo", "joint"};
    for (int sb : {0, 1})
        for (int mode = 0; mode < 4; ++mode)
            for (int alloc : {SBC_AM_LOUDNESS, SBC_AM_SNR})
                QTest::addRow("%d sb %s %s", sb ? 8 : 4, modes[mode], alloc ? "snr" : "loudness")
                    << sb << mode << alloc;
}

// Per row: every sampling frequency and block count, bitpools up to the
// mode's maximum. TALKVANE_SBC_TABLE=1 prints a line per configuration.
void TestSbcDecoder::matchesLibsbc()
{
    QFETCH(int, subbands);
    QFETCH(int, mode);
    QFETCH(int, allocation);
    std::vector<Config> configs;
    if (subbands < 0)
        configs.push_back(Config{true});
    const int max = std::min(255, (mode < SBC_MODE_STEREO ? 16 : 32) * (subbands ? 8 : 4));
    for (int freq = 0; freq < 4 && subbands >= 0; ++freq)
        for (int blocks = 0; blocks < 4; ++blocks)
            for (int bitpool : {2, 18, 35, 53, max})
                configs.push_back(Config{false, freq, blocks, subbands, mode, allocation, bitpool});

    Comparison group;
    for (const Config &c : configs) {
        const int channels = c.mode == SBC_MODE_MONO ? 1 : 2, nsb = c.msbc || c.subbands ? 8 : 4;
        const int blocks = c.msbc ? 15 : 4 * (c.blocks + 1);
        int seg = 0;
        const Pcm pcm = testSignal(c.msbc ? 16000 : kRates[c.freq], channels, blocks * nsb, &seg);
        const Stream stream = encode(c, pcm);
        sbc::Decoder dec;
        const Pcm ref = decodeWithLibsbc(c, stream), ours = decodeWithOurs(stream, dec);
        QVERIFY2(ours.size() == ref.size() && ref.size() == pcm.size(), qPrintable(describe(c)));

        const sbc::FrameInfo &i = dec.info();
        const int rate = c.msbc ? 16000 : kRates[c.freq], bitpool = c.msbc ? 26 : c.bitpool;
        QCOMPARE(QVector<int>({i.frameLength, i.sampleRate, i.blocks, i.subbands, i.channels, i.channelMode,
                               i.allocation, i.bitpool}),
                 QVector<int>({int(stream.frameLength), rate, blocks, nsb, channels, c.mode, c.allocation, bitpool}));

        const Comparison r = compare(ref, ours, channels, seg);
        const QString line = describe(c).leftJustified(48) + r.summary();
        if (qEnvironmentVariableIsSet("TALKVANE_SBC_TABLE"))
            qInfo("%s", qPrintable(line));
        QVERIFY2(r.pass, qPrintable(line));
        group.merge(r);
    }
    qInfo("%-20s %4zu configs  %s", QTest::currentDataTag(), configs.size(), qPrintable(group.summary()));
    m_configs += int(configs.size());
    m_all.merge(group);
}

void TestSbcDecoder::cleanupTestCase()
{
    if (m_configs)
        qInfo("all %d configurations: %s", m_configs, qPrintable(m_all.summary()));
}

void TestSbcDecoder::reconstructsInputAsWellAsLibsbc_data()
{
    QTest::addColumn<int>("subbands");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("bitpool");
    QTest::newRow("8 sb mono 128") << 1 << SBC_MODE_MONO << 128;
    QTest::newRow("4 sb mono 64") << 0 << SBC_MODE_MONO << 64;
    QTest::newRow("8 sb joint 255") << 1 << SBC_MODE_JOINT_STEREO << 255;
}

// At the top bitpool the subbands arrive nearly exact, so the more precise
// synthesis lands closer to the encoder's input. Ours must not be the worse
// one: this sees window or matrix errors that libsbc's floor hides above.
void TestSbcDecoder::reconstructsInputAsWellAsLibsbc()
{
    QFETCH(int, subbands);
    QFETCH(int, mode);
    QFETCH(int, bitpool);
    const Config c{false, 3, 3, subbands, mode, SBC_AM_SNR, bitpool};
    const size_t channels = mode == SBC_MODE_MONO ? 1 : 2;
    int seg = 0;
    const Pcm input = testSignal(48000, int(channels), 16 * (subbands ? 8 : 4), &seg);
    const Stream s = encode(c, input);
    sbc::Decoder dec;
    const Pcm ref = decodeWithLibsbc(c, s), ours = decodeWithOurs(s, dec);
    QCOMPARE(ours.size(), input.size());

    auto noise = [&](const Pcm &out, size_t lag) {
        double e = 0;
        for (size_t i = lag * channels; i < out.size(); ++i)
            e += std::pow(double(out[i]) - input[i - lag * channels], 2);
        return e;
    };
    size_t lag = 0;  // the codec delay, wherever libsbc's output fits best
    for (size_t l = 1; l < 200; ++l)
        lag = noise(ref, l) < noise(ref, lag) ? l : lag;
    const double power = noise(Pcm(input.size(), 0), 0);
    const double refSnr = 10 * std::log10(power / noise(ref, lag));
    const double oursSnr = 10 * std::log10(power / noise(ours, lag));
    qInfo("delay %zu samples; SNR against the input: libsbc %.1f dB, ours %.1f dB", lag, refSnr, oursSnr);
    QVERIFY(refSnr > 40);  // the delay was found
    QVERIFY2(oursSnr >= refSnr, qPrintable(QStringLiteral("%1 < %2").arg(oursSnr).arg(refSnr)));
}

void TestSbcDecoder::headerForms()
{
    sbc::Decoder dec;
    int16_t out[sbc::Decoder::kMaxSamples];
    size_t n = 0;
    const sbc::FrameInfo &i = dec.info();
    const Bytes msbc = frameWithHeader(0xAD, 0, 0, 57);
    QCOMPARE(dec.decode(msbc.data(), msbc.size(), out, std::size(out), &n), 57);
    QCOMPARE(n, size_t(120));
    QCOMPARE(QVector<int>({i.sampleRate, i.blocks, i.subbands, i.channelMode, i.allocation, i.bitpool}),
             QVector<int>({16000, 15, 8, sbc::Mono, sbc::Loudness, 26}));

    // 0xAD with header bytes: 10 blocks, the rest as in SBC. 48 kHz, joint,
    // SNR, 4 subbands, bitpool 20: 4 + 4 + ceil((4 + 10 * 20) / 8) bytes.
    const Bytes ad = frameWithHeader(0xAD, 0xCE, 20, 34);
    QCOMPARE(dec.decode(ad.data(), ad.size(), out, std::size(out), &n), 34);
    QCOMPARE(n, size_t(80));
    QCOMPARE(QVector<int>({i.sampleRate, i.blocks, i.subbands, i.channelMode, i.allocation, i.bitpool}),
             QVector<int>({48000, 10, 4, sbc::JointStereo, sbc::Snr, 20}));

    // The last join bit is reserved, so the top subband is never joined
    // (libsbc does join it when the bit is set).
    int seg = 0;
    const Config joint{false, 2, 3, 1, SBC_MODE_JOINT_STEREO, 0, 53};
    const Stream s = encode(joint, testSignal(44100, 2, 128, &seg));
    Bytes reserved(s.frame(80), s.frame(81));  // noise: the top subband is busy
    QCOMPARE(reserved[4] & 1, 0);
    reserved[4] |= 1;
    int16_t clean[256], flagged[256];
    sbc::Decoder a, b;
    QCOMPARE(a.decode(s.frame(80), s.frameLength, clean, 256, &n), int(s.frameLength));
    QCOMPARE(b.decode(reserved.data(), reserved.size(), flagged, 256, &n), int(s.frameLength));
    QVERIFY(std::equal(clean, clean + 256, flagged));
}

void TestSbcDecoder::bitpoolLimits_data()
{
    QTest::addColumn<int>("header");  // 16 kHz, 16 blocks, mode in bits 3-2, subbands in bit 0
    QTest::addColumn<int>("bitpool");
    QTest::addColumn<bool>("valid");
    QTest::newRow("mono 8 sb 250") << 0x31 << 250 << false;
    QTest::newRow("mono 8 sb 128") << 0x31 << 128 << true;
    QTest::newRow("mono 8 sb 129") << 0x31 << 129 << false;
    QTest::newRow("mono 4 sb 64") << 0x30 << 64 << true;
    QTest::newRow("mono 4 sb 65") << 0x30 << 65 << false;
    QTest::newRow("dual 4 sb 65") << 0x34 << 65 << false;
    QTest::newRow("dual 8 sb 128") << 0x35 << 128 << true;
    QTest::newRow("stereo 4 sb 128") << 0x38 << 128 << true;
    QTest::newRow("joint 4 sb 129") << 0x3C << 129 << false;
    QTest::newRow("joint 8 sb 255") << 0x3D << 255 << true;
}

void TestSbcDecoder::bitpoolLimits()
{
    QFETCH(int, header);
    QFETCH(int, bitpool);
    QFETCH(bool, valid);
    sbc::Decoder dec;
    const Bytes f = frameWithHeader(0x9C, uint8_t(header), uint8_t(bitpool));
    int16_t out[sbc::Decoder::kMaxSamples];
    size_t n = 0;
    const int r = dec.decode(f.data(), f.size(), out, std::size(out), &n);
    QCOMPARE(r, valid ? dec.info().frameLength : int(sbc::ErrorBitpool));
    QCOMPARE(n, valid ? size_t(16 * dec.info().subbands * dec.info().channels) : 0);
}

void TestSbcDecoder::rejectsWrongSyncAndSmallOutput()
{
    sbc::Decoder dec;
    int16_t out[sbc::Decoder::kMaxSamples];
    size_t n = 1;
    for (int b = 0; b < 256; ++b) {
        const Bytes f = frameWithHeader(uint8_t(b), 0x00, 8);
        if (b != 0x9C && b != 0xAD)
            QCOMPARE(dec.decode(f.data(), f.size(), out, std::size(out), &n), int(sbc::ErrorSync));
    }
    QCOMPARE(n, size_t(0));

    const Bytes f = frameWithHeader(0x9C, 0x3D, 35);  // joint, 16 blocks, 8 subbands: 256 values
    QCOMPARE(dec.decode(f.data(), f.size(), out, 255, &n), int(sbc::ErrorOutput));
    QCOMPARE(dec.decode(f.data(), f.size(), nullptr, 256, &n), int(sbc::ErrorOutput));
    QCOMPARE(dec.decode(f.data(), f.size(), out, 256, &n), dec.info().frameLength);
    QCOMPARE(n, size_t(256));
}

// Each length short of a whole frame, in a buffer of exactly that size, so
// that a sanitizer build catches any read past it.
void TestSbcDecoder::truncatedFramesAreShort()
{
    for (const Config &c : {Config{true}, Config{false, 3, 3, 1, SBC_MODE_JOINT_STEREO, 0, 53},
                            Config{false, 1, 0, 0, SBC_MODE_DUAL_CHANNEL, 1, 18}}) {
        int seg = 0;
        const Stream s = encode(c, testSignal(16000, 2, 240, &seg));
        QVERIFY(s.frames > 0);
        sbc::Decoder dec;
        int16_t out[sbc::Decoder::kMaxSamples];
        for (size_t len = 0; len < s.frameLength; ++len) {
            const Bytes cut(s.bytes.begin(), s.bytes.begin() + long(len));
            size_t n = 99;
            QCOMPARE(dec.decode(cut.data(), cut.size(), out, std::size(out), &n), int(sbc::ErrorShort));
            QCOMPARE(n, size_t(0));
        }
        QCOMPARE(dec.info().frameLength, int(s.frameLength));  // what the caller still needs
    }
}

// Random bytes, also behind a valid sync byte, consumed as a stream: every
// answer is a length within the input or an error code.
void TestSbcDecoder::survivesRandomBytes()
{
    uint32_t seed = 12345;
    sbc::Decoder dec;
    int16_t out[sbc::Decoder::kMaxSamples];
    int decoded = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes buf(nextRandom(seed) % 700);
        for (uint8_t &b : buf)
            b = uint8_t(nextRandom(seed));
        if (!buf.empty() && round % 2)
            buf[0] = round % 4 == 1 ? 0x9C : 0xAD;
        for (size_t at = 0; at < buf.size();) {
            size_t n = 99;
            const int r = dec.decode(buf.data() + at, buf.size() - at, out, std::size(out), &n);
            QVERIFY(r > 0 || r == sbc::ErrorSync || r == sbc::ErrorBitpool || r == sbc::ErrorShort);
            if (r > 0) {
                QVERIFY(size_t(r) <= buf.size() - at);
                QCOMPARE(n, size_t(dec.info().blocks * dec.info().subbands * dec.info().channels));
                ++decoded;
            }
            at += r > 0 ? size_t(r) : 1;
        }
    }
    QVERIFY(decoded > 100);  // the deep paths ran, not only the header checks
}

void TestSbcDecoder::filterStateCarriesOver()
{
    int seg = 0;
    const Stream s = encode(Config{true}, testSignal(16000, 1, 120, &seg));
    sbc::Decoder streamed;
    const Pcm all = decodeWithOurs(s, streamed);
    const size_t k = 6;  // inside the loud speech
    int16_t alone[120], again[120], afterSwitch[120];
    size_t n = 0;
    sbc::Decoder fresh;
    QCOMPARE(fresh.decode(s.frame(k), s.frameLength, alone, 120, &n), 57);
    int diff = 0;
    for (size_t i = 0; i < 120; ++i)
        diff = std::max(diff, std::abs(alone[i] - all[k * 120 + i]));
    QVERIFY2(diff > 100, qPrintable(QString::number(diff)));

    streamed.reset();  // forgets the stream, like a new decoder
    QCOMPARE(streamed.decode(s.frame(k), s.frameLength, again, 120, &n), 57);
    QVERIFY(std::equal(again, again + 120, alone));

    // After another layout the history is cleared, not read with the wrong
    // stride. The other stream stops in loud speech, so stale history would show.
    Stream other = encode(Config{false, 0, 3, 0, SBC_MODE_STEREO, 0, 35}, testSignal(16000, 2, 64, &seg));
    other.frames = 21;  // 336 blocks: the ring position is not back at its start
    sbc::Decoder switched;
    QVERIFY(!decodeWithOurs(other, switched).empty());
    QCOMPARE(switched.decode(s.frame(k), s.frameLength, afterSwitch, 120, &n), 57);
    QVERIFY(std::equal(afterSwitch, afterSwitch + 120, alone));
}

void TestSbcDecoder::decodesWithoutAllocating()
{
    int seg = 0;
    const Stream msbc = encode(Config{true}, testSignal(16000, 1, 120, &seg));
    const Stream joint = encode(Config{false, 2, 3, 1, SBC_MODE_JOINT_STEREO, 1, 53}, testSignal(44100, 2, 128, &seg));
    sbc::Decoder dec;
    int16_t out[sbc::Decoder::kMaxSamples];
    size_t n = 0;
    int failures = 0;  // no QCOMPARE in the counted stretch: it may allocate
    const long before = g_allocations.load();
    for (const Stream *s : {&msbc, &joint, &msbc})
        for (size_t f = 0; f < s->frames; ++f)
            failures += dec.decode(s->frame(f), s->frameLength, out, std::size(out), &n) != int(s->frameLength);
    const long during = g_allocations.load() - before;
    void *volatile probe = ::operator new(16);  // the counter does see allocations
    ::operator delete(probe);
    const long probed = g_allocations.load() - before - during;
    QCOMPARE(failures, 0);
    QCOMPARE(during, 0L);
    QCOMPARE(probed, 1L);
}

QTEST_APPLESS_MAIN(TestSbcDecoder)
#include "test_sbc_decoder.moc"
