// Cutting frames out of audio reports and decoding them with the shared
// decoder; frames come from libsbc's mSBC encoder.

#include "core/decoder/sbchelper.h"
#include "core/device/mousedevice.h"
#include "support/recording/recording_backends.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <sbc/sbc.h>

#include <cmath>

namespace {

// n consecutive mSBC frames of a 300 Hz tone, 57 bytes each.
QList<QByteArray> msbcFrames(int n)
{
    sbc_t codec;
    sbc_init_msbc(&codec, 0);
    QList<QByteArray> frames;
    int16_t pcm[120];
    for (int f = 0; f < n; ++f) {
        for (int i = 0; i < 120; ++i)
            pcm[i] = int16_t(8000 * std::sin(2 * M_PI * 300 * (f * 120 + i) / 16000.0));
        QByteArray frame(60, '\0');
        ssize_t written = 0;
        sbc_encode(&codec, pcm, sizeof(pcm), frame.data(), size_t(frame.size()), &written);
        frame.resize(int(written));
        frames << frame;
    }
    sbc_finish(&codec);
    return frames;
}

QByteArray slot(const QByteArray &frame, char marker = 0x01, char sequence = 0x08)
{
    QByteArray s;
    s.append(marker).append(sequence).append(frame);
    s.append(QByteArray(61 - s.size(), '\0'));  // 57-byte frame, spare byte and padding
    return s;
}

QByteArray receiverReport(const QByteArray &frame, char marker = 0x01, char sequence = 0x38)
{
    QByteArray r = char(0x9D) + slot(frame, marker, sequence);
    r.append(QByteArray(64 - r.size(), '\0'));
    return r;
}

}  // namespace

class SbcHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { platform::recording::install(); }
    void framesAndErrors();
    void receiverReports();
    void bluetoothReports();
    void decodesTheRawCapture();
    void notDecodableAudioStillReachesListeners();
};

void SbcHelperTest::framesAndErrors()
{
    const auto helper = SbcHelper::instance();
    const QByteArray frame = msbcFrames(1).first();
    QCOMPARE(frame.size(), 57);
    QCOMPARE(helper->decode(reinterpret_cast<const quint8 *>(frame.constData()), 57), 120);

    const quint8 tooRich[] = {0x9C, 0x01 /* mono, 8 subbands */, 250, 0x00};
    QByteArray rich(reinterpret_cast<const char *>(tooRich), 4);
    rich.append(QByteArray(400, '\x55'));
    QCOMPARE(helper->decode(reinterpret_cast<const quint8 *>(rich.constData()), rich.size()), -125);
    QCOMPARE(helper->decode(reinterpret_cast<const quint8 *>(frame.constData()), 20), -123);
    const quint8 noise[] = {0x12, 0x34, 0x56};
    QCOMPARE(helper->decode(noise, 3), -126);
}

void SbcHelperTest::receiverReports()
{
    const auto helper = SbcHelper::instance();
    const QByteArray frame = msbcFrames(1).first();
    char out[SbcHelper::kMaxReportPcmBytes];

    QByteArray report = receiverReport(frame);
    QCOMPARE(helper->decodeHiddata(report.constData(), report.size(), out, sizeof(out)), 240);
    // Marker 0x02 is audio on Bluetooth only; a sequence byte without 8 is no slot.
    report = receiverReport(frame, 0x02);
    QCOMPARE(helper->decodeHiddata(report.constData(), report.size(), out, sizeof(out)), 0);
    report = receiverReport(frame, 0x01, 0x37);
    QCOMPARE(helper->decodeHiddata(report.constData(), report.size(), out, sizeof(out)), 0);
    // Cut short: decoding must stay inside the bytes that arrived.
    report = receiverReport(frame).left(30);
    QCOMPARE(helper->decodeHiddata(report.constData(), report.size(), out, sizeof(out)), 0);
}

void SbcHelperTest::bluetoothReports()
{
    const auto helper = SbcHelper::instance();
    const QList<QByteArray> frames = msbcFrames(4);
    char out[SbcHelper::kMaxReportPcmBytes];

    QByteArray four = QByteArray(1, char(0x9D));
    for (int i = 0; i < 4; ++i)
        four += slot(frames[i], i % 2 ? 0x02 : 0x01);
    QCOMPARE(helper->decodeBledata(four.constData(), four.size(), out, sizeof(out)), 960);

    QByteArray broken = QByteArray(1, char(0x9D)) + slot(frames[0]) + slot(frames[1], 0x05)
        + slot(frames[2]);
    QCOMPARE(helper->decodeBledata(broken.constData(), broken.size(), out, sizeof(out)), 240);

    QCOMPARE(helper->decodeBledata(four.constData(), 100, out, sizeof(out)), 240);
}

void SbcHelperTest::decodesTheRawCapture()
{
    QFile raw(QStringLiteral("sound.bin"));
    QVERIFY(raw.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QList<QByteArray> frames = msbcFrames(10);
    for (const QByteArray &f : frames)
        raw.write(receiverReport(f));
    raw.write(QByteArray::fromHex("a55a07540f50ff") + QByteArray(57, '\0'));  // a reply
    raw.write("tail");  // an incomplete last chunk ends the file
    raw.close();

    QVERIFY(SbcHelper::decodesbc());
    QCOMPARE(QFileInfo(QStringLiteral("soundbin.wav")).size(), qint64(10 * 240));
}

void SbcHelperTest::notDecodableAudioStillReachesListeners()
{
    MouseDevice *mouse = MouseDevice::instance().get();
    mouse->linkModel = 4;
    QSignalSpy audio(mouse, &MouseDevice::onAudioData);
    mouse->analysisData(receiverReport(msbcFrames(1).first(), 0x02));
    QCOMPARE(audio.count(), 1);
    QVERIFY(audio.first().at(0).toByteArray().isEmpty());
}

QTEST_GUILESS_MAIN(SbcHelperTest)
#include "test_sbchelper.moc"
