#include "core/audio/wavfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "support/files.h"

using TestFiles::readAll;
using TestFiles::writeRaw;

namespace {

QByteArray noise(int size, quint32 seed)
{
    QRandomGenerator gen(seed);
    QByteArray out(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        out[i] = char(gen.bounded(256));
    return out;
}

// Runs one of sox's tools; false, with the reason in *out, when it is
// missing or fails.
bool runTool(const QString &tool, const QStringList &args, QByteArray *out)
{
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty()) {
        *out = tool.toUtf8() + " not found: install sox (scripts/install-deps.sh --test)";
        return false;
    }
    QProcess p;
    p.start(exe, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *out = tool.toUtf8() + " failed: " + p.readAllStandardError();
        return false;
    }
    *out = p.readAllStandardOutput();
    return true;
}

}  // namespace

class TestWavFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void header_data();
    void header();
    void soxReadsWhatWeWrite_data();
    void soxReadsWhatWeWrite();

    void missingSourceLeavesDestinationAlone();
    void unwritableDestinationWritesNothing();
    void emptySourceGivesBareHeader();
    void contentCopiedByteForByte_data();
    void contentCopiedByteForByte();
    void oversizedSourceRefused();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestWavFile::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestWavFile::header_data()
{
    QTest::addColumn<quint32>("dataSize");
    QTest::addColumn<quint16>("channels");
    QTest::addColumn<quint32>("sampleRate");
    QTest::addColumn<quint16>("bits");
    QTest::addColumn<QByteArray>("expected");

    // Written out by hand, field by field.
    QTest::newRow("empty, 16 kHz mono 16-bit")
        << quint32(0) << quint16(1) << quint32(16000) << quint16(16)
        << QByteArray::fromHex("52494646" "24000000" "57415645" "666d7420" "10000000" "0100" "0100"
                               "803e0000" "007d0000" "0200" "1000" "64617461" "00000000");
    QTest::newRow("1000 bytes, 44.1 kHz stereo 16-bit")
        << quint32(1000) << quint16(2) << quint32(44100) << quint16(16)
        << QByteArray::fromHex("52494646" "0c040000" "57415645" "666d7420" "10000000" "0100" "0200"
                               "44ac0000" "10b10200" "0400" "1000" "64617461" "e8030000");
    QTest::newRow("6 channels, 48 kHz 24-bit")
        << quint32(0x01020304) << quint16(6) << quint32(48000) << quint16(24)
        << QByteArray::fromHex("52494646" "28030201" "57415645" "666d7420" "10000000" "0100" "0600"
                               "80bb0000" "002f0d00" "1200" "1800" "64617461" "04030201");
    QTest::newRow("largest size, 8 kHz mono 8-bit")
        << kMaxWavDataSize << quint16(1) << quint32(8000) << quint16(8)
        << QByteArray::fromHex("52494646" "ffffffff" "57415645" "666d7420" "10000000" "0100" "0100"
                               "401f0000" "401f0000" "0100" "0800" "64617461" "dbffffff");
}

void TestWavFile::header()
{
    QFETCH(quint32, dataSize);
    QFETCH(quint16, channels);
    QFETCH(quint32, sampleRate);
    QFETCH(quint16, bits);
    QFETCH(QByteArray, expected);

    QCOMPARE(expected.size(), kWavHeaderSize);
    QCOMPARE(makeWavHeader(dataSize, channels, sampleRate, bits).toHex(), expected.toHex());
}

void TestWavFile::soxReadsWhatWeWrite_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("frames");

    QTest::newRow("recording format") << 1 << 16000 << 16 << 16000;
    QTest::newRow("stereo 44.1 kHz") << 2 << 44100 << 16 << 4410;
    QTest::newRow("8-bit 8 kHz") << 1 << 8000 << 8 << 801;
}

void TestWavFile::soxReadsWhatWeWrite()
{
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QFETCH(int, frames);

    const QByteArray pcm = noise(frames * channels * bits / 8, quint32(rate + channels));
    QVERIFY(writeRaw(path("in.pcm"), pcm));
    pcmToWav(path("in.pcm"), path("out.wav"), channels, rate, bits);
    const QString wav = path("out.wav");

    // 8-bit WAV is unsigned by definition, wider samples signed.
    const QList<QPair<QString, QByteArray>> expected = {
        {"-r", QByteArray::number(rate)},
        {"-c", QByteArray::number(channels)},
        {"-b", QByteArray::number(bits)},
        {"-s", QByteArray::number(frames)},
        {"-e", bits == 8 ? "Unsigned Integer PCM" : "Signed Integer PCM"},
    };
    for (const auto &e : expected) {
        QByteArray out;
        QVERIFY2(runTool("soxi", {e.first, wav}, &out), out.constData());
        QCOMPARE(out.trimmed(), e.second);
    }

    // Decoded back to raw, the samples are exactly the ones we put in.
    QByteArray decoded;
    QVERIFY2(runTool("sox", {wav, "-t", "raw", "-"}, &decoded), decoded.constData());
    QCOMPARE(decoded.size(), pcm.size());
    QVERIFY(decoded == pcm);
}

void TestWavFile::missingSourceLeavesDestinationAlone()
{
    const QByteArray previous("an earlier conversion");
    QVERIFY(writeRaw(path("kept.wav"), previous));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot open .*missing\\.pcm"));
    pcmToWav(path("missing.pcm"), path("kept.wav"), 1, 16000, 16);
    QCOMPARE(readAll(path("kept.wav")), previous);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot open .*missing\\.pcm"));
    pcmToWav(path("missing.pcm"), path("new.wav"), 1, 16000, 16);
    QVERIFY(!QFile::exists(path("new.wav")));
}

void TestWavFile::unwritableDestinationWritesNothing()
{
    const QByteArray pcm = noise(640, 7);
    QVERIFY(writeRaw(path("in.pcm"), pcm));
    QVERIFY(QDir(m_dir->path()).mkdir("taken"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot open .*taken"));
    pcmToWav(path("in.pcm"), path("taken"), 1, 16000, 16);

    QVERIFY(QFileInfo(path("taken")).isDir());
    QVERIFY(QDir(path("taken")).isEmpty());
    QCOMPARE(readAll(path("in.pcm")), pcm);
}

void TestWavFile::emptySourceGivesBareHeader()
{
    QVERIFY(writeRaw(path("empty.pcm"), QByteArray()));
    // A longer earlier file must not survive past the new end.
    QVERIFY(writeRaw(path("out.wav"), noise(4096, 1)));

    pcmToWav(path("empty.pcm"), path("out.wav"), 1, 16000, 16);

    const QByteArray wav = readAll(path("out.wav"));
    QCOMPARE(wav.size(), kWavHeaderSize);
    QCOMPARE(wav, makeWavHeader(0, 1, 16000, 16));
}

void TestWavFile::contentCopiedByteForByte_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("one byte") << 1;
    QTest::newRow("a few periods") << 3200;
    // Over several copy chunks, ending part-way through one.
    QTest::newRow("multi-chunk, ragged end") << 5 * 256 * 1024 + 77;
}

void TestWavFile::contentCopiedByteForByte()
{
    QFETCH(int, size);
    const QByteArray pcm = noise(size, quint32(size));
    QVERIFY(writeRaw(path("in.pcm"), pcm));

    pcmToWav(path("in.pcm"), path("out.wav"), 2, 22050, 16);

    const QByteArray wav = readAll(path("out.wav"));
    QCOMPARE(wav.size(), kWavHeaderSize + size);
    QCOMPARE(wav.left(kWavHeaderSize), makeWavHeader(quint32(size), 2, 22050, 16));
    QVERIFY(wav.mid(kWavHeaderSize) == pcm);
}

void TestWavFile::oversizedSourceRefused()
{
    // Sparse, so it costs no disk space; one byte more than a header can describe.
    QFile big(path("big.pcm"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(qint64(kMaxWavDataSize) + 1));
    big.close();
    const QByteArray previous("an earlier conversion");
    QVERIFY(writeRaw(path("kept.wav"), previous));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("more than a WAV file can hold"));
    pcmToWav(path("big.pcm"), path("new.wav"), 1, 16000, 16);
    QVERIFY(!QFile::exists(path("new.wav")));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("more than a WAV file can hold"));
    pcmToWav(path("big.pcm"), path("kept.wav"), 1, 16000, 16);
    QCOMPARE(readAll(path("kept.wav")), previous);
}

QTEST_GUILESS_MAIN(TestWavFile)
#include "test_wavfile.moc"
