#include "platform/crash_handler.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Crash { NullWrite, Abort, DivideByZero, RaiseBus, RaiseIll, StackOverflow };

__attribute__((noinline)) int recurse(int depth)
{
    volatile char frame[1024];
    frame[0] = char(depth);
    frame[sizeof(frame) - 1] = char(depth);
    // Not a tail call, so every level keeps its frame.
    return recurse(depth + 1) + frame[0] + frame[sizeof(frame) - 1];
}

[[noreturn]] void crashNow(Crash how)
{
    switch (how) {
    case Crash::NullWrite: {
        // Both volatile: the compiler may neither fold the null in nor drop
        // the store as dead before _exit.
        volatile int *volatile target = nullptr;
        *target = 1;
        break;
    }
    case Crash::Abort:
        std::abort();
    case Crash::DivideByZero: {
        volatile int num = 1, den = 0;
        volatile int quotient = num / den;
        (void)quotient;
        break;
    }
    case Crash::RaiseBus:
        std::raise(SIGBUS);
        break;
    case Crash::RaiseIll:
        std::raise(SIGILL);
        break;
    case Crash::StackOverflow: {
        // Bound the stack, so an unlimited setting cannot eat the memory.
        rlimit stack{};
        getrlimit(RLIMIT_STACK, &stack);
        if (stack.rlim_cur == RLIM_INFINITY || stack.rlim_cur > 8 * 1024 * 1024) {
            stack.rlim_cur = 8 * 1024 * 1024;
            setrlimit(RLIMIT_STACK, &stack);
        }
        _exit(recurse(0));
    }
    }
    _exit(0);  // survived: the parent reports it
}

}  // namespace

Q_DECLARE_METATYPE(Crash)

class TestCrashHandler : public QObject
{
    Q_OBJECT

private slots:
    void reportOnFatalSignal_data();
    void reportOnFatalSignal();
};

void TestCrashHandler::reportOnFatalSignal_data()
{
    QTest::addColumn<Crash>("how");
    QTest::addColumn<int>("sig");
    QTest::addColumn<QString>("name");

    QTest::newRow("null pointer write") << Crash::NullWrite << int(SIGSEGV) << "SIGSEGV";
    QTest::newRow("abort") << Crash::Abort << int(SIGABRT) << "SIGABRT";
#if defined(__x86_64__) || defined(__i386__)
    // Only x86 traps on integer division by zero.
    QTest::newRow("division by zero") << Crash::DivideByZero << int(SIGFPE) << "SIGFPE";
#endif
    QTest::newRow("raised SIGBUS") << Crash::RaiseBus << int(SIGBUS) << "SIGBUS";
    QTest::newRow("raised SIGILL") << Crash::RaiseIll << int(SIGILL) << "SIGILL";
    QTest::newRow("stack overflow") << Crash::StackOverflow << int(SIGSEGV) << "SIGSEGV";
}

void TestCrashHandler::reportOnFatalSignal()
{
    QFETCH(Crash, how);
    QFETCH(int, sig);
    QFETCH(QString, name);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString dumpDir = tmp.path() + QStringLiteral("/Dump/");

    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = fork();
    QVERIFY(pid >= 0);
    if (pid == 0) {
        // Start like a fresh process: without the test runner's own fatal
        // signal handlers and alternate stack.
        for (int s : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
            std::signal(s, SIG_DFL);
        stack_t noAltStack{};
        noAltStack.ss_flags = SS_DISABLE;
        sigaltstack(&noAltStack, nullptr);
        rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        platform::CrashHandler::instance().setDumpPath(dumpDir.toStdString(), "9.9.9");
        crashNow(how);
    }

    int status = 0;
    QCOMPARE(waitpid(pid, &status, 0), pid);
    const QDateTime after = QDateTime::currentDateTimeUtc().addSecs(1);
    QVERIFY2(WIFSIGNALED(status),
             qPrintable(QStringLiteral("child exited normally with %1").arg(WEXITSTATUS(status))));
    QCOMPARE(WTERMSIG(status), sig);

    const QStringList reports = QDir(dumpDir).entryList(QDir::Files);
    QCOMPARE(reports.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^crash-\\d{8}-\\d{6}-%1\\.txt$").arg(pid))
                 .match(reports.first())
                 .hasMatch(),
             qPrintable(reports.first()));

    QFile file(dumpDir + reports.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString report = QString::fromUtf8(file.readAll());
    const QStringList lines = report.split(QLatin1Char('\n'));

    QVERIFY2(lines.contains(QStringLiteral("signal: %1 (%2)").arg(sig).arg(name)), qPrintable(report));
    QVERIFY2(lines.contains(QStringLiteral("version: 9.9.9")), qPrintable(report));
    QVERIFY2(lines.contains(QStringLiteral("pid: %1").arg(pid)), qPrintable(report));
    if (how == Crash::NullWrite)
        QVERIFY2(lines.contains(QStringLiteral("address: 0x0")), qPrintable(report));

    const QRegularExpression timeLine(
        QStringLiteral("^time: (\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d) UTC$"),
        QRegularExpression::MultilineOption);
    const auto m = timeLine.match(report);
    QVERIFY2(m.hasMatch(), qPrintable(report));
    QDateTime when = QDateTime::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    when.setTimeSpec(Qt::UTC);
    QVERIFY2(when >= before && when <= after,
             qPrintable(m.captured(1) + QStringLiteral(" vs now ") + after.toString(Qt::ISODate)));

    const int trace = lines.indexOf(QStringLiteral("backtrace:"));
    QVERIFY2(trace >= 0, qPrintable(report));
    // backtrace_symbols_fd lines end in the frame's address.
    QVERIFY2(trace + 1 < lines.size()
                 && lines.at(trace + 1).contains(QRegularExpression(QStringLiteral("\\[0x[0-9a-f]+\\]$"))),
             qPrintable(report));
}

QTEST_APPLESS_MAIN(TestCrashHandler)
#include "test_crash_handler.moc"
