#include "core/audio/audioplayer.h"
#include "core/audio/playpcmaudio.h"
#include "core/audio/wavfile.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtMath>
#include <QtTest>

#include "support/files.h"

#include <atomic>
#include <sys/stat.h>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using TestFiles::writeRaw;

namespace {

const QString kOpenFailed = QStringLiteral("Error: (文件打开失败!   )");
const QString kUnsupported = QStringLiteral("Error: (输出设备不支持该格式，不能播放音频。)");
const char kUnsupportedLog[] = "[. 输出设备不支持该格式，不能播放音频 .]";

// A 440 Hz tone, 16 kHz 16-bit mono, the format of a recording.
QByteArray tone(int ms)
{
    const int samples = 16 * ms;
    QByteArray pcm(samples * 2, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i) {
        const qint16 v = qint16(8000 * qSin(2 * M_PI * 440 * i / 16000.0));
        qToLittleEndian(v, pcm.data() + 2 * i);
    }
    return pcm;
}

QByteArray toneWav(int ms)
{
    const QByteArray pcm = tone(ms);
    return makeWavHeader(quint32(pcm.size()), 1, 16000, 16) + pcm;
}

bool canPlayRecordings()
{
    QAudioFormat format;
    format.setSampleRate(16000);
    format.setSampleSize(16);
    format.setChannelCount(1);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    return !device.isNull() && device.isFormatSupported(format);
}

// Runs the thread to its end and returns what it reported, checking that the
// report came exactly once and from the worker thread itself.
QString runToResult(PlayPcmAudio &player)
{
    std::atomic<QThread *> emitter{nullptr};
    QObject::connect(&player, &PlayPcmAudio::resultReady, &player,
                     [&emitter] { emitter = QThread::currentThread(); }, Qt::DirectConnection);
    QSignalSpy spy(&player, &PlayPcmAudio::resultReady);
    player.start();
    if (!player.wait(30000)) {
        QTest::qFail("playback thread did not finish", __FILE__, __LINE__);
        return QString();
    }
    if (spy.count() != 1 || emitter == nullptr || emitter == QThread::currentThread()) {
        QTest::qFail("resultReady not emitted once from the worker thread", __FILE__, __LINE__);
        return QString();
    }
    return spy.at(0).at(0).toString();
}

}  // namespace

class TestAudioPlayback : public QObject
{
    Q_OBJECT

private slots:
    void init();

    // Raw recordings on the output device.
    void pcmMissingFile();
    void pcmPlaysOrReportsDevice();
    void pcmDestructorWaitsForThread();

    // In-memory playback.
    void playerWithoutDataDoesNothing();
    void playerPlaysToEndAndClosesBuffer();
    void playerTakesNewDataWhileOpen();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestAudioPlayback::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestAudioPlayback::pcmMissingFile()
{
    PlayPcmAudio player(path("sound.pcm"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot open.*sound\\.pcm"));
    QCOMPARE(runToResult(player), kOpenFailed);
}

void TestAudioPlayback::pcmPlaysOrReportsDevice()
{
    QVERIFY(writeRaw(path("sound.pcm"), tone(300)));
    PlayPcmAudio player(path("sound.pcm"));

    if (!canPlayRecordings()) {
        // No sound card here (CI, containers): the real refusal path.
        QTest::ignoreMessage(QtWarningMsg, kUnsupportedLog);
        QCOMPARE(runToResult(player), kUnsupported);
        return;
    }
    // What reaches the device is checked in test_pcm_output_device.
    QCOMPARE(runToResult(player), QStringLiteral("succeed."));
}

void TestAudioPlayback::pcmDestructorWaitsForThread()
{
    // Opening a FIFO blocks until a writer comes, which keeps the thread
    // running while it is destroyed; destroying a running QThread aborts.
    const QString fifo = path("sound.pcm");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    std::atomic<bool> released{false};
    auto *player = new PlayPcmAudio(fifo);
    QString result;
    connect(player, &PlayPcmAudio::resultReady, player, [&](const QString &r) { result = r; },
            Qt::DirectConnection);
    if (!canPlayRecordings())
        QTest::ignoreMessage(QtWarningMsg, kUnsupportedLog);
    player->start();
    std::thread writer([&] {
        QThread::msleep(300);
        released = true;
        // Opening is all it takes; the reader may well close before any write.
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY);
        if (fd >= 0)
            ::close(fd);
    });
    QVERIFY(player->isRunning());
    delete player;
    const bool waitedForWriter = released;
    writer.join();
    QVERIFY(waitedForWriter);
    QVERIFY(result == kUnsupported || result == QStringLiteral("succeed."));
}

void TestAudioPlayback::playerWithoutDataDoesNothing()
{
    AudioPlayer player;
    QSignalSpy states(&player, &AudioPlayer::stateChanged);
    player.play();
    QVERIFY(!player.isBufferOpen());

    player.setData(QByteArray());
    player.play();
    QVERIFY(!player.isBufferOpen());
    QCOMPARE(player.state(), QMediaPlayer::StoppedState);
    QTest::qWait(100);
    QCOMPARE(states.count(), 0);
}

void TestAudioPlayback::playerPlaysToEndAndClosesBuffer()
{
    const QByteArray wav = toneWav(300);
    AudioPlayer player;
    player.setData(wav);
    QVERIFY(!player.isBufferOpen());

    // Twice: the second play has to start over from a closed buffer.
    for (int round = 0; round < 2; ++round) {
        QElapsedTimer t;
        t.start();
        player.play();
        QVERIFY(player.isBufferOpen());
        QCOMPARE(player.state(), QMediaPlayer::PlayingState);
        // Without a sound card GStreamer plays into a null sink, still in
        // real time, so reaching the end proves the data was decoded.
        QTRY_COMPARE_WITH_TIMEOUT(player.state(), QMediaPlayer::StoppedState, 10000);
        QCOMPARE(player.mediaStatus(), QMediaPlayer::EndOfMedia);
        QVERIFY2(t.elapsed() >= 250, qPrintable(QString::number(t.elapsed()) + " ms for 300 ms"));
        QVERIFY(!player.isBufferOpen());
        QCOMPARE(player.data(), wav);
    }
}

void TestAudioPlayback::playerTakesNewDataWhileOpen()
{
    // New data in the middle of playback stops the old and is what plays next.
    const QByteArray first = toneWav(2000);
    const QByteArray second = toneWav(100);
    AudioPlayer player;
    player.setData(first);
    player.play();
    QVERIFY(player.isBufferOpen());

    player.setData(second);
    QVERIFY(!player.isBufferOpen());
    QCOMPARE(player.state(), QMediaPlayer::StoppedState);
    QCOMPARE(player.data(), second);

    // What plays now is the short one.
    QElapsedTimer t;
    t.start();
    player.play();
    QTRY_COMPARE_WITH_TIMEOUT(player.state(), QMediaPlayer::StoppedState, 10000);
    QCOMPARE(player.mediaStatus(), QMediaPlayer::EndOfMedia);
    QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed()) + " ms for 100 ms"));
}

QTEST_GUILESS_MAIN(TestAudioPlayback)
#include "test_audio_playback.moc"
