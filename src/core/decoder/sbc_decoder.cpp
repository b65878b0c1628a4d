#include "core/decoder/sbc_decoder.h"

#include <cmath>
#include <cstring>

namespace sbc {

namespace {

constexpr int kRates[4] = {16000, 32000, 44100, 48000};

// Loudness allocation: per sampling frequency, subtracted from the scale
// factor before halving.
constexpr int8_t kLoudnessOffset4[4][4] = {
    {-1, 0, 0, 0}, {-2, 0, 0, 1}, {-2, 0, 0, 1}, {-2, 0, 0, 1}};
constexpr int8_t kLoudnessOffset8[4][8] = {
    {-2, 0, 0, 0, 0, 0, 0, 1},
    {-3, 0, 0, 0, 0, 0, 1, 2},
    {-4, 0, 0, 0, 0, 0, 1, 2},
    {-4, 0, 0, 0, 0, 0, 1, 2}};

// First half (5M + 1 taps) of the synthesis prototype windows, signs as
// the filterbank applies them (every other group of 2M taps negated). The
// rest follows from the prototype's symmetry.
constexpr double kProto4[21] = {
    0.00000000E+00,  5.36548976E-04,  1.49188357E-03,  2.73370904E-03,
    3.83720193E-03,  3.89205149E-03,  1.86581691E-03,  -3.06012286E-03,
    1.09137620E-02,  2.04385087E-02,  2.88757392E-02,  3.21939290E-02,
    2.58767811E-02,  6.13245186E-03,  -2.88217274E-02, -7.76463494E-02,
    1.35593274E-01,  1.94987841E-01,  2.46636662E-01,  2.81828203E-01,
    2.94315332E-01};
constexpr double kProto8[41] = {
    0.00000000E+00,  1.56575398E-04,  3.43256425E-04,  5.54620202E-04,
    8.23919506E-04,  1.13992507E-03,  1.47640169E-03,  1.78371725E-03,
    2.01182542E-03,  2.10371989E-03,  1.99454554E-03,  1.61656283E-03,
    9.02154502E-04,  -1.78805361E-04, -1.64973098E-03, -3.49717454E-03,
    5.65949473E-03,  8.02941163E-03,  1.04584443E-02,  1.27472335E-02,
    1.46525263E-02,  1.59045603E-02,  1.62208471E-02,  1.53184106E-02,
    1.29371806E-02,  8.85757540E-03,  2.92408442E-03,  -4.91578024E-03,
    -1.46404076E-02, -2.61098752E-02, -3.90751381E-02, -5.31873032E-02,
    6.79989431E-02,  8.29847578E-02,  9.75753918E-02,  1.11196689E-01,
    1.23264548E-01,  1.33264415E-01,  1.40753505E-01,  1.45389847E-01,
    1.46955068E-01};

struct Tables
{
    // Matrixing, column-major: cosM[i * 2M + k] = cos((i + 0.5)(k + M/2) pi / M),
    // so one subband sample scales one contiguous column.
    alignas(32) float cos4[4 * 8];
    alignas(32) float cos8[8 * 16];
    // Window, [t][j] = D[j + M t]: the taps applied to the V vector t blocks old.
    alignas(32) float win4[40];
    alignas(32) float win8[80];
    // 1 / (2^bits - 1)
    double invLevels[17];
};

template <int M>
void buildTables(float *cosm, float *win, const double *proto)
{
    const double pi = std::acos(-1.0);
    for (int i = 0; i < M; ++i)
        for (int k = 0; k < 2 * M; ++k)
            cosm[i * 2 * M + k] = float(std::cos((i + 0.5) * (k + M / 2) * pi / M));
    const int taps = 10 * M;
    auto sign = [](int i) { return (i / (2 * M)) % 2 ? -1.0 : 1.0; };
    for (int i = 0; i < taps; ++i) {
        const double d = i <= 5 * M ? proto[i] : sign(i) * sign(taps - i) * proto[taps - i];
        win[i] = float(d * -M);  // the synthesis gain, folded in
    }
}

const Tables &tables()
{
    static const Tables t = [] {
        Tables t{};
        buildTables<4>(t.cos4, t.win4, kProto4);
        buildTables<8>(t.cos8, t.win8, kProto8);
        t.invLevels[0] = 0.0;
        for (int b = 1; b <= 16; ++b)
            t.invLevels[b] = 1.0 / double((1 << b) - 1);
        return t;
    }();
    return t;
}

// MSB-first bit reader over a buffer with at least 8 readable bytes past
// any bit it is asked for; n <= 16, and n == 0 yields 0.
inline uint32_t readBits(const uint8_t *buf, unsigned &pos, unsigned n)
{
    uint64_t w;
    std::memcpy(&w, buf + (pos >> 3), sizeof w);
#if defined(__GNUC__) || defined(__clang__)
#  if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    w = __builtin_bswap64(w);
#  endif
#else
    {
        const uint8_t *b = buf + (pos >> 3);
        w = 0;
        for (int i = 0; i < 8; ++i)
            w = (w << 8) | b[i];
    }
#endif
    w <<= (pos & 7);
    pos += n;
    return uint32_t((w >> 1) >> (63 - n));
}

// Bit allocation for one channel (mono, dual channel) or for both at once
// (stereo, joint stereo). sf and bits are [nch][8].
void allocateBits(const uint8_t (*sf)[8], int nch, int M, int freq, int allocation, int bitpool,
                  uint8_t (*bits)[8])
{
    int bitneed[2][8];
    int maxBitneed = 0;
    const int8_t *offset = M == 4 ? kLoudnessOffset4[freq] : kLoudnessOffset8[freq];
    for (int ch = 0; ch < nch; ++ch) {
        for (int sb = 0; sb < M; ++sb) {
            int need;
            if (allocation == Snr) {
                need = sf[ch][sb];
            } else if (sf[ch][sb] == 0) {
                need = -5;
            } else {
                const int loudness = sf[ch][sb] - offset[sb];
                need = loudness > 0 ? loudness / 2 : loudness;
            }
            bitneed[ch][sb] = need;
            if (need > maxBitneed)
                maxBitneed = need;
        }
    }

    // Lower the slice until the pool is spent. The header check keeps the
    // pool within 16 bits per subband and channel, which bounds this loop;
    // the slice floor guards it anyway.
    int bitcount = 0;
    int slicecount = 0;
    int bitslice = maxBitneed + 1;
    do {
        --bitslice;
        bitcount += slicecount;
        slicecount = 0;
        for (int ch = 0; ch < nch; ++ch) {
            for (int sb = 0; sb < M; ++sb) {
                const int need = bitneed[ch][sb];
                if (need > bitslice + 1 && need < bitslice + 16)
                    ++slicecount;
                else if (need == bitslice + 1)
                    slicecount += 2;
            }
        }
    } while (bitcount + slicecount < bitpool && bitslice > -64);
    if (bitcount + slicecount == bitpool) {
        bitcount += slicecount;
        --bitslice;
    }

    for (int ch = 0; ch < nch; ++ch) {
        for (int sb = 0; sb < M; ++sb) {
            const int need = bitneed[ch][sb];
            const int b = need < bitslice + 2 ? 0 : need - bitslice;
            bits[ch][sb] = uint8_t(b > 16 ? 16 : b);
        }
    }

    // Leftover bits, subband by subband, channels alternating.
    const int n = M * nch;
    for (int i = 0; i < n && bitcount < bitpool; ++i) {
        const int sb = i / nch, ch = i % nch;
        uint8_t &b = bits[ch][sb];
        if (b >= 2 && b < 16) {
            ++b;
            ++bitcount;
        } else if (bitneed[ch][sb] == bitslice + 1 && bitpool > bitcount + 1) {
            b = 2;
            bitcount += 2;
        }
    }
    for (int i = 0; i < n && bitcount < bitpool; ++i) {
        const int sb = i / nch, ch = i % nch;
        uint8_t &b = bits[ch][sb];
        if (b < 16) {
            ++b;
            ++bitcount;
        }
    }
}

inline int16_t toPcm(float x)
{
    // Clamped first, so the conversion cannot overflow.
    x = x < -32768.0f ? -32768.0f : (x > 32767.0f ? 32767.0f : x);
    return int16_t(x < 0.0f ? int(x - 0.5f) : int(x + 0.5f));
}

#if defined(__GNUC__) || defined(__clang__)
// Four-lane vectors in the compiler's generic vector extension: SSE on
// x86-64, NEON on ARM, plain code elsewhere; no intrinsics needed.
typedef float F4 __attribute__((vector_size(16)));
typedef int32_t I4 __attribute__((vector_size(16)));

inline F4 load4(const float *p)
{
    F4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void store4(float *p, F4 v) { std::memcpy(p, &v, sizeof v); }

inline void storePcm4(F4 y, int16_t *out, int stride)
{
    const F4 lo = {-32768.0f, -32768.0f, -32768.0f, -32768.0f};
    const F4 hi = {32767.0f, 32767.0f, 32767.0f, 32767.0f};
    y = y < lo ? lo : (y > hi ? hi : y);
    // Round half away from zero: add 0.5 carrying y's sign, then truncate.
    const I4 half = (I4(y) & int32_t(0x80000000)) | 0x3F000000;
    const I4 r = __builtin_convertvector(y + F4(half), I4);
    for (int j = 0; j < 4; ++j)
        out[j * stride] = int16_t(r[j]);
}

// One block of one channel: matrixing into V (stored at v and at its
// duplicate ten slots on), then the windowed sum over the ten newest V.
template <int M>
inline void synthesizeBlock(const float *s, float *v, const float *cosm, const float *win,
                            int16_t *out, int stride)
{
    // Fully unrolled: -O2 would otherwise keep the accumulators in memory.
    constexpr int N = 2 * M, L = N / 4;
    F4 acc[L];
#pragma GCC unroll 4
    for (int l = 0; l < L; ++l)
        acc[l] = load4(cosm + 4 * l) * s[0];
#pragma GCC unroll 8
    for (int i = 1; i < M; ++i)
#pragma GCC unroll 4
        for (int l = 0; l < L; ++l)
            acc[l] += load4(cosm + i * N + 4 * l) * s[i];
#pragma GCC unroll 4
    for (int l = 0; l < L; ++l) {
        store4(v + 4 * l, acc[l]);
        store4(v + 10 * N + 4 * l, acc[l]);
    }

    // Age t uses the first half of V for even t, the second for odd t.
    F4 y[M / 4];
#pragma GCC unroll 2
    for (int l = 0; l < M / 4; ++l)
        y[l] = load4(win + 4 * l) * load4(v + 4 * l);
#pragma GCC unroll 10
    for (int t = 1; t < 10; ++t)
#pragma GCC unroll 2
        for (int l = 0; l < M / 4; ++l)
            y[l] += load4(win + t * M + 4 * l) * load4(v + t * N + (t & 1) * M + 4 * l);
#pragma GCC unroll 2
    for (int l = 0; l < M / 4; ++l)
        storePcm4(y[l], out + 4 * l * stride, stride);
}
#else
template <int M>
inline void synthesizeBlock(const float *s, float *v, const float *cosm, const float *win,
                            int16_t *out, int stride)
{
    constexpr int N = 2 * M;
    float acc[N] = {};
    for (int i = 0; i < M; ++i)
        for (int k = 0; k < N; ++k)
            acc[k] += cosm[i * N + k] * s[i];
    for (int k = 0; k < N; ++k) {
        v[k] = acc[k];
        v[k + 10 * N] = acc[k];
    }
    float y[M] = {};
    for (int t = 0; t < 10; ++t)
        for (int j = 0; j < M; ++j)
            y[j] += win[t * M + j] * v[t * N + (t & 1) * M + j];
    for (int j = 0; j < M; ++j)
        out[j * stride] = toPcm(y[j]);
}
#endif

}  // namespace

Decoder::Decoder()
{
    tables();  // built once, before the first frame needs them
    reset();
}

void Decoder::reset()
{
    std::memset(m_history, 0, sizeof m_history);
    m_pos = 0;
    m_historySubbands = 0;
    m_historyChannels = 0;
    m_info = FrameInfo();
}

template <int M>
void Decoder::synthesize(unsigned bitPos, int16_t *out)
{
    const Tables &t = tables();
    const float *cosm = M == 4 ? t.cos4 : t.cos8;
    const float *win = M == 4 ? t.win4 : t.win8;
    const int nch = m_channels;
    const uint8_t *frame = m_frame;

    for (int blk = 0; blk < m_blocks; ++blk) {
        alignas(16) float s[kMaxChannels][M];
        for (int ch = 0; ch < nch; ++ch) {
            for (int sb = 0; sb < M; ++sb) {
                const uint32_t code = readBits(frame, bitPos, m_bits[ch][sb]);
                s[ch][sb] = float(code) * m_scale[ch][sb] + m_offset[ch][sb];
            }
        }
        if (m_joint) {
            for (int sb = 0; sb < M; ++sb) {
                // Joined subbands carry (L+R)/2 and (L-R)/2.
                const float mid = s[0][sb], side = s[1][sb], m = m_joinMask[sb];
                s[0][sb] = mid + m * side;
                s[1][sb] = m * mid + (1.0f - 2.0f * m) * side;
            }
        }

        m_pos = m_pos == 0 ? 9 : m_pos - 1;
        for (int ch = 0; ch < nch; ++ch)
            synthesizeBlock<M>(s[ch], m_history[ch] + m_pos * 2 * M, cosm, win,
                               out + blk * M * nch + ch, nch);
    }
}

int Decoder::decode(const uint8_t *data, size_t length, int16_t *out, size_t outCapacity,
                    size_t *samples)
{
    if (samples)
        *samples = 0;
    if (!data || length < 1)
        return ErrorShort;
    const uint8_t sync = data[0];
    if (sync != 0x9C && sync != 0xAD)
        return ErrorSync;
    if (length < 4)
        return ErrorShort;

    FrameInfo fi;
    int freq;
    if (sync == 0xAD && data[1] == 0 && data[2] == 0) {
        // mSBC: everything fixed, the header bytes are reserved zeros.
        freq = 0;
        fi.blocks = 15;
        fi.channelMode = Mono;
        fi.allocation = Loudness;
        fi.subbands = 8;
        fi.bitpool = 26;
    } else {
        const uint8_t h = data[1];
        freq = h >> 6;
        fi.blocks = sync == 0xAD ? 10 : 4 * (((h >> 4) & 3) + 1);
        fi.channelMode = (h >> 2) & 3;
        fi.allocation = (h >> 1) & 1;
        fi.subbands = (h & 1) ? 8 : 4;
        fi.bitpool = data[2];
    }
    fi.sampleRate = kRates[freq];
    fi.channels = fi.channelMode == Mono ? 1 : 2;
    const bool perChannel = fi.channelMode == Mono || fi.channelMode == DualChannel;
    if (fi.bitpool > (perChannel ? 16 : 32) * fi.subbands)
        return ErrorBitpool;
    const bool joint = fi.channelMode == JointStereo;
    const int dataBits = (joint ? fi.subbands : 0)
        + fi.blocks * fi.bitpool * (perChannel ? fi.channels : 1);
    fi.frameLength = 4 + (4 * fi.subbands * fi.channels) / 8 + (dataBits + 7) / 8;
    m_info = fi;
    if (length < size_t(fi.frameLength) || fi.frameLength > kMaxFrameBytes)
        return ErrorShort;
    const size_t count = size_t(fi.blocks) * size_t(fi.subbands) * size_t(fi.channels);
    if (!out || outCapacity < count)
        return ErrorOutput;

    std::memcpy(m_frame, data, size_t(fi.frameLength));
    std::memset(m_frame + fi.frameLength, 0, 8);

    const int M = fi.subbands;
    const int nch = fi.channels;
    unsigned pos = 32;
    for (int sb = 0; sb < M; ++sb) {
        // The last join bit is reserved: the top subband is never joined.
        const uint32_t bit = joint ? readBits(m_frame, pos, 1) : 0;
        m_joinMask[sb] = bit && sb < M - 1 ? 1.0f : 0.0f;
    }
    uint8_t sf[kMaxChannels][kMaxSubbands] = {};
    for (int ch = 0; ch < nch; ++ch)
        for (int sb = 0; sb < M; ++sb)
            sf[ch][sb] = uint8_t(readBits(m_frame, pos, 4));

    if (perChannel) {
        for (int ch = 0; ch < nch; ++ch)
            allocateBits(&sf[ch], 1, M, freq, fi.allocation, fi.bitpool, &m_bits[ch]);
    } else {
        allocateBits(sf, 2, M, freq, fi.allocation, fi.bitpool, m_bits);
    }

    // sample = 2^(sf+1) * ((2 code + 1) / levels - 1), as one multiply-add.
    const Tables &t = tables();
    for (int ch = 0; ch < nch; ++ch) {
        for (int sb = 0; sb < M; ++sb) {
            const int b = m_bits[ch][sb];
            const double range = double(1 << (sf[ch][sb] + 1));
            m_scale[ch][sb] = float(2.0 * range * t.invLevels[b]);
            m_offset[ch][sb] = b ? float(range * t.invLevels[b] - range) : 0.0f;
        }
    }

    // A new layout starts a new stream; old V vectors mean nothing in it.
    if (M != m_historySubbands || nch != m_historyChannels) {
        std::memset(m_history, 0, sizeof m_history);
        m_pos = 0;
        m_historySubbands = M;
        m_historyChannels = nch;
    }

    m_channels = nch;
    m_blocks = fi.blocks;
    m_joint = joint;
    if (M == 4)
        synthesize<4>(pos, out);
    else
        synthesize<8>(pos, out);

    if (samples)
        *samples = count;
    return fi.frameLength;
}

}  // namespace sbc
