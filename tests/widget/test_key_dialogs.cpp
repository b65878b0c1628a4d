// The button, custom-key and wheel dialogs: what they show from the stored
// settings, what each choice stores, the key modes kept in step, the wheel
// following the simulated mouse, and the spelling of recorded combinations.

#include "core/device/command_frames.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "support/message_capture.h"
#include "support/mouse_reports.h"
#include "support/recording/recording_backends.h"
#include "setting.h"
#include "widget/iconfont/iconfont.h"
#include "widget/keys/keyrow.h"
#include "widget/keys/akeysetting.h"
#include "widget/keys/key_modes.h"
#include "widget/keys/shortcutlineedit.h"
#include "widget/keys/voicetraasssetting.h"
#include "widget/keys/wheelsetting.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTranslator>
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

QAbstractButton *buttonNamed(QButtonGroup *group, const QString &text)
{
    for (QAbstractButton *b : group->buttons())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Marks every translated text, so a text not set again shows up.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QStringLiteral("T:") + QString::fromUtf8(source);
    }
};

}  // namespace

class KeyDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void shortClickChoiceSetsTheKeyMode_data();
    void shortClickChoiceSetsTheKeyMode();
    void reopeningShowsTheRecordedShortcut();
    void storedActionsTheListLacksAreShownAsNoChoice();
    void customKeyDialogShowsAndWritesItsChoices();
    void wheelDialogFollowsTheMouse();
    void shortcutSpelling_data();
    void shortcutSpelling();
    void textsFollowTheLanguage();

private:
    int flag(const QString &shortKey) const
    {
        return shortKey == "vks" ? m_mouse->isShort130
            : shortKey == "tks"  ? m_mouse->isShort129
                                 : m_mouse->isShort131;
    }

    MouseDevice *m_mouse = nullptr;
};

void KeyDialogsTest::initTestCase()
{
    platform::recording::install();
    QVERIFY(IconFont::instance().initFontAwesome());
    hidsim_reset();
    m_mouse = MouseDevice::instance().get();
    m_mouse->connect();
    QTRY_VERIFY_WITH_TIMEOUT(m_mouse->linkState == ReceiverLinked && m_mouse->linkModel == 4, 5000);
}

void KeyDialogsTest::init()
{
    QFile::remove(IniFileInf::optionFilePath());
}

void KeyDialogsTest::shortClickChoiceSetsTheKeyMode_data()
{
    QTest::addColumn<QString>("shortKey");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("mode");
    QTest::newRow("voice, none") << "vks" << 0 << "noOp" << 0;
    QTest::newRow("voice, enter") << "vks" << 1 << "enter" << 1;
    QTest::newRow("voice, paste") << "vks" << 4 << "pac" << 1;
    QTest::newRow("translate, none") << "tks" << 0 << "noOp" << 0;
    QTest::newRow("translate, copy") << "tks" << 3 << "copy" << 1;
    QTest::newRow("third, none") << "aas" << 0 << "noOp" << 0;
    QTest::newRow("third, page down") << "aas" << 6 << "pageDown" << 1;
}

void KeyDialogsTest::shortClickChoiceSetsTheKeyMode()
{
    QFETCH(QString, shortKey);
    QFETCH(int, index);
    QFETCH(QString, action);
    QFETCH(int, mode);
    const QString prefix = shortKey.left(2);
    set(qPrintable(shortKey), "home");  // the last entry
    KeyModes::setForButton(m_mouse, shortKey, 1 - mode);

    VoiceTraAssSetting dialog(shortKey, prefix + "l", shortKey + "Index", prefix + "lIndex");
    dialog.custShow();
    QCOMPARE(dialog.shortClickList()->currentIndex(), 7);
    QCOMPARE(flag(shortKey), 1 - mode);  // showing changes nothing
    dialog.shortClickList()->setCurrentIndex(index);
    QCOMPARE(flag(shortKey), mode);
    QCOMPARE(IniFileInf::get_keydefine(shortKey), action);
    QCOMPARE(IniFileInf::get_keydefine(shortKey + "Index"), QString::number(index));

    dialog.longPressList()->setCurrentIndex(3);
    QCOMPARE(IniFileInf::get_keydefine(prefix + "l"), QStringLiteral("aiAssistantKey"));
    QCOMPARE(IniFileInf::get_keydefine(prefix + "lIndex"), QStringLiteral("3"));
}

void KeyDialogsTest::reopeningShowsTheRecordedShortcut()
{
    m_mouse->isShort130 = 0;
    {
        VoiceTraAssSetting dialog("vks", "vkl", "vksIndex", "vklIndex");
        dialog.custShow();
        dialog.shortClickList()->setCurrentIndex(3);
        QTest::keyClick(dialog.shortcutField(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(get("vks"), QStringLiteral("Ctrl+Shift+A"));
        QCOMPARE(m_mouse->isShort130, 1);
        // A combination is the click action even with no list choice.
        dialog.shortClickList()->setCurrentIndex(0);
        QCOMPARE(get("vks"), QStringLiteral("Ctrl+Shift+A"));
        QCOMPARE(m_mouse->isShort130, 1);
        dialog.shortClickList()->setCurrentIndex(3);
    }
    VoiceTraAssSetting again("vks", "vkl", "vksIndex", "vklIndex");
    again.custShow();
    QCOMPARE(again.shortcutField()->text(), QStringLiteral("Ctrl+Shift+A"));
    QCOMPARE(again.shortClickList()->currentIndex(), 3);

    // Clearing the combination hands the click back to the list.
    QTest::keyClick(again.shortcutField(), Qt::Key_Backspace);
    QCOMPARE(again.shortcutField()->text(), QString());
    QCOMPARE(get("vks"), QStringLiteral("copy"));
}

void KeyDialogsTest::storedActionsTheListLacksAreShownAsNoChoice()
{
    set("aas", "aiocrkey");  // chosen in the custom-key dialog
    set("aasIndex", "5");
    set("aal", "retired");
    set("tks", "Alt+F4");
    set("tksIndex", "99");   // a position the list does not have
    MessageCapture log;
    VoiceTraAssSetting third("aas", "aal", "aasIndex", "aalIndex");
    third.custShow();
    QCOMPARE(third.shortClickList()->currentIndex(), 0);
    QCOMPARE(third.shortcutField()->text(), QString());
    QCOMPARE(third.longPressList()->currentIndex(), 0);
    QVERIFY(log.contains("custShow: action not in the list:"));
    VoiceTraAssSetting translate("tks", "tkl", "tksIndex", "tklIndex");
    translate.custShow();
    QCOMPARE(translate.shortClickList()->currentIndex(), 0);
    QCOMPARE(translate.shortcutField()->text(), QStringLiteral("Alt+F4"));
    // Looking is not choosing: nothing stored was replaced.
    QCOMPARE(get("aas"), QStringLiteral("aiocrkey"));
    QCOMPARE(get("aal"), QStringLiteral("retired"));
    QCOMPARE(get("tks"), QStringLiteral("Alt+F4"));
}

void KeyDialogsTest::customKeyDialogShowsAndWritesItsChoices()
{
    set("aal", "translationKey");
    set("aas", "web");
    set("akeyurl", "example.org");
    m_mouse->setIsShort131(0);
    AKeySetting dialog;
    QCOMPARE(dialog.title(), QStringLiteral("自定义键设置"));
    QCOMPARE(dialog.size(), QSize(560, 400));
    QCOMPARE(dialog.longGroup()->checkedButton()->text(), QStringLiteral("语音翻译"));
    QCOMPARE(dialog.shortGroup()->checkedButton()->text(), QStringLiteral("一键打开网页"));
    QCOMPARE(dialog.urlField()->text(), QStringLiteral("example.org"));

    buttonNamed(dialog.longGroup(), "AI大模型")->click();
    QCOMPARE(get("aal"), QStringLiteral("aiGpt"));
    QCOMPARE(m_mouse->isShort131, 0);
    buttonNamed(dialog.shortGroup(), "长语音(单击开启)")->click();
    QCOMPARE(get("aas"), QStringLiteral("voiceInput"));
    QCOMPARE(m_mouse->isShort131, 1);
    QTest::keyClicks(dialog.urlField(), ".cn");
    QCOMPARE(get("akeyurl"), QStringLiteral("example.org.cn"));

    // A third-button action this dialog does not offer: nothing checked.
    set("aas", "pageUp");
    dialog.hide();
    dialog.show();
    QCOMPARE(dialog.shortGroup()->checkedButton(), nullptr);
    QCOMPARE(get("aas"), QStringLiteral("pageUp"));
}

void KeyDialogsTest::wheelDialogFollowsTheMouse()
{
    QVERIFY(MouseReports::send(0x02, QByteArray(1, '\0')));
    QTRY_COMPARE(m_mouse->wheelSwitch, 0);
    WheelSetting dialog;
    QCOMPARE(dialog.size(), QSize(400, 200));
    QVERIFY(dialog.noPopUpChoice()->isChecked());

    QVERIFY(MouseReports::send(0x02, QByteArray(1, '\1')));
    QTRY_VERIFY(dialog.popUpChoice()->isChecked());

    dialog.noPopUpChoice()->click();
    QCOMPARE(get("wbl"), QStringLiteral("0"));
    QVERIFY(MouseReports::receiverGot(CommandFrames::receiverWheel(0)));
    QTRY_COMPARE(m_mouse->wheelSwitch, 0);
    dialog.popUpChoice()->click();
    QCOMPARE(get("wbl"), QStringLiteral("1"));
    QTRY_COMPARE(m_mouse->wheelSwitch, 1);
    QVERIFY(dialog.popUpChoice()->isChecked());
}

void KeyDialogsTest::shortcutSpelling_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::newRow("ctrl shift letter") << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                       << "Ctrl+Shift+A";
    QTest::newRow("alt function key") << int(Qt::Key_F4) << int(Qt::AltModifier) << "Alt+F4";
    QTest::newRow("plain key") << int(Qt::Key_F13) << 0 << "F13";
    QTest::newRow("shift tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "Shift+Tab";
    QTest::newRow("key pad digit") << int(Qt::Key_5) << int(Qt::ControlModifier | Qt::KeypadModifier)
                                   << "Ctrl+5";
    QTest::newRow("ctrl backspace") << int(Qt::Key_Backspace) << int(Qt::ControlModifier)
                                    << "Ctrl+Backspace";
    QTest::newRow("lone modifier") << int(Qt::Key_Control) << int(Qt::ControlModifier) << "F1";
    QTest::newRow("escape is the dialog's") << int(Qt::Key_Escape) << 0 << "F1";
    QTest::newRow("ctrl escape") << int(Qt::Key_Escape) << int(Qt::ControlModifier) << "Ctrl+Esc";
    QTest::newRow("backspace clears") << int(Qt::Key_Backspace) << 0 << "";
    QTest::newRow("delete clears") << int(Qt::Key_Delete) << 0 << "";
}

void KeyDialogsTest::shortcutSpelling()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    ShortcutLineEdit field;
    field.setText("F1");  // set by the dialog, not recorded
    QSignalSpy changed(&field, &ShortcutLineEdit::shortcutChanged);
    QTest::keyClick(&field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(field.text(), text);
    QCOMPARE(changed.count(), text == "F1" ? 0 : 1);
    if (changed.count())
        QCOMPARE(changed.first().first().toString(), text);
}

void KeyDialogsTest::textsFollowTheLanguage()
{
    set("vkl", "voiceInput");
    VoiceTraAssSetting voice("vks", "vkl", "vksIndex", "vklIndex");
    voice.custShow();
    AKeySetting aKey;
    WheelSetting wheel;
    Setting page;
    MarkingTranslator marking;
    QApplication::installTranslator(&marking);
    QApplication::processEvents();
    // Taken out again at once: the texts only change back with the next events.
    QApplication::removeTranslator(&marking);

    QCOMPARE(voice.title(), QStringLiteral("T:语音键设置"));
    QCOMPARE(voice.longPressList()->currentText(), QStringLiteral("T:语音输入"));
    QCOMPARE(voice.shortcutField()->placeholderText(), QStringLiteral("T:按下快捷键"));
    QCOMPARE(aKey.title(), QStringLiteral("T:自定义键设置"));
    QVERIFY(buttonNamed(aKey.shortGroup(), "T:一键打开网页"));
    QCOMPARE(wheel.title(), QStringLiteral("T:滚轮键设置"));
    QCOMPARE(wheel.popUpChoice()->text(), QStringLiteral("T:弹出网址"));
    QVERIFY2(page.keyRow(Setting::VoiceRow)->actionText().contains("T:语音输入"),
             qPrintable(page.keyRow(Setting::VoiceRow)->actionText()));
}

QTEST_MAIN(KeyDialogsTest)
#include "test_key_dialogs.moc"
