// talkvane-diag on real files: a receiver capture decodes to the same PCM
// the application produces, and PCM becomes a WAV that sox reads.

#include "core/decoder/sbchelper.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sbc/sbc.h>

#include <cmath>

class DiagToolTest : public QObject
{
    Q_OBJECT

private slots:
    void decodeDumpAndPcm2wav();

private:
    int run(const QStringList &args, QString *output = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral(TALKVANE_DIAG), args);
        if (!p.waitForFinished(30000))
            return -1;
        if (output)
            *output = QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
        return p.exitCode();
    }
};

void DiagToolTest::decodeDumpAndPcm2wav()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    // A capture as the receiver writes it: 64-byte reports, one reply among them.
    sbc_t codec;
    sbc_init_msbc(&codec, 0);
    QByteArray dump;
    for (int f = 0; f < 40; ++f) {
        int16_t pcm[120];
        for (int i = 0; i < 120; ++i)
            pcm[i] = int16_t(6000 * std::sin(2 * M_PI * 440 * (f * 120 + i) / 16000.0));
        char frame[60];
        ssize_t written = 0;
        sbc_encode(&codec, pcm, sizeof(pcm), frame, sizeof(frame), &written);
        QByteArray report = QByteArray::fromHex("9d0108") + QByteArray(frame, int(written));
        report.append(QByteArray(64 - report.size(), '\0'));
        dump += report;
        if (f == 20)
            dump += QByteArray::fromHex("a55a07540f50ff") + QByteArray(57, '\0');
    }
    sbc_finish(&codec);
    QFile in(dir.filePath("sound.bin"));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(dump);
    in.close();

    QString out;
    QCOMPARE(run({"decode-dump", dir.filePath("sound.bin"), dir.filePath("out.pcm")}, &out), 0);
    QVERIFY2(out.contains(QLatin1String("41 reports, 40 with audio, 9600 PCM bytes")), qPrintable(out));

    // The same bytes the application's decoder gives for this capture.
    QByteArray expected;
    char pcm[SbcHelper::kMaxReportPcmBytes];
    for (int at = 0; at + 64 <= dump.size(); at += 64)
        expected.append(pcm, SbcHelper::instance()->decodeHiddata(dump.constData() + at, 64, pcm,
                                                                   sizeof(pcm)));
    QFile decoded(dir.filePath("out.pcm"));
    QVERIFY(decoded.open(QIODevice::ReadOnly));
    QCOMPARE(decoded.readAll(), expected);

    QCOMPARE(run({"pcm2wav", dir.filePath("out.pcm"), dir.filePath("out.wav")}), 0);
    QProcess soxi;
    soxi.start(QStringLiteral("soxi"), {QStringLiteral("-s"), dir.filePath("out.wav")});
    QVERIFY(soxi.waitForFinished(5000));
    QCOMPARE(soxi.readAllStandardOutput().trimmed(), QByteArray("4800"));

    QCOMPARE(run({"pcm2wav", dir.filePath("missing.pcm"), dir.filePath("x.wav")}), 1);
    QCOMPARE(run({"no-such-command"}), 2);
}

QTEST_GUILESS_MAIN(DiagToolTest)
#include "test_diag_tool.moc"
