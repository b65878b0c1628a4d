// talkvane-diag on real files: a receiver capture decodes to the same PCM
// the application produces, PCM becomes a WAV that sox reads, and no command
// line ever costs the user an input or an earlier output.

#include "core/audio/wavfile.h"
#include "core/decoder/sbchelper.h"
#include "support/files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sbc/sbc.h>

#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using TestFiles::readAll;
using TestFiles::writeRaw;

namespace {

// 40 mSBC frames of a 440 Hz tone. Receiver framing: 64-byte reports with one
// reply among them; Bluetooth framing: 245-byte reports of four 61-byte slots.
QByteArray capture(bool bluetooth)
{
    sbc_t codec;
    sbc_init_msbc(&codec, 0);
    QByteArray dump, report;
    for (int f = 0; f < 40; ++f) {
        int16_t pcm[120];
        for (int i = 0; i < 120; ++i)
            pcm[i] = int16_t(6000 * std::sin(2 * M_PI * 440 * (f * 120 + i) / 16000.0));
        char frame[60];
        ssize_t written = 0;
        sbc_encode(&codec, pcm, sizeof(pcm), frame, sizeof(frame), &written);
        const QByteArray slot = QByteArray::fromHex("0108") + QByteArray(frame, int(written));
        if (bluetooth) {
            if (f % 4 == 0)
                report = QByteArray::fromHex("9d");
            report += slot + QByteArray(2, '\0');
            if (f % 4 == 3)
                dump += report;
        } else {
            dump += QByteArray::fromHex("9d") + slot + QByteArray(64 - 1 - slot.size(), '\0');
            if (f == 20)
                dump += QByteArray::fromHex("a55a07540f50ff") + QByteArray(57, '\0');
        }
    }
    sbc_finish(&codec);
    return dump;
}

// A /dev/full (minor 7) or /dev/null (3) the tool may wreck without harm: as
// root a scratch node, else the real one, which a user cannot remove.
QString charDevice(const QString &dir, unsigned minor)
{
    if (::geteuid() != 0)
        return minor == 7 ? QStringLiteral("/dev/full") : QStringLiteral("/dev/null");
    const QByteArray path = QFile::encodeName(dir + QStringLiteral("/dev%1").arg(minor));
    if (::mknod(path.constData(), S_IFCHR | 0666, makedev(1, minor)) != 0)
        return QString();
    const int fd = ::open(path.constData(), O_WRONLY);  // refused on a nodev mount
    if (fd < 0)
        return QString();
    ::close(fd);
    return QFile::decodeName(path);
}

bool isCharDevice(const QString &path, unsigned minor)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode)
        && st.st_rdev == makedev(1, minor);
}

}  // namespace

class DiagToolTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void decodeDumpAndPcm2wav();
    void commandLines_data();
    void commandLines();
    void outputThatIsTheInputIsRefused_data();
    void outputThatIsTheInputIsRefused();
    void failedWriteKeepsWhatWasThere_data();
    void failedWriteKeepsWhatWasThere();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList files(const QString &more = QString()) const
    {
        QStringList names = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::System);
        if (!more.isEmpty())
            names.append(more);
        names.sort();
        return names;
    }
    // Runs talkvane-diag in the scratch folder. limitBlocks caps the size of a
    // file it writes (ulimit -f, the signal ignored): writes fail as on a full disk.
    int run(const QStringList &args, QString *output = nullptr, int limitBlocks = 0)
    {
        QProcess p;
        p.setWorkingDirectory(m_dir->path());
        if (limitBlocks)
            p.start(QStringLiteral("/bin/sh"),
                    QStringList{"-c", QStringLiteral("ulimit -f %1; trap '' XFSZ; exec \"$0\" \"$@\"")
                                          .arg(limitBlocks),
                                TALKVANE_DIAG} + args);
        else
            p.start(QStringLiteral(TALKVANE_DIAG), args);
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
            return -1;
        if (output)
            *output = QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
        return p.exitCode();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void DiagToolTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(writeRaw(path("rx.bin"), capture(false)));
    QVERIFY(writeRaw(path("bt.bin"), capture(true)));
    QByteArray pcm(4800, '\0');
    for (int i = 0; i < pcm.size(); ++i)
        pcm[i] = char(i * 7);
    QVERIFY(writeRaw(path("in.pcm"), pcm));
}

void DiagToolTest::decodeDumpAndPcm2wav()
{
    const QByteArray dump = readAll(path("rx.bin"));
    QString out;
    QCOMPARE(run({"decode-dump", "rx.bin", "out.pcm"}, &out), 0);
    QVERIFY2(out.contains(QLatin1String("41 reports, 40 with audio, 9600 PCM bytes")), qPrintable(out));

    // The same bytes the application's decoder gives for this capture.
    QByteArray expected;
    char pcm[SbcHelper::kMaxReportPcmBytes];
    for (int at = 0; at + 64 <= dump.size(); at += 64)
        expected.append(pcm, SbcHelper::instance()->decodeHiddata(dump.constData() + at, 64, pcm,
                                                                   sizeof(pcm)));
    QCOMPARE(readAll(path("out.pcm")), expected);

    QCOMPARE(run({"pcm2wav", "out.pcm", "out.wav"}), 0);
    QProcess soxi;
    soxi.start(QStringLiteral("soxi"), {QStringLiteral("-s"), path("out.wav")});
    QVERIFY(soxi.waitForFinished(5000));
    QCOMPARE(soxi.readAllStandardOutput().trimmed(), QByteArray("4800"));

    QCOMPARE(run({"pcm2wav", "missing.pcm", "x.wav"}), 1);
    QVERIFY(!QFile::exists(path("x.wav")));
}

void DiagToolTest::commandLines_data()
{
    // exit 0: decode-dump prints `expect`, pcm2wav writes `expect` as the header.
    // exit 2: the usage is on stderr and nothing is written.
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("expect");

    const QByteArray rx("41 reports, 40 with audio, 9600 PCM bytes");
    const QByteArray bt("10 reports, 10 with audio, 9600 PCM bytes");
    const QStringList wav{"pcm2wav", "in.pcm", "out"};
    const QStringList dump{"decode-dump", "rx.bin", "out"};
    QTest::newRow("--bluetooth last") << QStringList{"decode-dump", "bt.bin", "out", "--bluetooth"} << 0 << bt;
    QTest::newRow("--link bluetooth last") << QStringList{"decode-dump", "bt.bin", "out", "--link", "bluetooth"} << 0 << bt;
    QTest::newRow("--link=bluetooth first") << QStringList{"decode-dump", "--link=bluetooth", "bt.bin", "out"} << 0 << bt;
    QTest::newRow("--report-size between") << QStringList{"decode-dump", "rx.bin", "--report-size", "64", "out"} << 0 << rx;
    QTest::newRow("--rate between") << QStringList{"pcm2wav", "in.pcm", "--rate", "8000", "out"} << 0
                                    << makeWavHeader(4800, 1, 8000, 16);
    QTest::newRow("pcm2wav options first")
        << QStringList{"pcm2wav", "--bits", "8", "--channels", "2", "--rate=44100", "in.pcm", "out"} << 0
        << makeWavHeader(4800, 2, 44100, 8);

    QTest::newRow("no command") << QStringList() << 2 << QByteArray();
    QTest::newRow("unknown command") << QStringList{"no-such-command"} << 2 << QByteArray();
    QTest::newRow("unknown option") << wav + QStringList{"--frob"} << 2 << QByteArray();
    QTest::newRow("missing value") << wav + QStringList{"--rate"} << 2 << QByteArray();
    QTest::newRow("stray argument") << wav + QStringList{"extra"} << 2 << QByteArray();
    QTest::newRow("missing output") << QStringList{"pcm2wav", "in.pcm"} << 2 << QByteArray();
    QTest::newRow("option twice") << wav + QStringList{"--rate", "8000", "--rate", "16000"} << 2 << QByteArray();
    QTest::newRow("rate -1") << wav + QStringList{"--rate", "-1"} << 2 << QByteArray();
    QTest::newRow("rate not a number") << wav + QStringList{"--rate", "16k"} << 2 << QByteArray();
    QTest::newRow("channels 0") << wav + QStringList{"--channels", "0"} << 2 << QByteArray();
    QTest::newRow("bits 7") << wav + QStringList{"--bits", "7"} << 2 << QByteArray();
    QTest::newRow("bits 12") << wav + QStringList{"--bits", "12"} << 2 << QByteArray();
    QTest::newRow("report-size 0") << dump + QStringList{"--report-size", "0"} << 2 << QByteArray();
    QTest::newRow("unknown link") << dump + QStringList{"--link", "usb"} << 2 << QByteArray();
    QTest::newRow("contradicting links") << dump + QStringList{"--bluetooth", "--link", "receiver"} << 2 << QByteArray();
    QTest::newRow("dump stray argument") << dump + QStringList{"more"} << 2 << QByteArray();
    QTest::newRow("bench seconds 0") << QStringList{"bench-decode", "--seconds", "0"} << 2 << QByteArray();
}

void DiagToolTest::commandLines()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, expect);

    const QStringList before = files();
    const QStringList beforeWithOut = files(QStringLiteral("out"));
    QString out;
    QCOMPARE(run(args, &out), exitCode);
    if (exitCode) {
        QVERIFY2(out.contains(QLatin1String("usage: talkvane-diag")), qPrintable(out));
        QCOMPARE(files(), before);
        return;
    }
    const QByteArray written = readAll(path("out"));
    if (args.first() == QLatin1String("decode-dump")) {
        QVERIFY2(out.contains(QLatin1String(expect)), qPrintable(out));
        QCOMPARE(written.size(), 9600);
    } else {
        QCOMPARE(written.left(kWavHeaderSize).toHex(), expect.toHex());
        QVERIFY(written.mid(kWavHeaderSize) == readAll(path("in.pcm")));
    }
    // Only "out" is new; no file named after an option.
    QCOMPARE(files(), beforeWithOut);
}

void DiagToolTest::outputThatIsTheInputIsRefused_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("output");  // "soft" and "hard" are made links to the input
    for (const char *command : {"pcm2wav", "decode-dump"})
        for (const char *output : {"input", "soft", "hard"})
            QTest::addRow("%s, %s", command, output) << command << output;
}

void DiagToolTest::outputThatIsTheInputIsRefused()
{
    QFETCH(QString, command);
    QFETCH(QString, output);

    const QString input = command == QLatin1String("pcm2wav") ? "in.pcm" : "rx.bin";
    if (output == QLatin1String("input"))
        output = input;
    else if (output == QLatin1String("soft"))
        QVERIFY(QFile::link(input, path(output)));
    else
        QCOMPARE(::link(qPrintable(path(input)), qPrintable(path(output))), 0);
    const QByteArray content = readAll(path(input));

    QString out;
    QCOMPARE(run({command, input, output}, &out), 1);
    QVERIFY2(out.contains(QLatin1String("input")), qPrintable(out));
    QCOMPARE(readAll(path(input)), content);
    QCOMPARE(readAll(path(output)), content);
}

void DiagToolTest::failedWriteKeepsWhatWasThere_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("exitCode");
    for (const char *command : {"pcm2wav", "decode-dump"}) {
        QTest::addRow("%s, full device", command) << command << "full" << 1;
        QTest::addRow("%s, null device", command) << command << "null" << 0;
        QTest::addRow("%s, existing file, no space", command) << command << "existing" << 1;
        QTest::addRow("%s, new file, no space", command) << command << "new" << 1;
    }
}

void DiagToolTest::failedWriteKeepsWhatWasThere()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(int, exitCode);

    const unsigned minor = target == QLatin1String("full") ? 7 : 3;
    const bool device = target == QLatin1String("full") || target == QLatin1String("null");
    QString output = device ? charDevice(m_dir->path(), minor) : path("out");
    if (output.isEmpty())
        QSKIP("no character device node can be made here");
    const QByteArray earlier(3000, 'e');
    if (target == QLatin1String("existing"))
        QVERIFY(writeRaw(output, earlier));
    const QStringList before = files();

    // Both commands write 4800 bytes or more, over the 1-2 KiB a file may grow to.
    QString out;
    const QString input = command == QLatin1String("pcm2wav") ? "in.pcm" : "rx.bin";
    QCOMPARE(run({command, input, output}, &out, device ? 0 : 2), exitCode);
    QCOMPARE(out.contains(QLatin1String("failed")), exitCode != 0);
    if (device)
        QVERIFY(isCharDevice(output, minor));
    else if (target == QLatin1String("existing"))
        QCOMPARE(readAll(output), earlier);
    // No half-written file and no temporary file left behind.
    QCOMPARE(files(), before);
}

QTEST_GUILESS_MAIN(DiagToolTest)
#include "test_diag_tool.moc"
