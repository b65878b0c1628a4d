// The control center fetches its service credentials from the key service
// stand-in and re-keys its clients; the dictation stand-in then sees the new
// app id and signature. Every broken answer leaves the old keys in place.

#include "business/funcontrolcenter.h"
#include "core/config/endpoints.h"
#include "core/ocr/microsoftocr.h"
#include "core/ocr/xunfeiocr.h"
#include "core/setting/inifileinf.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "core/translator/microsofttranslator.h"
#include "core/translator/xunfeitranslator.h"
#include "curl/curlwrapper.h"
#include "fakes/dictation_server.h"
#include "fakes/key_server.h"
#include "sim/hidsim.h"
#include "support/recording/recording_backends.h"
#include "widget/iconfont/iconfont.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <curl/curl.h>

namespace {

QJsonObject credentials(const QString &n, bool withMicrosoft)
{
    QJsonObject o{{"iat_appid", "app" + n},      {"iat_appkey", "key" + n},
                  {"iat_appsecret", "secret" + n}, {"int_iat_appid", "intapp" + n},
                  {"ots_appid", "ots" + n},      {"ots_appkey", "otskey" + n},
                  {"azure_translate_key", "tr" + n}, {"tencent_asr_secretid", "tid" + n},
                  {"ocr_appid", "ocrapp" + n},   {"ocr_appkey", "ocrkey" + n},
                  {"ocr_appsecret", "ocrsecret" + n}};
    if (withMicrosoft) {
        o.insert("azure_ocr_key", "ocr" + n);
        o.insert("microsoft_region", "region" + n);
        o.insert("microsoft_key", "mskey" + n);
    }
    return o;
}

}  // namespace

class KeyManageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { curl_global_cleanup(); }
    void fetchedKeysReachTheClients();
    void aBrokenAnswerChangesNothing_data();
    void aBrokenAnswerChangesNothing();
    void aSilentKeyServiceHoldsNothingUp();
    void aLaterPayloadReplacesWhatItCarries();

private:
    // Runs a short dictation; the app id the stand-in accepted, or the reason it refused.
    QString dictate();
    bool refresh(bool expectApplied);

    KeyServer m_keys{BuiltInCredentials::keyPayloadXor()};
    DictationServer m_dictation;
    std::shared_ptr<FunControlCenter> m_center;
};

void KeyManageTest::initTestCase()
{
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    DictationServer::trustTestCa();
    platform::recording::install();
    QVERIFY(IconFont::instance().initFontAwesome());
    hidsim_reset();
    IniFileInf::saveAllConfig({{"listenlangstr", "zh_cn"}, {"country", "cn"}});

    QVERIFY(m_keys.listen());
    QVERIFY(m_dictation.listen());
    m_keys.setCredentials(credentials("1", true));
    m_dictation.setCredentials("app1", "key1", "secret1");
    qputenv("TALKVANE_URL_MANAGEMENT", m_keys.url().toUtf8());
    qputenv("TALKVANE_URL_DICTATION", m_dictation.url().toUtf8());

    m_center = FunControlCenter::getInstance();
    // The constructor started the first fetch; it ends on this thread.
    QSignalSpy done(m_center.get(), &FunControlCenter::keyManageFinished);
    QVERIFY(done.wait(3000));
    QCOMPARE(done.first().first().toBool(), true);
}

QString KeyManageTest::dictate()
{
    const int index = m_dictation.sessionCount();
    XFYunWebApiDomestic *client = m_center->dictation();
    client->beginAsr("zh_cn", {}, false);
    client->sendPcmToXunfei(QByteArray(3 * 960, '\0'));
    const bool seen = QTest::qWaitFor([&] {
        if (m_dictation.sessionCount() <= index)
            return false;
        const auto &s = m_dictation.sessions().at(index);
        return s.closed || !s.frames.isEmpty();
    }, 3000);
    client->cancelAsr();
    if (!seen)
        return QStringLiteral("no session");
    const auto &s = m_dictation.sessions().at(index);
    if (!s.authorized)
        return QStringLiteral("refused: ") + s.authError;
    return s.frames.first().json.value("common").toObject().value("app_id").toString();
}

bool KeyManageTest::refresh(bool expectApplied)
{
    QSignalSpy done(m_center.get(), &FunControlCenter::keyManageFinished);
    m_center->initKeyManage();
    return done.wait(3000) && done.size() == 1 && done.first().first().toBool() == expectApplied;
}

void KeyManageTest::fetchedKeysReachTheClients()
{
    QCOMPARE(m_keys.requests().first().method, QByteArray("GET"));
    QCOMPARE(m_keys.requests().first().body, QByteArray());
    QCOMPARE(dictate(), QStringLiteral("app1"));
    const AppConfig &config = m_center->appConfig();
    QCOMPARE(config.iatAppKey(), QStringLiteral("key1"));
    QCOMPARE(config.intIatAppId(), QStringLiteral("intapp1"));
    QCOMPARE(config.property("otsAppId").toString(), QStringLiteral("ots1"));
    QCOMPARE(config.tencentAsrSecretid(), QStringLiteral("tid1"));
    QCOMPARE(config.azureOcrKey(), QStringLiteral("ocr1"));
    QCOMPARE(config.intOcrAppKey(), QString());
    QCOMPARE(m_center->microsoftSpeechRegion(), QStringLiteral("region1"));
    QCOMPARE(m_center->microsoftSpeechKey(), QStringLiteral("mskey1"));
    QCOMPARE(m_center->xunfeiTranslator()->appId(), QStringLiteral("ots1"));
    QCOMPARE(m_center->xunfeiTranslator()->apiKey(), QStringLiteral("otskey1"));
    QCOMPARE(m_center->microsoftTranslator()->apiKey(), QStringLiteral("tr1"));
    QCOMPARE(m_center->microsoftOcr()->apiKey(), QStringLiteral("ocr1"));
    QCOMPARE(m_center->microsoftOcr()->appId(), QString());
    QCOMPARE(m_center->xunfeiOcr()->appId(), QStringLiteral("ocrapp1"));
    QCOMPARE(m_center->xunfeiOcr()->apiKey(), QStringLiteral("ocrkey1"));
}

void KeyManageTest::aBrokenAnswerChangesNothing_data()
{
    QTest::addColumn<int>("answer");
    using A = KeyServer::Answer;
    QTest::newRow("wrong checksum") << int(A::WrongChecksum);
    QTest::newRow("not hex") << int(A::NotHex);
    QTest::newRow("one byte") << int(A::OneByte);
    QTest::newRow("html page") << int(A::Html);
    QTest::newRow("errCode 1") << int(A::ErrorCode);
    QTest::newRow("payload not JSON") << int(A::PayloadNotJson);
    QTest::newRow("dictation key missing") << int(A::MissingKeys);
    QTest::newRow("another XOR byte") << int(A::WrongXor);
    QTest::newRow("status 500") << int(A::Status500);
}

void KeyManageTest::aBrokenAnswerChangesNothing()
{
    QFETCH(int, answer);
    // Were it taken, these would replace the current keys.
    m_keys.setCredentials(credentials("X", false));
    m_keys.setAnswer(KeyServer::Answer(answer));
    const int before = m_keys.requestCount();
    QVERIFY(refresh(false));
    QCOMPARE(m_keys.requestCount(), before + 1);
    QCOMPARE(m_center->appConfig().iatAppId(), QStringLiteral("app1"));
    QCOMPARE(m_center->appConfig().azureOcrKey(), QStringLiteral("ocr1"));
    QCOMPARE(m_center->microsoftSpeechKey(), QStringLiteral("mskey1"));
    QCOMPARE(dictate(), QStringLiteral("app1"));
    QCOMPARE(m_center->xunfeiTranslator()->apiKey(), QStringLiteral("otskey1"));
    QCOMPARE(m_center->microsoftTranslator()->apiKey(), QStringLiteral("tr1"));
    QCOMPARE(m_center->microsoftOcr()->apiKey(), QStringLiteral("ocr1"));
    QCOMPARE(m_center->xunfeiOcr()->apiKey(), QStringLiteral("ocrkey1"));
    m_keys.setCredentials(credentials("1", true));
    m_keys.setAnswer(KeyServer::Answer::Packed);
}

void KeyManageTest::aSilentKeyServiceHoldsNothingUp()
{
    m_keys.setCredentials(credentials("X", false));
    m_keys.setAnswer(KeyServer::Answer::Hang);
    QSignalSpy done(m_center.get(), &FunControlCenter::keyManageFinished);
    const int before = m_keys.requestCount();
    QElapsedTimer clock;
    clock.start();
    m_center->initKeyManage();
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
    QTRY_COMPARE(m_keys.requestCount(), before + 1);
    // A refresh while the first fetch waits does not pile up another.
    m_center->initKeyManage();
    bool ticked = false;
    QTimer::singleShot(50, [&ticked] { ticked = true; });
    QTRY_VERIFY(ticked);
    QCOMPARE(m_keys.requestCount(), before + 1);
    QCOMPARE(done.size(), 0);
    m_keys.dropConnections();
    QTRY_COMPARE(done.size(), 1);
    QCOMPARE(done.first().first().toBool(), false);
    QCOMPARE(dictate(), QStringLiteral("app1"));
    m_keys.setAnswer(KeyServer::Answer::Packed);
}

void KeyManageTest::aLaterPayloadReplacesWhatItCarries()
{
    m_keys.setCredentials(credentials("2", false));
    QVERIFY(refresh(true));
    m_dictation.setCredentials("app2", "key2", "secret2");
    QCOMPARE(dictate(), QStringLiteral("app2"));
    QCOMPARE(m_center->microsoftTranslator()->apiKey(), QStringLiteral("tr2"));
    // Absent keys empty the record, except the two speech values, applied only when present.
    QCOMPARE(m_center->appConfig().azureOcrKey(), QString());
    QCOMPARE(m_center->microsoftOcr()->apiKey(), QString());
    QCOMPARE(m_center->xunfeiOcr()->apiKey(), QStringLiteral("ocrkey2"));
    QCOMPARE(m_center->microsoftSpeechRegion(), QStringLiteral("region1"));
    QCOMPARE(m_center->microsoftSpeechKey(), QStringLiteral("mskey1"));
    // The old signature is refused now: the client really signs with the new secret.
    m_dictation.setCredentials("app2", "key2", "secret1");
    QVERIFY(dictate().startsWith("refused"));
    m_dictation.setCredentials("app2", "key2", "secret2");
}

QTEST_MAIN(KeyManageTest)
#include "test_key_manage.moc"
