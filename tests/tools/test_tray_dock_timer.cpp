// tray-dock-timer, the clock of the start-up benchmark: it must time a real
// dock, refuse to time without a tray, and never leave the program running.

#include "support/app_process.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Last: Xlib's macros clash with Qt's names.
#include "support/x11_tray_host.h"

namespace {

struct Timed
{
    int exitCode = -1;
    QString out;
    QString err;
    qint64 elapsedMs = 0;
};

Timed runTimer(const QStringList &args, const QProcessEnvironment &env, int waitMs = 30000)
{
    // Output into files, not pipes: a program the timer failed to kill must
    // live on to be found, not die writing to a closed pipe.
    QTemporaryDir outDir;
    const QString outPath = outDir.filePath(QStringLiteral("out"));
    const QString errPath = outDir.filePath(QStringLiteral("err"));
    QProcess timer;
    timer.setProcessEnvironment(env);
    timer.setStandardOutputFile(outPath);
    timer.setStandardErrorFile(errPath);
    QElapsedTimer clock;
    clock.start();
    timer.start(QStringLiteral(TRAY_DOCK_TIMER), args);
    Timed result;
    if (!timer.waitForFinished(waitMs)) {
        timer.kill();
        timer.waitForFinished();
        return result;
    }
    result.elapsedMs = clock.elapsed();
    result.exitCode = timer.exitStatus() == QProcess::NormalExit ? timer.exitCode() : -1;
    QFile out(outPath), err(errPath);
    if (out.open(QIODevice::ReadOnly))
        result.out = QString::fromUtf8(out.readAll()).trimmed();
    if (err.open(QIODevice::ReadOnly))
        result.err = QString::fromUtf8(err.readAll());
    return result;
}

// Processes whose command line holds the word, as a leftover would.
int processesWith(const QByteArray &word)
{
    int count = 0;
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().split('\0').contains(word))
            ++count;
    }
    return count;
}

}  // namespace

class TrayDockTimerTest : public QObject
{
    Q_OBJECT

private slots:
    void withoutTrayNothingIsStarted();
    void timesTalkvaneDockingItsIcon();
    void programThatNeverDocksTimesOutAndIsKilled();
    void programThatExitsIsReportedNotTimed();

private:
    // One tray for the tests that need one, started after the test without:
    // taking the tray selection again right after letting it go sometimes
    // fails on Xvfb.
    bool startTray();
    std::unique_ptr<X11TrayHost> m_tray;
};

bool TrayDockTimerTest::startTray()
{
    if (!m_tray) {
        m_tray = std::make_unique<X11TrayHost>();
        if (!m_tray->start()) {
            m_tray.reset();
            return false;
        }
    }
    return true;
}

void TrayDockTimerTest::withoutTrayNothingIsStarted()
{
    const QByteArray marker = "41.0417";
    const Timed t = runTimer({"--", "sleep", QString::fromLatin1(marker)},
                             QProcessEnvironment::systemEnvironment());
    QCOMPARE(t.exitCode, 3);
    QVERIFY(t.out.isEmpty());
    QCOMPARE(processesWith(marker), 0);
    QCOMPARE(runTimer({"--check-tray"}, QProcessEnvironment::systemEnvironment()).exitCode, 3);
}

void TrayDockTimerTest::timesTalkvaneDockingItsIcon()
{
    QVERIFY(startTray());
    QCOMPARE(runTimer({"--check-tray"}, QProcessEnvironment::systemEnvironment()).exitCode, 0);

    AppInstall install;
    QVERIFY(install.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), install.dir());
    env.insert(QStringLiteral("TMPDIR"), install.dir());  // the single-instance socket
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const Timed t = runTimer({"--timeout-ms", "20000", "--", install.executable()}, env);
    QVERIFY2(t.exitCode == 0, qPrintable(t.err));

    // "wall cpu", both in ms, the wall time no longer than the run itself.
    const QStringList figures = t.out.split(QLatin1Char(' '));
    QCOMPARE(figures.size(), 2);
    bool wallOk = false, cpuOk = false;
    const double wall = figures[0].toDouble(&wallOk);
    const double cpu = figures[1].toDouble(&cpuOk);
    QVERIFY(wallOk && cpuOk);
    QVERIFY(wall > 0 && wall <= t.elapsedMs + 1);
    QVERIFY(cpu > 0);

    // It stopped at a real dock, and took the program down with it.
    QTRY_VERIFY_WITH_TIMEOUT(!m_tray->dockedIcons().empty(), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(processesWith(install.executable().toUtf8()), 0, 2000);
}

void TrayDockTimerTest::programThatNeverDocksTimesOutAndIsKilled()
{
    QVERIFY(startTray());
    const QByteArray marker = "42.0417";
    const Timed t = runTimer({"--timeout-ms", "300", "--", "sleep", QString::fromLatin1(marker)},
                             QProcessEnvironment::systemEnvironment());
    QCOMPARE(t.exitCode, 1);
    QVERIFY(t.out.isEmpty());
    QVERIFY2(t.err.contains(QLatin1String("timeout")), qPrintable(t.err));
    QVERIFY2(t.elapsedMs < 10000, qPrintable(QString::number(t.elapsedMs)));
    QCOMPARE(processesWith(marker), 0);
}

void TrayDockTimerTest::programThatExitsIsReportedNotTimed()
{
    QVERIFY(startTray());
    const Timed t = runTimer({"--timeout-ms", "20000", "--", "true"},
                             QProcessEnvironment::systemEnvironment());
    QCOMPARE(t.exitCode, 1);
    QVERIFY(t.out.isEmpty());
    QVERIFY2(t.err.contains(QLatin1String("exited")), qPrintable(t.err));
    QVERIFY2(t.elapsedMs < 10000, qPrintable(QString::number(t.elapsedMs)));
}

QTEST_GUILESS_MAIN(TrayDockTimerTest)
#include "test_tray_dock_timer.moc"
