// The dialect recognition client against its local TLS stand-in: the stand-in
// recomputes every signature, so a URL the service would refuse fails here.

#include "core/speech/tencentcloudspeech.h"
#include "fakes/dictation_server.h"
#include "fakes/tencent_asr_server.h"
#include "support/message_capture.h"

#include <QSignalSpy>
#include <QWebSocket>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(TencentAsrServer::Reply)

namespace {

const QString kAppId = QStringLiteral("1250000000");
const QString kSecretId = QStringLiteral("AKIDstandinstandinstandinstandin1234");
const QString kSecretKey = QStringLiteral("Qx7pStandInKey0123456789abcdefgh");
constexpr int kChunk = 640;  // 20 ms of audio
constexpr int kChunks = 10;

using Reply = TencentAsrServer::Reply;

// One client with its socket, and what it reported as "K:text" and the like:
// C Continue, K Confirm, S ShowText, E Error, F Finish.
struct Client {
    QWebSocket socket{QString(), QWebSocketProtocol::Version13};
    TencentCloudSpeech speech;
    QStringList events;

    Client()
    {
        speech.setSocket(&socket);
        speech.setAppId(kAppId);
        speech.setSecretId(kSecretId);
        speech.setSecretKey(kSecretKey);
        QObject::connect(&speech, &TencentCloudSpeech::asrResult,
                         [this](bool, const QString &text, PXASRResultType type) {
                             const char *tag = type == PXASRResultType::Continue   ? "C:"
                                               : type == PXASRResultType::Confirm  ? "K:"
                                               : type == PXASRResultType::ShowText ? "S:"
                                               : type == PXASRResultType::Error    ? "E:"
                                               : type == PXASRResultType::Finish   ? "F:"
                                                                                    : "?:";
                             events << QLatin1String(tag) + text;
                         });
    }
    QString log() const { return events.join(QLatin1Char('|')); }
    bool open(const QString &engine = QStringLiteral("16k_zh_dialect"))
    {
        QSignalSpy connected(&socket, &QWebSocket::connected);
        speech.openAsr(engine);
        return connected.wait(5000);
    }
    void speak(int chunks = kChunks)
    {
        for (int i = 0; i < chunks; ++i)
            speech.sendAudio(QByteArray(kChunk, char(i)));
    }
};

}  // namespace

class TencentAsrTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void signedUrlIsWhatTheServiceAccepts_data();
    void signedUrlIsWhatTheServiceAccepts();
    void resultsOfASession_data();
    void resultsOfASession();
    void audioBeforeTheConnectionIsDropped();
    void releasedWhileConnectingStillEnds();
    void secretsStayOutOfTheLog();
    void untrustedCertificateIsRefused();

private:
    TencentAsrServer m_server;
};

void TencentAsrTest::initTestCase()
{
    QVERIFY(m_server.listen());
    m_server.setCredentials(kAppId, kSecretId, kSecretKey);
    DictationServer::trustTestCa();
    qputenv("TALKVANE_URL_ASR_TENCENT", m_server.url().toUtf8());
}

void TencentAsrTest::signedUrlIsWhatTheServiceAccepts_data()
{
    QTest::addColumn<QStringList>("appIds");  // given in this order
    QTest::addColumn<QString>("secretKey");
    QTest::addColumn<QString>("engine");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("plain app id") << QStringList{kAppId} << kSecretKey << "16k_zh_dialect" << true;
    QTest::newRow("app id with its ?") << QStringList{kAppId + "?"} << kSecretKey << "16k_id"
                                       << true;
    QTest::newRow("empty app id keeps the last") << QStringList{kAppId, QString()} << kSecretKey
                                                 << "16k_id" << true;
    QTest::newRow("empty key keeps the last") << QStringList{kAppId} << QString()
                                              << "16k_zh_dialect" << true;
    QTest::newRow("wrong key is refused") << QStringList{kAppId} << kSecretKey.toLower()
                                          << "16k_zh_dialect" << false;
    QTest::newRow("other app id is refused") << QStringList{"1250000001"} << kSecretKey
                                             << "16k_zh_dialect" << false;
}

void TencentAsrTest::signedUrlIsWhatTheServiceAccepts()
{
    QFETCH(QStringList, appIds);
    QFETCH(QString, secretKey);
    QFETCH(QString, engine);
    QFETCH(bool, accepted);
    const int session = m_server.sessionCount();
    Client client;
    for (const QString &id : appIds)
        client.speech.setAppId(id);
    client.speech.setSecretKey(secretKey);
    QVERIFY(client.open(engine));
    QTRY_COMPARE(m_server.sessionCount(), session + 1);

    const TencentAsrServer::Session &s = m_server.sessions().at(session);
    QCOMPARE(s.authorized, accepted);
    QCOMPARE(s.parameterOrder, QStringList({"engine_model_type", "expired", "needvad", "nonce",
                                            "secretid", "timestamp", "voice_format", "voice_id"}));
    QCOMPARE(s.parameters.value("engine_model_type"), engine);
    QCOMPARE(s.parameters.value("needvad"), QStringLiteral("1"));
    QCOMPARE(s.parameters.value("voice_format"), QStringLiteral("1"));
    QCOMPARE(s.parameters.value("expired").toLongLong() - s.parameters.value("timestamp").toLongLong(),
             qint64(TencentCloudSpeech::kExpirySeconds));
    if (accepted) {
        QVERIFY2(s.authError.isEmpty(), qPrintable(s.authError));
        client.speak(2);
        client.speech.finishAsr();
        QTRY_COMPARE(client.log(), QStringLiteral("F:"));
    } else {
        QTRY_COMPARE(client.log(), QStringLiteral("E:error: code=%1|F:")
                                       .arg(TencentAsrServer::kAuthFailedCode));
    }
    QVERIFY(!client.speech.isActive());
}

void TencentAsrTest::resultsOfASession_data()
{
    // Replies of the stand-in; the events expected while the key is held and
    // after its release (finishAsr); the warning logged, if any.
    QTest::addColumn<QVector<Reply>>("replies");
    QTest::addColumn<QString>("whileHeld");
    QTest::addColumn<QString>("afterRelease");
    QTest::addColumn<QString>("warning");
    using S = TencentAsrServer;
    QTest::newRow("two sentences, the second finished after the release")
        << QVector<Reply>{{640, S::slice(0, 0, "今天")},
                          {1920, S::slice(0, 1, "今天天气")},
                          {3200, S::slice(0, 2, "今天天气很好。")},
                          {4480, S::slice(1, 0, "明天")},
                          {-1, S::slice(1, 2, "明天下雨。")},
                          {-1, S::finalMessage()}}
        << "C:今天|S:今天|C:今天天气|S:今天天气|C:今天天气很好。|S:今天天气很好。|C:明天|S:今天天气很好。明天"
        << "|K:明天下雨。|S:今天天气很好。明天下雨。|F:今天天气很好。明天下雨。" << "";
    QTest::newRow("service error code")
        << QVector<Reply>{{640, S::slice(0, 1, "今天")}, {1920, S::error(4008, "timeout")}}
        << "C:今天|S:今天|E:error: code=4008|F:今天" << "" << "";
    QTest::newRow("closed mid-utterance")
        << QVector<Reply>{{640, S::slice(0, 1, "今天")}, {1920, S::closeNow()}}
        << "C:今天|S:今天|E:识别服务断开了连接|F:今天" << "" << "";
    QTest::newRow("connection broken mid-utterance")
        << QVector<Reply>{{640, S::slice(0, 1, "今天")}, {1920, S::dropNow()}}
        << "C:今天|S:今天|E:识别服务断开了连接|F:今天" << "" << "";
    QTest::newRow("malformed JSON is ignored")
        << QVector<Reply>{{640, QStringLiteral("{\"code\":0,\"result\":")},
                          {1280, S::slice(0, 1, "你好")}}
        << "C:你好|S:你好" << "|F:你好" << "JSON 解析错误:";
    QTest::newRow("result that is not an object shows nothing")
        << QVector<Reply>{{640, QStringLiteral("{\"code\":0,\"result\":\"x\"}")}}
        << "" << "F:" << "";
}

void TencentAsrTest::resultsOfASession()
{
    QFETCH(QVector<Reply>, replies);
    QFETCH(QString, whileHeld);
    QFETCH(QString, afterRelease);
    QFETCH(QString, warning);
    const int session = m_server.sessionCount();
    m_server.setReplies(session, replies);
    MessageCapture messages;
    Client client;
    QVERIFY(client.open());
    client.speak();
    QTRY_COMPARE(client.log(), whileHeld);

    client.speech.finishAsr();
    QTRY_COMPARE(client.log(), whileHeld + afterRelease);
    QTest::qWait(200);  // nothing more arrives, and the socket is closed
    QCOMPARE(client.log(), whileHeld + afterRelease);
    QVERIFY(!client.speech.isActive());
    QCOMPARE(client.socket.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(client.events.filter(QRegularExpression(QStringLiteral("^F:"))).size(), 1);
    if (!warning.isEmpty())
        QVERIFY(messages.contains(warning));
    if (afterRelease.contains(QLatin1String("F:"))) {
        // The client closed normally after the final message.
        const TencentAsrServer::Session &s = m_server.sessions().at(session);
        QTRY_VERIFY(s.closed);
        QVERIFY(s.closedByClient);
        QCOMPARE(s.closeCode, 1000);
    }
}

void TencentAsrTest::audioBeforeTheConnectionIsDropped()
{
    const int session = m_server.sessionCount();
    Client client;
    client.speech.sendAudio(QByteArray(kChunk, 'x'));  // no session at all
    QSignalSpy connected(&client.socket, &QWebSocket::connected);
    client.speech.openAsr(QStringLiteral("16k_id"));
    client.speak(3);  // while connecting
    QVERIFY(connected.wait(5000));
    client.speak(2);
    client.speech.finishAsr();
    QTRY_COMPARE(client.log(), QStringLiteral("F:"));
    const TencentAsrServer::Session &s = m_server.sessions().at(session);
    QCOMPARE(s.audioBytesAtEnd, 2 * kChunk);
    QCOMPARE(s.audioMessages, 2);
    client.speak(1);  // after the session
    QTest::qWait(100);
    QCOMPARE(s.audioBytes, 2 * kChunk);
}

void TencentAsrTest::releasedWhileConnectingStillEnds()
{
    const int session = m_server.sessionCount();
    Client client;
    client.speech.openAsr(QStringLiteral("16k_zh_dialect"));
    client.speech.finishAsr();
    QTRY_COMPARE(client.log(), QStringLiteral("F:"));
    QVERIFY(m_server.sessions().at(session).endReceived);
}

void TencentAsrTest::secretsStayOutOfTheLog()
{
    const int session = m_server.sessionCount();
    m_server.setReplies(session, {{640, TencentAsrServer::slice(0, 2, "好")}});
    MessageCapture messages;
    Client client;
    QVERIFY(client.open());
    client.speak();
    client.speech.finishAsr();
    QTRY_COMPARE(client.log().right(4), QStringLiteral("|F:好"));

    const QString query = m_server.sessions().at(session).url.query(QUrl::FullyEncoded);
    const QString signature = query.section(QStringLiteral("&signature="), 1);
    QVERIFY(signature.size() > 8);
    QVERIFY(messages.contains(QStringLiteral("openAsr:")));  // the log was captured
    for (const QString &m : messages.messages()) {
        QVERIFY2(!m.contains(kSecretKey.left(5)), qPrintable(m));
        QVERIFY2(!m.contains(signature.left(5)), qPrintable(m));
        QVERIFY2(!m.contains(kSecretId.left(5)), qPrintable(m));
        QVERIFY2(!m.contains(QLatin1String("nonce=")), qPrintable(m));
    }
}

void TencentAsrTest::untrustedCertificateIsRefused()
{
    const QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
    QSslConfiguration systemOnly = trusting;
    systemOnly.setCaCertificates(QSslConfiguration::systemCaCertificates());
    QSslConfiguration::setDefaultConfiguration(systemOnly);
    const int sessions = m_server.sessionCount();
    Client client;
    client.speech.openAsr(QStringLiteral("16k_zh_dialect"));
    QTRY_COMPARE(client.log(), QStringLiteral("E:无法连接语音识别服务|F:"));
    QSslConfiguration::setDefaultConfiguration(trusting);
    QCOMPARE(m_server.sessionCount(), sessions);
}

QTEST_MAIN(TencentAsrTest)
#include "test_tencent_asr.moc"
