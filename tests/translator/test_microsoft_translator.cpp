// The Microsoft translation client against its TLS stand-in, which checks the
// key and region headers and the body.

#include "core/config/endpoints.h"
#include "core/translator/microsofttranslator.h"
#include "curl/curlwrapper.h"
#include "fakes/translator_servers.h"
#include "translator/translator_rig.h"

#include <curl/curl.h>

using Answer = TranslatorServer::Answer;

class MicrosoftTranslatorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        curl_global_init(CURL_GLOBAL_ALL);
        CurlWrapper::setExtraCaFile(HttpServer::caFile());
        QVERIFY(m_server.listen());
        m_server.setKey("mskey", BuiltInCredentials::translatorMicrosoftRegion());
        qputenv("TALKVANE_URL_TRANSLATOR_MICROSOFT", m_server.url().toUtf8());
    }
    void cleanupTestCase() { curl_global_cleanup(); }
    void init() { m_server.setAnswer(Answer::Translate); }

    void translates_data();
    void translates();
    void failuresEndWithAShortMessage_data();
    void failuresEndWithAShortMessage();
    void newKeysApplyToTheNextRequest();
    void answerShapes_data();
    void answerShapes();

private:
    MicrosoftTranslatorServer m_server;
};

void MicrosoftTranslatorTest::translates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("to");
    QTest::newRow("Chinese to English") << "你好，世界" << "en";
    QTest::newRow("target with a region") << "hello" << "zh-Hans";
    QTest::newRow("quotes and newlines") << "say \"hi\"\nand & go" << "de";
    QTest::newRow("empty text") << "" << "en";
}

void MicrosoftTranslatorTest::translates()
{
    QFETCH(QString, text);
    QFETCH(QString, to);
    MicrosoftTranslator client({}, "mskey", {});
    const int before = m_server.requestCount();
    QCOMPARE(translateOnce(client, text, to), (Outcome{true, "[" + to + "] " + text}));
    const HttpServer::Request seen = m_server.requests().value(before);
    QCOMPARE(seen.header("accept"), QByteArray("application/json,version=1.0"));
    QVERIFY(!seen.target.contains("from="));
}

void MicrosoftTranslatorTest::failuresEndWithAShortMessage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong key: 401") << "stale" << int(Answer::Translate)
                                    << CloudTranslator::failureMessage({HttpResult::Outcome::HttpError, 401});
    QTest::newRow("no key: not sent") << "" << int(Answer::Translate)
                                      << CloudTranslator::notConfiguredMessage();
    QTest::newRow("429") << "mskey" << int(Answer::Status429) << "翻译请求过于频繁，请稍后再试";
    QTest::newRow("500") << "mskey" << int(Answer::Status500) << "翻译服务暂时不可用，请稍后再试";
    QTest::newRow("unexpected JSON") << "mskey" << int(Answer::UnexpectedShape)
                                     << CloudTranslator::unexpectedAnswerMessage();
    QTest::newRow("not JSON") << "mskey" << int(Answer::NotJson)
                              << CloudTranslator::unexpectedAnswerMessage();
    QTest::newRow("no answer") << "mskey" << int(Answer::Hang) << "翻译服务响应超时，请稍后再试";
}

void MicrosoftTranslatorTest::failuresEndWithAShortMessage()
{
    QFETCH(QString, key);
    QFETCH(int, answer);
    QFETCH(QString, message);
    m_server.setAnswer(Answer(answer));
    MicrosoftTranslator client({}, key, {});
    client.setTimeouts(1000, 300);
    QCOMPARE(translateOnce(client, "你好", "en"), (Outcome{false, message}));
    QVERIFY(message.size() < 30);
}

void MicrosoftTranslatorTest::newKeysApplyToTheNextRequest()
{
    MicrosoftTranslator client({}, "old", {});
    QCOMPARE(translateOnce(client, "a", "en").finished, false);
    QCOMPARE(m_server.lastRefusal(), QStringLiteral("wrong subscription key"));
    client.setKeys({}, "mskey", {});
    QCOMPARE(translateOnce(client, "a", "en"), (Outcome{true, "[en] a"}));

    // A service that is down.
    qputenv("TALKVANE_URL_TRANSLATOR_MICROSOFT", "https://127.0.0.1:1/translate");
    const Outcome down = translateOnce(client, "a", "en");
    qputenv("TALKVANE_URL_TRANSLATOR_MICROSOFT", m_server.url().toUtf8());
    QCOMPARE(down, (Outcome{false, "无法连接翻译服务，请检查网络"}));
}

void MicrosoftTranslatorTest::answerShapes_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");  // "-" when the shape is not recognised
    QTest::newRow("two translations join") << QByteArray(R"([{"translations":[{"text":"ab"},{"text":"cd"}]}])") << "abcd";
    QTest::newRow("non-objects skipped") << QByteArray(R"([{"translations":[[1],"x",{"text":"ok"}]}])") << "ok";
    QTest::newRow("object shape") << QByteArray(R"({"data":{"result":{"trans_result":{"dst":"x"}}}})") << "x";
    QTest::newRow("object without data") << QByteArray(R"({"error":{"code":1}})") << "-";
    QTest::newRow("empty translations") << QByteArray(R"([{"translations":[]}])") << "-";
    QTest::newRow("empty array") << QByteArray("[]") << "-";
    QTest::newRow("not JSON") << QByteArray("oops") << "-";
}

void MicrosoftTranslatorTest::answerShapes()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    const std::optional<QString> got = MicrosoftTranslator::analysisMTFromNet(body);
    QCOMPARE(got.value_or("-"), text);
}

QTEST_GUILESS_MAIN(MicrosoftTranslatorTest)
#include "test_microsoft_translator.moc"
