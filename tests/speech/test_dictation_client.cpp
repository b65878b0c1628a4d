#include "core/speech/xfyun_request.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "fakes/dictation_server.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QJsonArray>
#include <QSignalSpy>
#include <QTimer>
#include <QUrlQuery>
#include <QWebSocketProtocol>
#include <QtTest>

#include <algorithm>
#include <memory>

using Reply = DictationServer::Reply;
Q_DECLARE_METATYPE(QVector<DictationServer::Reply>)

namespace {

const QString kAppId = QStringLiteral("1a2b3c4d");
const QString kKey = QStringLiteral("0123456789abcdef0123456789abcdef");
const QString kSecret = QStringLiteral("MjlmNzk4ZmE2ZWE1ZWFhYmQ4MzI0NmQz");
const QString kIntAppId = QStringLiteral("9f8e7d6c");
const QString kIntKey = QStringLiteral("fedcba9876543210fedcba9876543210");
const QString kIntSecret = QStringLiteral("ZjQ0MzdkYjM3MTY2ZDFkYmU1ZWRkNTgx");
const QString kNothingSaid = QStringLiteral("您好像没有说话或者按键时间过短");

// Distinct bytes per position, so lost or reordered audio shows.
QByteArray pcm(int bytes, int offset = 0)
{
    QByteArray out(bytes, Qt::Uninitialized);
    for (int i = 0; i < bytes; ++i)
        out[i] = char((offset + i) % 251);
    return out;
}

// The client wired to one stand-in and recording everything it reports.
struct Rig {
    DictationServer server;
    XFYunWebApiDomestic client;
    QSignalSpy results{&client, &XFYunWebApiDomestic::mAudioResultBlock};

    Rig()
    {
        server.setCredentials(kAppId, kKey, kSecret);
        client.setAppId(kAppId);
        client.setApiKey(kKey);
        client.setApiSecret(kSecret);
        client.setIntAppId(kIntAppId);
        client.setIntApiKey(kIntKey);
        client.setIntApiSecret(kIntSecret);
    }
    bool start() { return server.listen() && qputenv("TALKVANE_URL_DICTATION", server.url().toUtf8()); }

    void begin(const QString &language, bool longAudio = false)
    {
        client.beginAsr(language, {}, longAudio);
    }
    void feed(int bytes, int chunk, int offset = 0)
    {
        const QByteArray all = pcm(bytes, offset);
        for (int i = 0; i < bytes; i += chunk)
            client.sendPcmToXunfei(all.mid(i, chunk));
    }
    QStringList texts(PXASRResultType type) const
    {
        QStringList out;
        for (const auto &r : results) {
            if (r.at(2).value<PXASRResultType>() == type)
                out << r.at(1).toString();
        }
        return out;
    }
    const DictationServer::Session &session(int i) const { return server.sessions().at(i); }
    int frames(int i) const { return server.sessionCount() > i ? session(i).frames.size() : 0; }
    bool closed(int i) const { return server.sessionCount() > i && session(i).closed; }
};

QElapsedTimer *g_clock = nullptr;
QVector<qint64> g_sentAt;

void recordSends(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.startsWith(QLatin1String("first frame:"))
        || message.startsWith(QLatin1String("middle frame:")))
        g_sentAt << g_clock->elapsed();
}

QByteArray audioOf(const DictationServer::Session &s)
{
    QByteArray out;
    for (const auto &f : s.frames)
        out += f.audio;
    return out;
}

}  // namespace

class TestDictationClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void signing_data();
    void signing();
    void business_data();
    void business();

    void routing_data();
    void routing();
    void framesAndPacing_data();
    void framesAndPacing();
    void backlogCatchesUpWhileLiveAudioArrives();
    void releasedBeforeConnected();
    void abnormalEndsDeliverWhatWasRecognised_data();
    void abnormalEndsDeliverWhatWasRecognised();
    void everySessionStartsWithAFreshFrameStatus();
    void results_data();
    void results();
    void reauthenticatesWhenServiceEndsSession();
    void longDictationRenewsSessions();
    void longDictationSignsEveryConnectionAndBacksOff();
};

void TestDictationClient::initTestCase()
{
    QVERIFY(!DictationServer::caCertificate().isNull());
    DictationServer::trustTestCa();
}

void TestDictationClient::cleanup()
{
    for (const char *v : {"TALKVANE_URL_DICTATION", "TALKVANE_URL_DICTATION_MINORITY",
                          "TALKVANE_URL_DICTATION_INTL"})
        qunsetenv(v);
}

void TestDictationClient::signing_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("signature");
    QTest::addColumn<QString>("authorization");

    // Expected values computed with a separate HMAC implementation.
    QTest::newRow("tuesday") << QDateTime({2026, 12, 8}, {11, 31, 23}, Qt::UTC)
                             << "Tue, 08 Dec 2026 11:31:23 GMT"
                             << "JfnyWRxeo9G6DvSnwa9uxwpkEFQBh8kqasKE/tl7VHE="
                             << "YXBpX2tleT0iMDEyMzQ1Njc4OWFiY2RlZjAxMjM0NTY3ODlhYmNkZWYiLCBhbGdvcml0aG09ImhtYWMtc2hhMjU2IiwgaGVhZGVycz0iaG9zdCBkYXRlIHJlcXVlc3QtbGluZSIsIHNpZ25hdHVyZT0iSmZueVdSeGVvOUc2RHZTbndhOXV4d3BrRUZRQmg4a3Fhc0tFL3RsN1ZIRT0i";
    // Local time in, UTC out; single-digit day and hour keep their zeros.
    QTest::newRow("sunday from local time")
        << QDateTime({2023, 1, 1}, {9, 0, 5}, Qt::OffsetFromUTC, 8 * 3600)
        << "Sun, 01 Jan 2023 01:00:05 GMT" << QString() << QString();
}

void TestDictationClient::signing()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, date);
    QFETCH(QString, signature);
    QFETCH(QString, authorization);
    const QString endpoint = QStringLiteral("wss://iat.example.test/v2/iat");

    QLocale::setDefault(QLocale(QLocale::German));  // must not leak into the date
    QCOMPARE(XfyunRequest::httpDate(when), date);
    QLocale::setDefault(QLocale::c());
    if (signature.isEmpty())
        return;
    QCOMPARE(XfyunRequest::signature(endpoint, date, kSecret), signature);
    QCOMPARE(XfyunRequest::authorization(kKey, signature), authorization);

    const QUrl url = XfyunRequest::signedUrl(endpoint, kKey, kSecret, when);
    const QUrlQuery q(url);
    QCOMPARE(q.queryItemValue("authorization", QUrl::FullyDecoded), authorization);
    QCOMPARE(q.queryItemValue("date", QUrl::FullyDecoded), date);
    QCOMPARE(q.queryItemValue("host", QUrl::FullyDecoded), endpoint);
    QVERIFY(url.toString(QUrl::FullyEncoded).contains("date=Tue,%2008%20Dec%202026%2011:31:23%20GMT"));
}

void TestDictationClient::business_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("accent");
    QTest::addColumn<QString>("rlang");
    QTest::addColumn<bool>("dwa");

    QTest::newRow("mandarin") << "zh_cn" << "zh_cn" << "mandarin" << "zh-cn" << true;
    QTest::newRow("taiwan") << "zh_cn_taiwan_traditional" << "zh_cn" << "mandarin" << "zh-hk" << true;
    QTest::newRow("hk cantonese") << "zh_cn_cantonese_traditional" << "zh_cn" << "cantonese" << "zh-hk" << false;
    QTest::newRow("cn cantonese") << "zh_cn_cn_cantonese" << "zh_cn" << "cn_cantonese" << "zh-cn" << false;
    QTest::newRow("cn lmz") << "zh_cn_cn_lmz" << "zh_cn" << "cn_lmz" << "zh-cn" << true;
    QTest::newRow("lmz") << "zh_cn_lmz" << "zh_cn" << "lmz" << "zh-cn" << true;
    QTest::newRow("henanese") << "zh_cn_henanese" << "zh_cn" << "henanese" << "zh-cn" << true;
    QTest::newRow("shanghainese") << "zh_cn_shanghainese" << "zh_cn" << "shanghainese" << "zh-cn" << true;
    QTest::newRow("nanchangnese") << "zh_cn_nanchangnese" << "zh_cn" << "nanchangnese" << "zh-cn" << true;
    QTest::newRow("minnanese") << "zh_cn_minnanese" << "zh_cn" << "minnanese" << "zh-cn" << true;
    QTest::newRow("wuhanese") << "zh_cn_wuhanese" << "zh_cn" << "wuhanese" << "zh-cn" << true;
    QTest::newRow("hakkanese") << "zh_cn_hakkanese" << "zh_cn" << "hakkanese" << "zh-cn" << true;
    QTest::newRow("english") << "en_us" << "en_us" << "mandarin" << "" << false;
    QTest::newRow("indonesian") << "id_ID" << "id_ID" << "mandarin" << "" << false;
}

void TestDictationClient::business()
{
    QFETCH(QString, language);
    QFETCH(QString, sent);
    QFETCH(QString, accent);
    QFETCH(QString, rlang);
    QFETCH(bool, dwa);

    const QJsonObject b = XfyunRequest::business(language, 0);
    QCOMPARE(b.value("language").toString(), sent);
    QCOMPARE(b.value("accent").toString(), accent);
    QVERIFY(b.contains("rlang"));
    QCOMPARE(b.value("rlang").toString(), rlang);
    QCOMPARE(b.contains("dwa"), dwa);
    if (dwa)
        QCOMPARE(b.value("dwa").toString(), QStringLiteral("wpgs"));
    QCOMPARE(b.value("domain").toString(), QStringLiteral("iat"));
    QCOMPARE(b.value("vad_eos").toInt(), 10000);
    QCOMPARE(b.value("ptt").toInt(-1), 0);
    QCOMPARE(b.value("nunum").toInt(), 1);
}

void TestDictationClient::routing_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("target");  // 0 domestic, 1 minority, 2 international

    QTest::newRow("cn chinese") << "cn" << "zh_cn" << 0;
    QTest::newRow("cn english") << "cn" << "en_us" << 0;
    QTest::newRow("cn indonesian") << "cn" << "id_ID" << 1;
    QTest::newRow("cn upper case") << "cn" << "MANDARIN" << 1;
    QTest::newRow("abroad chinese") << "us" << "zh_cn" << 2;
}

void TestDictationClient::routing()
{
    QFETCH(QString, region);
    QFETCH(QString, language);
    QFETCH(int, target);

    Rig rig;
    DictationServer minority, international;
    minority.setCredentials(kAppId, kKey, kSecret);
    international.setCredentials(kIntAppId, kIntKey, kIntSecret);
    QVERIFY(rig.start() && minority.listen() && international.listen());
    qputenv("TALKVANE_URL_DICTATION_MINORITY", minority.url().toUtf8());
    qputenv("TALKVANE_URL_DICTATION_INTL", international.url().toUtf8());
    const DictationServer *servers[] = {&rig.server, &minority, &international};

    rig.client.setRegion(region);
    rig.begin(language);
    rig.feed(3 * 960, 960);
    const DictationServer &hit = *servers[target];
    QTRY_VERIFY(hit.sessionCount() > 0 && !hit.sessions().at(0).frames.isEmpty());
    rig.client.endAsr(true);
    QTRY_VERIFY(hit.sessions().at(0).closed);

    for (int i = 0; i < 3; ++i)
        QCOMPARE(servers[i]->sessionCount(), i == target ? 1 : 0);
    const auto &first = hit.sessions().at(0).frames.at(0).json;
    QCOMPARE(first.value("common").toObject().value("app_id").toString(),
             target == 2 ? kIntAppId : kAppId);
    QCOMPARE(first.value("business").toObject().value("language").toString(), language);
}

void TestDictationClient::framesAndPacing_data()
{
    QTest::addColumn<int>("chunk");
    QTest::addColumn<int>("chunks");
    QTest::addColumn<int>("frameBytes");

    QTest::newRow("10 ms chunks") << 320 << 45 << 960;
    QTest::newRow("overshooting chunks") << 700 << 20 << 1400;
}

void TestDictationClient::framesAndPacing()
{
    QFETCH(int, chunk);
    QFETCH(int, chunks);
    QFETCH(int, frameBytes);

    Rig rig;
    QVERIFY(rig.start());
    rig.client.setPtt(0);
    rig.begin(QStringLiteral("zh_cn"));
    rig.feed(chunk * chunks, chunk);  // backlog built up while connecting
    QTRY_VERIFY(rig.frames(0) > 0);
    rig.client.endAsr(true);
    QTRY_VERIFY(rig.closed(0));

    const auto &s = rig.session(0);
    QVERIFY2(s.authorized, qPrintable(s.authError));
    const int audioFrames = chunk * chunks / frameBytes;
    QCOMPARE(s.frames.size(), audioFrames + 1);
    for (int i = 0; i < s.frames.size(); ++i) {
        const auto &f = s.frames.at(i);
        const QJsonObject data = f.json.value("data").toObject();
        const bool last = i == s.frames.size() - 1;
        QVERIFY(f.binary);
        QCOMPARE(f.status, i == 0 ? 0 : last ? 2 : 1);
        QCOMPARE(data.value("format").toString(), QStringLiteral("audio/L16;rate=16000"));
        QCOMPARE(data.value("encoding").toString(), QStringLiteral("raw"));
        QCOMPARE(f.audio.size(), last ? 0 : frameBytes);
        QCOMPARE(f.json.contains("common"), i == 0);
        QCOMPARE(f.json.contains("business"), i == 0);
    }
    QCOMPARE(s.frames.first().json.value("business").toObject(), XfyunRequest::business("zh_cn", 0));
    QCOMPARE(audioOf(s), pcm(chunk * chunks));
    QVERIFY(s.closedByClient);
    QCOMPARE(s.closeCode, int(QWebSocketProtocol::CloseCodeNormal));

    // The backlog drains one frame per 25 ms tick, not in a burst.
    QVector<qint64> gaps;
    for (int i = 1; i < audioFrames; ++i)
        gaps << s.frames.at(i).atMs - s.frames.at(i - 1).atMs;
    std::sort(gaps.begin(), gaps.end());
    const qint64 median = gaps.at(gaps.size() / 2);
    const double mean = double(s.frames.at(audioFrames - 1).atMs - s.frames.first().atMs)
                        / (audioFrames - 1);
    // Timers run late on a loaded machine, never early: the upper bound has room.
    QVERIFY2(median >= 20 && median <= 40, qPrintable(QString::number(median)));
    QVERIFY2(mean >= 22 && mean <= 40, qPrintable(QString::number(mean)));
}

void TestDictationClient::backlogCatchesUpWhileLiveAudioArrives()
{
    Rig rig;
    QVERIFY(rig.start());
    QElapsedTimer clock;
    clock.start();
    // When the client sent each audio frame, from its own log of every send.
    g_clock = &clock;
    g_sentAt.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordSends);
    auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
    QVector<qint64> arrived;  // on the test's clock
    connect(&rig.server, &DictationServer::frameReceived, [&](int, int status) {
        if (status != 2)
            arrived << clock.elapsed();
    });

    rig.begin(QStringLiteral("zh_cn"));
    rig.feed(3 * 960, 320);  // said while connecting
    // Then audio goes on arriving, a little slower than real time so that a
    // loaded machine's timer latency cannot eat the margin the pacing has.
    const int liveChunks = 210;
    int fed = 0;
    QVector<qint64> completed;  // when each live frame's last chunk came in
    QTimer device;
    device.setTimerType(Qt::PreciseTimer);
    connect(&device, &QTimer::timeout, [&] {
        rig.feed(320, 320, 3 * 960 + fed * 320);
        if (++fed % 3 == 0)
            completed << clock.elapsed();
        if (fed == liveChunks)
            device.stop();
    });
    device.start(12);
    QTRY_VERIFY_WITH_TIMEOUT(fed == liveChunks, 5000);
    QTRY_COMPARE(rig.frames(0), 3 + liveChunks / 3);
    rig.client.endAsr(true);
    QTRY_VERIFY(rig.closed(0));

    QCOMPARE(audioOf(rig.session(0)), pcm((3 + liveChunks / 3) * 960));
    // The backlog keeps the pacing interval...
    for (int i = 1; i < 3; ++i)
        QVERIFY2(g_sentAt.at(i) - g_sentAt.at(i - 1) >= XFYunWebApiDomestic::kSendIntervalMs - 2,
                 qPrintable(QStringLiteral("backlog frames %1 and %2 sent %3 ms apart")
                                .arg(i - 1).arg(i).arg(g_sentAt.at(i) - g_sentAt.at(i - 1))));
    // ...and never two frames in a burst, though live audio and the backlog compete.
    for (int i = 1; i < g_sentAt.size(); ++i)
        QVERIFY2(g_sentAt.at(i) - g_sentAt.at(i - 1) >= XFYunWebApiDomestic::kLiveMinGapMs - 1,
                 qPrintable(QStringLiteral("frames %1 and %2 sent %3 ms apart")
                                .arg(i - 1).arg(i).arg(g_sentAt.at(i) - g_sentAt.at(i - 1))));
    // The backlog drains faster than audio arrives, until frames leave as
    // their audio completes.
    auto meanLag = [&](int from) {
        qint64 sum = 0;
        for (int i = from; i < from + 10; ++i)
            sum += arrived.at(3 + i) - completed.at(i);
        return sum / 10;
    };
    const qint64 early = meanLag(0), late = meanLag(completed.size() - 10);
    QVERIFY2(late * 4 <= early * 3,
             qPrintable(QStringLiteral("lag %1 ms at first, %2 ms at the end").arg(early).arg(late)));
}

void TestDictationClient::releasedBeforeConnected()
{
    // Audio captured while connecting is what the user said: it is sent.
    Rig rig;
    QVERIFY(rig.start());
    rig.begin(QStringLiteral("zh_cn"));
    rig.feed(10 * 960, 320);
    rig.client.endAsr(true);
    QTRY_VERIFY(rig.closed(0));
    QCOMPARE(rig.frames(0), 11);
    QCOMPARE(audioOf(rig.session(0)), pcm(10 * 960));
    QTRY_COMPARE(rig.texts(PXASRResultType::Finish), QStringList{QString()});
    QCOMPARE(rig.texts(PXASRResultType::Error), QStringList{kNothingSaid});

    // Nothing captured: nothing is sent, and the dictation still ends.
    Rig empty;
    QVERIFY(empty.start());
    empty.begin(QStringLiteral("zh_cn"));
    empty.client.endAsr(true);
    QTRY_VERIFY(empty.closed(0));
    QCOMPARE(empty.frames(0), 0);
    QVERIFY(empty.session(0).closedByClient);
    QCOMPARE(empty.session(0).closeCode, int(QWebSocketProtocol::CloseCodeNormal));
    QTRY_COMPARE(empty.texts(PXASRResultType::Finish), QStringList{QString()});
    QCOMPARE(empty.texts(PXASRResultType::Error), QStringList{kNothingSaid});
    QTest::qWait(100);
    QCOMPARE(empty.server.sessionCount(), 1);
}

void TestDictationClient::abnormalEndsDeliverWhatWasRecognised_data()
{
    QTest::addColumn<QVector<Reply>>("replies");
    QTest::addColumn<QString>("badSecret");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("finish");

    const QVector<Reply> spoken{{1, DictationServer::apd(0, 1, "今天")}, {2, DictationServer::rpl(2, "今天天气", 1, 1)}};
    QTest::newRow("connection dropped")
        << (spoken + QVector<Reply>{{3, DictationServer::drop()}}) << QString()
        << "The remote host closed the connection" << "今天天气";
    QTest::newRow("service error")
        << (spoken + QVector<Reply>{{3, DictationServer::error(10165, "invalid handle")}})
        << QString() << "code 10165" << "今天天气";
    QTest::newRow("signature refused")
        << QVector<Reply>{} << QStringLiteral("another-secret-another-secret-00") << QString()
        << QString();
}

void TestDictationClient::abnormalEndsDeliverWhatWasRecognised()
{
    QFETCH(QVector<Reply>, replies);
    QFETCH(QString, badSecret);
    QFETCH(QString, error);
    QFETCH(QString, finish);

    Rig rig;
    if (!badSecret.isEmpty())
        rig.server.setCredentials(kAppId, kKey, badSecret);
    QVERIFY(rig.start());
    rig.server.setReplies(0, replies);
    // The key stays held: audio keeps arriving after the session broke.
    int offset = 0;
    QTimer device;
    connect(&device, &QTimer::timeout, [&] {
        rig.feed(960, 960, offset);
        offset += 960;
    });
    rig.begin(QStringLiteral("zh_cn"));
    device.start(30);

    QTRY_COMPARE(rig.texts(PXASRResultType::Finish).size(), 1);
    QCOMPARE(rig.texts(PXASRResultType::Finish).first(), finish);
    const QStringList errors = rig.texts(PXASRResultType::Error);
    QCOMPARE(errors.size(), 1);
    if (!error.isEmpty())
        QCOMPARE(errors.first(), error);
    QVERIFY(errors.first() != kNothingSaid);
    QVERIFY(!rig.client.isActive());
    const int sent = rig.frames(0);

    // Releasing afterwards changes nothing: no second end, no more frames.
    QTest::qWait(200);
    device.stop();
    rig.client.endAsr(true);
    QTest::qWait(200);
    QCOMPARE(rig.texts(PXASRResultType::Finish).size(), 1);
    QCOMPARE(rig.texts(PXASRResultType::Error).size(), 1);
    QCOMPARE(rig.frames(0), sent);
    QCOMPARE(rig.server.sessionCount(), 1);
}

void TestDictationClient::everySessionStartsWithAFreshFrameStatus()
{
    Rig rig;
    QVERIFY(rig.start());
    rig.server.setReplies(0, {{2, DictationServer::drop()}});
    rig.server.setReplies(1, {{-1, DictationServer::apd(2, 1, "好", true)}});

    // The first session is still streaming when it breaks...
    rig.begin(QStringLiteral("zh_cn"));
    rig.feed(8 * 960, 960);
    QTRY_COMPARE(rig.texts(PXASRResultType::Finish).size(), 1);

    // ...the next one connects before its audio arrives.
    rig.begin(QStringLiteral("zh_cn"));
    QTRY_COMPARE(rig.server.sessionCount(), 2);
    QTest::qWait(300);
    QCOMPARE(rig.frames(1), 0);  // nothing sent without audio
    rig.feed(4 * 960, 960);
    QTRY_COMPARE(rig.frames(1), 4);
    rig.client.endAsr(true);
    QTRY_COMPARE(rig.texts(PXASRResultType::Finish).size(), 2);
    QCOMPARE(rig.texts(PXASRResultType::Finish).last(), QStringLiteral("好"));

    QVector<int> statuses;
    for (const auto &f : rig.session(1).frames)
        statuses << f.status;
    QCOMPARE(statuses, (QVector<int>{0, 1, 1, 1, 2}));

    // A re-press before the previous dictation drained ends it first, once.
    rig.server.setReplies(2, {{1, DictationServer::apd(0, 1, "再")}});
    rig.begin(QStringLiteral("zh_cn"));
    rig.feed(3 * 960, 960);
    QTRY_COMPARE(rig.texts(PXASRResultType::Confirm).size(), 2);
    rig.client.endAsr(true);
    rig.begin(QStringLiteral("zh_cn"));
    QCOMPARE(rig.texts(PXASRResultType::Finish).size(), 3);
    QCOMPARE(rig.texts(PXASRResultType::Finish).last(), QStringLiteral("再"));
    rig.feed(2 * 960, 960);
    QTRY_COMPARE(rig.frames(3), 2);
    QCOMPARE(rig.session(3).frames.at(0).status, 0);
    QCOMPARE(rig.session(3).frames.at(1).status, 1);
}

void TestDictationClient::results_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QVector<Reply>>("replies");
    QTest::addColumn<QStringList>("continues");
    QTest::addColumn<QString>("finish");

    QTest::newRow("rg 1,1 replaces everything")
        << "zh_cn"
        << QVector<Reply>{{1, DictationServer::apd(0, 1, "今天")}, {2, DictationServer::rpl(2, "天气", 1, 1)}, {-1, DictationServer::apd(2, 3, "。", true)}}
        << QStringList{"天气"} << "天气。";
    QTest::newRow("rg 1,2 replaces both")
        << "zh_cn"
        << QVector<Reply>{{1, DictationServer::apd(0, 1, "今天")}, {2, DictationServer::rpl(2, "天气", 1, 2)}, {-1, DictationServer::apd(2, 3, "。", true)}}
        << QStringList{"天气"} << "天气。";
    // A corrected sentence followed by several appended ones appears once.
    QTest::newRow("appends after a correction")
        << "zh_cn"
        << QVector<Reply>{{1, DictationServer::apd(0, 1, "今天")},
                          {2, DictationServer::rpl(2, "今天天气", 1, 1)},
                          {3, DictationServer::apd(1, 3, "，")},
                          {4, DictationServer::apd(1, 4, "我们")},
                          {-1, DictationServer::apd(2, 5, "。", true)}}
        << QStringList{"今天天气"} << "今天天气，我们。";
    // Corrections reaching back over several results, as the service sends them.
    QTest::newRow("corrections over a range")
        << "zh_cn"
        << QVector<Reply>{{1, DictationServer::apd(0, 1, "我们")},
                          {2, DictationServer::rpl(2, "我们今天", 1, 1)},
                          {3, DictationServer::apd(1, 3, "去")},
                          {4, DictationServer::rpl(4, "去公园", 3, 3)},
                          {5, DictationServer::rpl(5, "我们明天去公园", 2, 4)},
                          {-1, DictationServer::apd(2, 6, "。", true)}}
        << QStringList{"我们今天", "去公园", "我们明天去公园"} << "我们明天去公园。";
    QTest::newRow("sentence corrected twice")
        << "zh_cn"
        << QVector<Reply>{{1, DictationServer::apd(0, 1, "今天")},
                          {2, DictationServer::rpl(2, "今天天气", 1, 1)},
                          {3, DictationServer::rpl(3, "今天天气很好", 1, 2)},
                          {-1, DictationServer::apd(2, 4, "。", true)}}
        << QStringList{"今天天气", "今天天气很好"} << "今天天气很好。";
    QTest::newRow("plain")
        << "en_us"
        << QVector<Reply>{{1, DictationServer::result(0, 1, "Hello", false)},
                          {-1, DictationServer::result(2, 2, " world", true)}}
        << QStringList() << "Hello world";
}

void TestDictationClient::results()
{
    QFETCH(QString, language);
    QFETCH(QVector<Reply>, replies);
    QFETCH(QStringList, continues);
    QFETCH(QString, finish);

    Rig rig;
    QVERIFY(rig.start());
    rig.server.setReplies(0, replies);
    rig.begin(language);
    rig.feed(6 * 960, 320);
    QTRY_VERIFY(rig.frames(0) >= 4);
    rig.client.endAsr(true);
    QTRY_COMPARE(rig.texts(PXASRResultType::Finish), QStringList{finish});
    QTRY_VERIFY(rig.closed(0));

    QCOMPARE(rig.texts(PXASRResultType::Continue), continues);
    QCOMPARE(rig.texts(PXASRResultType::ShowText).last(), finish);
    QCOMPARE(rig.texts(PXASRResultType::Error), QStringList());
    QVERIFY(rig.session(0).closedByClient);
    for (const auto &r : qAsConst(rig.results))
        QVERIFY(r.at(0).toBool());
}

void TestDictationClient::reauthenticatesWhenServiceEndsSession()
{
    Rig rig;
    QVERIFY(rig.start());
    // The service ends the first session on its own while the key is held.
    rig.server.setReplies(0, {{2, DictationServer::apd(0, 1, "你好")}, {3, DictationServer::apd(2, 2, "。", true)}});
    rig.server.setReplies(1, {{-1, DictationServer::apd(1, 1, "再见")}, {-1, DictationServer::apd(2, 2, "", true)}});

    // Audio keeps arriving like the mouse sends it.
    int offset = 0;
    QTimer device;
    connect(&device, &QTimer::timeout, [&] {
        rig.feed(640, 640, offset);
        offset += 640;
    });
    rig.begin(QStringLiteral("zh_cn"));
    device.start(10);

    QTRY_COMPARE(rig.texts(PXASRResultType::Finish), QStringList{"你好。"});
    QTRY_VERIFY(rig.frames(1) >= 3);
    device.stop();
    rig.client.endAsr(true);
    QTRY_COMPARE(rig.texts(PXASRResultType::Finish), (QStringList{"你好。", "再见"}));
    QTRY_VERIFY(rig.closed(1));

    QCOMPARE(rig.server.sessionCount(), 2);
    QVERIFY2(rig.session(1).authorized, qPrintable(rig.session(1).authError));
    QVERIFY(rig.session(0).closedByClient);
    QCOMPARE(rig.session(0).closeCode, int(QWebSocketProtocol::CloseCodeNormal));
    // A session of its own: first frame with common and business, last frame at the end.
    const auto &second = rig.session(1).frames;
    QCOMPARE(second.first().status, 0);
    QCOMPARE(second.first().json.value("common").toObject().value("app_id").toString(), kAppId);
    QCOMPARE(second.last().status, 2);
    QCOMPARE(rig.texts(PXASRResultType::Error), QStringList());
}

void TestDictationClient::longDictationRenewsSessions()
{
    const int limit = 5;
    Rig rig;
    QVERIFY(rig.start());
    for (int i = 0; i < 3; ++i) {
        rig.server.setReplies(
            i, {{-1, DictationServer::result(2, 1, QStringLiteral("第%1段").arg(i + 1), true)}});
    }
    rig.client.setSessionFrameLimit(limit);
    rig.begin(QStringLiteral("en_us"), true);
    const int total = 2 * (limit + 1) + 4;  // two full sessions and four frames
    rig.feed(total * 960, 960);

    QTRY_COMPARE(rig.frames(2), 4);
    rig.client.endAsr(true);
    QTRY_COMPARE(rig.texts(PXASRResultType::LongAudioEnd).size(), 1);
    QTRY_VERIFY(rig.closed(2));
    QTest::qWait(150);

    QCOMPARE(rig.server.sessionCount(), 3);
    QByteArray audio;
    for (int i = 0; i < 3; ++i) {
        const auto &s = rig.session(i);
        QVERIFY2(s.authorized, qPrintable(s.authError));
        QCOMPARE(s.frames.size(), i < 2 ? limit + 2 : 5);
        QCOMPARE(s.frames.first().status, 0);
        QCOMPARE(s.frames.last().status, 2);
        QVERIFY(s.frames.last().audio.isEmpty());
        audio += audioOf(s);
    }
    QCOMPARE(audio, pcm(total * 960));
    QCOMPARE(rig.texts(PXASRResultType::Finish),
             (QStringList{"第1段", "第1段第2段", "第1段第2段第3段"}));
    QCOMPARE(rig.texts(PXASRResultType::Error), QStringList());
}

void TestDictationClient::longDictationSignsEveryConnectionAndBacksOff()
{
    // The service refuses a signed date older than its skew: a meeting that
    // outlives it must sign each new session itself.
    Rig rig;
    rig.server.setMaxClockSkewSeconds(1);
    QVERIFY(rig.start());
    rig.client.setSessionFrameLimit(3);
    int offset = 0;
    QTimer device;
    connect(&device, &QTimer::timeout, [&] {
        rig.feed(960, 960, offset);
        offset += 960;
    });
    rig.begin(QStringLiteral("en_us"), true);
    device.start(60);
    QTest::qWait(2600);
    QTRY_VERIFY(rig.server.sessionCount() >= 4);
    for (int i = 0; i < rig.server.sessionCount(); ++i)
        QVERIFY2(rig.session(i).authorized, qPrintable(rig.session(i).authError));
    QCOMPARE(rig.texts(PXASRResultType::Error), QStringList());

    // Refused reconnections back off instead of hammering the service, and
    // the user hears of it once.
    rig.server.setCredentials(kAppId, kKey, QStringLiteral("another-secret-another-secret-00"));
    const int before = rig.server.sessionCount();
    QTest::qWait(2200);
    const int refused = rig.server.sessionCount() - before;
    QVERIFY2(refused >= 3 && refused <= 6, qPrintable(QString::number(refused)));
    QCOMPARE(rig.texts(PXASRResultType::Error).size(), 1);
    QVERIFY(rig.texts(PXASRResultType::Error).first() != kNothingSaid);

    device.stop();
    rig.client.endAsr(true);
    QTRY_COMPARE(rig.texts(PXASRResultType::LongAudioEnd).size(), 1);
    QTest::qWait(300);
    QCOMPARE(rig.texts(PXASRResultType::LongAudioEnd).size(), 1);
    QVERIFY(!rig.texts(PXASRResultType::Error).contains(kNothingSaid));
}

QTEST_GUILESS_MAIN(TestDictationClient)
#include "test_dictation_client.moc"
