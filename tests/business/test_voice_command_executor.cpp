#include "business/voice_command_executor.h"
#include "core/setting/inifileinf.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class RecordingActions : public CommandActions
{
public:
    explicit RecordingActions(QStringList *log) : m_log(log) {}
    bool openUrl(const QString &url) override
    {
        *m_log << "open " + url;
        return true;
    }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        *m_log << "start " + program + " " + arguments.join(' ');
        return true;
    }
    bool typeText(const QString &text) override
    {
        *m_log << "type " + text;
        return true;
    }

private:
    QStringList *m_log;
};

}  // namespace

// The store and the settings as the voice-search scene finds them.
class VoiceCommandExecutorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void phrases_data();
    void phrases();

private:
    QTemporaryDir m_data;
};

void VoiceCommandExecutorTest::initTestCase()
{
    QVERIFY(m_data.isValid());
    // No entry of this machine may answer a phrase.
    qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
    qputenv("XDG_DATA_DIRS", m_data.path().toUtf8());
    qputenv("HOME", m_data.path().toUtf8());
    qputenv("PATH", "");  // no xdg-user-dir: the desktop is ~/Desktop
    QVERIFY(QDir(m_data.path()).mkpath("reports"));
}

void VoiceCommandExecutorTest::phrases_data()
{
    QTest::addColumn<QString>("stored");  // "$D" is the data dir
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("message");

    QTest::newRow("folder command") << "0|报告|$D/reports" << "" << "报告！"
                                    << QStringList{"open file://$D/reports"} << "";
    QTest::newRow("failure shown, nothing else")
        << "0|旧|$D/gone||2|旧|http://second" << "" << "旧" << QStringList()
        << "旧指令执行失败，请检查执行路径";
    QTest::newRow("configured engine") << "" << "https://s.example/?q=" << "天气 巴黎"
                                       << QStringList{"open https://s.example/?q=%E5%A4%A9%E6%B0%94%20%E5%B7%B4%E9%BB%8E"}
                                       << "https://s.example/?q=%E5%A4%A9%E6%B0%94%20%E5%B7%B4%E9%BB%8E";
    const QString fallback = VoiceCommandExecutor::defaultSearchPrefix() + "rain";
    QTest::newRow("empty engine uses the default")
        << "" << "" << "rain." << QStringList{"open " + fallback} << fallback;
    QTest::newRow("empty phrase") << "2|x|http://x" << "" << "。" << QStringList() << "";
}

void VoiceCommandExecutorTest::phrases()
{
    QFETCH(QString, stored);
    QFETCH(QString, engine);
    QFETCH(QString, phrase);
    QFETCH(QStringList, actions);
    QFETCH(QString, message);

    IniFileInf::saveCmdKey(stored.replace("$D", m_data.path()));
    IniFileInf::set_keydefine("searchnetstr", engine);
    QStringList log;
    VoiceCommandExecutor executor(std::make_unique<RecordingActions>(&log));
    QSignalSpy shown(&executor, &VoiceCommandExecutor::resultMessage);
    executor.executeVoiceCommand(phrase);

    QCOMPARE(log, actions.replaceInStrings("$D", m_data.path()));
    QCOMPARE(shown.count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(shown.at(0).at(0).toString(), message);
}

QTEST_MAIN(VoiceCommandExecutorTest)
#include "test_voice_command_executor.moc"
