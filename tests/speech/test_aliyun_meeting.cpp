// The meeting transcription client against its local stand-in: HTTPS task
// requests and tokens, the streaming WebSocket over TLS with the test CA.

#include "core/speech/aliyunmeetingapi.h"
#include "curl/curlwrapper.h"
#include "fakes/dashscope_server.h"
#include "fakes/dictation_server.h"
#include "fakes/http_server.h"

#include <QJsonDocument>
#include <QMetaEnum>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

using Api = AliyunMeetingApi;

namespace {

const QString kAppId = QStringLiteral("tw_standin00001");
const QString kApiKey = QStringLiteral("sk-standinstandinstandinstandin0001");
constexpr int kChunk = 640;  // 20 ms of audio, as the mouse delivers it

// Stands for the mouse: a signal carrying PCM.
class AudioSource : public QObject
{
    Q_OBJECT
signals:
    void onAudioData(QByteArray audio);
};

QString tag(bool check, const QString &message, Api::MeetingResultType type)
{
    return QStringLiteral("%1%2:%3")
        .arg(check ? "" : "!")
        .arg(QMetaEnum::fromType<Api::MeetingResultType>().valueToKey(type))
        .arg(message);
}

// A client with the events it reported (raw messages left out) through the
// signal and through the callback.
struct Meeting {
    Api api;
    AudioSource mouse;
    QStringList events;
    QStringList callbackEvents;
    bool keepRaw = false;
    int fed = 0;  // bytes of audio handed to the client

    Meeting()
    {
        api.setAudioSource(&mouse, SIGNAL(onAudioData(QByteArray)));
        api.setReconnectDelays({50, 100, 200});
        QObject::connect(&api, &Api::meetingResultBlock,
                         [this](bool check, const QString &message, Api::MeetingResultType type) {
                             if (type != Api::RawMessage || keepRaw)
                                 events << tag(check, message, type);
                         });
    }
    Api::Callback callback()
    {
        return [this](bool check, const QString &message, Api::MeetingResultType type) {
            if (type != Api::RawMessage || keepRaw)
                callbackEvents << tag(check, message, type);
        };
    }
    void start(const QString &key = kApiKey)
    {
        api.startMeetingWithCreate(kAppId, key, QStringLiteral("pcm"), 16000, QString(), {},
                                   callback());
    }
    bool waitFor(const QString &event, int ms = 8000)
    {
        return QTest::qWaitFor([&] { return events.contains(event); }, ms);
    }
    void speak(int chunks)
    {
        for (int i = 0; i < chunks; ++i) {
            emit mouse.onAudioData(QByteArray(kChunk, char(fed / kChunk)));
            fed += kChunk;
        }
    }
    QStringList recognized() const { return events.filter(QRegularExpression("^RecognizeResult:")); }
};

int receivedBytes(const DashscopeServer &server, int from = 0)
{
    int total = 0;
    for (int i = from; i < server.connectionCount(); ++i)
        for (int size : server.connections().at(i).frameSizes)
            total += size;
    return total;
}

QByteArray wavHeader(quint32 dataLength)
{
    QByteArray h("RIFF\0\0\0\0WAVEfmt ", 16);
    h += QByteArray(20, '\0');
    h += "data";
    char length[4];
    qToLittleEndian<quint32>(dataLength, length);
    h += QByteArray(length, 4);
    return h;  // 44 bytes
}

}  // namespace

class AliyunMeetingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void createTaskReplies_data();
    void createTaskReplies();
    void customParametersReplaceWholeMembers();
    void taskRequests_data();
    void taskRequests();
    void taskIdIsAlwaysSixteenCharacters_data();
    void taskIdIsAlwaysSixteenCharacters();
    void audioFromFile_data();
    void audioFromFile();

    void backlogIsBoundedToFiveMinutes();
    void refusedTokenEndsTheStartCleanly();
    void liveMeetingFromStartToEnd();
    void fileModeStreamsTheDataChunk();
    void failedTaskStopsSending();
    void droppedConnectionContinuesTheSameMeeting();
    void reconnectionRefusedEndsWithRequestFailed();
    void malformedEventsAreHarmless_data();
    void malformedEventsAreHarmless();

private:
    DashscopeServer *m_server = nullptr;
};

void AliyunMeetingTest::initTestCase()
{
    DictationServer::trustTestCa();
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
}

void AliyunMeetingTest::init()
{
    // A fresh stand-in per test: scripted drops and failures do not carry over.
    delete m_server;
    m_server = new DashscopeServer(this);
    QVERIFY(m_server->listen());
    m_server->setCredentials(kAppId, kApiKey);
    qputenv("TALKVANE_URL_DASHSCOPE", m_server->httpsUrl().toUtf8());
    qputenv("TALKVANE_URL_DASHSCOPE_WS", m_server->wsUrl().toUtf8());
}

// ---- HTTPS ----

void AliyunMeetingTest::createTaskReplies_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("status");  // 0: the stand-in answers normally
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");

    QTest::newRow("created") << kApiKey << 0 << QByteArray() << "TaskCreated:meeting1";
    QTest::newRow("code present beside output")
        << kApiKey << 200
        << QByteArray(R"({"code":"QuotaExhausted","message":"quota used up","output":{"dataId":"x"}})")
        << "!RequestFailed:quota used up";
    QTest::newRow("wrong key") << "sk-wrong" << 0 << QByteArray()
                               << "!RequestFailed:Invalid API-key provided.";
    QTest::newRow("not JSON") << kApiKey << 200 << QByteArray("<html>busy</html>")
                              << "!RequestFailed:Invalid JSON response";
    QTest::newRow("JSON array") << kApiKey << 200 << QByteArray("[1,2]")
                                << "!RequestFailed:Invalid JSON response";
    QTest::newRow("no dataId") << kApiKey << 200 << QByteArray(R"({"output":{"status":"NEW"}})")
                               << "!RequestFailed:Invalid JSON response";
    QTest::newRow("server error without JSON") << kApiKey << 502 << QByteArray("bad gateway")
                                               << "!RequestFailed:HTTP status 502";
}

void AliyunMeetingTest::createTaskReplies()
{
    QFETCH(QString, key);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    if (status)
        m_server->setNextGenerationReply(status, body);

    Meeting m;
    m.api.createTask(kAppId, key, QStringLiteral("pcm"), 16000, QString(), {}, m.callback());
    QTRY_COMPARE_WITH_TIMEOUT(m.events.size(), 1, 8000);
    QCOMPARE(m.events, QStringList{expected});
    QCOMPARE(m.callbackEvents, m.events);
    QCOMPARE(m.api.dataId(), expected.startsWith("TaskCreated") ? QStringLiteral("meeting1")
                                                                 : QString());

    const HttpServer::Request request = m_server->httpRequests().last();
    QCOMPARE(request.header("authorization"), "Bearer " + key.toUtf8());
    QCOMPARE(request.header("content-type"), QByteArray("application/json"));
    QVERIFY2(request.body.contains("\n    "), "the body is sent indented");
    const QJsonObject input = QJsonDocument::fromJson(request.body).object().value("input").toObject();
    QCOMPARE(input.value("sampleRate").toInt(-1), 16000);
    QVERIFY(!input.contains("phraseId"));
}

void AliyunMeetingTest::customParametersReplaceWholeMembers()
{
    const QJsonObject custom{{"audio", QJsonObject{{"audioChannelMode", "mono"}}},
                             {"unknown", 1}};
    const QJsonObject body =
        Api::createTaskBody(kAppId, QStringLiteral("pcm"), 16000, QStringLiteral("p1"), custom);
    const QJsonObject parameters = body.value("parameters").toObject();
    QCOMPARE(parameters.value("audio").toObject(), custom.value("audio").toObject());
    QVERIFY(!parameters.contains("unknown"));
    QCOMPARE(parameters.value("analysis").toObject().value("customPromptModel").toString(),
             QStringLiteral("tingwu-turbo"));
    QCOMPARE(parameters.value("transcription").toObject().value("translationTargetLang").toArray(),
             QJsonArray{"ja"});
    QCOMPARE(body.value("input").toObject().value("phraseId").toString(), QStringLiteral("p1"));
}

void AliyunMeetingTest::taskRequests_data()
{
    QTest::addColumn<bool>("query");  // getTask, otherwise finishTask
    QTest::addColumn<QString>("dataId");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("withCallback");
    QTest::addColumn<QString>("expected");  // start of the one event; empty: none

    QTest::newRow("finish") << false << "meeting1" << kApiKey << true << "TaskFinished:Task finished";
    QTest::newRow("finish unknown meeting") << false << "nope" << kApiKey << true
                                            << "!RequestFailed:no such meeting";
    QTest::newRow("finish without callback says nothing") << false << "meeting1" << kApiKey << false
                                                          << "";
    QTest::newRow("query") << true << "meeting1" << kApiKey << true
                           << R"(RawMessage:{"output":{"dataId":"meeting1")";
    QTest::newRow("query with wrong key") << true << "meeting1" << "sk-wrong" << true
                                          << "!RequestFailed:Invalid API-key provided.";
}

void AliyunMeetingTest::taskRequests()
{
    QFETCH(bool, query);
    QFETCH(QString, dataId);
    QFETCH(QString, key);
    QFETCH(bool, withCallback);
    QFETCH(QString, expected);

    Meeting m;
    m.api.createTask(kAppId, kApiKey, QStringLiteral("pcm"), 16000, QString(), {}, {});
    QVERIFY(m.waitFor("TaskCreated:meeting1"));
    m.events.clear();
    m.keepRaw = true;  // a query's answer comes as RawMessage
    const Api::Callback callback = withCallback ? m.callback() : Api::Callback();
    if (query)
        m.api.getTask(kAppId, dataId, key, callback);
    else
        m.api.finishTask(kAppId, dataId, key, callback);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->httpRequests().size(), 2, 8000);
    if (expected.isEmpty()) {
        QTest::qWait(300);
        QCOMPARE(m.events, QStringList());
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(m.events.size(), 1, 8000);
    QVERIFY2(m.events.first().startsWith(expected), qPrintable(m.events.first()));
    QCOMPARE(m.callbackEvents, m.events);
}

void AliyunMeetingTest::taskIdIsAlwaysSixteenCharacters_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("id");
    QTest::newRow("zero") << 0u << "0000000000000000";
    QTest::newRow("one digit") << 0x1u << "1000000000000000";
    QTest::newRow("three digits") << 0xabcu << "abc0000000000000";
    QTest::newRow("largest") << 0xffffffffu << "ffffffff00000000";
}

void AliyunMeetingTest::taskIdIsAlwaysSixteenCharacters()
{
    QFETCH(quint32, value);
    QFETCH(QString, id);
    QCOMPARE(Api::makeTaskId(value), id);
}

void AliyunMeetingTest::audioFromFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("audio");

    const QByteArray pcm(1000, 'p');
    const QByteArray garbage(100, 'g');
    QByteArray noData = wavHeader(0);
    noData.replace(36, 4, "LIST");

    QTest::newRow("shorter than 13 bytes") << QByteArray("RIFF\0\0\0\0WAVE", 12)
                                           << QByteArray("RIFF\0\0\0\0WAVE", 12);
    QTest::newRow("no RIFF") << garbage << garbage;
    QTest::newRow("RIFF without WAVE") << QByteArray("RIFF0000AVI ") + garbage
                                       << QByteArray("RIFF0000AVI ") + garbage;
    QTest::newRow("data chunk") << wavHeader(1000) + pcm << pcm;
    QTest::newRow("data chunk shorter than the file") << wavHeader(10) + pcm << pcm.left(10);
    QTest::newRow("data length past the end") << wavHeader(5000) + pcm << pcm;
    QTest::newRow("data length of 4 GiB") << wavHeader(0xffffffffu) + pcm << pcm;
    QTest::newRow("data header cut off") << wavHeader(0).left(42) << wavHeader(0).left(42);
    QTest::newRow("no data chunk") << noData + pcm << pcm;
    QTest::newRow("no data chunk, header only") << noData << noData;
}

void AliyunMeetingTest::audioFromFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, audio);
    QCOMPARE(Api::audioFromFile(file), audio);
}

// ---- Streaming ----

void AliyunMeetingTest::backlogIsBoundedToFiveMinutes()
{
    Api api;
    const int limit = int(Api::kMaxBacklogBytes / Api::kFrameSize);
    QCOMPARE(limit, 3000);
    for (int i = 0; i < limit + 25; ++i)
        api.sendPcmToAliyun(QByteArray(Api::kFrameSize, char(i)));
    QCOMPARE(api.queuedFrames(), limit);
}

void AliyunMeetingTest::refusedTokenEndsTheStartCleanly()
{
    m_server->setRefuseTokens(true);
    Meeting m;
    m.start();
    QVERIFY(m.waitFor("!RequestFailed:token fetch failed"));
    QCOMPARE(m.events, QStringList({"TaskCreated:meeting1", "!RequestFailed:token fetch failed"}));
    QCOMPARE(m.callbackEvents, m.events);
    QCOMPARE(m_server->connectionCount(), 0);
    QVERIFY(!m.api.isSending());
    QVERIFY(!m.api.audioAttached());
}

void AliyunMeetingTest::liveMeetingFromStartToEnd()
{
    Meeting m;
    m.start();
    QVERIFY(m.waitFor("ReadyForAudio:Ready to send audio"));
    QVERIFY(m.api.audioAttached());
    m.speak(51);  // ten frames of 3200 bytes and 640 bytes over
    m.api.endMeeting();
    QVERIFY(m.waitFor("MeetingEnded:Disconnected"));

    QCOMPARE(m.events, QStringList({"TaskCreated:meeting1", "ReadyForAudio:Ready to send audio",
                                    "RecognizeResult:" + DashscopeServer::sentence(1),
                                    "RecognizeResult:" + DashscopeServer::sentence(2),
                                    "MeetingEnded:Meeting ended", "MeetingEnded:Disconnected"}));
    QCOMPARE(m.callbackEvents, m.events);

    QCOMPARE(m_server->connectionCount(), 1);
    const DashscopeServer::Connection &c = m_server->connections().first();
    QVERIFY(c.tokenAccepted);
    QCOMPARE(c.authorization, "Bearer " + kApiKey);
    QVERIFY2(c.runTaskError.isEmpty(), qPrintable(c.runTaskError));
    QCOMPARE(c.dataId, QStringLiteral("meeting1"));
    QCOMPARE(c.taskId, m.api.taskId());
    QVector<int> frames(10, 3200);
    frames << 640;
    QCOMPARE(c.frameSizes, frames);
    // Once at once, once more after the last (short) frame.
    QCOMPARE(c.finishTasks.size(), 2);
    QVERIFY(c.framesAtFinish.first() < 11);
    QCOMPARE(c.framesAtFinish.last(), 11);
    QTRY_VERIFY(m_server->connections().first().closed);
    QVERIFY(m_server->connections().first().closedByClient);
    QVERIFY(!m.api.isSending());
    QVERIFY(!m.api.audioAttached());
}

void AliyunMeetingTest::fileModeStreamsTheDataChunk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("meeting.wav");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(wavHeader(7000) + QByteArray(7000, 'a'));
    file.close();

    Meeting m;
    m.api.setAudioFile(path);
    m.start();
    QVERIFY(m.waitFor("ReadyForAudio:Ready to send audio"));
    QVERIFY(!m.api.audioAttached());
    QTRY_COMPARE_WITH_TIMEOUT(m_server->connections().first().frameSizes,
                              QVector<int>({3200, 3200, 600}), 5000);
    m.api.endMeeting();
    QVERIFY(m.waitFor("MeetingEnded:Meeting ended"));
}

void AliyunMeetingTest::failedTaskStopsSending()
{
    m_server->failTaskAfterFrames(0, 3, QStringLiteral("Throttling"), QStringLiteral("too many"));
    Meeting m;
    m.start();
    QVERIFY(m.waitFor("ReadyForAudio:Ready to send audio"));
    m.speak(40);
    QVERIFY(m.waitFor("!TaskFailed:too many"));
    QVERIFY(!m.api.isSending());
    QVERIFY(!m.api.audioAttached());
    QVERIFY(m.waitFor("MeetingEnded:Disconnected"));
    QTest::qWait(300);
    QCOMPARE(m_server->connectionCount(), 1);  // a failed task is not a lost connection
    QCOMPARE(m_server->connections().first().frameSizes.size(), 3);
}

void AliyunMeetingTest::droppedConnectionContinuesTheSameMeeting()
{
    m_server->dropAfterFrames(0, 7);
    Meeting m;
    // The mouse keeps talking while the connection is down.
    QTimer voice;
    voice.setInterval(20);
    QObject::connect(&voice, &QTimer::timeout, [&m] { m.speak(1); });
    m.start();
    QVERIFY(m.waitFor("ReadyForAudio:Ready to send audio"));
    voice.start();
    QTRY_VERIFY_WITH_TIMEOUT(m_server->connectionCount() == 2
                                 && m_server->connections().at(1).frameSizes.size() >= 12,
                             10000);
    voice.stop();
    m.api.endMeeting();
    QVERIFY(m.waitFor("MeetingEnded:Meeting ended", 10000));

    const DashscopeServer::Connection &first = m_server->connections().at(0);
    const DashscopeServer::Connection &second = m_server->connections().at(1);
    QCOMPARE(m_server->connectionCount(), 2);
    QCOMPARE(first.frameSizes.size(), 7);
    QVERIFY(second.tokenAccepted);
    QVERIFY2(second.runTaskError.isEmpty(), qPrintable(second.runTaskError));
    QCOMPARE(second.dataId, first.dataId);
    QVERIFY(second.taskId != first.taskId);
    // Nothing the mouse said was lost: a frame is only sent on a listening
    // connection, and the drop came after the seventh was answered.
    QCOMPARE(receivedBytes(*m_server), m.fed);
    const int sentences = receivedBytes(*m_server) / 3200 / 5;
    QVERIFY(sentences >= 3);
    QStringList expected;
    for (int i = 1; i <= m.recognized().size(); ++i)
        expected << "RecognizeResult:" + DashscopeServer::sentence(i);
    QCOMPARE(m.recognized(), expected);
    QVERIFY(m.recognized().size() >= 3);  // sentences after the drop arrived too
    QVERIFY(m.events.filter("RequestFailed").isEmpty());
    QCOMPARE(second.finishTasks.size(), 2);
}

void AliyunMeetingTest::reconnectionRefusedEndsWithRequestFailed()
{
    m_server->dropAfterFrames(0, 3);
    Meeting m;
    m.start();
    QVERIFY(m.waitFor("ReadyForAudio:Ready to send audio"));
    m_server->setRefuseTokens(true);
    m.speak(30);
    QVERIFY(m.waitFor("!RequestFailed:" + Api::tr("会议连接已断开，重新连接失败"), 10000));
    QVERIFY(!m.api.isSending());
    QVERIFY(!m.api.audioAttached());
    QCOMPARE(m_server->connectionCount(), 1);
    // One token for the meeting, then one per attempt.
    const auto requests = m_server->httpRequests();
    const int tokens = int(std::count_if(requests.begin(), requests.end(), [](const auto &r) {
        return r.target == "/api/v1/tokens";
    }));
    QCOMPARE(tokens, 1 + 3);
    QCOMPARE(m.events.filter("RequestFailed").size(), 1);
}

void AliyunMeetingTest::malformedEventsAreHarmless_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("not JSON") << "{\"header\":";
    QTest::newRow("array") << "[1,2,3]";
    QTest::newRow("empty object") << "{}";
    QTest::newRow("header is text") << R"({"header":"result-generated","payload":{}})";
    QTest::newRow("payload is a number") << R"({"header":{"event":"result-generated"},"payload":5})";
    QTest::newRow("output is an array")
        << R"({"header":{"event":"result-generated"},"payload":{"output":[]}})";
    QTest::newRow("action is a number")
        << R"({"header":{"event":"result-generated"},"payload":{"output":{"action":7}}})";
    QTest::newRow("transcription is text")
        << R"({"header":{"event":"result-generated"},"payload":{"output":{"action":"recognize-result","transcription":"x"}}})";
    QTest::newRow("unknown action")
        << R"({"header":{"event":"result-generated"},"payload":{"output":{"action":"speech-begin"}}})";
    QTest::newRow("speech-listen again")
        << R"({"header":{"event":"result-generated"},"payload":{"output":{"action":"speech-listen"}}})";
    QTest::newRow("deeply nested") << QString(5000, '[') + QString(5000, ']');
}

void AliyunMeetingTest::malformedEventsAreHarmless()
{
    QFETCH(QString, text);
    m_server->setFramesPerSentence(0);
    Meeting m;
    m.start();
    QVERIFY(m.waitFor("ReadyForAudio:Ready to send audio"));
    m.speak(10);
    m_server->sendRaw(0, text);
    QTest::qWait(100);
    m.speak(11);
    m.api.endMeeting();
    QVERIFY(m.waitFor("MeetingEnded:Meeting ended"));
    // Every chunk was sent once: a second speech-listen does not connect the audio twice.
    QCOMPARE(receivedBytes(*m_server), m.fed);
    QVERIFY(m.events.filter("Failed").isEmpty());
}

QTEST_GUILESS_MAIN(AliyunMeetingTest)
#include "test_aliyun_meeting.moc"
