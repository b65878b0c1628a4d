// The language tables as shipped, the pop-up list and its button, the result
// window's target languages, and the AI and translation settings pages.

#include "aisetting.h"
#include "business/funcontrolcenter.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/setting/language_defaults.h"
#include "core/setting/language_tables.h"
#include "support/files.h"
#include "support/recording/recording_backends.h"
#include "trasetting.h"
#include "widget/iconfont/iconfont.h"
#include "widget/kit/switchbutton.h"
#include "widget/language/languagelistwidget.h"
#include "widget/language/searchbutton.h"
#include "widget/tradialogue.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using LanguageTables::ListType;

namespace {

QString setting(const char *key)
{
    return IniFileInf::get_keydefine(QLatin1String(key));
}

void set(const char *key, const char *value)
{
    IniFileInf::set_keydefine(QLatin1String(key), QString::fromUtf8(value));
}

QListWidgetItem *itemWithText(QListWidget *list, const QString &text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

int itemsWithCode(QListWidget *list, const QString &code)
{
    int n = 0;
    for (int i = 0; i < list->count(); ++i)
        n += list->item(i)->data(Qt::DecorationRole).toString() == code;
    return n;
}

// Clicks an item the way the user does.
void click(QListWidget *list, QListWidgetItem *item)
{
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

}  // namespace

class LanguageTablesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void shippedTables_data();
    void shippedTables();
    void quirksThatStoredCodesRelyOn();
    void firstRunDefaultsAreOffered_data();
    void firstRunDefaultsAreOffered();
    void displayColumnFollowsInterfaceLanguage_data();
    void displayColumnFollowsInterfaceLanguage();
    void brokenTablesGiveEmptyValues();

    void dialectsOnlyInChineseAndPickingOneStoresItsName();
    void microsoftRecogniserOffersItsLocalesAndStoresTheChoice();
    void searchIgnoresCase();
    void unknownStoredCodeIsShownNotReplaced();
    void resultWindowListsTargetLanguagesOfTheScene();

    void pagesWriteOnlyWhatTheUserChanges();
    void wholeSentenceModeReachesTheControlCenter();
    void translationSwitchesWriteTheirKeys();
};

void LanguageTablesTest::initTestCase()
{
    platform::recording::install();
    QVERIFY(IconFont::instance().initFontAwesome());
}

void LanguageTablesTest::init()
{
    QFile::remove(IniFileInf::optionFilePath());
    MouseDevice::instance()->recognizer = QStringLiteral("default");
}

void LanguageTablesTest::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<LanguageListWidget *>(w))
            w->close();
    }
}

void LanguageTablesTest::shippedTables_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("firstCode");
    QTest::addColumn<QString>("lastCode");

    QTest::newRow("iFlytek international") << "voice_identify.csv" << 17 << "id_ID" << "TTT";
    QTest::newRow("iFlytek mainland") << "voice_identify_cn_all.csv" << 40 << "zh_cn" << "ru-ru";
    QTest::newRow("fallback") << "voice_identify_cn.csv" << 32 << "zh_cn" << "16k_zh_dialect";
    QTest::newRow("Microsoft speech") << "voice_identify_msWin10.csv" << 75 << "en-US" << "zh-TW";
    const char *translator[] = {"voice_translate.csv", "ocr_translate.csv", "words_identify.csv",
                                "words_translate.csv"};
    for (const char *file : translator)
        QTest::newRow(file) << file << 134 << "zh-Hans" << "bho";
    const char *iflytek[] = {"voice_translate_cn.csv", "ocr_identify_cn.csv",
                             "ocr_translate_cn.csv", "words_identify_cn.csv",
                             "words_translate_cn.csv"};
    for (const char *file : iflytek)
        QTest::newRow(file) << file << 140 << "cn" << "zu";
    QTest::newRow("cloud OCR") << "ocr_identify.csv" << 164 << "en" << "zu";
}

void LanguageTablesTest::shippedTables()
{
    QFETCH(QString, file);
    QFETCH(int, rows);
    QFETCH(QString, firstCode);
    QFETCH(QString, lastCode);

    const auto table = LanguageTables::loadCsvData(QStringLiteral(":/data/lang/") + file);
    QCOMPARE(table.size() - 1, rows);
    QCOMPARE(table.at(1).value(1), firstCode);
    QCOMPARE(table.last().value(1), lastCode);
    // The byte-order mark is not part of the first header cell.
    QVERIFY(table.first().first().startsWith(QStringLiteral("语音翻译 - ")));
    QCOMPARE(table.first().value(1), QStringLiteral("代号"));
    for (int i = 1; i < table.size(); ++i) {
        QVERIFY2(table.at(i).size() >= 15, qPrintable(table.at(i).join(',')));
        QVERIFY2(!table.at(i).value(2).isEmpty(), qPrintable(table.at(i).join(',')));
    }
}

void LanguageTablesTest::quirksThatStoredCodesRelyOn()
{
    const auto load = [](const char *file) {
        return LanguageTables::loadCsvData(QStringLiteral(":/data/lang/") + QLatin1String(file));
    };
    const auto speech = load("voice_identify_msWin10.csv");
    QCOMPARE(speech.at(8).value(1), QStringLiteral("am-ET "));
    QCOMPARE(speech.last().size(), 16);  // zh-TW's Thai name holds a comma
    QCOMPARE(speech.at(1).mid(2, 2), (QStringList{"英语（美国）", "English (US)"}));

    const auto ocr = load("ocr_identify.csv");
    QCOMPARE(ocr.first().mid(6, 5), (QStringList{"識別語種", "言語を識別する", "Nhận dạng ngôn ngữ",
                                                 "การระบุภาษา", "Identificar idioma"}));
    QStringList longer;
    for (const auto &row : ocr) {
        if (row.size() != 15)
            longer << row.value(1);
    }
    QCOMPARE(longer, (QStringList{"ceb", "tet"}));

    const auto translator = load("voice_translate.csv");
    QCOMPARE(LanguageTables::column(translator, 1).count(QStringLiteral("ko")), 2);
    QCOMPARE(translator.at(2).mid(1, 3),
             (QStringList{"zh-Hant", "中文(繁体)", "Chinese (Traditional)"}));

    const auto all = load("voice_identify_cn_all.csv");
    const auto fallback = load("voice_identify_cn.csv");
    QCOMPARE(LanguageTables::column(all, 1).count(QStringLiteral("16k_zh_dialect")), 18);
    QCOMPARE(fallback.at(5).value(1), QStringLiteral("cn_cantonese"));
    QCOMPARE(all.at(5).value(1), QStringLiteral("zh_cn_cn_cantonese"));
    for (int i = 1; i <= 32; ++i) {
        if (i != 5)
            QCOMPARE(fallback.at(i), all.at(i));
    }
    const int xian = LanguageTables::column(all, 2).indexOf(QStringLiteral("西安话"));
    QVERIFY(xian > 0);
    QCOMPARE(all.at(xian).value(0), QString());  // no row number, no other names
    QCOMPARE(all.at(xian).mid(3).join(QString()), QString());
}

void LanguageTablesTest::firstRunDefaultsAreOffered_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("code");

    const std::pair<const char *, ListType> keys[] = {
        {"listenlangstr", LanguageTables::SpeechRecognition},
        {"translatelangstr", LanguageTables::VoiceTranslation},
        {"ocrsourcelangstr", LanguageTables::ScreenshotRecognition},
        {"ocrtargetlangstr", LanguageTables::ScreenshotTranslation},
        {"screenlangstr", LanguageTables::SelectedTextRecognition},
        {"screentranlangstr", LanguageTables::SelectedTextTranslation},
    };
    const auto &defaults = languageDefaults();
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        for (const auto &key : keys) {
            const QString code = it->value(QLatin1String(key.first));
            QTest::addRow("%s %s %s", qPrintable(it.key()), key.first, qPrintable(code))
                << int(key.second) << it->value(QStringLiteral("country")) << code;
        }
    }
}

void LanguageTablesTest::firstRunDefaultsAreOffered()
{
    QFETCH(int, type);
    QFETCH(QString, country);
    QFETCH(QString, code);

    const auto rows = LanguageTables::load(type, country, QStringLiteral("default"));
    QVERIFY(!rows.isEmpty());
    if (code == QLatin1String("en") && type == LanguageTables::SpeechRecognition)
        QEXPECT_FAIL("", "the English default is 'en'; the table's code is 'en_us'", Continue);
    if (code == QLatin1String("ru_ru"))
        QEXPECT_FAIL("", "the Russian default is 'ru_ru'; the table's code is 'ru-ru'", Continue);
    QVERIFY2(LanguageTables::findCode(rows, code) > 0, qPrintable(code));
}

void LanguageTablesTest::displayColumnFollowsInterfaceLanguage_data()
{
    QTest::addColumn<QString>("sysLang");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("english");  // how the table names English there

    QTest::newRow("zh_CN") << "zh_CN" << 2 << "英语";
    QTest::newRow("en_US") << "en_US" << 3 << "English";
    QTest::newRow("id_ID") << "id_ID" << 4 << "Inggris";
    QTest::newRow("ko_KR") << "ko_KR" << 5 << "영어";
    QTest::newRow("zh_HK") << "zh_HK" << 6 << "英文";
    QTest::newRow("ja_JP") << "ja_JP" << 7 << "英語";
    QTest::newRow("vi_VN") << "vi_VN" << 8 << "Tiếng Anh";
    QTest::newRow("es_ES") << "es_ES" << 10 << "inglés";
    QTest::newRow("ru_RU") << "ru_RU" << 14 << "английский";
    QTest::newRow("Thai has no column of its own") << "th_TH" << 2 << "英语";
    QTest::newRow("unknown") << "fr_FR" << 2 << "英语";
    QTest::newRow("empty") << "" << 2 << "英语";
}

void LanguageTablesTest::displayColumnFollowsInterfaceLanguage()
{
    QFETCH(QString, sysLang);
    QFETCH(int, column);
    QFETCH(QString, english);

    QCOMPARE(LanguageTables::displayColumn(sysLang), column);
    IniFileInf::set_keydefine(QStringLiteral("sysLang"), sysLang);
    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("en"));
    LanguageListWidget list(LanguageListWidget::VT);
    QListWidgetItem *item = itemWithText(list.listWidget(), english);
    QVERIFY(item);
    QCOMPARE(item->data(Qt::DecorationRole).toString(), QStringLiteral("en"));
}

void LanguageTablesTest::brokenTablesGiveEmptyValues()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.csv"));
    QVERIFY(TestFiles::writeRaw(path, "\xEF\xBB\xBFhead,code,name\r\n1,xx\n\n2,yy,Why\n"));
    const auto rows = LanguageTables::loadCsvData(path);
    QCOMPARE(rows.size(), 4);
    QCOMPARE(LanguageTables::column(rows, 2), (QStringList{"name", "", "Why"}));
    QCOMPARE(LanguageTables::column(rows, 14), (QStringList{"", "", ""}));
    QCOMPARE(LanguageTables::findCode(rows, QStringLiteral("yy")), 3);

    const auto none = LanguageTables::loadCsvData(dir.filePath(QStringLiteral("missing.csv")));
    QVERIFY(none.isEmpty());
    QVERIFY(LanguageTables::column(none, 1).isEmpty());
    QCOMPARE(LanguageTables::findCode(none, QStringLiteral("en")), -1);
    QCOMPARE(LanguageTables::fileName(9, QStringLiteral("cn"), QStringLiteral("microsoft")),
             QStringLiteral("voice_identify_cn.csv"));
}

void LanguageTablesTest::dialectsOnlyInChineseAndPickingOneStoresItsName()
{
    set("country", "cn");
    set("sysLang", "en_US");
    {
        LanguageListWidget english(LanguageListWidget::VI);
        QCOMPARE(english.listWidget()->count(), 22);
        QCOMPARE(itemsWithCode(english.listWidget(), QStringLiteral("16k_zh_dialect")), 0);
    }

    set("sysLang", "zh_CN");
    SearchButton button(LanguageListWidget::VI, QStringLiteral("listenlangstr"));
    button.click();
    QPointer<LanguageListWidget> popup = button.popup();
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(popup->listWidget()->count(), 40);
    QListWidgetItem *xian = itemWithText(popup->listWidget(), QStringLiteral("西安话"));
    QVERIFY(xian);
    click(popup->listWidget(), xian);

    QCOMPARE(setting("listenlangstr"), QStringLiteral("16k_zh_dialect"));
    QCOMPARE(setting("dialect"), QStringLiteral("西安话"));
    QCOMPARE(setting("sourcelangstr"), QStringLiteral("16k_zh_dialect"));
    QCOMPARE(setting("mscognition"), QString());
    QCOMPARE(button.text(), QStringLiteral("西安话"));
    QTRY_VERIFY(!popup);

    // A fresh button names the stored dialect, not the first one sharing its code.
    SearchButton again(LanguageListWidget::VI, QStringLiteral("listenlangstr"));
    QCOMPARE(again.text(), QStringLiteral("西安话"));
}

void LanguageTablesTest::microsoftRecogniserOffersItsLocalesAndStoresTheChoice()
{
    set("country", "cn");
    set("sysLang", "en_US");
    MouseDevice::instance()->recognizer = QStringLiteral("microsoft");
    SearchButton button(LanguageListWidget::VT, QStringLiteral("translatelangstr"));
    {
        LanguageListWidget speech(LanguageListWidget::VI);
        QCOMPARE(speech.listWidget()->count(), 75);
        QCOMPARE(speech.listWidget()->item(0)->data(Qt::DecorationRole).toString(),
                 QStringLiteral("en-US"));
    }
    button.click();
    QVERIFY(button.popup());
    QListWidgetItem *french = itemWithText(button.popup()->listWidget(), QStringLiteral("French"));
    QVERIFY(french);
    click(button.popup()->listWidget(), french);
    QCOMPARE(setting("translatelangstr"), QStringLiteral("fr"));
    QCOMPARE(setting("mscognition"), QStringLiteral("fr"));
    QCOMPARE(setting("sourcelangstr"), QString());
}

void LanguageTablesTest::searchIgnoresCase()
{
    set("country", "en");
    set("sysLang", "en_US");
    LanguageListWidget list(LanguageListWidget::VT);
    QListWidget *items = list.listWidget();
    for (const char *typed : {"eng", "ENG"}) {
        list.searchInput()->setText(QLatin1String(typed));
        QVERIFY(!itemWithText(items, QStringLiteral("English"))->isHidden());
        QVERIFY(itemWithText(items, QStringLiteral("French"))->isHidden());
    }
    list.searchInput()->clear();
    QVERIFY(!itemWithText(items, QStringLiteral("French"))->isHidden());
}

void LanguageTablesTest::unknownStoredCodeIsShownNotReplaced()
{
    set("country", "en");
    set("ocrsourcelangstr", "xx-unknown");
    SearchButton button(LanguageListWidget::OI, QStringLiteral("ocrsourcelangstr"));
    QCOMPARE(button.text(), QStringLiteral("xx-unknown"));
    QCOMPARE(setting("ocrsourcelangstr"), QStringLiteral("xx-unknown"));

    set("sysLang", "ko_KR");
    set("ocrsourcelangstr", "de");
    button.refresh();
    QCOMPARE(button.text(), QStringLiteral("독일어"));
}

void LanguageTablesTest::resultWindowListsTargetLanguagesOfTheScene()
{
    set("country", "cn");
    set("sysLang", "en_US");
    set("translatelangstr", "ja");
    set("screentranlangstr", "not-a-code");
    auto card = TraDialogue::instance();
    auto *select = card->findChild<QComboBox *>();
    QVERIFY(select);

    card->setShowText(QStringLiteral("你好"));
    QCOMPARE(select->count(), 140);
    QCOMPARE(select->itemText(0), QStringLiteral("Chinese (Simplified)"));
    QCOMPARE(select->currentText(), QStringLiteral("Japanese"));

    QSignalSpy picked(card.get(), &TraDialogue::onComboBoxLangChanged);
    select->setCurrentIndex(2);
    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked.first().at(1).toString(), QStringLiteral("en"));
    QCOMPARE(setting("translatelangstr"), QStringLiteral("ja"));  // the window never stores

    card->setShowWordText(QStringLiteral("word"));
    QCOMPARE(select->currentIndex(), -1);
    QCOMPARE(setting("screentranlangstr"), QStringLiteral("not-a-code"));
    card->hide();
}

void LanguageTablesTest::pagesWriteOnlyWhatTheUserChanges()
{
    IniFileInf::saveAllConfig({{"country", "en"}, {"searchnetstr", "example.org/?q="},
                               {"input_model", "typing-fast"}, {"listenlangstr", "ru_ru"},
                               {"screenword", "1"}});
    const QByteArray before = TestFiles::readAll(IniFileInf::optionFilePath());
    AiSetting ai;
    TraSetting tra;
    QCOMPARE(TestFiles::readAll(IniFileInf::optionFilePath()), before);
    QCOMPARE(ai.searchEngineBox()->currentIndex(), -1);
    QCOMPARE(ai.inputModeBox()->currentData().toString(), QStringLiteral("whole"));
    QVERIFY(tra.screenwordOn() && tra.screenwordSwitch()->isChecked());
    QCOMPARE(tra.languageButtons().size(), 6);

    ai.searchEngineBox()->setCurrentIndex(2);
    QCOMPARE(setting("searchnetstr"), QStringLiteral("www.bing.com/search?q="));
    ai.searchEngineBox()->setCurrentIndex(0);
    QCOMPARE(setting("searchnetstr"), QStringLiteral("www.baidu.com/s?ie=UTF-8&wd="));
}

void LanguageTablesTest::wholeSentenceModeReachesTheControlCenter()
{
    set("input_model", "dynamics");
    auto center = FunControlCenter::getInstance();
    center->setSecDynamicTyping(false);
    AiSetting page;
    QVERIFY(center->dynamicTyping());
    QCOMPARE(page.inputModeBox()->currentData().toString(), QStringLiteral("dynamics"));

    page.inputModeBox()->setCurrentIndex(page.inputModeBox()->findText(QStringLiteral("整句输入")));
    QVERIFY(!center->dynamicTyping());
    QCOMPARE(setting("input_model"), QStringLiteral("whole"));

    page.punctuationSwitch()->click();
    QCOMPARE(setting("ptt"), QStringLiteral("1"));
    page.punctuationSwitch()->click();
    QCOMPARE(setting("ptt"), QStringLiteral("0"));
}

void LanguageTablesTest::translationSwitchesWriteTheirKeys()
{
    TraSetting page;
    QVERIFY(!page.screenwordOn());
    QSignalSpy changed(&page, &TraSetting::screenwordChanged);
    page.screenwordSwitch()->click();
    QCOMPARE(setting("screenword"), QStringLiteral("1"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toBool(), true);
    page.ocrKeySwitch()->click();
    QCOMPARE(setting("sysocrkey"), QStringLiteral("1"));
    page.screenwordSwitch()->click();
    QCOMPARE(setting("screenword"), QStringLiteral("0"));
    QCOMPARE(changed.last().first().toBool(), false);
}

QTEST_MAIN(LanguageTablesTest)
#include "test_language_tables.moc"
