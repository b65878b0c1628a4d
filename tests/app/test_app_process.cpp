// The talkvane executable as a whole: what happens across starts, between
// two instances, with the log switch, on a crash and without a display.

#include "support/app_process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Last: Xlib's macros clash with Qt's names.
#include "support/x11_tray_host.h"

class AppProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void embeddedFontIsTheApplicationFont();
    void firstStartWritesLanguageDefaultsOnce_data();
    void firstStartWritesLanguageDefaultsOnce();
    void logSwitchRoutesOutput_data();
    void logSwitchRoutesOutput();
    void staleSocketIsTakenOver();
    void secondInstanceExitsAndRaisesTheFirst();
    void fatalSignalWritesCrashReport();
    void noDisplayIsReportedNotCrashed();
    void webPagesFollowStartUp_data();
    void webPagesFollowStartUp();
};

void AppProcessTest::initTestCase()
{
    // The crash test kills Talkvane on purpose; keep core files out of the way.
    rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
}

void AppProcessTest::embeddedFontIsTheApplicationFont()
{
    AppInstall install;
    QVERIFY(install.isValid());
    AppRun run(install);
    run.start();
    QVERIFY2(run.waitReady(), qPrintable(run.stderrText()));
    const QString err = run.stderrText();
    // The family is read back from the application after it was set.
    QVERIFY2(err.contains(QLatin1String("application font: \"Droid Sans Fallback\"")),
             qPrintable(err.left(2000)));
    QVERIFY(!err.contains(QLatin1String("could not be registered")));
}

void AppProcessTest::firstStartWritesLanguageDefaultsOnce_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("sysLang");
    QTest::addColumn<QString>("listen");
    QTest::addColumn<QString>("country");
    QTest::addColumn<bool>("unsupported");

    QTest::newRow("english system") << "en_US.UTF-8" << "en_US" << "en" << "en" << false;
    QTest::newRow("chinese system") << "zh_CN.UTF-8" << "zh_CN" << "zh_cn" << "cn" << false;
    QTest::newRow("russian system") << "ru_RU.UTF-8" << "ru_RU" << "ru_ru" << "ru" << false;
    // The Japanese translation stores "ja_JP", which has no row of its own.
    QTest::newRow("japanese system") << "ja_JP.UTF-8" << "ja_JP" << "en" << "en" << true;
}

void AppProcessTest::firstStartWritesLanguageDefaultsOnce()
{
    QFETCH(QString, lang);
    QFETCH(QString, sysLang);
    QFETCH(QString, listen);
    QFETCH(QString, country);
    QFETCH(bool, unsupported);

    AppInstall install;
    QVERIFY(install.isValid());
    {
        AppRun first(install, QStringLiteral("offscreen"), lang);
        first.start();
        QVERIFY2(first.waitReady(), qPrintable(first.stderrText()));
        QCOMPARE(first.stderrText().contains(QLatin1String("Unsupported language:")), unsupported);
    }
    QVERIFY(QFile::exists(install.dir() + QStringLiteral("/device/main.flag")));
    QCOMPARE(install.option(QStringLiteral("sysLang")), sysLang);
    QCOMPARE(install.option(QStringLiteral("listenlangstr")), listen);
    QCOMPARE(install.option(QStringLiteral("country")), country);
    QVERIFY(install.hasOption(QStringLiteral("akeyurl")));

    // The user changes a setting; the next start must keep it.
    install.setOption(QStringLiteral("country"), QStringLiteral("ko"));
    install.setOption(QStringLiteral("listenlangstr"), QStringLiteral("ko_kr"));
    {
        AppRun second(install, QStringLiteral("offscreen"), lang);
        second.start();
        QVERIFY2(second.waitReady(), qPrintable(second.stderrText()));
        QVERIFY(!second.stderrText().contains(QLatin1String("首次运行")));
    }
    QCOMPARE(install.option(QStringLiteral("country")), QStringLiteral("ko"));
    QCOMPARE(install.option(QStringLiteral("listenlangstr")), QStringLiteral("ko_kr"));
    QCOMPARE(install.option(QStringLiteral("sysLang")), sysLang);
}

void AppProcessTest::logSwitchRoutesOutput_data()
{
    QTest::addColumn<QString>("isLog");  // "-" leaves the key out
    QTest::addColumn<bool>("toFile");
    QTest::newRow("on") << "1" << true;
    QTest::newRow("off") << "0" << false;
    QTest::newRow("missing") << "-" << false;
    QTest::newRow("other value") << "yes" << false;
}

void AppProcessTest::logSwitchRoutesOutput()
{
    QFETCH(QString, isLog);
    QFETCH(bool, toFile);

    AppInstall install;
    QVERIFY(install.isValid());
    if (isLog != QLatin1String("-"))
        install.setOption(QStringLiteral("isLog"), isLog);
    AppRun run(install);
    run.start();
    QVERIFY(run.waitReady());
    run.terminate();

    const QString log = install.logText();
    const QString err = run.stderrText();
    const QRegularExpression fileLine(QStringLiteral(
        R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\] <<Debug>> main\.cpp \d+  curl global init\r$)"),
        QRegularExpression::MultilineOption);
    if (toFile) {
        QVERIFY2(fileLine.match(log).hasMatch(), qPrintable(log.right(2000)));
        QVERIFY(log.contains(QLatin1String("program init \"5.0.54\"")));
        QVERIFY(!err.contains(QLatin1String("curl global init")));
    } else {
        QVERIFY(log.isEmpty());
        QVERIFY2(err.contains(QRegularExpression(
                     QStringLiteral(R"(Debug: curl global init \(\S*main\.cpp:\d+, int main)"))),
                 qPrintable(err.right(2000)));
    }
}

void AppProcessTest::staleSocketIsTakenOver()
{
    AppInstall install;
    QVERIFY(install.isValid());

    // What a crashed instance leaves: a socket file nobody listens on.
    const QByteArray path = QDir(QDir::tempPath()).filePath(install.name()).toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    qstrncpy(addr.sun_path, path.constData(), sizeof(addr.sun_path));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)), 0);
    ::close(fd);
    QVERIFY(QFile::exists(QString::fromLocal8Bit(path)));

    AppRun first(install);
    first.start();
    QVERIFY2(first.waitReady(), qPrintable(first.stderrText()));

    // It must now be the listening instance.
    AppRun second(install);
    second.start();
    QVERIFY(second.waitFinished());
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 1);
    QTRY_VERIFY(first.stderrText().contains(QLatin1String("DATA: \"isRunnings\"")));
}

void AppProcessTest::secondInstanceExitsAndRaisesTheFirst()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        QSKIP("needs an X display (run it through tests/support/own_display.sh)");
    X11TrayHost tray;
    QVERIFY(tray.start());

    AppInstall install;
    QVERIFY(install.isValid());
    AppRun first(install, QStringLiteral("xcb"));
    first.start();
    QVERIFY2(first.waitReady(), qPrintable(first.stderrText()));

    const long pid = long(first.pid());
    Window main = 0;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const auto windows = X11Windows::named(display, pid, "Talkvane");
            main = windows.empty() ? 0 : windows.front();
            return main && X11Windows::isViewable(display, main);
        }(),
        5000);

    // The icon is in the notification area, docked by the tray host.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const auto mine = X11Windows::ofPid(display, pid);
            for (Window icon : tray.dockedIcons())
                if (std::find(mine.begin(), mine.end(), icon) != mine.end())
                    return true;
            return false;
        }(),
        5000);

    // Closing the window hides it into the notification area...
    X11Windows::sendDeleteWindow(display, main);
    QTRY_VERIFY_WITH_TIMEOUT(!X11Windows::isViewable(display, main), 3000);
    QVERIFY(first.waitFinished(300) == false);  // ...and Talkvane keeps running.

    // ...and a second start brings it back.
    AppRun second(install, QStringLiteral("xcb"));
    second.start();
    QVERIFY(second.waitFinished());
    QCOMPARE(second.exitCode(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(X11Windows::isViewable(display, main), 2000);

    first.terminate();
    tray.stop();
    XCloseDisplay(display);
}

void AppProcessTest::fatalSignalWritesCrashReport()
{
    AppInstall install;
    QVERIFY(install.isValid());
    AppRun run(install);
    run.start();
    QVERIFY(run.waitReady());

    QCOMPARE(::kill(pid_t(run.pid()), SIGSEGV), 0);
    QVERIFY(run.waitFinished());
    QCOMPARE(run.exitStatus(), QProcess::CrashExit);

    const QDir dumps(install.dir() + QStringLiteral("/Dump"));
    const QStringList reports = dumps.entryList({QStringLiteral("crash-*.txt")}, QDir::Files);
    QCOMPARE(reports.size(), 1);
    QFile report(dumps.filePath(reports.first()));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(report.readAll());
    QVERIFY2(text.contains(QLatin1String("signal: 11 (SIGSEGV)")), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("version: 5.0.54")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral(
        R"(time: \d{4}-\d\d-\d\d \d\d:\d\d:\d\d UTC)"))));
    const int backtrace = text.indexOf(QLatin1String("backtrace:\n"));
    QVERIFY(backtrace > 0);
    // Frames of the executable itself are named, since it exports its symbols.
    QVERIFY2(text.mid(backtrace).count(QLatin1Char('\n')) > 3, qPrintable(text));
}

void AppProcessTest::noDisplayIsReportedNotCrashed()
{
    AppInstall install;
    QVERIFY(install.isValid());
    AppRun run(install, QStringLiteral("xcb"));
    run.environment().remove(QStringLiteral("QT_QPA_PLATFORM"));
    run.environment().remove(QStringLiteral("DISPLAY"));
    run.environment().remove(QStringLiteral("WAYLAND_DISPLAY"));
    run.start();
    QVERIFY(run.waitFinished());
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 2);
    QVERIFY2(run.stderrText().contains(QLatin1String("no display is available")),
             qPrintable(run.stderrText()));
}

void AppProcessTest::webPagesFollowStartUp_data()
{
    QTest::addColumn<bool>("module");
    QTest::newRow("module beside the executable") << true;
    QTest::newRow("module missing") << false;
}

void AppProcessTest::webPagesFollowStartUp()
{
    QFETCH(bool, module);
    AppInstall install;
    QVERIFY(install.isValid());
    if (module)
        QVERIFY(install.addWebPages());
    AppRun run(install);
    run.start();
    QVERIFY2(run.waitReady(), qPrintable(run.stderrText()));
    const QString expected = module ? QStringLiteral("web pages ready in")
                                    : QStringLiteral("web pages unavailable");
    QString err;
    QDeadlineTimer deadline(30000);
    while (!(err = run.stderrText()).contains(expected) && !deadline.hasExpired())
        QTest::qWait(50);
    QVERIFY2(err.contains(expected), qPrintable(err.right(3000)));
    // Either way Talkvane runs on.
    QVERIFY2(!run.waitFinished(300), qPrintable(run.stderrText().right(3000)));
    QVERIFY2(!err.contains(QLatin1String("undefined symbol")), qPrintable(err.right(3000)));
    run.terminate();
}

QTEST_GUILESS_MAIN(AppProcessTest)
#include "test_app_process.moc"
