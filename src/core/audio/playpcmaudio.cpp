#include "core/audio/playpcmaudio.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>

namespace {

QAudioFormat recordingFormat()
{
    QAudioFormat format;
    format.setSampleRate(16000);
    format.setSampleSize(16);
    format.setChannelCount(1);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

qint64 durationMs(const QAudioFormat &format, qint64 bytes)
{
    return format.durationForBytes(qint32(qMin<qint64>(bytes, 0x7FFFFFFF))) / 1000;
}

// Lets the backend's timers and notifications run: this thread has no event
// loop of its own while it feeds the device.
void idle(const QAudioFormat &format, int periodBytes)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Half a period keeps the device fed without spinning.
    const qint64 ms = qBound<qint64>(1, durationMs(format, periodBytes) / 2, 20);
    QThread::msleep(quint64(ms));
}

}  // namespace

PlayPcmAudio::PlayPcmAudio(const QString &fileName, QObject *parent)
    : QThread(parent), m_fileName(fileName)
{
}

PlayPcmAudio::~PlayPcmAudio()
{
    wait();
}

void PlayPcmAudio::run()
{
    emit resultReady(play_pcm_audio());
}

QString PlayPcmAudio::play_pcm_audio()
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "cannot open" << m_fileName << file.errorString();
        return tr("Error: (文件打开失败!   )");
    }

    const QAudioFormat format = recordingFormat();
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    const QString unsupported = tr("Error: (输出设备不支持该格式，不能播放音频。)");
    if (device.isNull() || !device.isFormatSupported(format)) {
        qWarning() << "[. 输出设备不支持该格式，不能播放音频 .]";
        file.close();
        return unsupported;
    }

    QByteArray data = file.readAll();
    file.close();

    QAudioOutput output(device, format);
    QIODevice *sink = output.start();
    if (!sink || output.error() != QAudio::NoError) {
        qWarning() << "[. 输出设备不支持该格式，不能播放音频 .]" << "start failed, error" << output.error();
        output.stop();
        return unsupported;
    }

    bool failed = false;
    int offset = 0;
    while (offset < data.size()) {
        // Underrun only means we were late; writing more resumes playback.
        if (output.error() != QAudio::NoError && output.error() != QAudio::UnderrunError) {
            qWarning() << "audio output failed, error" << output.error() << "at" << offset << "of" << data.size();
            failed = true;
            break;
        }
        const int period = output.periodSize();
        if (period > 0 && output.bytesFree() >= period) {
            const qint64 written = sink->write(data.constData() + offset, qMin(period, data.size() - offset));
            if (written < 0) {
                qWarning() << "audio output refused data at" << offset << "of" << data.size();
                failed = true;
                break;
            }
            offset += int(written);
            if (written > 0)
                continue;
        }
        idle(format, period);
    }
    data.clear();

    // Whatever is still in the device buffer plays out before stop() drops it;
    // the deadline guards against a device that stops consuming.
    QElapsedTimer drain;
    drain.start();
    const qint64 limitMs = durationMs(format, output.bufferSize()) * 2 + 500;
    while (output.state() == QAudio::ActiveState && output.bytesFree() < output.bufferSize()
           && drain.elapsed() < limitMs)
        idle(format, output.periodSize());
    output.stop();
    return failed ? unsupported : QStringLiteral("succeed.");
}
