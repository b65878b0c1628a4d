// Which session Talkvane is in, from the environment and the servers that
// answer: Wayland sockets are real ones in a private folder.

#include "platform/session.h"

#include <QDir>
#include <QLocalServer>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using platform::SessionFeature;
using platform::SessionKind;

Q_DECLARE_METATYPE(platform::SessionKind)

class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decision_data();
    void decision();
    void logLineGivesEveryReason();

private:
    QTemporaryDir m_runtime;
    QLocalServer m_live;
    QString m_absolute;
};

void SessionTest::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    QVERIFY(m_live.listen(m_runtime.filePath(QStringLiteral("wayland-live"))));
    // What a compositor that died leaves: the socket file, nobody listening.
    const QByteArray stale = QFile::encodeName(m_runtime.filePath(QStringLiteral("wayland-stale")));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, stale.constData(), sizeof(address.sun_path));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
    QVERIFY(QFileInfo::exists(QFile::decodeName(stale)));
    m_absolute = m_live.fullServerName();
}

void SessionTest::decision_data()
{
    QTest::addColumn<QString>("qpa");
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("xAnswers");
    QTest::addColumn<QString>("wayland");  // "@abs" stands for the live socket's full path
    QTest::addColumn<bool>("runtimeDir");
    QTest::addColumn<QString>("sessionType");
    QTest::addColumn<SessionKind>("kind");
    QTest::addColumn<QString>("plugin");
    QTest::addColumn<QString>("problem");  // a piece of it; "" for none

    const QString none;
    QTest::newRow("x11 desktop") << none << ":0" << true << none << true << "x11"
                                 << SessionKind::X11 << "xcb" << none;
    QTest::newRow("xwayland") << none << ":0" << true << "wayland-live" << true << "wayland"
                              << SessionKind::XWayland << "xcb" << none;
    QTest::newRow("xwayland, told by the session type only")
        << none << ":0" << true << none << true << "wayland" << SessionKind::XWayland << "xcb" << none;
    QTest::newRow("wayland without DISPLAY") << none << none << false << "wayland-live" << true
                                             << "wayland" << SessionKind::WaylandOnly << "wayland" << none;
    QTest::newRow("wayland, X display does not answer")
        << none << ":0" << false << "wayland-live" << true << none << SessionKind::WaylandOnly
        << "wayland" << none;
    QTest::newRow("wayland socket as a path") << none << none << false << "@abs" << false << none
                                              << SessionKind::WaylandOnly << "wayland" << none;
    QTest::newRow("stale wayland socket") << none << none << false << "wayland-stale" << true
                                          << "wayland" << SessionKind::None << none
                                          << "cannot connect to the Wayland compositor \"wayland-stale\"";
    QTest::newRow("missing wayland socket") << none << none << false << "wayland-gone" << true
                                            << none << SessionKind::None << none
                                            << "cannot connect to the Wayland compositor";
    QTest::newRow("wayland name without a runtime folder")
        << none << none << false << "wayland-live" << false << none << SessionKind::None << none
        << "cannot connect to the Wayland compositor";
    QTest::newRow("nothing at all") << none << none << false << none << true << none
                                    << SessionKind::None << none << "DISPLAY is not set";
    QTest::newRow("X display does not answer") << none << ":7" << false << none << true << none
                                               << SessionKind::None << none
                                               << "cannot open the X display \":7\"";
    QTest::newRow("offscreen needs no server") << "offscreen" << none << false << none << true
                                               << none << SessionKind::None << none << none;
    QTest::newRow("chosen xcb with options is kept") << "xcb:nograb" << ":0" << true << none
                                                     << true << none << SessionKind::X11 << none << none;
    QTest::newRow("chosen xcb, only wayland answers")
        << "xcb" << none << false << "wayland-live" << true << "wayland" << SessionKind::WaylandOnly
        << none << "QT_QPA_PLATFORM asks for X11";
    QTest::newRow("chosen wayland, no compositor")
        << "wayland" << ":0" << true << "wayland-stale" << true << "wayland" << SessionKind::XWayland
        << none << "QT_QPA_PLATFORM asks for Wayland";
}

void SessionTest::decision()
{
    QFETCH(QString, qpa);
    QFETCH(QString, display);
    QFETCH(bool, xAnswers);
    QFETCH(QString, wayland);
    QFETCH(bool, runtimeDir);
    QFETCH(QString, sessionType);
    QFETCH(SessionKind, kind);
    QFETCH(QString, plugin);
    QFETCH(QString, problem);

    const QMap<QString, QString> env{
        {QStringLiteral("QT_QPA_PLATFORM"), qpa},
        {QStringLiteral("DISPLAY"), display},
        {QStringLiteral("WAYLAND_DISPLAY"), wayland == QLatin1String("@abs") ? m_absolute : wayland},
        {QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir ? m_runtime.path() : QString()},
        {QStringLiteral("XDG_SESSION_TYPE"), sessionType},
    };
    int xAsked = 0;
    platform::SessionProbe probe;
    probe.env = [&env](const char *name) { return env.value(QLatin1String(name)).toStdString(); };
    probe.x11Reachable = [&] {
        ++xAsked;
        return xAnswers;
    };

    const platform::SessionDescription session = platform::describeSession(probe);
    QCOMPARE(session.kind, kind);
    QCOMPARE(QString::fromStdString(session.qtPlatform), plugin);
    const QString said = QString::fromStdString(session.problem);
    if (problem.isEmpty())
        QVERIFY2(said.isEmpty(), qPrintable(said));
    else
        QVERIFY2(said.startsWith(QLatin1String("no display is available")) && said.contains(problem),
                 qPrintable(said));
    // Without DISPLAY there is no X server to ask.
    QCOMPARE(xAsked, display.isEmpty() ? 0 : 1);
    const bool limited = kind == SessionKind::WaylandOnly || kind == SessionKind::XWayland;
    QCOMPARE(session.limits.size(), limited ? size_t(5) : size_t(0));
}

void SessionTest::logLineGivesEveryReason()
{
    platform::SessionProbe probe;
    probe.env = [this](const char *name) {
        return std::string(qstrcmp(name, "WAYLAND_DISPLAY") == 0 ? m_absolute.toStdString() : "");
    };
    const auto session = platform::describeSession(probe);
    QCOMPARE(session.kind, SessionKind::WaylandOnly);
    const QString line = QString::fromStdString(platform::limitsLogLine(session));
    QVERIFY2(line.startsWith(QLatin1String("Wayland session without X11")), qPrintable(line));
    for (SessionFeature feature : {SessionFeature::GlobalHotKeys, SessionFeature::TypingIntoOtherApps,
                                   SessionFeature::ScreenCapture, SessionFeature::SelectedText,
                                   SessionFeature::GlobalMouse})
        QVERIFY(session.limited(feature));
    for (const auto &limit : session.limits)
        QVERIFY2(line.contains(QString::fromStdString(limit.reason)), qPrintable(line));
    QVERIFY(platform::limitsLogLine(platform::SessionDescription()).empty());
}

QTEST_GUILESS_MAIN(SessionTest)
#include "test_session.moc"
