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
#include "support/message_capture.h"

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
    void handEditedFileKeepsItsEntries_data();
    void handEditedFileKeepsItsEntries();

private:
    void removeFiles();
    QStringList copies() const;
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

QStringList TestSettingsStore::copies() const
{
    return QDir(QCoreApplication::applicationDirPath())
        .entryList({QStringLiteral("*.bak")}, QDir::Files, QDir::Name);
}

void TestSettingsStore::removeFiles()
{
    for (const QString &name : copies())
        QFile::remove(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name);
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

namespace {

enum class Writer { SetKey, SaveAll, SaveCmdKey };

using Entries = QMap<QString, QString>;

}  // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(Entries)

void TestSettingsStore::handEditedFileKeepsItsEntries_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Entries>("kept");  // read back after the write
    QTest::addColumn<bool>("copied");

    const Entries usual = {{"sysLang", "en_US"}, {"country", "cn"}, {"akeyurl", "portal.example"}};
    auto with = [](Entries e, const QString &key, const QString &value) {
        e.insert(key, value);
        return e;
    };

    struct Case {
        const char *name;
        QByteArray before;
        Entries kept;
        bool copied;
    };
    const Case optionCases[] = {
        {"sound file", "[General]\r\nsysLang=en_US\r\ncountry=cn\r\nakeyurl=portal.example\r\n", usual, false},
        {"unterminated quote",
         "[General]\r\nsysLang=en_US\r\ndialect=\"unterminated\r\ncountry=cn\r\nakeyurl=portal.example\r\n",
         with(usual, "dialect", "unterminated"), true},
        {"line ends in a backslash",
         "[General]\r\nsysLang=en_US\r\ndialect=ends in backslash\\\r\ncountry=cn\r\nakeyurl=portal.example\r\n",
         with(usual, "dialect", "ends in backslash"), true},
        {"open quote and backslash, LF endings",
         "[General]\nsysLang=en_US\ndialect=\"open\\\ncountry=cn\nakeyurl=portal.example\n",
         with(usual, "dialect", "open"), true},
        {"quote swallows a section",
         "[General]\nsysLang=en_US\ncountry=cn\nakeyurl=portal.example\ndialect=\"open\n[Extra]\nmine=kept\n",
         with(with(usual, "dialect", "open"), "Extra/mine", "kept"), true},
        {"quote in a comment line",
         "; the user's \"notes\r\n[General]\r\nsysLang=en_US\r\ncountry=cn\r\nakeyurl=portal.example\r\n", usual,
         false},
        {"quote after a comment mark",
         "[General]\r\nsysLang=en_US\r\nakeyurl=portal.example ;see \"docs\r\ncountry=cn\r\n", usual, false},
        {"escaped key and value",
         "[General]\r\nsysLang=en_US\r\ncountry=cn\r\nakeyurl=portal.example\r\n"
         "dialect=\\x56db\\x5ddd\\x8bdd\r\nmy%20key=1\r\n",
         with(with(usual, "dialect", QStringLiteral("四川话")), "my key", "1"), false},
    };
    for (const Case &c : optionCases) {
        QTest::addRow("%s, set_keydefine", c.name) << Writer::SetKey << c.before << c.kept << c.copied;
        QTest::addRow("%s, saveAllConfig", c.name) << Writer::SaveAll << c.before << c.kept << c.copied;
    }
    QTest::newRow("command list with a stray quote")
        << Writer::SaveCmdKey << QByteArray("[General]\r\ncmdkey=\"0|open|x\r\nnote=mine\r\n")
        << Entries{{"note", "mine"}} << true;
}

void TestSettingsStore::handEditedFileKeepsItsEntries()
{
    QFETCH(Writer, writer);
    QFETCH(QByteArray, before);
    QFETCH(Entries, kept);
    QFETCH(bool, copied);

    const QString file = writer == Writer::SaveCmdKey ? m_cmd : m_option;
    QVERIFY(writeRaw(file, before));
    auto write = [writer](const QString &value) {
        switch (writer) {
        case Writer::SetKey: IniFileInf::set_keydefine(QStringLiteral("isLog"), value); break;
        case Writer::SaveAll: IniFileInf::saveAllConfig({{QStringLiteral("isLog"), value}}); break;
        case Writer::SaveCmdKey: IniFileInf::saveCmdKey(value); break;
        }
    };
    const QString written = writer == Writer::SaveCmdKey ? QStringLiteral("cmdkey") : QStringLiteral("isLog");

    QStringList warnings;
    {
        WarningCapture capture;
        write(QStringLiteral("1"));
        warnings = capture.messages();
    }

    QSettings after(file, QSettings::IniFormat);
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        QCOMPARE(after.value(it.key()).toString(), it.value());
    QCOMPARE(after.value(written).toString(), QStringLiteral("1"));

    const QStringList made = copies();
    if (!copied) {
        QCOMPARE(made, QStringList());
        QCOMPARE(warnings, QStringList());
        return;
    }
    QCOMPARE(made.size(), 1);
    const QString name = QFileInfo(file).fileName();
    QVERIFY2(QRegularExpression(QStringLiteral("^%1\\.\\d{8}-\\d{6}\\.bak$").arg(QRegularExpression::escape(name)))
                 .match(made.first()).hasMatch(),
             qPrintable(made.first()));
    const QString copy = QFileInfo(file).absolutePath() + QLatin1Char('/') + made.first();
    QCOMPARE(readAll(copy), before);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(copy), qPrintable(warnings.first()));

    // The repaired file round-trips: later writes make no more copies.
    write(QStringLiteral("0"));
    QCOMPARE(copies(), made);
    QSettings again(file, QSettings::IniFormat);
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        QCOMPARE(again.value(it.key()).toString(), it.value());
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
