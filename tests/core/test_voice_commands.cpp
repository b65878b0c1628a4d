#include "core/commands/command_runner.h"
#include "core/commands/desktop_entries.h"
#include "core/commands/voice_command.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "support/files.h"

namespace {

struct Recorded
{
    QString kind;  // "open", "start" or "type"
    QString what;
    QStringList arguments;
};

class RecordingActions : public CommandActions
{
public:
    bool openUrl(const QString &url) override
    {
        calls.append({QStringLiteral("open"), url, {}});
        return succeed;
    }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        calls.append({QStringLiteral("start"), program, arguments});
        return succeed;
    }
    bool typeText(const QString &text) override
    {
        calls.append({QStringLiteral("type"), text, {}});
        return succeed;
    }
    QVector<Recorded> calls;
    bool succeed = true;
};

void writeEntry(const QString &path, const QByteArray &body)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(TestFiles::writeRaw(path, "[Desktop Entry]\n" + body));
}

}  // namespace

class TestVoiceCommands : public QObject
{
    Q_OBJECT

private slots:
    void storeRoundTrip_data();
    void storeRoundTrip();
    void phraseCleaning_data();
    void phraseCleaning();
    void matching_data();
    void matching();
    void execSplitting_data();
    void execSplitting();
    void runner_data();
    void runner();
    void fixedTextIsTyped();
};

void TestVoiceCommands::storeRoundTrip_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("rewritten");

    QTest::newRow("empty") << QString() << 0 << QString();
    QTest::newRow("three types")
        << "0|报告|/home/u/reports||1|计算器|/usr/bin/calc||2|新闻|https://example.org"
        << 3 << "0|报告|/home/u/reports||1|计算器|/usr/bin/calc||2|新闻|https://example.org";
    QTest::newRow("short row skipped") << "0|only two||2|站|http://a" << 1 << "2|站|http://a";
    QTest::newRow("unknown code kept only for the session") << "9|t|x" << 1 << QString();
}

void TestVoiceCommands::storeRoundTrip()
{
    QFETCH(QString, stored);
    QFETCH(int, rows);
    QFETCH(QString, rewritten);
    const QVector<VoiceCommand> list = parseCommandList(stored);
    QCOMPARE(list.size(), rows);
    QCOMPARE(serializeCommandList(list), rewritten);
}

void TestVoiceCommands::phraseCleaning_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("full stop") << "打开计算器。" << "打开计算器";
    QTest::newRow("several marks and spaces") << "  hello?!. " << "hello";
    QTest::newRow("only punctuation") << "。？" << "";
    QTest::newRow("inner mark kept") << "a.b" << "a.b";
    QTest::newRow("comma is not trimmed") << "好，" << "好，";
}

void TestVoiceCommands::phraseCleaning()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(cleanRecognisedPhrase(in), out);
}

void TestVoiceCommands::matching_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::newRow("exact") << "mail" << 0 << 1;
    QTest::newRow("case matters") << "Mail" << -1 << 0;
    QTest::newRow("no contains match") << "mai" << -1 << 0;
    QTest::newRow("duplicate takes the first") << "news" << 1 << 2;
    QTest::newRow("empty phrase") << "" << -1 << 0;
}

void TestVoiceCommands::matching()
{
    QFETCH(QString, phrase);
    QFETCH(int, index);
    QFETCH(int, count);
    const QVector<VoiceCommand> list = parseCommandList(
        QStringLiteral("2|mail|http://m||2|news|http://a||2|news|http://b||2||http://empty"));
    const CommandMatch m = matchCommand(list, phrase);
    QCOMPARE(m.index, index);
    QCOMPARE(m.matchCount, count);
}

void TestVoiceCommands::execSplitting_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("argv");
    QTest::newRow("field codes dropped") << "gedit %U" << true << QStringList{"gedit"};
    QTest::newRow("quoted path") << "\"/opt/My App/run\" --x %f" << true
                                 << QStringList{"/opt/My App/run", "--x"};
    QTest::newRow("escaped quote in quotes") << "sh -c \"echo \\\"hi\\\"\"" << true
                                             << QStringList{"sh", "-c", "echo \"hi\""};
    QTest::newRow("literal percent") << "printf 100%%" << true << QStringList{"printf", "100%"};
    QTest::newRow("code inside argument") << "app --file=%f" << true
                                          << QStringList{"app", "--file="};
    QTest::newRow("unterminated quote") << "\"app" << false << QStringList();
}

void TestVoiceCommands::execSplitting()
{
    QFETCH(QString, exec);
    QFETCH(bool, ok);
    QFETCH(QStringList, argv);
    QStringList got;
    QCOMPARE(desktop_entries::splitExec(exec, &got), ok);
    if (ok)
        QCOMPARE(got, argv);
}

// Each row: the stored list, a phrase, and the one desktop action expected.
// Desktop entries live in a temporary data dir: "desk" is the user's desktop
// folder, "apps" an applications folder.
void TestVoiceCommands::runner_data()
{
    QTest::addColumn<QString>("stored");   // "$T" is the temporary dir
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("action");   // "kind what arg1 arg2...", empty for none

    QTest::newRow("folder") << "0|报告|$T/reports" << "报告。" << int(CommandOutcome::Executed)
                            << "open file://$T/reports";
    QTest::newRow("missing folder fails, no search")
        << "0|旧的|$T/gone" << "旧的" << int(CommandOutcome::Failed) << "";
    QTest::newRow("program with arguments, no shell")
        << "1|列表|$T/bin/tool -l \"a b\" ;rm" << "列表" << int(CommandOutcome::Executed)
        << "start $T/bin/tool -l|a b|;rm";
    QTest::newRow("missing program fails") << "1|坏|$T/bin/none" << "坏"
                                           << int(CommandOutcome::Failed) << "";
    QTest::newRow("stored desktop entry") << "1|编辑|$T/apps/ed.desktop" << "编辑"
                                          << int(CommandOutcome::Executed)
                                          << "start editor --new";
    QTest::newRow("website") << "2|新闻|example.org/a b" << "新闻"
                             << int(CommandOutcome::Executed) << "open http://example.org/a%20b";
    QTest::newRow("empty phrase does nothing") << "2|x|http://x" << " 。" << int(CommandOutcome::EmptyPhrase)
                                               << "";
    QTest::newRow("localized entry name after open word")
        << "" << "打开计算器。" << int(CommandOutcome::EntryLaunched) << "start calc-bin";
    QTest::newRow("entry file base name") << "" << "ed" << int(CommandOutcome::EntryLaunched)
                                          << "start editor --new";
    QTest::newRow("link entry on the desktop")
        << "" << "主页" << int(CommandOutcome::EntryLaunched) << "open https://home.example";
    QTest::newRow("program on the desktop by name up to the dot")
        << "" << "打开tool" << int(CommandOutcome::EntryLaunched) << "start $T/desk/tool.sh";
    QTest::newRow("link on the desktop to a folder")
        << "" << "reports" << int(CommandOutcome::EntryLaunched) << "open file://$T/reports";
    QTest::newRow("plain file on the desktop is not a launcher")
        << "" << "notes" << int(CommandOutcome::Searched) << "open https://s.example/?q=notes";
    QTest::newRow("hidden entry is not launched")
        << "" << "gone" << int(CommandOutcome::Searched) << "open https://s.example/?q=gone";
    QTest::newRow("broken Exec falls back to search")
        << "" << "broken" << int(CommandOutcome::Searched)
        << "open https://s.example/?q=broken";
    QTest::newRow("unknown phrase searched, percent-encoded")
        << "" << "天气 & rain?" << int(CommandOutcome::Searched)
        << "open https://s.example/?q=%E5%A4%A9%E6%B0%94%20%26%20rain";
}

void TestVoiceCommands::runner()
{
    QFETCH(QString, stored);
    QFETCH(QString, phrase);
    QFETCH(int, kind);
    QFETCH(QString, action);

    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString T = tmp.path();
    QVERIFY(QDir(T).mkpath("reports"));
    QVERIFY(QDir(T).mkpath("bin"));
    QVERIFY(TestFiles::writeRaw(T + "/bin/tool", "#!/bin/sh\n"));
    QFile(T + "/bin/tool").setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    writeEntry(T + "/apps/ed.desktop", "Type=Application\nName=Editor\nExec=editor --new %F\n");
    writeEntry(T + "/apps/sub/calc.desktop",
               "Type=Application\nName=Calculator\nName[zh_CN]=计算器\nExec=calc-bin\n");
    writeEntry(T + "/apps/broken.desktop", "Type=Application\nExec=\"unterminated\n");
    writeEntry(T + "/apps/gone.desktop", "Type=Application\nName=gone\nExec=gone\nHidden=true\n");
    writeEntry(T + "/desk/home.desktop", "Type=Link\nName=主页\nURL=https://home.example\n");

    QVERIFY(TestFiles::writeRaw(T + "/desk/tool.sh", "#!/bin/sh\n"));
    QFile(T + "/desk/tool.sh").setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    QVERIFY(QFile::link(T + "/reports", T + "/desk/reports.lnk"));
    QVERIFY(TestFiles::writeRaw(T + "/desk/notes.txt", "x"));

    RecordingActions actions;
    CommandRunner runner(&actions);
    runner.setDesktopFolder(T + "/desk");
    QVector<VoiceCommand> list = parseCommandList(QString(stored).replace("$T", T));
    runner.setCommands(list);
    runner.setSearchPrefix(QStringLiteral("https://s.example/?q="));
    runner.setEntryFolders({T + "/desk", T + "/apps"});
    runner.setOpenWords({QStringLiteral("打开")});

    const CommandOutcome out = runner.run(phrase);
    QCOMPARE(int(out.kind), kind);
    if (out.kind == CommandOutcome::Failed)
        QVERIFY(!out.error.isEmpty());

    QStringList got;
    for (const Recorded &r : actions.calls)
        got << (r.kind + " " + r.what
                + (r.arguments.isEmpty() ? QString() : " " + r.arguments.join('|')));
    const QStringList expected = action.isEmpty() ? QStringList()
                                                  : QStringList{QString(action).replace("$T", T)};
    QCOMPARE(got, expected);
}

// A fixed text never reaches the store, so it is checked on its own.
void TestVoiceCommands::fixedTextIsTyped()
{
    RecordingActions actions;
    CommandRunner runner(&actions);
    runner.setCommands({{QStringLiteral("text"), QStringLiteral("签名"), QStringLiteral("此致")}});
    QCOMPARE(int(runner.run(QStringLiteral("签名！")).kind), int(CommandOutcome::Executed));
    QCOMPARE(actions.calls.size(), 1);
    QCOMPARE(actions.calls.at(0).kind, QStringLiteral("type"));
    QCOMPARE(actions.calls.at(0).what, QStringLiteral("此致"));

    actions.succeed = false;
    actions.calls.clear();
    const CommandOutcome failed = runner.run(QStringLiteral("签名"));
    QCOMPARE(int(failed.kind), int(CommandOutcome::Failed));
    QCOMPARE(actions.calls.size(), 1);  // no search after a failed command
}

QTEST_GUILESS_MAIN(TestVoiceCommands)
#include "test_voice_commands.moc"
