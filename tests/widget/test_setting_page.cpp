// The mouse settings page against the simulated receiver: the product data
// applied per reported model (defaults, rows, lock labels, DPI steps), the
// key modes a newly reported model starts with, and the rows opening their
// dialogs.

#include "core/device/command_frames.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "setting.h"
#include "support/files.h"
#include "support/message_capture.h"
#include "support/mouse_reports.h"
#include "support/recording/recording_backends.h"
#include "utils/app_paths.h"
#include "utils/device_file_utils.h"
#include "widget/iconfont/iconfont.h"
#include "widget/keys/keyrow.h"
#include "widget/keys/voicetraasssetting.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QtTest>

namespace {

QString get(const char *key)
{
    return IniFileInf::get_keydefine(QLatin1String(key));
}

void set(const char *key, const QString &value)
{
    IniFileInf::set_keydefine(QLatin1String(key), value);
}

const QByteArray kThreeButtons = R"({"data": {
  "keyInfos": [
    {"key": "voice_key", "short": "noOp", "long": "voiceInput", "isLock": 0},
    {"key": "translate_key", "short": "enter", "long": "translationKey", "isLock": 0},
    {"key": "search_key", "short": "noOp", "long": "aiAssistantKey", "isLock": 0}],
  "dpi": ["800", "1600", "2400"]}})";

const QByteArray kLockedWithAKey = R"({"data": {
  "keyInfos": [
    {"key": "voice_key", "short": "noOp", "long": "voiceInput", "isLock": 1},
    {"key": "translate_key", "short": "noOp", "long": "aiGpt", "isLock": 1},
    {"key": "A_key", "short": "noOp", "long": "aiGpt", "isLock": 1},
    {"key": "mystery_key", "short": "copy", "long": "aiGpt"}],
  "dpi": ["1000", "2000"]}})";

}  // namespace

class SettingPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void productDataWritesDefaults_data();
    void productDataWritesDefaults();
    void rowsAndLockLabelsFollowTheProductData_data();
    void rowsAndLockLabelsFollowTheProductData();
    void deviceNameArrivingLaterSwitchesToTheVariantsData();
    void missingProductDataKeepsTheCommonButtonsAndStoredActions();
    void dpiSelectorFollowsAndSetsTheMouse();
    void newModelSetsTheKeyModes_data();
    void newModelSetsTheKeyModes();
    void rowsOpenTheirDialogs_data();
    void rowsOpenTheirDialogs();

private:
    bool pageFor(const QByteArray &name, const QString &productId);
    QString deviceDir() const { return AppPaths::appDir() + QStringLiteral("/device"); }
    void writeData(const QString &productId, const QByteArray &json)
    {
        QVERIFY(TestFiles::writeRaw(deviceDir() + QLatin1Char('/') + productId
                                        + "defaultkey.json",
                                    json));
    }

    MouseDevice *m_mouse = nullptr;
    std::unique_ptr<Setting> m_page;
};

void SettingPageTest::initTestCase()
{
    platform::recording::install();
    QVERIFY(IconFont::instance().initFontAwesome());
    hidsim_reset();
    m_mouse = MouseDevice::instance().get();
    m_mouse->connect();
    QTRY_VERIFY_WITH_TIMEOUT(m_mouse->linkState == ReceiverLinked && m_mouse->linkModel == 4, 5000);
}

void SettingPageTest::init()
{
    m_page.reset();
    QFile::remove(IniFileInf::optionFilePath());
    QDir(deviceDir()).removeRecursively();
    QVERIFY(QDir().mkpath(deviceDir()));
    // Only the reports a case sends name a model.
    m_mouse->model = QStringLiteral("unknown");
    m_mouse->productName.clear();
}

// A new settings page, once it has applied the product data of the mouse
// reporting name.
bool SettingPageTest::pageFor(const QByteArray &name, const QString &productId)
{
    m_page.reset(new Setting);
    return MouseReports::sendName(name)
        && QTest::qWaitFor([&] { return m_page->appliedProductId() == productId; }, 5000);
}

void SettingPageTest::productDataWritesDefaults_data()
{
    QTest::addColumn<bool>("seenBefore");
    QTest::addColumn<QStringList>("stored");    // vks, vkl, tks, tkl, aas, aal
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first report overwrites stored actions")
        << false << QStringList{"copy", "aiGpt", "", "", "Ctrl+B", ""}
        << QStringList{"noOp", "voiceInput", "enter", "translationKey", "noOp", "aiAssistantKey"};
    QTest::newRow("later report fills only rows with both keys empty")
        << true << QStringList{"copy", "", "", "", "", "aiGpt"}
        << QStringList{"copy", "", "enter", "translationKey", "", "aiGpt"};
}

void SettingPageTest::productDataWritesDefaults()
{
    QFETCH(bool, seenBefore);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, expected);
    writeData("T011", kThreeButtons);
    if (seenBefore)
        QVERIFY(DeviceFileUtils::checkFirstRunByFile("T011"));  // leaves the marker
    const char *keys[] = {"vks", "vkl", "tks", "tkl", "aas", "aal"};
    for (int i = 0; i < 6; ++i)
        set(keys[i], stored.at(i));

    QVERIFY(pageFor("SRT011", "T011"));
    QStringList now;
    for (const char *key : keys)
        now << get(key);
    QCOMPARE(now, expected);
    QVERIFY(QFile::exists(DeviceFileUtils::markerPath("T011")));
    QVERIFY(m_page->keyRow(Setting::TranslateRow)->actionText().contains("回车"));
}

void SettingPageTest::rowsAndLockLabelsFollowTheProductData_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("translateLock");
    QTest::newRow("AI key on the swapped-button models") << QByteArray("WQQ313") << "AI键";
    QTest::newRow("translation elsewhere") << QByteArray("SRQ313") << "语音翻译";
}

void SettingPageTest::rowsAndLockLabelsFollowTheProductData()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, translateLock);
    writeData("Q313", kLockedWithAKey);
    QVERIFY(pageFor(name, "Q313"));
    Setting *page = m_page.get();

    QVERIFY(page->rowShown(Setting::VoiceRow));
    QVERIFY(page->rowShown(Setting::TranslateRow));
    QVERIFY(!page->rowShown(Setting::SearchRow));
    QVERIFY(page->rowShown(Setting::AKeyRow));
    QVERIFY(page->keyRow(Setting::VoiceRow)->isLocked());
    QCOMPARE(page->keyRow(Setting::VoiceRow)->lockText(), QStringLiteral("语音输入"));
    QCOMPARE(page->keyRow(Setting::TranslateRow)->lockText(), translateLock);
    QVERIFY(page->keyRow(Setting::TranslateRow)->selector()->isHidden());
    // The A key has no fixed form: its choices stay open.
    QVERIFY(!page->keyRow(Setting::AKeyRow)->isLocked());
    QCOMPARE(page->dpiSelector()->count(), 2);

    // Another model unlocks and shows rows again.
    writeData("PX06", kThreeButtons);
    QVERIFY(MouseReports::sendName("SRPX06"));
    QTRY_COMPARE(page->appliedProductId(), QStringLiteral("PX06"));
    QVERIFY(page->rowShown(Setting::SearchRow));
    QVERIFY(!page->rowShown(Setting::AKeyRow));
    QVERIFY(!page->keyRow(Setting::VoiceRow)->isLocked());
    QCOMPARE(page->dpiSelector()->itemText(2), QStringLiteral("2400"));
}

void SettingPageTest::deviceNameArrivingLaterSwitchesToTheVariantsData()
{
    writeData("PX08", kThreeButtons);
    writeData("WQPX08", kLockedWithAKey);
    // The info report names the model before the name report names the variant.
    QVERIFY(pageFor("DLVPX08", "PX08"));
    QVERIFY(!m_page->keyRow(Setting::VoiceRow)->isLocked());
    QCOMPARE(get("tkl"), QStringLiteral("translationKey"));

    QVERIFY(MouseReports::sendName("WQPX08"));
    QTRY_VERIFY(m_page->keyRow(Setting::VoiceRow)->isLocked());
    QVERIFY(m_page->rowShown(Setting::AKeyRow));
    // Still the model's first report: the variant's defaults win.
    QCOMPARE(get("tkl"), QStringLiteral("aiGpt"));
}

void SettingPageTest::missingProductDataKeepsTheCommonButtonsAndStoredActions()
{
    set("vks", "copy");
    set("vkl", "aiGpt");
    MessageCapture log;
    QVERIFY(pageFor("WQQ800", "Q800"));
    Setting *page = m_page.get();
    QVERIFY(log.contains("Failed to open file for reading:"));
    QVERIFY(page->rowShown(Setting::VoiceRow));
    QVERIFY(page->rowShown(Setting::TranslateRow));
    QVERIFY(page->rowShown(Setting::SearchRow));
    QVERIFY(!page->rowShown(Setting::AKeyRow));
    QVERIFY(!page->dpiSelector()->isEnabled());
    QCOMPARE(get("vks"), QStringLiteral("copy"));
    QCOMPARE(get("vkl"), QStringLiteral("aiGpt"));
}

void SettingPageTest::dpiSelectorFollowsAndSetsTheMouse()
{
    writeData("T013", kThreeButtons);
    QVERIFY(pageFor("SRT013", "T013"));
    Setting *page = m_page.get();
    QComboBox *dpi = page->dpiSelector();

    QVERIFY(MouseReports::send(0x04, QByteArray::fromHex("4006")));  // 1600
    QTRY_COMPARE(dpi->currentText(), QStringLiteral("1600"));

    const int writes = hidsim_write_count();
    emit dpi->activated(2);
    QVERIFY(hidsim_write_count() > writes);
    QVERIFY(MouseReports::receiverGot(CommandFrames::receiverDpi(2400)));
    QTRY_COMPARE(m_mouse->dpi, 2400);  // the mouse confirms
    QCOMPARE(dpi->currentText(), QStringLiteral("2400"));

    // A sensitivity the model's list lacks leaves the selector as it was.
    QVERIFY(MouseReports::send(0x04, QByteArray::fromHex("d204")));  // 1234
    QTRY_COMPARE(m_mouse->dpi, 1234);
    QCOMPARE(dpi->currentText(), QStringLiteral("2400"));
}

void SettingPageTest::rowsOpenTheirDialogs_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("title");
    QTest::newRow("voice") << int(Setting::VoiceRow) << "语音键设置";
    QTest::newRow("search") << int(Setting::SearchRow) << "助手键设置";
    QTest::newRow("A key") << int(Setting::AKeyRow) << "自定义键设置";
}

void SettingPageTest::rowsOpenTheirDialogs()
{
    QFETCH(int, row);
    QFETCH(QString, title);
    const bool aKey = row == Setting::AKeyRow;
    writeData(aKey ? "Q313" : "T011", aKey ? kLockedWithAKey : kThreeButtons);
    QVERIFY(pageFor(aKey ? "SRQ313" : "SRT011", aKey ? "Q313" : "T011"));
    KeyRow *keys = m_page->keyRow(Setting::Row(row));
    keys->selector()->click();
    DialogFrame *dialog = m_page->findChild<DialogFrame *>();
    QVERIFY(dialog && dialog->isVisible() && dialog->isModal());
    QCOMPARE(dialog->title(), title);

    // The row tells the new choice once the dialog is closed.
    if (auto *buttons = qobject_cast<VoiceTraAssSetting *>(dialog)) {
        buttons->shortClickList()->setCurrentIndex(5);
        dialog->closeButton()->click();
        QVERIFY2(keys->actionText().contains("上一页"), qPrintable(keys->actionText()));
    }
}

void SettingPageTest::newModelSetsTheKeyModes_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QStringList>("stored");  // vks, tks, aas when the page is made
    QTest::addColumn<QList<int>>("modes");     // isShort129, isShort130, isShort131
    QTest::newRow("PX08 clicks where an action is set")
        << QByteArray("DLVPX08") << QStringList{"copy", "noOp", "noOp"} << QList<int>{0, 1, 0};
    QTest::newRow("PX08, nothing stored yet")
        << QByteArray("DLVPX08") << QStringList{"noOp", "", "noOp"} << QList<int>{1, 0, 0};
    QTest::newRow("swapped-button model")
        << QByteArray("WQQ800") << QStringList{"copy", "copy", "noOp"} << QList<int>{1, 0, 1};
    QTest::newRow("other model, third button with an action")
        << QByteArray("SRT013") << QStringList{"copy", "copy", "enter"} << QList<int>{0, 0, 1};
    QTest::newRow("other model, third button without")
        << QByteArray("SRT013") << QStringList{"copy", "copy", "noOp"} << QList<int>{0, 0, 0};
}

void SettingPageTest::newModelSetsTheKeyModes()
{
    QFETCH(QByteArray, name);
    QFETCH(QStringList, stored);
    QFETCH(QList<int>, modes);
    set("vks", stored.at(0));
    set("tks", stored.at(1));
    set("aas", stored.at(2));
    m_mouse->isShort129 = m_mouse->isShort130 = 1 - modes.at(1);
    m_mouse->setIsShort131(1 - modes.at(2));
    m_page.reset(new Setting);
    QVERIFY(MouseReports::sendName(name));
    QTRY_VERIFY(m_page->appliedProductId() != QString());
    QCOMPARE((QList<int>{m_mouse->isShort129, m_mouse->isShort130, m_mouse->isShort131}), modes);
}

QTEST_MAIN(SettingPageTest)
#include "test_setting_page.moc"
