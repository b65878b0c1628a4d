// Voice capture: every audio report is kept raw ("sound.bin"), decoded to
// 16 kHz mono PCM ("sound.pcm") and passed on at once; each utterance ends
// up as one WAV file, and a diagnostics switch cuts six-second WAV segments.

#include "mousedevice.h"

#include "build_config.h"
#include "core/audio/wavfile.h"
#include "core/decoder/sbchelper.h"
#include "core/device/command_frames.h"
#include "core/device/connections/ble/bleinterface.h"
#include "core/device/connections/hidinterface.h"
#include "core/device/recording_name.h"
#include "utils/app_paths.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QTimer>

#include <cstring>

namespace {

// In the data folder like every other file of Talkvane: a meeting's
// recording must be found again after a restart from another directory.
QString rawDump() { return AppPaths::inDataDir(QStringLiteral("sound.bin")); }
QString pcmDump() { return AppPaths::inDataDir(QStringLiteral("sound.pcm")); }
QString segmentDir() { return AppPaths::inDataDir(QStringLiteral("wavfileTmp")); }

// Appends a whole chunk or nothing: a piece of a sample or of an SBC frame
// would shift everything written after it once space is free again. The
// reason on failure, else empty.
QString appendTo(const QString &path, const char *data, int size)
{
    QFile file(path);
    // Unbuffered: nothing left over to be written behind our back at close.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 before = file.size();
    if (file.write(data, size) == size)
        return QString();
    const QString reason = file.errorString();
    file.unsetError();
    file.resize(before);
    return reason.isEmpty() ? QStringLiteral("short write") : reason;
}

QString segmentPath(int index)
{
    return segmentDir() + QStringLiteral("/soundTmp") + QString::number(index)
        + QStringLiteral(".wav");
}

}  // namespace

void MouseDevice::openSegmentFile(int index)
{
    m_segmentFile.setFileName(segmentPath(index));
    if (!m_segmentFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qCritical() << "open file failed, reopen";
        m_segmentFile.unsetError();
        m_segmentFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
}

void MouseDevice::startRecord()
{
    m_replyTimer->stop();
    QFile::remove(pcmDump());
    QFile::remove(rawDump());
    QDir(segmentDir()).removeRecursively();
    QDir().mkpath(segmentDir());
    m_segments.clear();
    if (m_segmentFile.isOpen())
        m_segmentFile.close();
    if (m_saveWavSegments)
        openSegmentFile(0);
    m_segmentBuffer.fill('\0', kSegmentBytes);
    m_segmentFill = 0;
    m_captureFailureReported = false;

    if (linkState == ReceiverLinked) {
        HidInterface::instance()->sendCmd(1);
        qDebug() << " startRecord hid";
    } else if (linkState == BluetoothLinked && m_ble) {
        m_ble->bluetoothc_sendcmd(CommandFrames::RecordOn);
        qDebug() << " startRecord ble";
    }
}

void MouseDevice::stopRecord()
{
    if (m_segmentFile.isOpen())
        finishSegment(-1);
    m_saveWavSegments = false;
    if (linkState == ReceiverLinked) {
        HidInterface::instance()->sendCmd(0);
        qDebug() << " stopRecord hid";
    } else if (linkState == BluetoothLinked && m_ble) {
        m_ble->bluetoothc_sendcmd(CommandFrames::RecordOff);
        qDebug() << " stopRecord ble";
    }
}

void MouseDevice::finishSegment(int num)
{
    m_segmentFile.write(makeWavHeader(quint32(m_segmentFill), 1, 16000, 16));
    m_segmentFile.write(m_segmentBuffer.constData(), m_segmentFill);
    m_segmentFile.close();
    const QString path = segmentPath(m_segments.size());
    m_segments.append(path);
    emit audioWavFile(path, num);
}

void MouseDevice::handleAudioReport(const QByteArray &data)
{
    m_audioIdleTimer->start();
    m_audioSeen = true;
    QString failure = appendTo(rawDump(), data.constData(), data.size());

    char pcm[SbcHelper::kMaxReportPcmBytes];
    quint16 count = 0;
    const auto decoder = SbcHelper::instance();
    if (linkModel == 4 || linkModel == 5)
        count = decoder->decodeHiddata(data.constData(), data.size(), pcm, sizeof(pcm));
    else if (linkModel == 2 || linkModel == 3)
        count = decoder->decodeBledata(data.constData(), data.size(), pcm, sizeof(pcm));
    qDebug() << "count: " << count;
    const QString pcmFailure = appendTo(pcmDump(), pcm, count);
    if (failure.isEmpty())
        failure = pcmFailure;
    if (!failure.isEmpty() && !m_captureFailureReported) {
        m_captureFailureReported = true;
        qWarning() << "voice capture cannot be written:" << failure;
        emit captureWriteFailed(failure);
    }

    if (m_saveWavSegments && m_segmentFile.isOpen()) {
        if (m_segmentFill >= kSegmentBytes || m_segmentFill + count > kSegmentBytes) {
            const int finished = m_segments.size();
            finishSegment(finished);
            openSegmentFile(finished + 1);
            m_segmentFill = 0;
        }
        std::memcpy(m_segmentBuffer.data() + m_segmentFill, pcm, count);
        m_segmentFill += count;
    }

    qDebug() << "onAudioData";
    emit onAudioData(QByteArray(pcm, count));
}

void MouseDevice::finishUtterance()
{
    if (!m_lastRecording.isEmpty() && QFile::exists(m_lastRecording))
        QFile::remove(m_lastRecording);
    // With the other captures, not in whatever folder Talkvane was started from.
    const QString name = AppPaths::inDataDir(RecordingName::utteranceWav(
        QDateTime::currentDateTime(), model, linkModel, QStringLiteral(TALKVANE_VERSION)));
    qDebug() << name;
    pcmToWav(pcmDump(), name, 1, 16000, 16);
    m_lastRecording = name;
}
