// The XDG autostart entry against a temporary $XDG_CONFIG_HOME: what a
// session would launch, writing once, leaving other people's entries alone.

#include "platform/xdg/autostart_xdg.h"
#include "support/files.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// The Exec line as a shell command: string escapes undone, field codes
// expanded as a launcher without files does. What remains quotes like the
// shell's double quotes.
QString execAsShellCommand(const QByteArray &entry)
{
    const QString value = QRegularExpression(QStringLiteral("^Exec=(.*)$"),
                                             QRegularExpression::MultilineOption)
                              .match(QString::fromUtf8(entry)).captured(1);
    QString out;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar n = value[++i];
            out += n == QLatin1Char('s') ? QChar(' ') : n == QLatin1Char('n') ? QChar('\n') : n;
        } else if (c == QLatin1Char('%') && i + 1 < value.size()) {
            if (value[++i] == QLatin1Char('%'))  // any other code expands to nothing
                out += c;
        } else {
            out += c;
        }
    }
    return out;
}

ino_t inode(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

}  // namespace

class AutostartXdgTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void entryLaunchesTheSameExecutable_data();
    void entryLaunchesTheSameExecutable();
    void switchingOnTwiceWritesOnce();
    void entrySomeoneElseWroteIsLeftAlone();
    void unwritableFolderReportsFailure();

private:
    QString entryPath() const { return m_config->path() + QStringLiteral("/autostart/talkvane.desktop"); }

    std::unique_ptr<QTemporaryDir> m_config;
    platform::xdg::XdgAutostart m_autostart;
};

void AutostartXdgTest::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
    QCOMPARE(QString::fromStdString(platform::xdg::XdgAutostart::entryPath()), entryPath());
}

void AutostartXdgTest::entryLaunchesTheSameExecutable_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain") << "bin";
    QTest::newRow("space") << "My Programs";
    QTest::newRow("quote, dollar, backtick") << "a\"b$HOME`c";
    QTest::newRow("percent") << "100%d";
    QTest::newRow("backslash, semicolon") << "back\\slash;x";
}

void AutostartXdgTest::entryLaunchesTheSameExecutable()
{
    QFETCH(QString, folder);
    QTemporaryDir root;
    const QString exe = root.path() + QLatin1Char('/') + folder + QStringLiteral("/talkvane");
    QVERIFY(QDir().mkpath(QFileInfo(exe).path()));
    QVERIFY(TestFiles::writeRaw(exe, "#!/bin/sh\nprintf '%s' \"$0\" > \"$SAID\"\n"));
    QVERIFY(QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const auto result = m_autostart.enable(exe.toStdString());
    QVERIFY2(result.ok, result.reason.c_str());
    QVERIFY(m_autostart.isEnabled());
    const QByteArray entry = TestFiles::readAll(entryPath());
    for (const char *line : {"[Desktop Entry]\n", "Type=Application\n", "Name=Talkvane\n",
                             "Icon=talkvane\n", "Terminal=false\n", "X-GNOME-Autostart-enabled=true\n"})
        QVERIFY2(entry.contains(line), line);

    QProcess shell;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SAID"), root.path() + QStringLiteral("/said"));
    shell.setProcessEnvironment(env);
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), execAsShellCommand(entry)});
    QVERIFY(shell.waitForFinished(5000));
    QCOMPARE(QString::fromUtf8(TestFiles::readAll(root.path() + QStringLiteral("/said"))), exe);
}

void AutostartXdgTest::switchingOnTwiceWritesOnce()
{
    QVERIFY(m_autostart.enable("/opt/talkvane/talkvane").changed);
    const ino_t first = inode(entryPath());
    // Each write renames a new file into place, so an unchanged inode means
    // nothing was written.
    const auto again = m_autostart.enable("/opt/talkvane/talkvane");
    QVERIFY(again.ok && !again.changed);
    QCOMPARE(inode(entryPath()), first);
    // An entry naming another copy of Talkvane is ours to rewrite.
    QVERIFY(m_autostart.enable("/new/place/talkvane").changed);
    QVERIFY(TestFiles::readAll(entryPath()).contains("Exec=/new/place/talkvane\n"));
    QVERIFY(m_autostart.disable().ok);
    QVERIFY(!QFile::exists(entryPath()));
}

void AutostartXdgTest::entrySomeoneElseWroteIsLeftAlone()
{
    const QByteArray mine = "[Desktop Entry]\nType=Application\nName=Mine\nExec=/usr/bin/mine\n";
    QVERIFY(QDir().mkpath(m_config->path() + QStringLiteral("/autostart")));
    QVERIFY(TestFiles::writeRaw(entryPath(), mine));
    QVERIFY(m_autostart.isEnabled());

    const auto off = m_autostart.disable();
    QVERIFY(!off.ok);
    QVERIFY(!off.reason.empty());
    QVERIFY(!m_autostart.enable("/x/talkvane").ok);
    QCOMPARE(TestFiles::readAll(entryPath()), mine);
}

void AutostartXdgTest::unwritableFolderReportsFailure()
{
    // A file where the folder belongs: not even root can write into it.
    QVERIFY(TestFiles::writeRaw(m_config->path() + QStringLiteral("/autostart"), "not a folder"));
    const auto result = m_autostart.enable("/x/talkvane");
    QVERIFY(!result.ok);
    QVERIFY2(result.reason.find("autostart") != std::string::npos, result.reason.c_str());
    QVERIFY(!m_autostart.isEnabled());
}

QTEST_GUILESS_MAIN(AutostartXdgTest)
#include "test_autostart_xdg.moc"
