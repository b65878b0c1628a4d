// The XDG autostart entry against a temporary $XDG_CONFIG_HOME: what a
// session would launch, writing once, removing only our own entry, failing
// with a reason.

#include "platform/xdg/autostart_xdg.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// The Exec line as a shell command line: the string-value escapes undone and
// the field codes expanded as a launcher without files or URLs does. What
// remains quotes like the POSIX shell's double quotes.
QString execAsShellCommand(const QByteArray &entry)
{
    const QRegularExpression execLine(QStringLiteral("^Exec=(.*)$"),
                                      QRegularExpression::MultilineOption);
    const QString value = execLine.match(QString::fromUtf8(entry)).captured(1);
    QString out;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar n = value[++i];
            out += n == QLatin1Char('s') ? QStringLiteral(" ")
                 : n == QLatin1Char('n') ? QStringLiteral("\n")
                 : n == QLatin1Char('t') ? QStringLiteral("\t")
                 : QString(n);
        } else if (c == QLatin1Char('%') && i + 1 < value.size()) {
            // %% is a percent sign; any other field code expands to nothing here.
            if (value[++i] == QLatin1Char('%'))
                out += c;
        } else {
            out += c;
        }
    }
    return out;
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
    void entryOfAnotherExecutableIsRewritten();
    void onlyOurOwnEntryIsChanged_data();
    void onlyOurOwnEntryIsChanged();
    void disabledEntriesDoNotCount_data();
    void disabledEntriesDoNotCount();
    void unwritableFolderReportsFailure();

private:
    QString entryPath() const { return m_config->path() + QStringLiteral("/autostart/talkvane.desktop"); }

    std::unique_ptr<QTemporaryDir> m_config;
    platform::xdg::XdgAutostart m_autostart;
};

void AutostartXdgTest::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
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
    QTest::newRow("backslash and semicolon") << "back\\slash;x";
}

void AutostartXdgTest::entryLaunchesTheSameExecutable()
{
    QFETCH(QString, folder);
    QTemporaryDir root;
    const QString exe = root.path() + QLatin1Char('/') + folder + QStringLiteral("/talkvane");
    const QString said = root.path() + QStringLiteral("/said");
    writeFile(exe, "#!/bin/sh\nprintf '%s' \"$0\" > \"$SAID\"\n");
    QVERIFY(QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const auto result = m_autostart.enable(exe.toStdString());
    QVERIFY2(result.ok, result.reason.c_str());
    QVERIFY(result.changed);
    QVERIFY(m_autostart.isEnabled());

    const QByteArray entry = readFile(entryPath());
    for (const char *line : {"[Desktop Entry]\n", "Type=Application\n", "Name=Talkvane\n",
                             "Icon=talkvane\n", "Terminal=false\n",
                             "X-GNOME-Autostart-enabled=true\n"})
        QVERIFY2(entry.contains(line), line);

    QProcess shell;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SAID"), said);
    shell.setProcessEnvironment(env);
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), execAsShellCommand(entry)});
    QVERIFY(shell.waitForFinished(5000));
    QCOMPARE(shell.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(readFile(said)), exe);

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing: scripts/install-deps.sh --test");
    QProcess validate;
    validate.start(validator, {entryPath()});
    QVERIFY(validate.waitForFinished(5000));
    QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
}

void AutostartXdgTest::switchingOnTwiceWritesOnce()
{
    QVERIFY(m_autostart.enable("/opt/talkvane/talkvane").ok);
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(entryPath()).constData(), &before), 0);

    const auto again = m_autostart.enable("/opt/talkvane/talkvane");
    QVERIFY(again.ok);
    QVERIFY(!again.changed);
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(entryPath()).constData(), &after), 0);
    // Every write renames a new file into place: same inode, nothing written.
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

void AutostartXdgTest::entryOfAnotherExecutableIsRewritten()
{
    QVERIFY(m_autostart.enable("/old/place/talkvane").ok);
    QVERIFY(m_autostart.isEnabled());
    const auto moved = m_autostart.enable("/new/place/talkvane");
    QVERIFY(moved.ok);
    QVERIFY(moved.changed);
    QVERIFY(readFile(entryPath()).contains("Exec=/new/place/talkvane\n"));
}

void AutostartXdgTest::onlyOurOwnEntryIsChanged_data()
{
    QTest::addColumn<QByteArray>("existing");  // empty: no file
    QTest::addColumn<bool>("disableOk");
    QTest::addColumn<bool>("remainsAfterDisable");

    QTest::newRow("nothing there") << QByteArray() << true << false;
    QTest::newRow("our own entry")
        << QByteArray::fromStdString(platform::xdg::XdgAutostart::entryText("/x/talkvane"))
        << true << false;
    QTest::newRow("written by hand")
        << QByteArray("[Desktop Entry]\nType=Application\nName=Mine\nExec=/usr/bin/mine\n")
        << false << true;
}

void AutostartXdgTest::onlyOurOwnEntryIsChanged()
{
    QFETCH(QByteArray, existing);
    QFETCH(bool, disableOk);
    QFETCH(bool, remainsAfterDisable);
    const bool foreign = !disableOk;
    if (!existing.isEmpty())
        writeFile(entryPath(), existing);

    const auto off = m_autostart.disable();
    QCOMPARE(off.ok, disableOk);
    QCOMPARE(QFile::exists(entryPath()), remainsAfterDisable);
    if (foreign) {
        QVERIFY(!off.reason.empty());
        QCOMPARE(readFile(entryPath()), existing);
        // Switching on does not take someone else's entry over either.
        QVERIFY(!m_autostart.enable("/x/talkvane").ok);
        QCOMPARE(readFile(entryPath()), existing);
    }
}

void AutostartXdgTest::disabledEntriesDoNotCount_data()
{
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("as written") << QByteArray() << true;
    QTest::newRow("hidden") << QByteArray("Hidden=true\n") << false;
    QTest::newRow("switched off in GNOME") << QByteArray("X-GNOME-Autostart-enabled = false\n")
                                           << false;
}

void AutostartXdgTest::disabledEntriesDoNotCount()
{
    QFETCH(QByteArray, extra);
    QFETCH(bool, enabled);
    writeFile(entryPath(), "[Desktop Entry]\nType=Application\nExec=/x/talkvane\n" + extra);
    QCOMPARE(m_autostart.isEnabled(), enabled);
}

void AutostartXdgTest::unwritableFolderReportsFailure()
{
    // A file where the folder belongs: not even root can write into it.
    writeFile(m_config->path() + QStringLiteral("/autostart"), "not a folder");
    const auto result = m_autostart.enable("/x/talkvane");
    QVERIFY(!result.ok);
    QVERIFY2(result.reason.find("autostart") != std::string::npos, result.reason.c_str());
    QVERIFY(!m_autostart.isEnabled());
}

QTEST_GUILESS_MAIN(AutostartXdgTest)
#include "test_autostart_xdg.moc"
