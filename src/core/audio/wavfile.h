#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Raw PCM recordings become playable WAV files by prefixing the canonical
// 44-byte little-endian RIFF/WAVE header.

constexpr int kWavHeaderSize = 44;

// The RIFF size field is dataSize + 36 in 32 bits, so no more data than this
// can be described.
constexpr quint32 kMaxWavDataSize = 0xFFFFFFFFu - 36u;

// dataSize must not exceed kMaxWavDataSize.
QByteArray makeWavHeader(quint32 dataSize, quint16 channels, quint32 sampleRate,
                         quint16 bitsPerSample);

// Writes dst as a header followed by every byte of src. Does nothing when src
// cannot be read, is too large for a WAV header, or dst cannot be written;
// the reason goes to the log.
void pcmToWav(const QString &src, const QString &dst, int channels, int sampleRate,
              int bitsPerSample);
