// The Microsoft recogniser without its speech library: Indonesian written
// forms, the library's callbacks as results, fast-transcription replies, and
// file transcription against the stand-in service over TLS.

#include "core/audio/wavfile.h"
#include "core/speech/indonesian_text.h"
#include "core/speech/microsoftspeech.h"
#include "curl/curlwrapper.h"
#include "fakes/transcription_server.h"
#include "support/message_capture.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <curl/curl.h>

#include <thread>

namespace {

// "ShowText:text|Finish:text" of every result, in order.
QString results(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &r : spy)
        out << QString::fromLatin1(pxAsrResultTypeName(r.at(2).value<PXASRResultType>())) + ':' + r.at(1).toString();
    return out.join('|');
}

QByteArray pcm(int bytes, char seed)
{
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        data[i] = char(seed + i * 7);
    return data;
}

QByteArray writeWav(const QString &path, const QByteArray &samples)
{
    const QByteArray wav = makeWavHeader(quint32(samples.size()), 1, 16000, 16) + samples;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size())
        return {};
    return wav;
}

}  // namespace

class MicrosoftSpeechTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { curl_global_cleanup(); }
    void indonesianWrittenForms_data();
    void indonesianWrittenForms();
    void libraryCallbacksBecomeResults_data();
    void libraryCallbacksBecomeResults();
    void transcriptionReplies_data();
    void transcriptionReplies();
    void segmentsAreTranscribedInOrder();
    void wholeRecordingIsSentAsWav();
    void failedTranscriptionsTellTheUser_data();
    void failedTranscriptionsTellTheUser();
    void withoutTheLibraryNothingStreams();
    void libraryGetsRegionOrWholeEndpoint_data();
    void libraryGetsRegionOrWholeEndpoint();

private:
    TranscriptionServer m_server;
};

void MicrosoftSpeechTest::initTestCase()
{
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    QVERIFY(m_server.listen());
    m_server.setKey("0123456789abcdef-speech");
    qputenv("TALKVANE_URL_TRANSCRIPTION_MICROSOFT", m_server.url().toUtf8());
}

void MicrosoftSpeechTest::indonesianWrittenForms_data()
{
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("written");
    QTest::newRow("millions of rupiah") << "harga 5 juta rupiah" << "harga Rp5.000.000";
    QTest::newRow("one million, any case") << "Satu Juta Rupiah saja" << "Rp1.000.000 saja";
    QTest::newRow("large amount") << "1250 juta rupiah" << "Rp1.250.000.000";
    QTest::newRow("unit and division") << "10 kilometer / 2" << "10 km : 2";
    QTest::newRow("one metre") << "Satu meter" << "1 m";
    QTest::newRow("times and equals") << "3 * 4 sama dengan 12" << "3 x 4 = 12";
    QTest::newRow("both centimetre spellings") << "sentimeter centimeter Milimeter"
                                               << "cm cm mm";
    QTest::newRow("units only as whole words") << "parameter satuan" << "parameter satuan";
    QTest::newRow("no money without rupiah") << "5 juta orang" << "5 juta orang";
}

void MicrosoftSpeechTest::indonesianWrittenForms()
{
    QFETCH(QString, spoken);
    QFETCH(QString, written);
    QCOMPARE(IndonesianText::rewrite(spoken), written);
}

void MicrosoftSpeechTest::libraryCallbacksBecomeResults_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("interim") << "zh-CN" << QByteArray("今天天气") << 0 << "ShowText:今天天气";
    QTest::newRow("sentence: shown, then committed")
        << "en-US" << QByteArray("Hello there.") << 1 << "Confirm:Hello there.|Finish:Hello there.";
    QTest::newRow("service error") << "en-US" << QByteArray("CANCELED: ErrorCode=1") << 10
                                   << "Error:CANCELED: ErrorCode=1";
    QTest::newRow("other kinds ignored") << "en-US" << QByteArray("x") << 5 << "";
    QTest::newRow("Indonesian written forms") << "id-ID" << QByteArray("harga 5 juta rupiah") << 1
                                              << "Confirm:harga Rp5.000.000|Finish:harga Rp5.000.000";
    QTest::newRow("other locales unchanged") << "en-US" << QByteArray("10 kilometer / 2") << 0
                                             << "ShowText:10 kilometer / 2";
}

void MicrosoftSpeechTest::libraryCallbacksBecomeResults()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, text);
    QFETCH(int, kind);
    QFETCH(QString, expected);
    MicrosoftSpeech speech;
    speech.setLocale(locale);
    // The library calls from a thread of its own; results reach this one queued.
    QStringList received;
    connect(&speech, &MicrosoftSpeech::asrResult, this,
            [&](bool, const QString &t, PXASRResultType type) {
                QCOMPARE(QThread::currentThread(), thread());
                received << QString::fromLatin1(pxAsrResultTypeName(type)) + ':' + t;
            });
    std::thread sdk([&] { speech.forward(std::string_view(text.constData(), text.size()), kind); });
    sdk.join();
    QCOMPARE(received, QStringList());
    QTRY_COMPARE(received.join('|'), expected);
    QTest::qWait(20);
    QCOMPARE(received.join('|'), expected);
}

void MicrosoftSpeechTest::transcriptionReplies_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("replies");  // handled with index 0, the last with lastIndex
    QTest::addColumn<int>("lastIndex");
    QTest::addColumn<QString>("expected");
    const QString reply = R"({"durationMilliseconds":900,"combinedPhrases":[{"text":"%1"}],)"
                          R"("phrases":[{"text":"ignored"},{"text":"%1","words":[]}]})";
    QTest::newRow("last phrase, final 。 dropped")
        << "zh-CN" << QStringList{reply.arg("你好。")} << 0 << "ShowText:你好";
    QTest::newRow("all trailing marks dropped")
        << "en-US" << QStringList{reply.arg("Really?!.")} << 0 << "ShowText:Really";
    QTest::newRow("the last segment finishes")
        << "en-US" << QStringList{reply.arg("Hello."), reply.arg("World!")} << -1
        << "ShowText:Hello|ShowText:Hello World|Finish:Hello World";
    QTest::newRow("unspaced language joined as is")
        << "zh-CN" << QStringList{reply.arg("今天"), reply.arg("很好。")} << -3
        << "ShowText:今天|ShowText:今天很好|Finish:今天很好";
    QTest::newRow("no phrases") << "en-US" << QStringList{R"({"phrases":[]})"} << 0 << "ShowText:";
    QTest::newRow("not JSON") << "en-US" << QStringList{"<html>"} << 0
                              << "Error:" + MicrosoftSpeech::tr("语音识别服务返回了无法识别的结果");
}

void MicrosoftSpeechTest::transcriptionReplies()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, replies);
    QFETCH(int, lastIndex);
    QFETCH(QString, expected);
    MicrosoftSpeech speech;
    speech.setLocale(locale);
    QSignalSpy spy(&speech, &MicrosoftSpeech::asrResult);
    for (int i = 0; i < replies.size(); ++i)
        speech.handleResult(replies[i], i + 1 == replies.size() ? lastIndex : i);
    QCOMPARE(results(spy), expected);
}

void MicrosoftSpeechTest::segmentsAreTranscribedInOrder()
{
    // One request at a time: the text keeps the recording's order.
    m_server.setAnswer(TranscriptionServer::Answer::Text);
    m_server.setTexts({"First part.", "second part."});
    const QByteArray first = writeWav("seg0.wav", pcm(64000, 1));
    const QByteArray last = writeWav("seg1.wav", pcm(12000, 2));
    QVERIFY(!first.isEmpty() && !last.isEmpty());
    MicrosoftSpeech speech;
    speech.setRegion("westeurope");
    speech.setKey("0123456789abcdef-speech");
    speech.setLocale("en-GB");
    QSignalSpy spy(&speech, &MicrosoftSpeech::asrResult);
    const int before = m_server.requestCount();
    speech.multiFileTranscription("seg0.wav", 0);
    speech.multiFileTranscription("seg1.wav", -1);
    QTRY_COMPARE(spy.size(), 3);
    QCOMPARE(m_server.lastRefusal(), QString());
    QCOMPARE(m_server.requestCount(), before + 2);
    QCOMPARE(results(spy), "ShowText:First part|ShowText:First part second part|"
                           "Finish:First part second part");
    QCOMPARE(m_server.wavFiles().mid(m_server.wavFiles().size() - 2), (QList<QByteArray>{first, last}));
    QCOMPARE(m_server.locales().last(), "en-GB");
}

void MicrosoftSpeechTest::wholeRecordingIsSentAsWav()
{
    m_server.setAnswer(TranscriptionServer::Answer::Text);
    m_server.setTexts({"Apa kabar, harga 5 juta rupiah."});
    const QByteArray samples = pcm(32000, 3);
    QFile raw("sound.pcm");
    QVERIFY(raw.open(QIODevice::WriteOnly));
    raw.write(samples);
    raw.close();
    MicrosoftSpeech speech;
    speech.setRegion("westeurope");
    speech.setKey("0123456789abcdef-speech");
    speech.setLocale("en-US");
    QSignalSpy spy(&speech, &MicrosoftSpeech::asrResult);
    QVERIFY(speech.quickTranscription("id-ID"));
    QTRY_COMPARE(spy.size(), 1);
    QCOMPARE(m_server.wavFiles().last(), makeWavHeader(quint32(samples.size()), 1, 16000, 16) + samples);
    QCOMPARE(m_server.locales().last(), "id-ID");
    QCOMPARE(results(spy), "ShowText:Apa kabar, harga 5 juta rupiah");

    QVERIFY(QFile::remove("sound.pcm"));
    QVERIFY(!speech.quickTranscription(QString()));
}

void MicrosoftSpeechTest::failedTranscriptionsTellTheUser_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("logged");
    const auto a = [](TranscriptionServer::Answer answer) { return int(answer); };
    QTest::newRow("wrong key") << a(TranscriptionServer::Answer::Text) << "9999wrong-key-value"
                               << MicrosoftSpeech::tr("语音识别服务拒绝了请求，请检查密钥") << "401";
    QTest::newRow("too many requests") << a(TranscriptionServer::Answer::Status429)
                                       << "0123456789abcdef-speech"
                                       << MicrosoftSpeech::tr("语音识别请求过于频繁，请稍后再试") << "429";
    QTest::newRow("service down") << a(TranscriptionServer::Answer::Status500)
                                  << "0123456789abcdef-speech"
                                  << MicrosoftSpeech::tr("语音识别服务暂时不可用，请稍后再试") << "500";
    QTest::newRow("no answer") << a(TranscriptionServer::Answer::Hang) << "0123456789abcdef-speech"
                               << MicrosoftSpeech::tr("语音识别服务响应超时，请稍后再试") << "transcription failed";
    QTest::newRow("not JSON") << a(TranscriptionServer::Answer::NotJson)
                              << "0123456789abcdef-speech"
                              << MicrosoftSpeech::tr("语音识别服务返回了无法识别的结果")
                              << "Failed to create JSON doc.";
}

void MicrosoftSpeechTest::failedTranscriptionsTellTheUser()
{
    QFETCH(int, answer);
    QFETCH(QString, key);
    QFETCH(QString, message);
    QFETCH(QString, logged);
    m_server.setAnswer(TranscriptionServer::Answer(answer));
    m_server.setTexts({"unused"});
    QVERIFY(!writeWav("failing.wav", pcm(8000, 4)).isEmpty());
    MessageCapture log;
    {
        MicrosoftSpeech speech;
        speech.setTimeouts(2000, 800);
        speech.setRegion("westeurope");
        speech.setKey(key);
        speech.setLocale("en-US");
        QSignalSpy spy(&speech, &MicrosoftSpeech::asrResult);
        speech.multiFileTranscription("failing.wav", -1);
        // The recording's last segment still ends the recognition.
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, 5000);
        QCOMPARE(results(spy), "Error:" + message + "|Finish:");
    }
    m_server.dropConnections();
    const QString all = log.messages().join('\n');
    QVERIFY2(all.contains(logged), qPrintable(all.right(2000)));
    QVERIFY2(!all.contains(key.mid(4)), "the key went to the log");
}

void MicrosoftSpeechTest::withoutTheLibraryNothingStreams()
{
    MessageCapture log;
    MicrosoftSpeech speech;
    speech.setRegion("westeurope");
    speech.setKey("0123456789abcdef-speech");
    speech.setLocale("en-US");
    QSignalSpy spy(&speech, &MicrosoftSpeech::asrResult);
    QString why;
    QVERIFY(!speech.streamingAvailable(&why));
    QVERIFY2(why.contains("sonabridge"), qPrintable(why));
    speech.startRecognition("");
    speech.startRecognition("Transcript");
    speech.writeStream(QByteArray(640, '\0'));
    speech.recognitionEnd();
    QVERIFY(log.contains("Failed LoadLibrary"));
    QCOMPARE(spy.size(), 0);
}

void MicrosoftSpeechTest::libraryGetsRegionOrWholeEndpoint_data()
{
    QTest::addColumn<QString>("override");
    QTest::addColumn<QString>("argument");
    QTest::newRow("no override: the region") << "" << "westeurope";
    QTest::newRow("whole URL") << "wss://127.0.0.1:9443/speech" << "wss://127.0.0.1:9443/speech";
    QTest::newRow("region filled in") << "https://{region}.stt.example.com"
                                      << "https://westeurope.stt.example.com";
    QTest::newRow("refused: nothing, not the default") << "ws://stt.example.com" << "";
}

void MicrosoftSpeechTest::libraryGetsRegionOrWholeEndpoint()
{
    QFETCH(QString, override);
    QFETCH(QString, argument);
    qputenv("TALKVANE_URL_SPEECH_MICROSOFT", override.toUtf8());
    MicrosoftSpeech speech;
    speech.setRegion("westeurope");
    QCOMPARE(speech.sdkRegionArgument(), argument);
    qunsetenv("TALKVANE_URL_SPEECH_MICROSOFT");
}

QTEST_GUILESS_MAIN(MicrosoftSpeechTest)
#include "test_microsoft_speech.moc"
