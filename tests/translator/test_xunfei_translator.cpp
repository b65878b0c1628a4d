// The iFlytek translation client against its TLS stand-in, which checks the
// body digest, the HMAC signature over the host and port it serves on, and
// the date's skew.

#include "core/translator/ots_request.h"
#include "core/translator/xunfeitranslator.h"
#include "curl/curlwrapper.h"
#include "fakes/translator_servers.h"
#include "translator/translator_rig.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <curl/curl.h>

using Answer = TranslatorServer::Answer;

class XunFeiTranslatorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        curl_global_init(CURL_GLOBAL_ALL);
        CurlWrapper::setExtraCaFile(HttpServer::caFile());
        QVERIFY(m_server.listen());
        m_server.setCredentials("otsapp", "otskey", "otssecret");
        qputenv("TALKVANE_URL_TRANSLATOR_IFLYTEK", m_server.url().toUtf8());
    }
    void cleanupTestCase() { curl_global_cleanup(); }
    void init() { m_server.setAnswer(Answer::Translate); }

    void translates_data();
    void translates();
    void failuresEndWithAShortMessage_data();
    void failuresEndWithAShortMessage();
    void signatureCoversHostAndPort();

private:
    IflytekTranslatorServer m_server;
};

void XunFeiTranslatorTest::translates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("to");
    QTest::newRow("Chinese to English") << "今天天气很好" << "en";
    QTest::newRow("English to traditional Chinese") << "good morning" << "cht";
    QTest::newRow("empty text is still sent") << "" << "en";
}

void XunFeiTranslatorTest::translates()
{
    QFETCH(QString, text);
    QFETCH(QString, to);
    XunFeiTranslator client("otsapp", "otskey", "otssecret");
    const int before = m_server.requestCount();
    QCOMPARE(translateOnce(client, text, to), (Outcome{true, "[" + to + "] " + text}));
    const QJsonObject body = QJsonDocument::fromJson(m_server.requests().value(before).body).object();
    QCOMPARE(body.value("business").toObject().value("from").toString(), QStringLiteral("auto"));
}

void XunFeiTranslatorTest::failuresEndWithAShortMessage_data()
{
    QTest::addColumn<QString>("appId");
    QTest::addColumn<QString>("secret");
    QTest::addColumn<int>("skewSeconds");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("refusal");
    const QString refused = CloudTranslator::failureMessage({HttpResult::Outcome::HttpError, 401});
    const QString unexpected = CloudTranslator::unexpectedAnswerMessage();
    QTest::newRow("wrong secret") << "otsapp" << "stale" << 0 << int(Answer::Translate) << refused
                                  << "HMAC signature does not match";
    QTest::newRow("clock ten minutes slow") << "otsapp" << "otssecret" << -600 << int(Answer::Translate)
                                            << refused << "date too far from the server's clock";
    QTest::newRow("unknown app id: code, no data") << "other" << "otssecret" << 0 << int(Answer::Translate)
                                                   << unexpected << "app_id mismatch";
    QTest::newRow("429") << "otsapp" << "otssecret" << 0 << int(Answer::Status429)
                         << "翻译请求过于频繁，请稍后再试" << "";
    QTest::newRow("500") << "otsapp" << "otssecret" << 0 << int(Answer::Status500)
                         << "翻译服务暂时不可用，请稍后再试" << "";
    QTest::newRow("data without dst") << "otsapp" << "otssecret" << 0 << int(Answer::UnexpectedShape)
                                      << unexpected << "";
    QTest::newRow("not JSON") << "otsapp" << "otssecret" << 0 << int(Answer::NotJson) << unexpected << "";
    QTest::newRow("no answer") << "otsapp" << "otssecret" << 0 << int(Answer::Hang)
                               << "翻译服务响应超时，请稍后再试" << "";
    QTest::newRow("no secret: not sent") << "otsapp" << "" << 0 << int(Answer::Translate)
                                         << CloudTranslator::notConfiguredMessage() << "";
}

void XunFeiTranslatorTest::failuresEndWithAShortMessage()
{
    QFETCH(QString, appId);
    QFETCH(QString, secret);
    QFETCH(int, skewSeconds);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(QString, refusal);
    m_server.setAnswer(Answer(answer));
    XunFeiTranslator client(appId, "otskey", secret);
    client.setTimeouts(1000, 300);
    client.setClock([skewSeconds] { return QDateTime::currentDateTimeUtc().addSecs(skewSeconds); });
    QCOMPARE(translateOnce(client, "你好", "en"), (Outcome{false, message}));
    if (!refusal.isEmpty())
        QCOMPARE(m_server.lastRefusal(), refusal);
}

void XunFeiTranslatorTest::signatureCoversHostAndPort()
{
    // Signed for the default port, the same request must fail here.
    const QString url = m_server.url();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto withPort = OtsRequest::build(url, "a", "k", "s", "t", "auto", "en", now);
    const QString date = withPort.date;
    const QString requestLine = "POST /v2/ots HTTP/1.1";
    QVERIFY(withPort.headers.join('\n').contains(
        OtsRequest::signature(OtsRequest::hostOf(url), date, requestLine, withPort.digest, "s")));
    QVERIFY(OtsRequest::hostOf(url).endsWith(":" + QString::number(QUrl(url).port())));
    QCOMPARE(OtsRequest::hostOf("https://ntrans.example.com/v2/ots"), QStringLiteral("ntrans.example.com"));
    QCOMPARE(OtsRequest::hostOf("https://ntrans.example.com:443/v2/ots"), QStringLiteral("ntrans.example.com"));
    QVERIFY(!withPort.headers.join('\n').contains(
        OtsRequest::signature(QUrl(url).host(), date, requestLine, withPort.digest, "s")));
}

QTEST_GUILESS_MAIN(XunFeiTranslatorTest)
#include "test_xunfei_translator.moc"
