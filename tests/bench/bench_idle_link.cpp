// Benchmark, not a test: what an idle link costs. The simulated receiver is
// linked and answers polls but nobody speaks; over the measured time the
// process's CPU time and its context switches (every thread, voluntary and
// not) are read from /proc before and after.
//
//   bench_idle_link [seconds]     (default 60)

#include "core/device/mousedevice.h"
#include "support/recording/recording_backends.h"
#include "sim/hidsim.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

struct Usage
{
    double cpuSeconds = 0;
    long long switches = 0;
};

long long fieldOf(const QByteArray &status, const char *name)
{
    const int at = status.indexOf(name);
    if (at < 0)
        return 0;
    const int end = status.indexOf('\n', at);
    return status.mid(at + int(qstrlen(name)), end - at - int(qstrlen(name))).trimmed().toLongLong();
}

Usage usage()
{
    Usage u;
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (stat.open(QIODevice::ReadOnly)) {
        // Fields after the command name, which is in parentheses: utime and
        // stime are the 12th and 13th of them.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> f = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (f.size() > 12)
            u.cpuSeconds = double(f[11].toLongLong() + f[12].toLongLong()) / sysconf(_SC_CLK_TCK);
    }
    const QString tasks = QStringLiteral("/proc/self/task");
    for (const QString &tid : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks + QLatin1Char('/') + tid + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        const QByteArray s = status.readAll();
        u.switches += fieldOf(s, "voluntary_ctxt_switches:")
            + fieldOf(s, "nonvoluntary_ctxt_switches:");
    }
    return u;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 60;

    platform::recording::install();
    hidsim_reset();
    MouseDevice *mouse = MouseDevice::instance().get();

    QEventLoop loop;
    const auto linked = QObject::connect(mouse, &MouseDevice::onInfoData, &loop, [&] {
        if (mouse->linkState == ReceiverLinked && mouse->battery > 0)
            loop.quit();
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, [&] { loop.exit(1); });
    giveUp.start(10000);
    mouse->connect();
    const int linkResult = loop.exec();
    giveUp.stop();
    if (linkResult != 0) {
        std::fputs("the simulated receiver did not link\n", stderr);
        return 1;
    }
    QObject::disconnect(linked);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);  // let the start-up traffic settle
    loop.exec();

    const auto start = std::chrono::steady_clock::now();
    const Usage before = usage();
    const int readsBefore = hidsim_reports_read();
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const Usage after = usage();
    const double elapsed
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const double cpu = after.cpuSeconds - before.cpuSeconds;
    const long long switches = after.switches - before.switches;
    std::printf("idle link for %.1f s: %d reports read (battery polls)\n", elapsed,
                hidsim_reports_read() - readsBefore);
    std::printf("cpu %.2f s (%.2f %% of one core), %lld context switches (%.1f per second)\n",
                cpu, 100.0 * cpu / elapsed, switches, double(switches) / elapsed);
    mouse->closeDevice();
    return 0;
}
