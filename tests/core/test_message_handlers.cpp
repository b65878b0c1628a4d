#include "core/log/message_handlers.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QtTest>

#include "support/files.h"

#include <cstdio>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const QString kStamp = QStringLiteral(R"(\[(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3})\])");

using TestFiles::readAll;
using TestFiles::writeRaw;

// Lines "filler 0000042 日志填充内容\r\n" up to exactly size bytes; the
// Chinese part puts multi-byte sequences at many offsets.
QByteArray filler(qint64 size)
{
    QByteArray out;
    out.reserve(int(size) + 64);
    for (int i = 0; out.size() < size; ++i)
        out += "filler " + QByteArray::number(i).rightJustified(7, '0')
               + " \xe6\x97\xa5\xe5\xbf\x97\xe5\xa1\xab\xe5\x85\x85\xe5\x86\x85\xe5\xae\xb9\r\n";
    out.truncate(int(size));
    return out;
}

bool isFillerLine(const QByteArray &line)
{
    static const QRegularExpression re(QStringLiteral("^filler \\d{7} 日志填充内容$"));
    return re.match(QString::fromUtf8(line)).hasMatch();
}

QDateTime parseStamp(const QString &s)
{
    return QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
}

// Splits on "\r\n"; the text after the last separator (empty for a file that
// ends with a complete line) is dropped, as it is not a line.
QList<QByteArray> lines(const QByteArray &bytes)
{
    QList<QByteArray> out;
    int from = 0;
    for (;;) {
        const int at = bytes.indexOf("\r\n", from);
        if (at < 0)
            break;
        out << bytes.mid(from, at - from);
        from = at + 2;
    }
    return out;
}

const QMessageLogContext kWorkerCtx("/build/src/worker.cpp", 77, "void work()", "default");

// Each message carries its thread and sequence number twice, plus padding
// that makes a torn or spliced line visible.
void logFromThreads(int threads, int perThread, int padding)
{
    const QString pad(padding, QLatin1Char('.'));
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([t, perThread, pad] {
            for (int n = 0; n < perThread; ++n)
                fileMessageHandler(QtDebugMsg, kWorkerCtx,
                                   QStringLiteral("T%1 N%2 线程消息 %3%4").arg(t).arg(n).arg(t * 100000 + n).arg(pad));
        });
    }
    for (auto &th : pool)
        th.join();
}

// Checks one worker line; on success appends its sequence number to its
// thread's list and returns true.
bool takeWorkerLine(const QByteArray &line, int padding, QVector<QVector<int>> &seen, QString *why)
{
    static const QRegularExpression re(
        QStringLiteral("^%1 <<Debug>> worker\\.cpp 77  T(\\d+) N(\\d+) 线程消息 (\\d+)(\\.*)$").arg(kStamp));
    const auto m = re.match(QString::fromUtf8(line));
    if (!m.hasMatch()) {
        *why = QStringLiteral("malformed line: ") + QString::fromUtf8(line.left(200));
        return false;
    }
    const int t = m.captured(2).toInt();
    const int n = m.captured(3).toInt();
    if (t < 0 || t >= seen.size() || m.captured(4).toInt() != t * 100000 + n
        || m.capturedLength(5) != padding) {
        *why = QStringLiteral("mangled fields: ") + QString::fromUtf8(line.left(200));
        return false;
    }
    seen[t] << n;
    return true;
}

// Each thread's numbers run without gap or repeat up to its last message;
// fromZero also requires its first message.
bool sequencesContiguous(const QVector<QVector<int>> &seen, int perThread, bool fromZero, QString *why)
{
    for (int t = 0; t < seen.size(); ++t) {
        const QVector<int> &ns = seen[t];
        if (ns.isEmpty() && !fromZero)
            continue;
        if (ns.isEmpty() || ns.last() != perThread - 1 || (fromZero && ns.first() != 0)) {
            *why = QStringLiteral("thread %1: %2 lines, %3..%4")
                       .arg(t).arg(ns.size()).arg(ns.value(0, -1)).arg(ns.isEmpty() ? -1 : ns.last());
            return false;
        }
        for (int i = 1; i < ns.size(); ++i) {
            if (ns[i] != ns[i - 1] + 1) {
                *why = QStringLiteral("thread %1: N%2 follows N%3").arg(t).arg(ns[i]).arg(ns[i - 1]);
                return false;
            }
        }
    }
    return true;
}

}  // namespace

class TestMessageHandlers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileLineFormat_data();
    void fileLineFormat();
    void fileWritesUtf8();
    void rotation_data();
    void rotation();
    void threadsNeverInterleave_data();
    void threadsNeverInterleave();
    void threadsAcrossRotation_data();
    void threadsAcrossRotation();
    void consoleFormat_data();
    void consoleFormat();

private:
    void removeLogs();
    QString m_log;
    QString m_bak;
};

void TestMessageHandlers::removeLogs()
{
    m_log = LogFile::path();
    m_bak = m_log + QStringLiteral(".bak");
    QFile::remove(m_log);
    QFile::remove(m_bak);
}

void TestMessageHandlers::init()
{
    removeLogs();
    QCOMPARE(m_log, QCoreApplication::applicationDirPath() + QStringLiteral("/Log.txt"));
}

void TestMessageHandlers::cleanup()
{
    removeLogs();
}

void TestMessageHandlers::fileLineFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");  // the line after the time stamp

    const QByteArray unix = "/home/dev/talkvane/src/core/file.cpp";
    QTest::newRow("debug") << int(QtDebugMsg) << unix << 42 << "<<Debug>> file.cpp 42  message";
    QTest::newRow("warning") << int(QtWarningMsg) << unix << 42 << "<<Warning>> file.cpp 42  message";
    QTest::newRow("critical") << int(QtCriticalMsg) << unix << 42 << "<<Critical>> file.cpp 42  message";
    QTest::newRow("info") << int(QtInfoMsg) << unix << 42 << "<<Info>> file.cpp 42  message";
    QTest::newRow("windows path") << int(QtDebugMsg) << QByteArray("C:\\work\\src\\win.cpp") << 7
                                  << "<<Debug>> win.cpp 7  message";
    QTest::newRow("mixed separators") << int(QtWarningMsg) << QByteArray("C:/work\\src/sub\\mix.cpp")
                                      << 1234 << "<<Warning>> mix.cpp 1234  message";
    QTest::newRow("no file") << int(QtDebugMsg) << QByteArray() << 0 << "<<Debug>>  message";
}

void TestMessageHandlers::fileLineFormat()
{
    QFETCH(int, type);
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(QString, expected);

    const QMessageLogContext ctx(file.isNull() ? nullptr : file.constData(), line, "void f()", "default");
    const QDateTime before = QDateTime::currentDateTime().addMSecs(-1);
    fileMessageHandler(QtMsgType(type), ctx, QStringLiteral("message"));
    const QDateTime after = QDateTime::currentDateTime().addMSecs(1);

    const QByteArray bytes = readAll(m_log);
    QVERIFY2(bytes.endsWith("\r\n"), bytes.constData());
    QCOMPARE(bytes.count("\r\n"), 1);

    const QRegularExpression re(QStringLiteral("^%1 (.*)\r\n$").arg(kStamp),
                                QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(QString::fromUtf8(bytes));
    QVERIFY2(m.hasMatch(), bytes.constData());
    QCOMPARE(m.captured(2), expected);
    const QDateTime stamp = parseStamp(m.captured(1));
    QVERIFY(stamp.isValid());
    QVERIFY2(stamp >= before && stamp <= after, qPrintable(m.captured(1)));

    // A second message appends rather than replacing.
    fileMessageHandler(QtMsgType(type), ctx, QStringLiteral("second"));
    const QByteArray two = readAll(m_log);
    QVERIFY(two.startsWith(bytes));
    QCOMPARE(two.count("\r\n"), 2);
}

void TestMessageHandlers::fileWritesUtf8()
{
    const QString msg = QStringLiteral("识别结果: 四川话 — ключ ✓");
    const QMessageLogContext ctx("src/asr.cpp", 9, "void f()", "default");
    fileMessageHandler(QtInfoMsg, ctx, msg);

    const QByteArray bytes = readAll(m_log);
    QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));  // no byte order mark
    QVERIFY2(bytes.endsWith(" <<Info>> asr.cpp 9  " + msg.toUtf8() + "\r\n"), bytes.constData());
}

void TestMessageHandlers::rotation_data()
{
    QTest::addColumn<int>("overLimit");  // final size minus the limit
    QTest::addColumn<bool>("staleBak");
    QTest::addColumn<bool>("cutInsideChar");

    QTest::newRow("one byte short") << -1 << false << false;
    QTest::newRow("exactly at limit") << 0 << false << false;
    QTest::newRow("tail starts inside a character") << 0 << false << true;
    QTest::newRow("older bak replaced") << 5 << true << false;
}

void TestMessageHandlers::rotation()
{
    QFETCH(int, overLimit);
    QFETCH(bool, staleBak);
    QFETCH(bool, cutInsideChar);

    const QMessageLogContext ctx("src/rot.cpp", 5, "void f()", "default");
    const QString msg = QStringLiteral("rotate me");
    // Every line has the same length, the time stamp being fixed-width.
    const qint64 lineLen = LogFile::formatLine(QtInfoMsg, ctx, msg).toUtf8().size() + 2;

    qint64 prefill = LogFile::kRotateAtBytes + overLimit - lineLen;
    const QByteArray pattern = filler(LogFile::kRotateAtBytes);
    if (cutInsideChar) {
        // Move the start of the kept tail onto a UTF-8 continuation byte while
        // staying below the limit before the line.
        prefill = -1;
        for (qint64 p = LogFile::kRotateAtBytes - lineLen; p < LogFile::kRotateAtBytes; ++p) {
            const qint64 cut = p + lineLen - LogFile::kKeepBytes;
            if ((uchar(pattern.at(int(cut))) & 0xC0) == 0x80) {
                prefill = p;
                break;
            }
        }
        QVERIFY(prefill > 0);
    }
    QVERIFY(prefill < LogFile::kRotateAtBytes);
    const QByteArray old = pattern.left(int(prefill));
    QVERIFY(writeRaw(m_log, old));
    if (staleBak)
        QVERIFY(writeRaw(m_bak, "stale backup that must disappear\r\n"));

    fileMessageHandler(QtInfoMsg, ctx, msg);

    const QByteArray log = readAll(m_log);
    if (prefill + lineLen < LogFile::kRotateAtBytes) {
        QVERIFY(!QFile::exists(m_bak));
        QCOMPARE(log.size(), int(prefill + lineLen));
        QVERIFY(log.startsWith(old));
        QVERIFY(log.endsWith(" <<Info>> rot.cpp 5  rotate me\r\n"));
        return;
    }

    const QByteArray bak = readAll(m_bak);
    QCOMPARE(bak.size(), int(prefill + lineLen));
    QVERIFY(bak.startsWith(old));
    QVERIFY(bak.endsWith(" <<Info>> rot.cpp 5  rotate me\r\n"));
    QCOMPARE(log.size(), int(LogFile::kKeepBytes));
    QVERIFY(log == bak.right(int(LogFile::kKeepBytes)));

    // Logging carries on in the fresh file.
    fileMessageHandler(QtWarningMsg, ctx, QStringLiteral("after"));
    const QByteArray next = readAll(m_log);
    QVERIFY(next.startsWith(log));
    QVERIFY(next.endsWith(" <<Warning>> rot.cpp 5  after\r\n"));
    QCOMPARE(next.size(),
             log.size() + LogFile::formatLine(QtWarningMsg, ctx, QStringLiteral("after")).toUtf8().size() + 2);
    QCOMPARE(readAll(m_bak), bak);
}

void TestMessageHandlers::threadsNeverInterleave_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("perThread");
    QTest::addColumn<int>("padding");

    QTest::newRow("short lines") << 8 << 2000 << 0;
    // A line longer than the text stream's 16K buffer reaches the file in
    // more than one write, so only the lock keeps other lines out of it.
    // About 8 MB in all, short of the rotation limit.
    QTest::newRow("long lines") << 8 << 60 << 17000;
}

void TestMessageHandlers::threadsNeverInterleave()
{
    QFETCH(int, threads);
    QFETCH(int, perThread);
    QFETCH(int, padding);
    logFromThreads(threads, perThread, padding);

    QVERIFY(!QFile::exists(m_bak));
    const QByteArray bytes = readAll(m_log);
    QVERIFY(bytes.endsWith("\r\n"));
    const QList<QByteArray> all = lines(bytes);
    QCOMPARE(all.size(), threads * perThread);

    QVector<QVector<int>> seen(threads);
    QString why;
    for (const QByteArray &line : all)
        QVERIFY2(takeWorkerLine(line, padding, seen, &why), qPrintable(why));
    QVERIFY2(sequencesContiguous(seen, perThread, true, &why), qPrintable(why));
}

void TestMessageHandlers::threadsAcrossRotation_data()
{
    QTest::addColumn<int>("padding");
    QTest::addColumn<bool>("once");

    // About 1.3 MB of messages on top of the filler.
    QTest::newRow("one rotation") << 0 << true;
    // About 33 MB: several rotations, each racing the other writers.
    QTest::newRow("repeated rotations") << 2000 << false;
}

void TestMessageHandlers::threadsAcrossRotation()
{
    QFETCH(int, padding);
    QFETCH(bool, once);

    const QByteArray old = filler(LogFile::kRotateAtBytes - 300 * 1024);
    QVERIFY(old.endsWith("\r\n"));
    QVERIFY(writeRaw(m_log, old));

    const int threads = 8, perThread = 2000;
    logFromThreads(threads, perThread, padding);

    const QByteArray bak = readAll(m_bak);
    const QByteArray log = readAll(m_log);
    QVERIFY2(bak.size() >= LogFile::kRotateAtBytes, qPrintable(QString::number(bak.size())));
    QVERIFY(log.size() < LogFile::kRotateAtBytes);
    QCOMPARE(bak.startsWith(old), once);
    QVERIFY(bak.endsWith("\r\n"));
    // The new file begins with the tail of the old one.
    QVERIFY(log.size() > LogFile::kKeepBytes);
    QVERIFY(log.left(int(LogFile::kKeepBytes)) == bak.right(int(LogFile::kKeepBytes)));
    QVERIFY(log.endsWith("\r\n"));

    // Every line of Log.txt but the first (which may be cut) is whole.
    QList<QByteArray> logLines = lines(log);
    QVERIFY(!logLines.isEmpty());
    logLines.removeFirst();
    QVector<QVector<int>> inLog(threads);
    QString why;
    for (const QByteArray &line : logLines) {
        if (!isFillerLine(line))
            QVERIFY2(takeWorkerLine(line, padding, inLog, &why), qPrintable(why));
    }

    // Between them, .bak (after its own cut first line, or the filler) and the
    // new part of Log.txt hold every message since the previous rotation,
    // each once.
    QList<QByteArray> before = lines(once ? bak.mid(old.size()) : bak);
    if (!once)
        before.removeFirst();
    const QList<QByteArray> after = lines(log.mid(int(LogFile::kKeepBytes)));
    QVERIFY(!before.isEmpty());
    QVERIFY(!after.isEmpty());

    QVector<QVector<int>> seen(threads);
    for (const QByteArray &line : before + after) {
        if (!isFillerLine(line))
            QVERIFY2(takeWorkerLine(line, padding, seen, &why), qPrintable(why));
    }
    QVERIFY2(sequencesContiguous(seen, perThread, once, &why), qPrintable(why));
}

void TestMessageHandlers::consoleFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("withContext");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("debug") << int(QtDebugMsg) << true
                           << QByteArray("Debug: msg (src/core/a.cpp:12, void f(int)  net)\n");
    QTest::newRow("warning") << int(QtWarningMsg) << true
                             << QByteArray("Warning: msg (src/core/a.cpp:12, void f(int)  net)\n");
    QTest::newRow("critical") << int(QtCriticalMsg) << true
                              << QByteArray("Critical: msg (src/core/a.cpp:12, void f(int)  net)\n");
    QTest::newRow("info") << int(QtInfoMsg) << true
                          << QByteArray("Info: msg (src/core/a.cpp:12, void f(int)  net)\n");
    QTest::newRow("empty context") << int(QtWarningMsg) << false << QByteArray("Warning: msg (:0,   )\n");
}

void TestMessageHandlers::consoleFormat()
{
    QFETCH(int, type);
    QFETCH(bool, withContext);
    QFETCH(QByteArray, expected);

    QTemporaryFile capture;
    QVERIFY(capture.open());

    const QMessageLogContext full("src/core/a.cpp", 12, "void f(int)", "net");
    const QMessageLogContext empty;

    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    QVERIFY(saved >= 0);
    QVERIFY(::dup2(capture.handle(), STDERR_FILENO) >= 0);
    consoleMessageHandler(QtMsgType(type), withContext ? full : empty, QStringLiteral("msg"));
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);

    QCOMPARE(readAll(capture.fileName()), expected);
}

QTEST_GUILESS_MAIN(TestMessageHandlers)
#include "test_message_handlers.moc"
