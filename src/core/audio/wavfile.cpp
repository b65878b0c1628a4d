#include "core/audio/wavfile.h"

#include <QDebug>
#include <QFile>
#include <QtEndian>

namespace {

void appendLE16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void appendLE32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

constexpr qint64 kCopyChunk = 256 * 1024;

}  // namespace

QByteArray makeWavHeader(quint32 dataSize, quint16 channels, quint32 sampleRate,
                         quint16 bitsPerSample)
{
    QByteArray h;
    h.reserve(kWavHeaderSize);
    h.append("RIFF", 4);
    appendLE32(h, dataSize + 36u);
    h.append("WAVE", 4);
    h.append("fmt ", 4);
    appendLE32(h, 16);  // fmt chunk size for plain PCM
    appendLE16(h, 1);   // PCM
    appendLE16(h, channels);
    appendLE32(h, sampleRate);
    appendLE32(h, quint32(channels) * sampleRate * bitsPerSample / 8);  // byte rate
    appendLE16(h, quint16(channels * bitsPerSample / 8));               // block align
    appendLE16(h, bitsPerSample);
    h.append("data", 4);
    appendLE32(h, dataSize);
    return h;
}

void pcmToWav(const QString &src, const QString &dst, int channels, int sampleRate,
              int bitsPerSample)
{
    // The source is opened first so that a missing recording never truncates
    // an existing destination.
    QFile in(src);
    if (!in.open(QIODevice::ReadOnly)) {
        qWarning() << "pcmToWav: cannot open" << src << in.errorString();
        return;
    }
    const qint64 size = in.size();
    if (size > qint64(kMaxWavDataSize)) {
        qWarning() << "pcmToWav:" << src << "has" << size << "bytes, more than a WAV file can hold";
        return;
    }

    QFile out(dst);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning() << "pcmToWav: cannot open" << dst << out.errorString();
        return;
    }

    const QByteArray header = makeWavHeader(quint32(size), quint16(channels), quint32(sampleRate),
                                            quint16(bitsPerSample));
    bool ok = out.write(header) == header.size();
    QByteArray chunk;
    while (ok && !in.atEnd()) {
        chunk = in.read(kCopyChunk);
        if (chunk.isEmpty()) {
            ok = false;
            break;
        }
        ok = out.write(chunk) == chunk.size();
    }
    if (ok)
        ok = out.flush();
    if (!ok) {
        // A header that promises more data than follows is worse than no file.
        qWarning() << "pcmToWav: writing" << dst << "failed:" << out.errorString() << in.errorString();
        out.close();
        out.remove();
    }
}
