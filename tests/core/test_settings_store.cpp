#include "core/setting/inifileinf.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QThread>
#include <QtTest>

#include "support/files.h"

namespace {

using TestFiles::readAll;
using TestFiles::writeRaw;

QString readFresh(const QString &path, const QString &key)
{
    QSettings s(path, QSettings::IniFormat);
    return s.value(key).toString();
}

// Long enough that a rewrite shows in the modification time even on file
// systems that keep whole seconds.
void waitPastTimestampResolution()
{
    QThread::msleep(1100);
}

}  // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unwrittenKeyReadsEmptyAndCreatesNothing();
    void unchangedValueLeavesFileUntouched();
    void newValueIsReadBackAtOnce();
    void saveAllConfigWritesEveryKey();
    void chineseValueRoundTrips();
    void commandListLivesInItsOwnFile();
    void missingOrUnreadableFileReadsEmpty();
    void externalEditIsSeenByNextRead();

private:
    void removeFiles();
    QString m_option;
    QString m_cmd;
};

void TestSettingsStore::initTestCase()
{
    // The store traces every read and write; that is noise here.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    m_option = IniFileInf::optionFilePath();
    m_cmd = IniFileInf::cmdKeyFilePath();
    QCOMPARE(m_option, QCoreApplication::applicationDirPath() + QStringLiteral("/option.ini"));
    QCOMPARE(m_cmd, QCoreApplication::applicationDirPath() + QStringLiteral("/cmdkey.ini"));
}

void TestSettingsStore::removeFiles()
{
    for (const QString &p : {m_option, m_cmd}) {
        QFileInfo fi(p);
        if (fi.isDir())
            QDir(p).removeRecursively();
        else
            QFile::remove(p);
    }
}

void TestSettingsStore::init()
{
    removeFiles();
}

void TestSettingsStore::cleanup()
{
    removeFiles();
}

void TestSettingsStore::unwrittenKeyReadsEmptyAndCreatesNothing()
{
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("listenlangstr")), QString());
    QVERIFY(!QFile::exists(m_option));

    const QByteArray before = "[General]\r\ncountry=cn\r\n";
    QVERIFY(writeRaw(m_option, before));
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("listenlangstr")), QString());
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("country")), QStringLiteral("cn"));
    QCOMPARE(readAll(m_option), before);
}

void TestSettingsStore::unchangedValueLeavesFileUntouched()
{
    // Hand-written layout: any rewrite through QSettings would drop the comment
    // and normalise the spacing, so the bytes alone show a rewrite.
    const QByteArray before = "; kept by hand\n[General]\nlistenlangstr = zh_cn\n";
    QVERIFY(writeRaw(m_option, before));
    const QDateTime mtime = QFileInfo(m_option).lastModified();

    waitPastTimestampResolution();
    IniFileInf::set_keydefine(QStringLiteral("listenlangstr"), QStringLiteral("zh_cn"));

    QCOMPARE(readAll(m_option), before);
    QCOMPARE(QFileInfo(m_option).lastModified(), mtime);
}

void TestSettingsStore::newValueIsReadBackAtOnce()
{
    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("cn"));
    IniFileInf::set_keydefine(QStringLiteral("akeyurl"), QStringLiteral("portal.example"));
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("country")), QStringLiteral("cn"));

    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("ko"));
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("country")), QStringLiteral("ko"));
    QCOMPARE(readFresh(m_option, QStringLiteral("country")), QStringLiteral("ko"));
    // Other keys survive the rewrite.
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("akeyurl")), QStringLiteral("portal.example"));
}

void TestSettingsStore::saveAllConfigWritesEveryKey()
{
    const QHash<QString, QString> row = {
        {QStringLiteral("listenlangstr"), QStringLiteral("ko_kr")},
        {QStringLiteral("translatelangstr"), QStringLiteral("en")},
        {QStringLiteral("ocrsourcelangstr"), QStringLiteral("ko")},
        {QStringLiteral("ocrtargetlangstr"), QStringLiteral("en")},
        {QStringLiteral("screenlangstr"), QStringLiteral("ko")},
        {QStringLiteral("screentranlangstr"), QStringLiteral("en")},
        {QStringLiteral("country"), QStringLiteral("ko")},
        {QStringLiteral("searchnetstr"), QStringLiteral("search.example/search?q=")},
        {QStringLiteral("akeyurl"), QStringLiteral("portal.example")},
    };
    QCOMPARE(row.size(), 9);

    // Two keys already hold their new value, one differs, one unrelated key
    // must survive.
    QVERIFY(writeRaw(m_option,
                     "; old\n[General]\ntranslatelangstr=en\ncountry=ko\nlistenlangstr=zh_cn\nsysLang=ko\n"));
    IniFileInf::saveAllConfig(row);

    QSettings fresh(m_option, QSettings::IniFormat);
    for (auto it = row.cbegin(); it != row.cend(); ++it)
        QCOMPARE(fresh.value(it.key()).toString(), it.value());
    QCOMPARE(fresh.value(QStringLiteral("sysLang")).toString(), QStringLiteral("ko"));

    // Unlike set_keydefine, saving a row that is already stored still writes
    // the file.
    QByteArray equalButHandWritten = "; old\n[General]\n";
    for (auto it = row.cbegin(); it != row.cend(); ++it)
        equalButHandWritten += it.key().toUtf8() + " = " + it.value().toUtf8() + "\n";
    QVERIFY(writeRaw(m_option, equalButHandWritten));
    IniFileInf::saveAllConfig(row);
    QVERIFY(readAll(m_option) != equalButHandWritten);
    QSettings again(m_option, QSettings::IniFormat);
    for (auto it = row.cbegin(); it != row.cend(); ++it)
        QCOMPARE(again.value(it.key()).toString(), it.value());
}

void TestSettingsStore::chineseValueRoundTrips()
{
    const QString dialect = QStringLiteral("四川话");
    IniFileInf::set_keydefine(QStringLiteral("listenlangstr"), dialect);
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("listenlangstr")), dialect);
    QCOMPARE(readFresh(m_option, QStringLiteral("listenlangstr")), dialect);

    IniFileInf::saveAllConfig({{QStringLiteral("screenlangstr"), QStringLiteral("粤语 (香港)")}});
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("screenlangstr")), QStringLiteral("粤语 (香港)"));
    QCOMPARE(readFresh(m_option, QStringLiteral("listenlangstr")), dialect);
}

void TestSettingsStore::commandListLivesInItsOwnFile()
{
    const QString cmds = QStringLiteral("打开翻译,关闭翻译,open settings");
    IniFileInf::saveCmdKey(cmds);
    QCOMPARE(IniFileInf::getCmdKey(), cmds);
    QVERIFY(QFile::exists(m_cmd));
    QVERIFY(!QFile::exists(m_option));
    QCOMPARE(readFresh(m_cmd, QStringLiteral("cmdkey")), cmds);

    IniFileInf::set_keydefine(QStringLiteral("cmdkey"), QStringLiteral("other"));
    QCOMPARE(IniFileInf::getCmdKey(), cmds);
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("cmdkey")), QStringLiteral("other"));
}

void TestSettingsStore::missingOrUnreadableFileReadsEmpty()
{
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("country")), QString());
    QCOMPARE(IniFileInf::getCmdKey(), QString());
    QVERIFY(!QFile::exists(m_cmd));

    // A directory in the file's place cannot be read, even by root.
    QVERIFY(QDir().mkpath(m_option));
    QVERIFY(QDir().mkpath(m_cmd));
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("country")), QString());
    QCOMPARE(IniFileInf::getCmdKey(), QString());
    QVERIFY(QFileInfo(m_option).isDir());
}

void TestSettingsStore::externalEditIsSeenByNextRead()
{
    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("cn"));
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("country")), QStringLiteral("cn"));

    QVERIFY(writeRaw(m_option, "[General]\ncountry=ru_edited\n"));
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("country")), QStringLiteral("ru_edited"));

    // And the next write starts from the edited file, not a remembered copy.
    QVERIFY(writeRaw(m_option, "[General]\ncountry=ru_edited\nakeyurl=edited.example\n"));
    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("id"));
    QCOMPARE(readFresh(m_option, QStringLiteral("akeyurl")), QStringLiteral("edited.example"));
    QCOMPARE(readFresh(m_option, QStringLiteral("country")), QStringLiteral("id"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
