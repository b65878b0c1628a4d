#pragma once

#include <cstddef>
#include <cstdint>

// SBC and mSBC frame decoder (Bluetooth A2DP / HFP wideband speech).
// Plain C++, no Qt: the capture path calls it for every frame the mouse
// sends, so decode() allocates nothing and keeps all state in the object.
namespace sbc {

enum : int {
    ErrorSync = -126,     // first byte is neither 0x9C (SBC) nor 0xAD (mSBC)
    ErrorBitpool = -125,  // bitpool larger than the channel mode allows
    ErrorOutput = -124,   // output buffer smaller than the frame's samples
    ErrorShort = -123,    // fewer bytes than the frame's length
};

enum ChannelMode { Mono = 0, DualChannel = 1, Stereo = 2, JointStereo = 3 };
enum Allocation { Loudness = 0, Snr = 1 };

struct FrameInfo
{
    int sampleRate = 0;
    int blocks = 0;
    int subbands = 0;
    int channelMode = Mono;
    int channels = 0;
    int allocation = Loudness;
    int bitpool = 0;
    int frameLength = 0;  // bytes, header included
};

class Decoder
{
public:
    static constexpr int kMaxChannels = 2;
    static constexpr int kMaxSubbands = 8;
    static constexpr int kMaxBlocks = 16;
    // Largest frame any valid header describes (dual channel, 8 subbands,
    // 16 blocks, bitpool 128).
    static constexpr int kMaxFrameBytes = 524;
    // Largest output of one frame, in int16 values.
    static constexpr size_t kMaxSamples = size_t(kMaxChannels) * kMaxSubbands * kMaxBlocks;

    Decoder();

    // Back to the state of a fresh stream: silent filter history.
    void reset();

    // Decodes the frame at data[0..length). Returns the frame's length in
    // bytes and writes blocks x subbands samples per channel to out,
    // interleaved by channel; *samples is the number of int16 values
    // written. On error returns one of the codes above, writes nothing and
    // sets *samples to 0. outCapacity counts int16 values.
    int decode(const uint8_t *data, size_t length, int16_t *out, size_t outCapacity,
               size_t *samples);

    // The last header that passed the sync and bitpool checks, including
    // one whose frame then turned out short (frameLength says how many
    // bytes it needs).
    const FrameInfo &info() const { return m_info; }

private:
    template <int M>
    void synthesize(unsigned bitPos, int16_t *out);

    FrameInfo m_info;

    // Per frame, filled by decode() before synthesis.
    int m_channels = 0;
    int m_blocks = 0;
    bool m_joint = false;
    alignas(16) uint8_t m_bits[kMaxChannels][kMaxSubbands] = {};
    alignas(16) float m_scale[kMaxChannels][kMaxSubbands] = {};   // per sample code
    alignas(16) float m_offset[kMaxChannels][kMaxSubbands] = {};  // added after scaling
    alignas(16) float m_joinMask[kMaxSubbands] = {};              // 1 where the subband is joined

    // Synthesis history per channel: ten V vectors of 2M values, stored
    // twice (slots p and p + 10) so the ten newest are always contiguous
    // from slot m_pos, newest first.
    static constexpr int kHistorySlots = 20;
    alignas(32) float m_history[kMaxChannels][kHistorySlots * 2 * kMaxSubbands] = {};
    int m_pos = 0;
    int m_historySubbands = 0;  // layout the history was written with
    int m_historyChannels = 0;

    // The frame, copied so that the bit reader may load whole 64-bit words.
    alignas(8) uint8_t m_frame[kMaxFrameBytes + 8] = {};
};

}  // namespace sbc
