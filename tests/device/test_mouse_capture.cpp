// Voice capture through the simulated receiver: PCM passed on as it comes,
// six-second WAV segments, and one WAV per utterance that sox can read, kept
// in the data folder whatever the mouse calls itself and also when the
// link drops mid-utterance.

#include "core/device/mousedevice.h"
#include "support/recording/recording_backends.h"
#include "utils/app_paths.h"
#include "sim/hidsim.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {

// soxi's view of a WAV file: "rate channels bits samples".
QString soxi(const QString &path)
{
    QStringList fields;
    for (const char *flag : {"-r", "-c", "-b", "-s"}) {
        QProcess p;
        p.start(QStringLiteral("soxi"), {QLatin1String(flag), path});
        if (!p.waitForFinished(5000) || p.exitCode() != 0)
            return QStringLiteral("soxi failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
        fields << QString::fromLatin1(p.readAllStandardOutput()).trimmed();
    }
    return fields.join(QLatin1Char(' '));
}

QStringList recordings()
{
    const QDir data(AppPaths::dataDir());
    QStringList paths;
    for (const QString &name : data.entryList({QStringLiteral("record*.wav")}, QDir::Files))
        paths << data.filePath(name);
    return paths;
}

const QByteArray kBatteryReply = QByteArray::fromHex("a55a07540f50ff");
const QString kReceiverPath = QStringLiteral(
    "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:5850:5653.0007/hidraw/hidraw5");

void endUtterance()
{
    hidsim_inject_report(reinterpret_cast<const uchar *>(kBatteryReply.constData()),
                         size_t(kBatteryReply.size()));
}

}  // namespace

class MouseCaptureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void longUtteranceIsCutIntoSegments();
    void eachUtteranceReplacesTheLastWav();
    void deviceNamesStayInsideTheFileName();
    void disconnectKeepsTheCutOffUtterance();

private:
    MouseDevice *m_mouse = nullptr;
};

void MouseCaptureTest::initTestCase()
{
    qRegisterMetaType<LinkState>("LinkState");
    platform::recording::install();
    m_mouse = MouseDevice::instance().get();
    for (const QString &f : recordings())
        QFile::remove(f);
}

void MouseCaptureTest::init()
{
    m_mouse->closeDevice();
    hidsim_reset();
    for (const QString &f : recordings())
        QFile::remove(f);
    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);
    m_mouse->connect();
    QTRY_COMPARE_WITH_TIMEOUT(m_mouse->linkModel, 4, 3000);
    QTRY_COMPARE_WITH_TIMEOUT(m_mouse->battery, 80, 3000);
}

void MouseCaptureTest::longUtteranceIsCutIntoSegments()
{
    QSignalSpy segments(m_mouse, &MouseDevice::audioWavFile);
    QSignalSpy audio(m_mouse, &MouseDevice::onAudioData);
    const auto passedOn = [&] {
        qint64 bytes = 0;
        for (const auto &args : audio)
            bytes += args.at(0).toByteArray().size();
        return bytes;
    };
    // 13 s of speech in about 4 s: faster, and a loaded machine's reader
    // could fall a queue behind (being read in time is the link test's).
    hidsim_set_audio_period_us(HIDSIM_AUDIO_PERIOD_US / 3);
    m_mouse->setSaveWavSegments(true);
    m_mouse->startRecord();
    QTRY_VERIFY_WITH_TIMEOUT(passedOn() >= 13 * 32000, 15000);

    // Two full segments while speaking...
    QCOMPARE(segments.count(), 2);
    QCOMPARE(segments.at(0).at(1).toInt(), 0);
    QCOMPARE(segments.at(1).at(1).toInt(), 1);
    m_mouse->stopRecord();
    // ...and the rest at the end.
    QCOMPARE(segments.count(), 3);
    QCOMPARE(segments.at(2).at(1).toInt(), -1);
    QVERIFY(!m_mouse->saveWavSegments());

    QCOMPARE(soxi(segments.at(0).at(0).toString()), QStringLiteral("16000 1 16 96000"));
    QCOMPARE(soxi(segments.at(1).at(0).toString()), QStringLiteral("16000 1 16 96000"));
    const QStringList last = soxi(segments.at(2).at(0).toString()).split(QLatin1Char(' '));
    QCOMPARE(last.mid(0, 3), (QStringList{"16000", "1", "16"}));
    // Every decoded sample is in exactly one segment, and in the PCM dump.
    QCOMPARE(2 * 96000 + last.value(3).toLongLong(), passedOn() / 2);
    QTRY_VERIFY(QFileInfo(QStringLiteral("sound.pcm")).size() >= passedOn());
    QCOMPARE(QFileInfo(QStringLiteral("sound.bin")).size() % 64, 0);
}

void MouseCaptureTest::eachUtteranceReplacesTheLastWav()
{
    const QString earlier = m_mouse->lastRecording();
    m_mouse->startRecord();
    QTest::qWait(1200);
    // The mouse's next reply ends the first utterance.
    hidsim_inject_report(reinterpret_cast<const uchar *>(kBatteryReply.constData()),
                         size_t(kBatteryReply.size()));
    QTRY_VERIFY(m_mouse->lastRecording() != earlier);
    const QString first = m_mouse->lastRecording();
    QCOMPARE(recordings(), QStringList{first});
    QTest::qWait(1100);  // names carry the time to the second
    hidsim_inject_report(reinterpret_cast<const uchar *>(kBatteryReply.constData()),
                         size_t(kBatteryReply.size()));
    QTRY_VERIFY(m_mouse->lastRecording() != first);
    QCOMPARE(recordings().size(), 1);
    m_mouse->stopRecord();

    const QString second = recordings().first();
    QVERIFY2(QFileInfo(second).fileName().startsWith(QStringLiteral("record")) && second.contains(QStringLiteral("_PX08_Hid_5.0.54.wav")),
             qPrintable(second));
    QCOMPARE(second, m_mouse->lastRecording());
    const QStringList info = soxi(second).split(QLatin1Char(' '));
    QCOMPARE(info.mid(0, 3), (QStringList{"16000", "1", "16"}));
    // The whole recording so far, about 2.3 s.
    QVERIFY2(info.value(3).toInt() > 30000, qPrintable(info.join(' ')));

    MouseDevice::release();  // leaves no recording behind
    QVERIFY(recordings().isEmpty());
}

void MouseCaptureTest::deviceNamesStayInsideTheFileName()
{
    hidsim_set_name("SRAB/../C:D");
    m_mouse->getInfo();
    QTRY_COMPARE(m_mouse->model, QStringLiteral("AB/../C:D"));
    const QString earlier = m_mouse->lastRecording();
    m_mouse->startRecord();
    QTest::qWait(600);
    endUtterance();
    QTRY_VERIFY(m_mouse->lastRecording() != earlier);
    m_mouse->stopRecord();

    const QString wav = m_mouse->lastRecording();
    const QFileInfo file(wav);
    QVERIFY2(file.fileName().contains(QStringLiteral("_AB_.._C_D_Hid_")), qPrintable(wav));
    QCOMPARE(file.absolutePath(), AppPaths::dataDir());
    QCOMPARE(recordings(), QStringList{wav});
    QCOMPARE(soxi(wav).split(QLatin1Char(' ')).mid(0, 3), (QStringList{"16000", "1", "16"}));
}

void MouseCaptureTest::disconnectKeepsTheCutOffUtterance()
{
    m_mouse->startRecord();
    QTest::qWait(800);
    // Pulled mid-sentence: no reply will ever end this utterance.
    hidsim_set_plugged(0);
    m_mouse->deviceRemoved(kReceiverPath);
    QCOMPARE(m_mouse->linkState, Disconnected);

    const QStringList wavs = recordings();
    QCOMPARE(wavs.size(), 1);
    QCOMPARE(wavs.first(), m_mouse->lastRecording());
    const QStringList info = soxi(wavs.first()).split(QLatin1Char(' '));
    QCOMPARE(info.mid(0, 3), (QStringList{"16000", "1", "16"}));
    QVERIFY2(info.value(3).toInt() > 8000, qPrintable(info.join(' ')));  // most of the 0.8 s
}

QTEST_GUILESS_MAIN(MouseCaptureTest)
#include "test_mouse_capture.moc"
