// Voice translation end to end, nothing inside the product mocked: the key
// service hands out the credentials, the simulated receiver's translate
// button arrives at its hot key, the recording is recognised by the dictation
// stand-in and translated by the translation stand-in with the fetched key,
// the translation is typed into another application's field and the result
// window shows both texts. Picking another language in the window translates
// again without typing anything.

#include "business/funcontrolcenter.h"
#include "core/config/endpoints.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/setting/language_tables.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "curl/curlwrapper.h"
#include "debug.h"
#include "fakes/dictation_server.h"
#include "fakes/key_server.h"
#include "fakes/translator_servers.h"
#include "sim/hidsim.h"
#include "support/files.h"
#include "support/held_key.h"
#include "support/simulated_mouse.h"
#include "widget/iconfont/iconfont.h"
#include "widget/language/languagelistwidget.h"
#include "widget/tradialogue.h"

#include <QComboBox>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <curl/curl.h>

// Last: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>

namespace {

constexpr int kTranslateButtonKeycode = 196;  // F18, as the receiver sends it

}  // namespace

class VoiceTranslationE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void heldTranslateButtonTypesTheTranslation();

private:

    KeyServer m_keys{BuiltInCredentials::keyPayloadXor()};
    DictationServer m_dictation;
    MicrosoftTranslatorServer m_translator;
    Display *m_display = nullptr;
    Debug *m_page = nullptr;
    QTemporaryDir m_dir;
};

void VoiceTranslationE2E::initTestCase()
{
    m_display = XOpenDisplay(nullptr);
    QVERIFY2(m_display, "needs an X display (run it through tests/support/own_display.sh)");
    QVERIFY(IconFont::instance().initFontAwesome());
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    DictationServer::trustTestCa();

    // Keys no built-in credential has: a request signed with them came from the key service.
    QVERIFY(m_keys.listen() && m_dictation.listen() && m_translator.listen());
    m_keys.setCredentials({{"iat_appid", "e2eapp"},
                           {"iat_appkey", "e2ekey"},
                           {"iat_appsecret", "e2esecret"},
                           {"azure_translate_key", "e2etranslate"}});
    m_dictation.setCredentials("e2eapp", "e2ekey", "e2esecret");
    m_translator.setKey("e2etranslate", BuiltInCredentials::translatorMicrosoftRegion());
    qputenv("TALKVANE_URL_MANAGEMENT", m_keys.url().toUtf8());
    qputenv("TALKVANE_URL_DICTATION", m_dictation.url().toUtf8());
    qputenv("TALKVANE_URL_TRANSLATOR_MICROSOFT", m_translator.url().toUtf8());

    IniFileInf::saveAllConfig({{"tkl", "translationKey"},
                               {"listenlangstr", "zh_cn"},
                               {"country", "us"},
                               {"ptt", "1"},
                               {"translatelangstr", "en"}});

    // What the main window does at start-up: the control center fetches the
    // keys, the diagnostics page wires the buttons, then the mouse connects.
    auto center = FunControlCenter::getInstance();
    QSignalSpy keysFetched(center.get(), &FunControlCenter::keyManageFinished);
    QVERIFY(keysFetched.wait(5000));
    QCOMPARE(keysFetched.first().first().toBool(), true);
    center->setSecDynamicTyping(false);
    m_page = new Debug;

    QVERIFY(connectSimulatedMouse());
}

void VoiceTranslationE2E::cleanupTestCase()
{
    delete m_page;
    if (m_display)
        XCloseDisplay(m_display);
    curl_global_cleanup();
}


void VoiceTranslationE2E::heldTranslateButtonTypesTheTranslation()
{
    m_dictation.setReplies(m_dictation.sessionCount(),
                           {{3, DictationServer::apd(0, 1, "今天")},
                            {6, DictationServer::rpl(2, "今天天气很好", 1, 1)},
                            {-1, DictationServer::apd(2, 3, "。", true)}});
    const QString fieldFile = m_dir.filePath(QStringLiteral("field.txt"));
    QProcess field;
    field.start(QStringLiteral(TEXT_FIELD_CLIENT), {fieldFile});
    QVERIFY(field.waitForReadyRead(10000));
    QCOMPARE(field.readAllStandardOutput().trimmed(), QByteArray("ready"));

    TestKeys::holdKeycode(m_display, kTranslateButtonKeycode, 1500);
    QTRY_VERIFY_WITH_TIMEOUT(!hidsim_is_recording(), 5000);
    const QString spoken = QStringLiteral("今天天气很好。");
    const QString english = QStringLiteral("[en] ") + spoken;
    QTRY_COMPARE_WITH_TIMEOUT(TestFiles::readText(fieldFile), english, 10000);

    auto window = TraDialogue::instance();
    QVERIFY(window->isVisible());
    QCOMPARE(window->sourceText(), spoken);
    QVERIFY(window->targetShown());
    QCOMPARE(window->targetText(), english);
    QCOMPARE(m_translator.requestCount(), 1);
    QCOMPARE(m_translator.lastRefusal(), QString());

    // Another language in the window: translated again, shown, not typed.
    const QStringList codes = LanguageTables::column(
        LanguageListWidget::loadCsvData(LanguageListWidget::VT), LanguageTables::kCodeColumn);
    const int german = codes.indexOf(QStringLiteral("de"), 1);
    QVERIFY(german > 0);
    auto *selector = window->findChild<QComboBox *>();
    QVERIFY(selector && selector->isVisible());
    selector->setCurrentIndex(german - 1);  // the header row is not in the selector
    QTRY_COMPARE(window->targetText(), QStringLiteral("[de] ") + spoken);
    QCOMPARE(m_translator.requestCount(), 2);
    QCOMPARE(window->sourceText(), spoken);
    QTest::qWait(500);  // a paste would have been typed by now
    QCOMPARE(TestFiles::readText(fieldFile), english);
    QCOMPARE(IniFileInf::get_keydefine(QStringLiteral("translatelangstr")), QStringLiteral("en"));

    field.kill();
    field.waitForFinished();
}

QTEST_MAIN(VoiceTranslationE2E)
#include "test_voice_translation_e2e.moc"
