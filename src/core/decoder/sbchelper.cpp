#include "sbchelper.h"

#include <QDebug>
#include <QFile>

#include <cstring>

std::shared_ptr<SbcHelper> SbcHelper::instance()
{
    // Kept past static destruction, like the other process-wide objects.
    static auto *helper = new std::shared_ptr<SbcHelper>(new SbcHelper);
    return *helper;
}

int SbcHelper::decode(const quint8 *frame, int length)
{
    if (length <= 0)
        return sbc::ErrorShort;
    size_t samples = 0;
    const int result = m_decoder.decode(frame, size_t(length), m_samples,
                                        sizeof(m_samples) / sizeof(m_samples[0]), &samples);
    if (result < 0) {
        m_count = 0;
        return result;
    }
    m_count = samples;
    return int(samples / size_t(qMax(1, m_decoder.info().channels)));
}

bool SbcHelper::isAudioSlot(const quint8 *slot, bool allowSecondMarker)
{
    return (slot[0] == 0x01 || (allowSecondMarker && slot[0] == 0x02)) && (slot[1] & 0x0F) == 8;
}

quint16 SbcHelper::decodeHiddata(const char *report, int length, char *out, int outCapacity)
{
    const auto *bytes = reinterpret_cast<const quint8 *>(report);
    if (length < 3 || !isAudioSlot(bytes + 1, false))
        return 0;
    const int frameLength = qMin(kFrameArea, length - 3);
    if (decode(bytes + 3, frameLength) <= 0) {
        qDebug() << "decoder fail !!\r\n";
        return 0;
    }
    const int pcmBytes = int(m_count * sizeof(qint16));
    if (pcmBytes > outCapacity)
        return 0;
    std::memcpy(out, m_samples, size_t(pcmBytes));
    return quint16(pcmBytes);
}

quint16 SbcHelper::decodeBledata(const char *report, int length, char *out, int outCapacity)
{
    const auto *bytes = reinterpret_cast<const quint8 *>(report);
    int written = 0;
    int slot = 1;
    // The position only moves on after a decoded slot; four checks in all.
    for (int check = 0; check < kBluetoothSlots; ++check) {
        if (slot + 3 > length || !isAudioSlot(bytes + slot, true))
            continue;
        const int frameLength = qMin(kFrameArea, length - slot - 2);
        if (decode(bytes + slot + 2, frameLength) <= 0)
            break;
        const int pcmBytes = int(m_count * sizeof(qint16));
        if (written + pcmBytes > outCapacity)
            break;
        std::memcpy(out + written, m_samples, size_t(pcmBytes));
        written += pcmBytes;
        slot += kSlotSize;
    }
    return quint16(written);
}

bool SbcHelper::decodesbc(const QString &rawPath, const QString &pcmPath)
{
    QFile::remove(pcmPath);
    QFile pcm(pcmPath);
    QFile raw(rawPath);
    if (!pcm.open(QIODevice::WriteOnly) || !raw.open(QIODevice::ReadOnly))
        return false;
    const auto helper = instance();
    char chunk[kReceiverReportSize];
    for (;;) {
        if (raw.read(chunk, sizeof(chunk)) < qint64(sizeof(chunk)))
            return true;
        const auto *bytes = reinterpret_cast<const quint8 *>(chunk);
        if (!isAudioSlot(bytes + 1, false))
            continue;
        if (helper->decode(bytes + 3, kFrameArea) <= 0) {
            qDebug() << "decoder fail !!\r\n";
            return false;
        }
        pcm.write(reinterpret_cast<const char *>(helper->m_samples),
                  qint64(helper->m_count * sizeof(qint16)));
    }
}
