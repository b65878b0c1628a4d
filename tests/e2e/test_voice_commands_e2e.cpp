// Voice search end to end: the simulated mouse's search button records, the
// dictation stand-in recognises the phrase, and the command it names reaches
// the desktop through a recording opener on PATH or a started program.
#include "business/funcontrolcenter.h"
#include "business/voice_command_executor.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "debug.h"
#include "fakes/dictation_server.h"
#include "sim/hidsim.h"
#include "support/files.h"
#include "support/simulated_mouse.h"
#include "widget/iconfont/iconfont.h"
#include "widget/tradialogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class VoiceCommandsE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void spokenPhraseRunsItsCommand_data();
    void spokenPhraseRunsItsCommand();

private:
    void writeScript(const QString &path, const QString &body);

    DictationServer m_server;
    Debug *m_page = nullptr;
    VoiceCommandExecutor *m_executor = nullptr;
    QTemporaryDir m_dir;
};

void VoiceCommandsE2E::writeScript(const QString &path, const QString &body)
{
    QVERIFY(TestFiles::writeRaw(path, ("#!/bin/sh\n" + body + "\n").toUtf8()));
    QVERIFY(QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void VoiceCommandsE2E::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(IconFont::instance().initFontAwesome());
    QVERIFY(m_server.listen());
    m_server.setCredentials(QStringLiteral("e2eapp"), QStringLiteral("e2ekey"),
                            QStringLiteral("e2esecret"));
    DictationServer::trustTestCa();
    qputenv("TALKVANE_URL_DICTATION", m_server.url().toUtf8());

    const QString d = m_dir.path();
    QVERIFY(QDir(d).mkpath("bin") && QDir(d).mkpath("reports") && QDir(d).mkpath("home/Desktop")
            && QDir(d).mkpath("data/applications") && QDir(d).mkpath("sys"));
    writeScript(d + "/bin/xdg-open", "echo \"$@\" >> '" + d + "/opened.txt'");
    writeScript(d + "/calc.sh", "echo started > '" + d + "/marker.txt'");
    QVERIFY(TestFiles::writeRaw(d + "/data/applications/calc.desktop",
                                ("[Desktop Entry]\nType=Application\nName=Calculator\n"
                                 "Name[zh_CN]=计算器\nExec=" + d + "/calc.sh %U\n").toUtf8()));
    qputenv("PATH", (d + "/bin:" + qgetenv("PATH")).toUtf8());
    qputenv("HOME", (d + "/home").toUtf8());
    qputenv("XDG_DATA_HOME", (d + "/data").toUtf8());
    qputenv("XDG_DATA_DIRS", (d + "/sys").toUtf8());

    IniFileInf::saveCmdKey("0|报告|" + d + "/reports||0|旧资料|" + d + "/gone");
    IniFileInf::set_keydefine(QStringLiteral("searchnetstr"), QStringLiteral("https://s.example/?q="));
    IniFileInf::set_keydefine(QStringLiteral("listenlangstr"), QStringLiteral("zh_cn"));
    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("cn"));
    IniFileInf::set_keydefine(QStringLiteral("ptt"), QStringLiteral("1"));

    // What the main window does at start-up.
    m_page = new Debug;
    m_executor = new VoiceCommandExecutor;
    m_executor->attach();
    auto center = FunControlCenter::getInstance();
    center->dictation()->setAppId(QStringLiteral("e2eapp"));
    center->dictation()->setApiKey(QStringLiteral("e2ekey"));
    center->dictation()->setApiSecret(QStringLiteral("e2esecret"));
    QVERIFY(connectSimulatedMouse());
}

void VoiceCommandsE2E::cleanupTestCase()
{
    delete m_executor;
    delete m_page;
}

void VoiceCommandsE2E::spokenPhraseRunsItsCommand_data()
{
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("file");      // written by the opener or the program
    QTest::addColumn<QString>("expected");  // "$D" is the test's folder
    QTest::addColumn<QString>("shown");     // in the result window, empty for nothing

    const QString search = "https://s.example/?q=%E5%B7%B4%E9%BB%8E%E5%A4%A9%E6%B0%94";
    QTest::newRow("folder command") << "报告" << "opened.txt" << "file://$D/reports\n" << "";
    QTest::newRow("desktop entry's localized name") << "打开计算器" << "marker.txt"
                                                     << "started\n" << "";
    QTest::newRow("unknown phrase searched") << "巴黎天气" << "opened.txt" << search + "\n"
                                             << search;
    QTest::newRow("missing folder reported, nothing opened")
        << "旧资料" << "opened.txt" << "" << "旧资料指令执行失败，请检查执行路径";
}

void VoiceCommandsE2E::spokenPhraseRunsItsCommand()
{
    QFETCH(QString, spoken);
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QFETCH(QString, shown);
    const QString path = m_dir.filePath(file);
    QFile::remove(path);

    const int session = m_server.sessionCount();
    m_server.setReplies(session, {{3, DictationServer::apd(0, 1, spoken)},
                                  {-1, DictationServer::apd(1, 2, "。", true)}});
    MouseDevice *mouse = MouseDevice::instance().get();
    QVERIFY(QMetaObject::invokeMethod(mouse, "signalsKeyOne132", Q_ARG(int, 1)));
    QCOMPARE(FunControlCenter::getInstance()->sence(), SENCE_VOICE_ASS);
    QTRY_VERIFY_WITH_TIMEOUT(m_server.sessions().value(session).frames.size() >= 5, 5000);
    QVERIFY(QMetaObject::invokeMethod(mouse, "signalsKeyOne132Over", Q_ARG(int, 3)));
    if (!shown.isEmpty())
        QTRY_COMPARE_WITH_TIMEOUT(TraDialogue::instance()->targetText(), shown, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(TestFiles::readText(path), expected.replace("$D", m_dir.path()),
                              10000);
    if (expected.isEmpty()) {
        QTest::qWait(500);  // nothing arrives late either
        QVERIFY(!QFile::exists(path));
    }
}

QTEST_MAIN(VoiceCommandsE2E)
#include "test_voice_commands_e2e.moc"
