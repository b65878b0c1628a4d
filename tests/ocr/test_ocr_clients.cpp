// Both OCR clients against their TLS stand-ins: the stand-ins check the
// request as the services do (key header, PNG body; signed query over the
// host and port, date skew, JSON body) and keep the image they received.
// Every request ends in exactly one signal: the text or a short message.

#include "core/ocr/microsoftocr.h"
#include "core/ocr/xunfeiocr.h"
#include "curl/curlwrapper.h"
#include "fakes/ocr_servers.h"
#include "support/files.h"
#include "support/message_capture.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <curl/curl.h>
#include <memory>

namespace {

using Answer = OcrServer::Answer;

const char kAzureKey[] = "az0123456789abcdefsubscriptionkey";
const char kAppId[] = "ocrapp01";
const char kApiKey[] = "0123456789abcdef0123456789abcdef";
const char kSecret[] = "c2VjcmV0c2VjcmV0c2VjcmV0c2VjcmV0";

struct Outcome {
    bool finished = false;
    QString text;
    bool operator==(const Outcome &o) const { return finished == o.finished && text == o.text; }
};

char *toString(const Outcome &o)
{
    return QTest::toString(QStringLiteral("%1 \"%2\"").arg(o.finished ? "text" : "error", o.text));
}

}  // namespace

Q_DECLARE_METATYPE(Outcome)

class OcrClientsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { curl_global_cleanup(); }
    void init();

    void theImageArrivesAndItsTextComesBack_data();
    void theImageArrivesAndItsTextComesBack();
    void answersAreRead_data();
    void answersAreRead();
    void failuresEndWithAShortMessage_data();
    void failuresEndWithAShortMessage();
    void signedHostAndDate();

private:
    std::unique_ptr<CloudOCR> client(const QString &service, const QString &key,
                                     const QString &secret, const QString &image);
    OcrServer &server(const QString &service)
    {
        return service == "azure" ? static_cast<OcrServer &>(m_azure) : m_iflytek;
    }
    static Outcome ocrOnce(CloudOCR &client);

    QTemporaryDir m_dir;
    QString m_png;
    AzureOcrServer m_azure;
    IflytekOcrServer m_iflytek;
};

void OcrClientsTest::initTestCase()
{
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    QVERIFY(m_azure.listen() && m_iflytek.listen());
    m_azure.setKey(kAzureKey);
    m_iflytek.setCredentials(kAppId, kApiKey, kSecret);
    qputenv("TALKVANE_URL_OCR_AZURE", m_azure.url().toUtf8());
    qputenv("TALKVANE_URL_OCR_IFLYTEK", m_iflytek.url().toUtf8());

    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(10, 10, 60, 12, Qt::black);
    m_png = m_dir.filePath("ocr.png");
    QVERIFY(image.save(m_png, "PNG"));
}

void OcrClientsTest::init()
{
    for (OcrServer *s : {static_cast<OcrServer *>(&m_azure), static_cast<OcrServer *>(&m_iflytek)}) {
        s->setAnswer(Answer::Text);
        s->setText("截屏 文字");
    }
}

std::unique_ptr<CloudOCR> OcrClientsTest::client(const QString &service, const QString &key,
                                                 const QString &secret, const QString &image)
{
    std::unique_ptr<CloudOCR> c;
    if (service == "azure")
        c = std::make_unique<MicrosoftOCR>(QString(), key, QString());
    else
        c = std::make_unique<XunfeiOCR>(kAppId, key, secret);
    c->setImageFilePath(image);
    return c;
}

// Waits for the one signal a request ends with; two signals, or none, is a failure.
Outcome OcrClientsTest::ocrOnce(CloudOCR &client)
{
    QSignalSpy done(&client, &CloudOCR::ocrFinished);
    QSignalSpy failed(&client, &CloudOCR::errorOccurred);
    client.performOCR();
    if (!QTest::qWaitFor([&] { return done.size() + failed.size() > 0; }, 3000))
        return {false, QStringLiteral("<no signal>")};
    QTest::qWait(20);
    if (done.size() + failed.size() != 1)
        return {false, QStringLiteral("<%1 signals>").arg(done.size() + failed.size())};
    return done.isEmpty() ? Outcome{false, failed.first().first().toString()}
                          : Outcome{true, done.first().first().toString()};
}

void OcrClientsTest::theImageArrivesAndItsTextComesBack_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("azure: regions, lines, words in one spaced line")
        << "azure" << "第一 行\n第二行\n\nsecond region" << "第一 行 第二行 second region";
    QTest::newRow("iflytek: the whole text as the service wrote it")
        << "iflytek" << "第一 行\n第二行" << "第一 行\n第二行";
}

void OcrClientsTest::theImageArrivesAndItsTextComesBack()
{
    QFETCH(QString, service);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString key = service == "azure" ? kAzureKey : kApiKey;
    server(service).setText(text);
    const int before = server(service).requestCount();
    auto c = client(service, key, kSecret, m_png);
    QCOMPARE(ocrOnce(*c), (Outcome{true, expected}));
    QCOMPARE(server(service).requestCount(), before + 1);
    QCOMPARE(server(service).lastImage(), TestFiles::readAll(m_png));
    const HttpServer::Request request = server(service).requests().last();
    if (service == "iflytek")
        QCOMPARE(request.header("accept"), QByteArray("application/json,version=1.0"));
}

void OcrClientsTest::answersAreRead_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Outcome>("outcome");
    const QString unexpected = CloudOCR::unexpectedAnswerMessage();
    const QString serviceError = CloudOCR::serviceErrorMessage();
    const QByteArray wholeText = QByteArray(R"({"whole_text":"识别 结果"})").toBase64();
    QTest::newRow("two regions, four words: single spaces, none trailing")
        << "azure"
        << QByteArray(R"({"regions":[{"lines":[{"words":[{"text":"a"},{"text":"b"}]}]},)"
                      R"({"lines":[{"words":[{"text":"c"},{"text":"d"}]}]}]})")
        << Outcome{true, "a b c d"};
    QTest::newRow("empty regions: empty text, still a result") << "azure"
        << QByteArray(R"({"language":"unk","regions":[]})") << Outcome{true, ""};
    QTest::newRow("regions not a list") << "azure" << QByteArray(R"({"regions":{}})")
                                        << Outcome{false, unexpected};
    QTest::newRow("header code 0, success: the whole text") << "iflytek"
        << R"({"header":{"code":0,"message":"success"},"payload":{"recognizeDocumentRes":{"text":")"
               + wholeText + R"("}}})"
        << Outcome{true, "识别 结果"};
    QTest::newRow("header non-zero code") << "iflytek"
        << QByteArray(R"({"header":{"code":10110,"message":"success"}})") << Outcome{false, serviceError};
    QTest::newRow("header code 0, message not success") << "iflytek"
        << QByteArray(R"({"header":{"code":0,"message":"license expired"}})") << Outcome{false, serviceError};
    QTest::newRow("header ok, no payload: empty result") << "iflytek"
        << QByteArray(R"({"header":{"code":0,"message":"success","sid":"x"}})") << Outcome{true, ""};
    QTest::newRow("payload text is not Base64 JSON") << "iflytek"
        << R"({"header":{"code":0,"message":"success"},"payload":{"recognizeDocumentRes":{"text":")"
               + QByteArray("plain words").toBase64() + R"("}}})"
        << Outcome{false, unexpected};
}

void OcrClientsTest::answersAreRead()
{
    QFETCH(QString, service);
    QFETCH(QByteArray, answer);
    QFETCH(Outcome, outcome);
    server(service).setRawAnswer(answer);
    auto c = client(service, service == "azure" ? kAzureKey : kApiKey, kSecret, m_png);
    QCOMPARE(ocrOnce(*c), outcome);
}

void OcrClientsTest::failuresEndWithAShortMessage_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("key");     // empty: the right one
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QString>("image");   // "missing", "empty" or the PNG
    QTest::addColumn<int>("skewSeconds");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<bool>("sent");

    const QString refused = CloudOCR::failureMessage({HttpResult::Outcome::HttpError, 401});
    const QString busy = CloudOCR::failureMessage({HttpResult::Outcome::HttpError, 429});
    const QString down = CloudOCR::failureMessage({HttpResult::Outcome::HttpError, 500});
    HttpResult timeout{HttpResult::Outcome::TransferError};
    timeout.timedOut = true;
    const QString slow = CloudOCR::failureMessage(timeout);
    const QString unexpected = CloudOCR::unexpectedAnswerMessage();
    const QString unreadable = CloudOCR::unreadableImageMessage();
    const QString notConfigured = CloudOCR::notConfiguredMessage();

    for (const QString service : {"azure", "iflytek"}) {
        auto row = [&](const char *name) {
            return &(QTest::newRow(qPrintable(service + ": " + name)) << service);
        };
        const int text = int(Answer::Text);
        // The stand-ins refuse a wrong key with 401, as the services do.
        *row("wrong key") << text << "stale0000key" << "" << "" << 0 << refused
                          << (service == "azure" ? "wrong subscription key" : "unknown api_key") << true;
        *row("429") << int(Answer::Status429) << "" << "" << "" << 0 << busy << "" << true;
        *row("500") << int(Answer::Status500) << "" << "" << "" << 0 << down << "" << true;
        *row("no answer") << int(Answer::Hang) << "" << "" << "" << 0 << slow << "" << true;
        *row("not JSON") << int(Answer::NotJson) << "" << "" << "" << 0 << unexpected << "" << true;
        *row("another shape") << int(Answer::WrongShape) << "" << "" << "" << 0 << unexpected << "" << true;
        *row("service error") << int(Answer::HeaderError) << "" << "" << "" << 0
                              << (service == "azure" ? down : CloudOCR::serviceErrorMessage()) << "" << true;
        *row("missing image file") << text << "" << "" << "missing" << 0 << unreadable << "" << false;
        *row("empty image file") << text << "" << "" << "empty" << 0 << unreadable << "" << false;
        *row("no image path") << text << "" << "" << "none" << 0 << unreadable << "" << false;
        *row("no key") << text << "none" << "" << "" << 0 << notConfigured << "" << false;
    }
    QTest::newRow("iflytek: wrong secret") << "iflytek" << int(Answer::Text) << "" << "c3RhbGU="
                                           << "" << 0 << refused << "HMAC signature does not match" << true;
    QTest::newRow("iflytek: clock ten minutes slow") << "iflytek" << int(Answer::Text) << "" << ""
        << "" << -600 << refused << "date too far from the server's clock" << true;
    QTest::newRow("azure: no endpoint configured") << "azure-unset" << int(Answer::Text) << "" << ""
                                                   << "" << 0 << notConfigured << "" << false;
}

void OcrClientsTest::failuresEndWithAShortMessage()
{
    QFETCH(QString, service);
    QFETCH(int, answer);
    QFETCH(QString, key);
    QFETCH(QString, secret);
    QFETCH(QString, image);
    QFETCH(int, skewSeconds);
    QFETCH(QString, message);
    QFETCH(QString, refusal);
    QFETCH(bool, sent);

    const bool unset = service == "azure-unset";
    if (unset) {
        service = "azure";
        qunsetenv("TALKVANE_URL_OCR_AZURE");
    }
    const QString rightKey = service == "azure" ? kAzureKey : kApiKey;
    key = key.isEmpty() ? rightKey : key == "none" ? QString() : key;
    secret = secret.isEmpty() ? kSecret : secret == "none" ? QString() : secret;
    if (image == "empty") {
        image = m_dir.filePath("empty.png");
        QVERIFY(TestFiles::writeRaw(image, {}));
    } else if (image == "missing") {
        image = m_dir.filePath("gone.png");
    } else if (image == "none") {
        image.clear();
    } else {
        image = m_png;
    }
    server(service).setAnswer(Answer(answer));
    auto c = client(service, key, secret, image);
    c->setTimeouts(1000, 300);
    if (auto *x = qobject_cast<XunfeiOCR *>(c.get()))
        x->setClock([skewSeconds] { return QDateTime::currentDateTimeUtc().addSecs(skewSeconds); });
    const int before = server(service).requestCount();
    Outcome outcome;
    QStringList log;
    {
        MessageCapture capture;
        outcome = ocrOnce(*c);
        log = capture.messages();
    }
    if (unset)
        qputenv("TALKVANE_URL_OCR_AZURE", m_azure.url().toUtf8());
    QCOMPARE(outcome, (Outcome{false, message}));
    QCOMPARE(server(service).requestCount() - before, sent ? 1 : 0);
    if (!refusal.isEmpty())
        QCOMPARE(server(service).lastRefusal(), refusal);
    // The reason is logged; keys, secrets and the signed query never are.
    QVERIFY2(!log.filter("OCR failed:").isEmpty(), qPrintable(log.join('\n')));
    for (const QString &secretText : {QString(kAzureKey), QString(kApiKey), QString(kSecret),
                                      QStringLiteral("authorization=")}) {
        QVERIFY2(log.filter(secretText).isEmpty(), qPrintable(secretText));
    }
}

void OcrClientsTest::signedHostAndDate()
{
    QCOMPARE(XunfeiOCR::signedHost("https://api.example.com/v1/private/hh_ocr_recognize_doc"),
             QStringLiteral("api.example.com"));
    QCOMPARE(XunfeiOCR::signedHost("https://api.example.com:443/v1/private/hh_ocr_recognize_doc"),
             QStringLiteral("api.example.com"));
    QCOMPARE(XunfeiOCR::signedHost("https://127.0.0.1:8443/v1/private/hh_ocr_recognize_doc"),
             QStringLiteral("127.0.0.1:8443"));
    // English names and a two-digit day, whatever the user's locale.
    QLocale::setDefault(QLocale(QLocale::German));
    XunfeiOCR x(kAppId, kApiKey, kSecret);
    x.setClock([] { return QDateTime(QDate(2026, 3, 1), QTime(7, 5, 9), Qt::UTC); });
    QCOMPARE(x.getCurrentTime(), QStringLiteral("Sun, 01 Mar 2026 07:05:09 GMT"));
    QLocale::setDefault(QLocale::c());
}

QTEST_GUILESS_MAIN(OcrClientsTest)
#include "test_ocr_clients.moc"
