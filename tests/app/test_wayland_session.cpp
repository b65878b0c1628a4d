// The talkvane executable in a Wayland session without X11, on a real
// headless compositor (run through tests/support/own_wayland.sh).

#include "support/app_process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class WaylandSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsOnWaylandAndSaysWhatIsMissing_data();
    void startsOnWaylandAndSaysWhatIsMissing();
    void unreachableCompositorIsReported();
};

void WaylandSessionTest::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"),
             "run it through tests/support/own_wayland.sh");
    rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
}

void WaylandSessionTest::startsOnWaylandAndSaysWhatIsMissing_data()
{
    QTest::addColumn<QString>("display");
    QTest::newRow("no DISPLAY") << QString();
    // A stale DISPLAY: the X11 backends must see that nobody answers.
    QTest::newRow("DISPLAY nobody serves") << QStringLiteral(":4242");
}

void WaylandSessionTest::startsOnWaylandAndSaysWhatIsMissing()
{
    QFETCH(QString, display);
    AppInstall install;
    QVERIFY(install.isValid());
    AppRun run(install);
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "XAUTHORITY", "XDG_SESSION_TYPE"})
        run.environment().remove(QLatin1String(name));
    if (!display.isEmpty()) {
        QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X4242")));
        run.environment().insert(QStringLiteral("DISPLAY"), display);
    }
    // The client's side of the protocol, to see the window reach the compositor.
    run.environment().insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    run.start();
    QVERIFY2(run.waitReady(), qPrintable(run.stderrText().right(3000)));

    // The main window is shown after start-up: its toplevel is titled, and
    // its surface gets a buffer once the compositor has configured it.
    const auto mainSurfaceDrawn = [](const QString &protocol) {
        const auto id = [&protocol](const QString &pattern) {
            return QRegularExpression(pattern).match(protocol).captured(1);
        };
        const QString toplevel = id(QStringLiteral(R"(xdg_toplevel@(\d+)\.set_title\("Talkvane"\))"));
        if (toplevel.isEmpty())
            return false;
        const QString xdgSurface = id(QStringLiteral(R"(xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@%1\))").arg(toplevel));
        const QString surface = id(QStringLiteral(R"(get_xdg_surface\(new id xdg_surface@%1, wl_surface@(\d+)\))").arg(xdgSurface));
        return !xdgSurface.isEmpty() && !surface.isEmpty()
            && protocol.contains(QRegularExpression(QStringLiteral(R"(wl_surface@%1\.attach\(wl_buffer@)").arg(surface)));
    };
    QString err;
    QDeadlineTimer deadline(10000);
    while (!mainSurfaceDrawn(err = run.stderrText()) && !deadline.hasExpired())
        QTest::qWait(50);
    QVERIFY2(mainSurfaceDrawn(err), qPrintable(err.right(3000)));

    QVERIFY2(err.contains(QLatin1String("session: \"wayland\"")), qPrintable(err.right(3000)));
    const QString headline = QStringLiteral(
        "Wayland session without X11: these features are unavailable, since Wayland does not let "
        "one application grab keys, inject input into, or read the screen of other applications.");
    QCOMPARE(err.count(headline), 1);
    const int line = err.indexOf(headline);
    const QString said = err.mid(line, err.indexOf(QLatin1Char('\n'), line) - line);
    for (const char *feature : {"global hot keys (the mouse's buttons F17 to F20, Alt+X)",
                                "typing the recognised text into other applications",
                                "screen capture", "selected-text capture", "global mouse listening"})
        QVERIFY2(said.contains(QLatin1String(feature)), qPrintable(said));

    // It keeps running, and ends when asked without a crash.
    QVERIFY2(!run.waitFinished(500), qPrintable(run.stderrText().right(3000)));
    QCOMPARE(::kill(pid_t(run.pid()), SIGTERM), 0);
    QVERIFY(run.waitFinished(5000));
    QVERIFY(QDir(install.dir() + QStringLiteral("/Dump"))
                .entryList({QStringLiteral("crash-*.txt")}, QDir::Files)
                .isEmpty());
    QVERIFY2(!run.stderrText().contains(QLatin1String("Wayland connection broke")),
             qPrintable(run.stderrText().right(3000)));
}

void WaylandSessionTest::unreachableCompositorIsReported()
{
    AppInstall install;
    QVERIFY(install.isValid());
    AppRun run(install);
    run.environment().remove(QStringLiteral("QT_QPA_PLATFORM"));
    run.environment().remove(QStringLiteral("DISPLAY"));
    run.environment().insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-gone"));
    run.start();
    QVERIFY(run.waitFinished());
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 2);
    QVERIFY2(run.stderrText().contains(
                 QLatin1String("cannot connect to the Wayland compositor \"wayland-gone\"")),
             qPrintable(run.stderrText()));
}

QTEST_GUILESS_MAIN(WaylandSessionTest)
#include "test_wayland_session.moc"
