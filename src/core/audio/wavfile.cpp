#include "core/audio/wavfile.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

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

// After a short write Qt reports no reason of its own ("Unknown error"); the
// system's reason is still in errno, cleared before the call.
QString writeError(const QFileDevice &file)
{
    return errno ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
}

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

bool pcmToWav(const QString &src, const QString &dst, int channels, int sampleRate,
              int bitsPerSample, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        else
            qWarning().noquote() << "pcmToWav:" << why;
        return false;
    };

    // The source is opened first so that a missing recording never touches an
    // existing destination.
    QFile in(src);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open %1: %2").arg(src, in.errorString()));
    const qint64 size = in.size();
    if (size > qint64(kMaxWavDataSize))
        return fail(QStringLiteral("%1 has %2 bytes, more than a WAV file can hold")
                        .arg(src).arg(size));

    OutputFile out(dst);
    if (!out.open(src))
        return fail(QStringLiteral("cannot open %1: %2").arg(dst, out.errorString()));

    bool ok = out.write(makeWavHeader(quint32(size), quint16(channels), quint32(sampleRate),
                                      quint16(bitsPerSample)));
    // Exactly the size the header promises, even if the source changes meanwhile.
    qint64 copied = 0;
    while (ok && copied < size) {
        const QByteArray chunk = in.read(qMin(kCopyChunk, size - copied));
        if (chunk.isEmpty())
            return fail(QStringLiteral("reading %1 failed after %2 of %3 bytes: %4")
                            .arg(src).arg(copied).arg(size).arg(in.errorString()));
        ok = out.write(chunk);
        copied += chunk.size();
    }
    if (!ok || !out.commit())
        return fail(QStringLiteral("writing %1 failed: %2").arg(dst, out.errorString()));
    return true;
}

OutputFile::OutputFile(const QString &path) : m_path(path) {}

// A QSaveFile destroyed without commit() drops its temporary file.
OutputFile::~OutputFile() = default;

bool OutputFile::fail(const QString &why)
{
    if (!m_failed)
        m_error = why;
    m_failed = true;
    return false;
}

bool OutputFile::open(const QString &input)
{
    const QByteArray path = QFile::encodeName(m_path);
    struct stat target;
    if (::stat(path.constData(), &target) == 0) {
        struct stat source;
        if (!input.isEmpty() && ::stat(QFile::encodeName(input).constData(), &source) == 0
            && source.st_dev == target.st_dev && source.st_ino == target.st_ino)
            return fail(QStringLiteral("it is the input file %1").arg(input));
        if (S_ISDIR(target.st_mode))
            return fail(QString::fromLocal8Bit(std::strerror(EISDIR)));
        if (!S_ISREG(target.st_mode)) {
            // Nothing to keep and nothing to rename over: a temporary file and
            // a rename would replace the device node or pipe itself.
            m_direct = std::make_unique<QFile>(m_path);
            if (!m_direct->open(QIODevice::WriteOnly))
                return fail(m_direct->errorString());
            return true;
        }
    }
    m_replacing = std::make_unique<QSaveFile>(m_path);
    if (!m_replacing->open(QIODevice::WriteOnly))
        return fail(m_replacing->errorString());
    return true;
}

bool OutputFile::write(const char *data, qint64 size)
{
    if (m_failed)
        return false;
    QFileDevice *file = m_direct ? static_cast<QFileDevice *>(m_direct.get())
                                 : static_cast<QFileDevice *>(m_replacing.get());
    if (!file)
        return fail(QStringLiteral("not open"));
    errno = 0;
    if (file->write(data, size) != size)
        return fail(writeError(*file));
    return true;
}

bool OutputFile::commit()
{
    if (m_failed)
        return false;
    if (m_replacing) {
        // QSaveFile::commit() ignores a failing final flush and sync and would
        // rename a cut-off file into place, so both are checked here first.
        errno = 0;
        if (!m_replacing->flush())
            return fail(writeError(*m_replacing));
        if (::fsync(m_replacing->handle()) != 0 && errno != EINVAL)
            return fail(QString::fromLocal8Bit(std::strerror(errno)));
        if (!m_replacing->commit())
            return fail(m_replacing->errorString());
        m_replacing.reset();
        return true;
    }
    if (!m_direct)
        return fail(QStringLiteral("not open"));
    errno = 0;
    if (!m_direct->flush())
        return fail(writeError(*m_direct));
    m_direct->close();
    if (m_direct->error() != QFileDevice::NoError)
        return fail(m_direct->errorString());
    return true;
}
