#pragma once

#include <QString>

#include "core/decoder/sbc_decoder.h"

#include <QtGlobal>

#include <memory>

// The process-wide voice decoder. One decoder for the whole stream, so the
// synthesis filter state carries over from frame to frame and report to
// report; created at start-up, before any audio arrives.
class SbcHelper
{
public:
    static constexpr int kReceiverReportSize = 64;
    static constexpr int kSlotSize = 61;      // 0x01/0x02, sequence byte, 58-byte frame area
    static constexpr int kFrameArea = 58;     // 57-byte mSBC frame + 1 spare byte
    static constexpr int kBluetoothSlots = 4;
    static constexpr int kFramePcmBytes = 240;  // 120 samples
    static constexpr int kMaxReportPcmBytes = kBluetoothSlots * kFramePcmBytes;

    static std::shared_ptr<SbcHelper> instance();

    // Decodes one SBC or mSBC frame; returns the number of samples (per
    // channel, blocks x subbands) now in output(), or a negative error.
    int decode(const quint8 *frame, int length);
    const qint16 *output() const { return m_samples; }

    // Receiver report: one frame slot at bytes 1..60. Returns the PCM bytes
    // written to out (0 when the slot is not audio or does not decode).
    // Unlike the device's fixed report size, the real length is passed, so a
    // short or malformed report is never read past its end.
    quint16 decodeHiddata(const char *report, int length, char *out, int outCapacity);

    // Bluetooth report: up to four slots of 61 bytes from byte 1; decoding
    // stops at the first slot that is not audio or does not decode.
    quint16 decodeBledata(const char *report, int length, char *out, int outCapacity);

    // Decodes a raw capture (64-byte receiver reports) into PCM; false when a
    // file cannot be opened or a frame does not decode.
    static bool decodesbc(const QString &rawPath = QStringLiteral("sound.bin"),
                          const QString &pcmPath = QStringLiteral("soundbin.wav"));

private:
    SbcHelper() = default;
    static bool isAudioSlot(const quint8 *slot, bool allowSecondMarker);

    sbc::Decoder m_decoder;
    qint16 m_samples[512];  // one frame: at most 16 blocks x 8 subbands x 2 channels
    size_t m_count = 0;
};
