#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <memory>

class QFile;
class QSaveFile;

// Raw PCM recordings become playable WAV files by prefixing the canonical
// 44-byte little-endian RIFF/WAVE header.

constexpr int kWavHeaderSize = 44;

// The RIFF size field is dataSize + 36 in 32 bits, so no more data than this
// can be described.
constexpr quint32 kMaxWavDataSize = 0xFFFFFFFFu - 36u;

// dataSize must not exceed kMaxWavDataSize.
QByteArray makeWavHeader(quint32 dataSize, quint16 channels, quint32 sampleRate,
                         quint16 bitsPerSample);

// Writes dst as a header followed by every byte of src and returns true.
// Returns false and leaves whatever was at dst as it was when src cannot be
// read, is too large for a WAV header, is dst itself (also through links), or
// dst cannot be written; the reason goes to *error when given, else to the log.
bool pcmToWav(const QString &src, const QString &dst, int channels, int sampleRate,
              int bitsPerSample, QString *error = nullptr);

// A file written as a whole, so that a failure never costs what was at its
// path: a new or regular file is written beside it and renamed into place by
// commit(); a device or a pipe (/dev/null, a FIFO) is written directly and is
// never removed. Without a successful commit() the path keeps what it had.
class OutputFile
{
public:
    explicit OutputFile(const QString &path);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Refuses a path that is the file `input` (same device and inode).
    bool open(const QString &input = QString());
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &data) { return write(data.constData(), data.size()); }
    // True only when every write, the flush and the close succeeded.
    bool commit();
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &why);

    QString m_path;
    std::unique_ptr<QSaveFile> m_replacing;
    std::unique_ptr<QFile> m_direct;
    bool m_failed = false;
    QString m_error;
};
