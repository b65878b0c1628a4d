// The software settings page: "BootUp" follows the autostart entry, the
// interface language changes while windows are open, the log switch
// reroutes the log at once, the upload button reports how the upload went.

#include "core/device/mousedevice.h"
#include "core/log/message_handlers.h"
#include "core/setting/inifileinf.h"
#include "core/setting/translation_loader.h"
#include "build_config.h"
#include "curl/curlwrapper.h"
#include "debug.h"
#include "fakes/update_server.h"
#include "fakes/upload_servers.h"
#include "support/files.h"
#include "support/recording/recording_backends.h"
#include "support/message_boxes.h"
#include "support/message_capture.h"
#include "system_setting.h"
#include "widget/app_icon.h"
#include "widget/kit/switchbutton.h"
#include "widget/update/update_check.h"
#include "widget/update/updatedialogue.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

// A window that sets a translated text on every language change, as the
// program's windows do.
class ProbeWindow : public QLabel
{
public:
    ProbeWindow() { retranslate(); }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QLabel::changeEvent(event);
    }

private:
    void retranslate() { setText(QCoreApplication::translate("MainWindow", "退出")); }
};

// Translates the text "source", or (with nullptr) nothing at all.
class OneTextTranslator : public QTranslator
{
public:
    explicit OneTextTranslator(const char *translation) : m_translation(translation) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        // A null string means "not here": Qt asks the next translator.
        return m_translation && qstrcmp(source, "source") == 0 ? QString::fromUtf8(m_translation)
                                                               : QString();
    }

private:
    const char *m_translation;
};

QString setting(const char *key) { return IniFileInf::get_keydefine(QString::fromLatin1(key)); }
void store(const char *key, const QString &v) { IniFileInf::set_keydefine(QString::fromLatin1(key), v); }

}  // namespace

class SystemSettingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void bootUpFollowsTheEntryAtConstruction_data();
    void bootUpFollowsTheEntryAtConstruction();
    void bootSwitchWritesEntryAndSetting();
    void unwritableFolderPutsTheSwitchBack();
    void storedLanguageSelectsItsRow_data();
    void storedLanguageSelectsItsRow();
    void choosingALanguageRetranslatesOpenWindows();
    void aNewTranslationReplacesTheOldOne();
    void logSwitchStoresAndReroutesAtOnce();
    void applicationIconIsDrawnForTraySizes();
    void mouseInfoReachesTheHardwareRows();
    void logUploadButtonShowsTheResult_data();
    void logUploadButtonShowsTheResult();
    void checkUpdateAsksAboutThisVersion();

private:
    QString autostartDir() const { return m_config->path() + QStringLiteral("/autostart"); }
    QString entryPath() const { return autostartDir() + QStringLiteral("/talkvane.desktop"); }

    std::unique_ptr<QTemporaryDir> m_config;
};

void SystemSettingTest::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
    QFile::remove(IniFileInf::optionFilePath());
}

void SystemSettingTest::bootUpFollowsTheEntryAtConstruction_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("entry");  // empty: none
    QTest::addColumn<bool>("on");
    // Names another copy of Talkvane: still on.
    const QByteArray own = "[Desktop Entry]\nType=Application\nExec=/elsewhere/talkvane\n"
                           "X-Talkvane-Autostart=true\n";
    QTest::newRow("setting on, no entry") << "1" << QByteArray() << false;
    QTest::newRow("setting off, entry there") << "0" << own << true;
    QTest::newRow("never set, entry there") << "" << own << true;
    QTest::newRow("setting on, entry hidden") << "1" << own + "Hidden=true\n" << false;
}

void SystemSettingTest::bootUpFollowsTheEntryAtConstruction()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, entry);
    QFETCH(bool, on);
    store("BootUp", stored);
    if (!entry.isEmpty())
        QVERIFY(QDir().mkpath(autostartDir()) && TestFiles::writeRaw(entryPath(), entry));

    SystemSetting page;
    QCOMPARE(page.findChild<SwitchButton *>(QStringLiteral("switchBoot"))->isChecked(), on);
    QCOMPARE(setting("BootUp"), on ? QStringLiteral("1") : QStringLiteral("0"));
}

void SystemSettingTest::bootSwitchWritesEntryAndSetting()
{
    SystemSetting page;
    auto *boot = page.findChild<SwitchButton *>(QStringLiteral("switchBoot"));
    boot->click();
    QVERIFY(boot->isChecked());
    QCOMPARE(setting("BootUp"), QStringLiteral("1"));
    QVERIFY(TestFiles::readAll(entryPath())
                .contains("Exec=" + QFile::encodeName(QCoreApplication::applicationFilePath()) + "\n"));

    boot->click();
    QCOMPARE(setting("BootUp"), QStringLiteral("0"));
    QVERIFY(!QFile::exists(entryPath()));
}

void SystemSettingTest::unwritableFolderPutsTheSwitchBack()
{
    // A file where the folder belongs cannot be written into, not even by root.
    QVERIFY(TestFiles::writeRaw(autostartDir(), "not a folder"));
    store("BootUp", QStringLiteral("0"));
    SystemSetting page;
    auto *boot = page.findChild<SwitchButton *>(QStringLiteral("switchBoot"));
    WarningCapture warnings;
    boot->click();
    QVERIFY(!boot->isChecked());
    QCOMPARE(setting("BootUp"), QStringLiteral("0"));
    QVERIFY(warnings.messages().join(QLatin1Char('\n')).contains(QLatin1String("boot up failed")));
}

void SystemSettingTest::storedLanguageSelectsItsRow_data()
{
    QTest::addColumn<QString>("sysLang");
    QTest::addColumn<QString>("shown");  // empty: no row
    QTest::newRow("traditional chinese") << "zh_HK" << QStringLiteral("中文繁體");
    QTest::newRow("chinese") << "zh_CN" << QStringLiteral("中文");
    // The name the Korean translation stores, as the start writes it.
    QTest::newRow("korean, stored by its translation") << "ko" << QStringLiteral("한국어");
    QTest::newRow("not offered") << "fr_FR" << QString();
    QTest::newRow("nonsense") << "xx_YY" << QString();
}

void SystemSettingTest::storedLanguageSelectsItsRow()
{
    QFETCH(QString, sysLang);
    QFETCH(QString, shown);
    store("sysLang", sysLang);
    SystemSetting page;
    auto *combo = page.findChild<QComboBox *>(QStringLiteral("comboBoxLanguage"));
    QCOMPARE(combo->count(), 9);
    QCOMPARE(combo->currentIndex() < 0 ? QString() : combo->currentText(), shown);
    QCOMPARE(setting("sysLang"), sysLang);  // showing the choice is not choosing it
}

void SystemSettingTest::choosingALanguageRetranslatesOpenWindows()
{
    store("sysLang", QStringLiteral("zh_CN"));
    SystemSetting page;
    ProbeWindow window;
    window.show();
    auto *combo = page.findChild<QComboBox *>(QStringLiteral("comboBoxLanguage"));

    combo->setCurrentIndex(combo->findText(QStringLiteral("English")));
    QCOMPARE(setting("sysLang"), QStringLiteral("en_US"));
    QTRY_COMPARE(window.text(), QStringLiteral("Exit"));

    combo->setCurrentIndex(combo->findText(QStringLiteral("中文")));
    QCOMPARE(setting("sysLang"), QStringLiteral("zh_CN"));
    QTRY_COMPARE(window.text(), QStringLiteral("退出"));
}

void SystemSettingTest::aNewTranslationReplacesTheOldOne()
{
    OneTextTranslator first("first");
    OneTextTranslator silent(nullptr);
    UiTranslation::makeCurrent(&first);
    QCOMPARE(QCoreApplication::translate("Ctx", "source"), QStringLiteral("first"));
    // A text the new translation lacks shows its source, not the old language.
    UiTranslation::makeCurrent(&silent);
    QCOMPARE(QCoreApplication::translate("Ctx", "source"), QStringLiteral("source"));
    QCoreApplication::removeTranslator(&silent);
}

void SystemSettingTest::logSwitchStoresAndReroutesAtOnce()
{
    QFile::remove(LogFile::path());
    store("isLog", QStringLiteral("0"));
    SystemSetting page;
    auto *log = page.findChild<SwitchButton *>(QStringLiteral("switchLog"));
    QSignalSpy sign(&page, &SystemSetting::logSwitchSign);
    const QtMessageHandler before = qInstallMessageHandler(nullptr);

    log->click();
    QCOMPARE(setting("isLog"), QStringLiteral("1"));
    qWarning("to the file 7f3a");
    log->click();
    QCOMPARE(setting("isLog"), QStringLiteral("0"));
    qWarning("to standard error 7f3a");
    qInstallMessageHandler(before);

    QCOMPARE(sign.count(), 2);
    QCOMPARE(sign.at(0).at(0).toBool(), true);
    QCOMPARE(sign.at(1).at(0).toBool(), false);
    const QByteArray text = TestFiles::readAll(LogFile::path());
    QVERIFY(text.contains("to the file 7f3a"));
    QVERIFY(!text.contains("to standard error 7f3a"));
}

void SystemSettingTest::applicationIconIsDrawnForTraySizes()
{
    const QIcon icon = appIcon();
    for (int size : {48, 64, 128, 256}) {
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        QVERIFY(!icon.pixmap(size).toImage().isNull());
    }
}

void SystemSettingTest::mouseInfoReachesTheHardwareRows()
{
    platform::recording::install();  // no hot keys or devices of the session
    Debug diagnostics;
    SystemSetting page;
    // As the main window wires them.
    connect(&diagnostics, &Debug::receiveMouseInfo, &page, &SystemSetting::setMouseInfo);
    // The mouse's info reply: serial number, receiver id, model and firmware bytes.
    QByteArray info = QByteArray::fromHex("a55a0c5406" "0a0b0c0d0e0f" "112233445566" "0004");
    info.append(QByteArray(64 - info.size(), '\0'));
    MouseDevice::instance()->analysisData(info);
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("labelSerial"))->text(),
             QStringLiteral("0a0b0c0d0e0f"));
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("labelFirmware"))->text(),
             QStringLiteral("A1.0"));
}

void SystemSettingTest::logUploadButtonShowsTheResult_data()
{
    QTest::addColumn<bool>("logFile");
    QTest::addColumn<bool>("errorPage");  // the token route answers HTML
    QTest::addColumn<QString>("text");
    const auto tr = [](const char *text) { return QCoreApplication::translate("SystemSetting", text); };
    const QString failed = tr("上传") + tr("失败") + QLatin1Char('\n');
    QTest::newRow("stored") << true << false << tr("上传") + tr("成功") + QLatin1Char('\n');
    QTest::newRow("no log file") << false << false << failed + tr("No log file was detected.");
    QTest::newRow("error page")
        << true << true << failed + tr("The server is busy. Please try again later.");
}

void SystemSettingTest::logUploadButtonShowsTheResult()
{
    QFETCH(bool, logFile);
    QFETCH(bool, errorPage);
    QFETCH(QString, text);
    UploadServers servers;
    QVERIFY(servers.listen());
    qputenv("TALKVANE_URL_MANAGEMENT", servers.managementUrl().toUtf8());
    qputenv("TALKVANE_URL_STORAGE_UPLOAD", servers.storageUrl().toUtf8());
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    QFile::remove(LogFile::path());
    QVERIFY(!logFile || TestFiles::writeRaw(LogFile::path(), "a line\r\n"));
    if (errorPage)
        servers.setTokenAnswer(UploadServers::TokenAnswer::Html);

    SystemSetting page;
    page.setMouseInfo(QStringLiteral("0a0b0c0d0e0f"), QStringLiteral("A1.0"));
    auto *upload = page.findChild<QPushButton *>(QStringLiteral("pushButtonLogUpload"));
    MessageBoxes::Answerer answerer;
    upload->click();
    QVERIFY(!upload->isEnabled());  // the upload runs elsewhere; the page goes on
    QTRY_COMPARE(answerer.seen(), QStringList(QCoreApplication::translate("SystemSetting", "日志上传")
                                              + QStringLiteral(": ") + text));
    QTRY_VERIFY(upload->isEnabled());
    QCOMPARE(servers.tokenRequests().size(), logFile ? 1 : 0);
    QVERIFY(!logFile || servers.tokenRequests().first().queryItemValue(QStringLiteral("path"))
                            .endsWith(QLatin1String("/0a0b0c0d0e0f/")));
    qunsetenv("TALKVANE_URL_MANAGEMENT");
    qunsetenv("TALKVANE_URL_STORAGE_UPLOAD");
}

void SystemSettingTest::checkUpdateAsksAboutThisVersion()
{
    UpdateServer server(HttpServer::Transport::Plain);
    QVERIFY(server.listen());
    qputenv("TALKVANE_URL_MANAGEMENT", server.url().toUtf8());
    const qint64 running = UpdateCheck::versionNumber(QStringLiteral(TALKVANE_VERSION));
    QVERIFY(running > 0);
    SystemSetting page;
    auto *button = page.findChild<QPushButton *>("pushButtonCheckUpdate");
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("检查更新"));
    auto *status = UpdateDialogue::instance()->findChild<QLabel *>("statusLabel");
    // Latest at this number and behind the next one: the page sent exactly it.
    server.setAnswer(UpdateServer::answer(running, "https://h/files/p.deb"));
    button->click();
    QVERIFY(UpdateDialogue::instance()->isVisible());
    QTRY_COMPARE(status->text(), QStringLiteral("已经是最新的了"));
    server.setAnswer(UpdateServer::answer(running + 1, "https://h/files/p.deb"));
    button->click();
    QTRY_COMPARE(status->text(), "检测到有最新的版本：" + QString::number(running + 1));
    qunsetenv("TALKVANE_URL_MANAGEMENT");
}

QTEST_MAIN(SystemSettingTest)
#include "test_system_setting.moc"
