// Where Talkvane's own files go: beside the executable in a folder that is
// ours to write, in $XDG_DATA_HOME/talkvane otherwise. Tests run as root
// too, where only the permission bits tell a read-only folder apart.

#include "utils/app_paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void folderDecidesTheMode_data();
    void folderDecidesTheMode();
    void dataHomeFollowsTheEnvironment_data();
    void dataHomeFollowsTheEnvironment();

private:
    QTemporaryDir m_root;
    QString m_exe;  // a stand-in for the executable's folder
    QByteArray m_savedXdg;
    QByteArray m_savedHome;
};

void TestAppPaths::init()
{
    QVERIFY(m_root.isValid());
    m_exe = m_root.filePath(QStringLiteral("app"));
    QVERIFY(QDir().mkpath(m_exe));
    m_savedXdg = qgetenv("XDG_DATA_HOME");
    m_savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(m_root.filePath(QStringLiteral("home"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("data"))));
}

void TestAppPaths::cleanup()
{
    QFile::setPermissions(m_exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(m_exe).removeRecursively();
    qputenv("XDG_DATA_HOME", m_savedXdg);
    qputenv("HOME", m_savedHome);
}

void TestAppPaths::folderDecidesTheMode_data()
{
    QTest::addColumn<QString>("folder");  // "" means the stand-in folder
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("installed");

    QTest::newRow("build folder") << "" << false << false;
    QTest::newRow("read-only folder") << "" << true << true;
    // Root may write there, but files left behind would belong to no package.
    QTest::newRow("system prefix") << "/usr/lib" << false << true;
}

void TestAppPaths::folderDecidesTheMode()
{
    QFETCH(QString, folder);
    QFETCH(bool, readOnly);
    QFETCH(bool, installed);
    if (folder.isEmpty())
        folder = m_exe;
    if (readOnly) {
        QVERIFY(QFile::setPermissions(m_exe, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                 | QFile::ExeGroup | QFile::ReadOther
                                                 | QFile::ExeOther));
    }

    const AppPaths::DataLocation l = AppPaths::chooseDataLocation(folder);
    QCOMPARE(l.installed, installed);
    QCOMPARE(l.dir, installed ? m_root.filePath(QStringLiteral("data/talkvane")) : folder);
}

void TestAppPaths::dataHomeFollowsTheEnvironment_data()
{
    QTest::addColumn<QByteArray>("xdg");  // "-" unsets it
    QTest::addColumn<QString>("expected");  // below the temporary root

    QTest::newRow("set") << QByteArray("data") << "data/talkvane";
    QTest::newRow("unset") << QByteArray("-") << "home/.local/share/talkvane";
    QTest::newRow("empty") << QByteArray("") << "home/.local/share/talkvane";
    // Relative values are to be ignored.
    QTest::newRow("relative") << QByteArray("rel/data") << "home/.local/share/talkvane";
}

void TestAppPaths::dataHomeFollowsTheEnvironment()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QString, expected);
    if (xdg == "-")
        qunsetenv("XDG_DATA_HOME");
    else if (xdg == "data")
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.filePath(QStringLiteral("data"))));
    else
        qputenv("XDG_DATA_HOME", xdg);

    const AppPaths::DataLocation l = AppPaths::chooseDataLocation(QStringLiteral("/usr/lib"));
    QVERIFY(l.installed);
    QCOMPARE(l.dir, m_root.filePath(expected));
}

QTEST_GUILESS_MAIN(TestAppPaths)
#include "test_app_paths.moc"
