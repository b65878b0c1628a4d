// Voice translation in the control center: the final recognised text goes to
// the translator the country picks (stand-ins over TLS), the translation is
// pasted and shown; the result window's language list re-translates without
// typing; a failed translation is shown as its message.

#include "business/funcontrolcenter.h"
#include "core/config/endpoints.h"
#include "core/setting/inifileinf.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "core/translator/microsofttranslator.h"
#include "core/translator/xunfeitranslator.h"
#include "curl/curlwrapper.h"
#include "fakes/dictation_server.h"
#include "fakes/translator_servers.h"
#include "platform/keys.h"
#include "sim/hidsim.h"
#include "support/recording/recording_backends.h"
#include "widget/iconfont/iconfont.h"
#include "widget/tradialogue.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

#include <curl/curl.h>

class VoiceTranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { curl_global_cleanup(); }
    void anotherLanguageInTheWindowOnlyShows();
    void aFailedTranslationIsShown();
    // Last: its scene's late signals reach no other case.
    void translationIsPastedAndShown_data();
    void translationIsPastedAndShown();

private:
    bool pasted(size_t from) const
    {
        for (size_t i = from; i < m_keys->events().size(); ++i) {
            if (m_keys->events()[i].virtualKey == platform::vk::KeyV && m_keys->events()[i].down)
                return true;
        }
        return false;
    }

    DictationServer m_dictation;
    MicrosoftTranslatorServer m_microsoft;
    IflytekTranslatorServer m_iflytek;
    std::shared_ptr<FunControlCenter> m_center;
    std::shared_ptr<platform::recording::RecordingKeyInjector> m_keys;
};

void VoiceTranslationTest::initTestCase()
{
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    DictationServer::trustTestCa();
    platform::recording::install();
    m_keys = platform::recording::installedKeyInjector();
    QVERIFY(IconFont::instance().initFontAwesome());
    hidsim_reset();
    QVERIFY(m_dictation.listen() && m_microsoft.listen() && m_iflytek.listen());
    m_dictation.setCredentials("app", "key", "secret");
    m_microsoft.setKey("mskey", BuiltInCredentials::translatorMicrosoftRegion());
    m_iflytek.setCredentials("otsapp", "otskey", "otssecret");
    qputenv("TALKVANE_URL_DICTATION", m_dictation.url().toUtf8());
    qputenv("TALKVANE_URL_TRANSLATOR_MICROSOFT", m_microsoft.url().toUtf8());
    qputenv("TALKVANE_URL_TRANSLATOR_IFLYTEK", m_iflytek.url().toUtf8());
    // Every setting a case relies on, so that no case depends on an earlier run.
    IniFileInf::saveAllConfig({{"listenlangstr", "zh_cn"}, {"ptt", "1"}, {"country", "us"},
                               {"translatelangstr", "en"}});
    m_center = FunControlCenter::getInstance();
    m_center->setSecDynamicTyping(false);
    m_center->dictation()->setAppId("app");
    m_center->dictation()->setApiKey("key");
    m_center->dictation()->setApiSecret("secret");
    m_center->xunfeiTranslator()->setKeys("otsapp", "otskey", "otssecret");
    m_center->microsoftTranslator()->setKeys({}, "mskey", {});
}

void VoiceTranslationTest::translationIsPastedAndShown_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("fullScene");  // with a silent start and the scene's end, once
    QTest::newRow("cn: iFlytek") << "cn" << "en" << true;
    QTest::newRow("elsewhere: Microsoft") << "us" << "de" << false;
}

void VoiceTranslationTest::translationIsPastedAndShown()
{
    QFETCH(QString, country);
    QFETCH(QString, target);
    QFETCH(bool, fullScene);
    IniFileInf::set_keydefine("country", country);
    IniFileInf::set_keydefine("translatelangstr", target);
    QSignalSpy shown(m_center.get(), &FunControlCenter::speechWindowTraText);
    QSignalSpy finished(m_center.get(), &FunControlCenter::finishTask);
    const int iflytek = m_iflytek.requestCount();
    const int microsoft = m_microsoft.requestCount();

    m_center->startVoiceTra();
    QCOMPARE(m_center->sence(), SENCE_VOICE_TRA);
    QTRY_VERIFY(m_center->dictation()->isActive());
    if (fullScene) {
        // Released before anything was said: nothing to translate, the scene ends.
        m_center->dictation()->cancelAsr();
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(m_iflytek.requestCount() + m_microsoft.requestCount(), iflytek + microsoft);
    }

    const size_t keys = m_keys->events().size();
    m_center->processingRecognitionResults(true, "今天很好", PXASRResultType::Finish);
    QTRY_COMPARE(shown.size(), 1);
    const QString translation = "[" + target + "] 今天很好";
    QCOMPARE(shown.first().first().toString(), translation);
    QCOMPARE(m_iflytek.requestCount() - iflytek, country == "cn" ? 1 : 0);
    QCOMPARE(m_microsoft.requestCount() - microsoft, country == "cn" ? 0 : 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), translation);
    QTRY_VERIFY(pasted(keys));
    if (fullScene)
        QTRY_COMPARE(finished.size(), 2);
    else
        m_center->dictation()->cancelAsr();
    QCOMPARE(m_center->sence(), SENCE_VOICE_TRA);
}

void VoiceTranslationTest::anotherLanguageInTheWindowOnlyShows()
{
    IniFileInf::set_keydefine("country", "us");
    QSignalSpy shown(m_center.get(), &FunControlCenter::speechWindowTraText);
    QSignalSpy finished(m_center.get(), &FunControlCenter::finishTask);
    QGuiApplication::clipboard()->setText("untouched");
    const size_t keys = m_keys->events().size();
    emit TraDialogue::instance()->onComboBoxLangChanged("good morning", "ja");
    QTRY_COMPARE(shown.size(), 1);
    QCOMPARE(shown.first().first().toString(), QStringLiteral("[ja] good morning"));
    QTest::qWait(600);  // a paste would have been sent by now
    QVERIFY(!pasted(keys));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    QCOMPARE(finished.size(), 0);
}

void VoiceTranslationTest::aFailedTranslationIsShown()
{
    IniFileInf::set_keydefine("country", "us");
    m_microsoft.setAnswer(TranslatorServer::Answer::Status500);
    QSignalSpy text(m_center.get(), &FunControlCenter::speechWindowText);
    QSignalSpy shown(m_center.get(), &FunControlCenter::speechWindowTraText);
    m_center->translateText("你好");
    QTRY_COMPARE(text.size(), 1);
    QCOMPARE(text.first().first().toString(), QStringLiteral("翻译服务暂时不可用，请稍后再试"));
    QCOMPARE(shown.size(), 0);
    m_microsoft.setAnswer(TranslatorServer::Answer::Translate);
}

QTEST_MAIN(VoiceTranslationTest)
#include "test_voice_translation.moc"
