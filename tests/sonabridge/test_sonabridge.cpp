// Sonabridge against the stand-in speech SDK core library, which sits beside
// this executable where Sonabridge looks first.
#include "fakes/speech_sdk/fake_speech_sdk.h"
#include "sonabridge_rig.h"

#include <QCoreApplication>
#include <QtTest>

#include <future>

namespace {

const std::string kRegion = "westeurope";
const std::string kKey = "0123456789abcdef";
constexpr int kChunk = 3200;  // 100 ms of 16 kHz 16-bit mono

struct FakeSdk {
    decltype(&fake_sdk_set_script) setScript = nullptr;
    decltype(&fake_sdk_written) written = nullptr;
    decltype(&fake_sdk_live_handles) liveHandles = nullptr;
    decltype(&fake_sdk_last_setup) lastSetup = nullptr;
};

QByteArray pcm(int size, int seed = 0)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed) & 0xff);  // zeros included
    return bytes;
}

// False when the call has not come back within two seconds (it is left
// hanging on its own thread, so the test fails instead of stalling).
template <class F>
bool returnsPromptly(F call)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> returned = done->get_future();
    std::thread([call, done] {
        call();
        done->set_value();
    }).detach();
    return returned.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
}

}  // namespace

class TestSonabridge : public QObject {
    Q_OBJECT

private:
    SonabridgeExports mBridge;
    FakeSdk mSdk;

    // One session from start to end: the script, one chunk of audio, then
    // the end once `beforeEnd` lines have arrived.
    QStringList runSession(bool transcription, const char *script, int beforeEnd)
    {
        mSdk.setScript(script);
        CallbackRecorder recorder;
        auto start = transcription ? mBridge.transcriptionStart : mBridge.recognitionStart;
        start(kRegion, kKey, "en-US", recorder.text(), recorder.log());
        const QByteArray audio = pcm(kChunk);
        mBridge.write(reinterpret_cast<const uint8_t *>(audio.constData()), uint32_t(audio.size()));
        recorder.waitForLines(beforeEnd);
        (transcription ? mBridge.transcriptionEnd : mBridge.recognitionEnd)();
        return recorder.lines();
    }

private slots:
    void initTestCase()
    {
        const QString failure = mBridge.load();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // A first session with the stand-in's default script; it must have
        // been found beside this executable, as nothing else points there.
        CallbackRecorder recorder;
        mBridge.recognitionStart(kRegion, kKey, "en-US", recorder.text(), recorder.log());
        mBridge.recognitionEnd();
        QCOMPARE(recorder.lines(), (QStringList{"log Session started.", "log Session stopped."}));
        const QByteArray core = QCoreApplication::applicationDirPath().toLocal8Bit() +
                                "/libMicrosoft.CognitiveServices.Speech.core.so";
        void *fake = ::dlopen(core.constData(), RTLD_NOW | RTLD_NOLOAD);
        QVERIFY2(fake, ::dlerror());
        mSdk.setScript = reinterpret_cast<decltype(mSdk.setScript)>(::dlsym(fake, "fake_sdk_set_script"));
        mSdk.written = reinterpret_cast<decltype(mSdk.written)>(::dlsym(fake, "fake_sdk_written"));
        mSdk.liveHandles =
            reinterpret_cast<decltype(mSdk.liveHandles)>(::dlsym(fake, "fake_sdk_live_handles"));
        mSdk.lastSetup = reinterpret_cast<decltype(mSdk.lastSetup)>(::dlsym(fake, "fake_sdk_last_setup"));
        QVERIFY(mSdk.setScript && mSdk.written && mSdk.liveHandles && mSdk.lastSetup);
    }

    void endsWithoutAStartReturnAtOnce()
    {
        QVERIFY(returnsPromptly(mBridge.recognitionEnd));
        QVERIFY(returnsPromptly(mBridge.transcriptionEnd));
        const uint8_t byte = 1;
        mBridge.write(&byte, 1);  // nothing to write to: ignored
        runSession(false, "start session_started\nclose session_stopped", 1);
        QVERIFY(returnsPromptly(mBridge.recognitionEnd));  // a second end
    }

    void recognitionEvents_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("beforeEnd");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("a sentence is logged, shown, then committed")
            << "start session_started\nbytes 3200 recognizing hello\n"
               "bytes 3200 recognized 5000000 12000000 hello world\nclose session_stopped"
            << 1
            << QStringList{"log Session started.", "text0 hello",
                           "log RECOGNIZED: Text=hello world  Offset=5000000  Duration=12000000",
                           "text0 hello world", "text1 hello world", "log Session stopped."};
        QTest::newRow("no match is only logged")
            << "start session_started\nclose nomatch\nclose session_stopped" << 1
            << QStringList{"log Session started.", "log NOMATCH: Speech could not be recognized.",
                           "log Session stopped."};
        QTest::newRow("end of stream is only logged")
            << "start session_started\nclose canceled_eos\nclose session_stopped" << 1
            << QStringList{"log Session started.", "log CANCELED: Reach the end of the file.",
                           "log Session stopped."};
        // The stop after the error completes the session a second time.
        QTest::newRow("an error is shown, then logged, and the stop after it is harmless")
            << "start session_started\nbytes 3200 canceled_error 7 Service unavailable\n"
               "bytes 3200 session_stopped"
            << 4
            << QStringList{"log Session started.",
                           "text10 CANCELED: ErrorCode=7CANCELED: ErrorDetails=Service unavailable",
                           "log CANCELED: ErrorCode=7CANCELED: ErrorDetails=Service unavailable",
                           "log Session stopped."};
    }
    void recognitionEvents()
    {
        QFETCH(QString, script);
        QFETCH(int, beforeEnd);
        QFETCH(QStringList, expected);
        QCOMPARE(runSession(false, script.toUtf8().constData(), beforeEnd), expected);
        const QString setup = QString::fromUtf8(mSdk.lastSetup());
        QVERIFY2(setup.startsWith("recognizer endpoint=https://westeurope" SONABRIDGE_SPEECH_DOMAIN
                                  " region= subscription=0123456789abcdef language=en-US 4000=true "
                                  "4004=true"),
                 qPrintable(setup));
        QVERIFY2(!setup.contains("5025="), qPrintable(setup));
    }

    void transcriptionEvents_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("beforeEnd");
        QTest::addColumn<QStringList>("expected");
        // No start line in this mode, and interim texts only carry the prefix.
        QTest::newRow("a sentence with its speaker")
            << "start session_started\nbytes 3200 recognizing hel\n"
               "bytes 3200 recognized 100 200 hello\nclose session_stopped"
            << 1
            << QStringList{"text0 Transcribing: hel",
                           "log TRANSCRIBED: Speaker=Guest-1 Text=hello  Offset=100  Duration=200",
                           "text0 hello", "text1 hello", "log Session stopped."};
        QTest::newRow("an error is logged, never shown")
            << "bytes 3200 canceled_error 4 Forbidden\nbytes 3200 canceled_eos\n"
               "bytes 3200 session_stopped"
            << 2
            << QStringList{"log CANCELED: Reason=1\nCANCELED: ErrorCode=4\nCANCELED: ErrorDetails=Forbidden\n"
                           "CANCELED: Did you update the subscription info?",
                           "log Session stopped."};
    }
    void transcriptionEvents()
    {
        QFETCH(QString, script);
        QFETCH(int, beforeEnd);
        QFETCH(QStringList, expected);
        QCOMPARE(runSession(true, script.toUtf8().constData(), beforeEnd), expected);
        const QString setup = QString::fromUtf8(mSdk.lastSetup());
        QCOMPARE(setup, QStringLiteral("transcriber endpoint= region=westeurope "
                                       "subscription=0123456789abcdef language=en-US "
                                       "4000=true 4004=true 5025=true"));
    }

    void aRegionThatIsAUrlIsTheWholeEndpoint()
    {
        for (bool transcription : {false, true}) {
            mSdk.setScript("start session_started\nclose session_stopped");
            CallbackRecorder recorder;
            auto start = transcription ? mBridge.transcriptionStart : mBridge.recognitionStart;
            start("wss://127.0.0.1:9443/speech", kKey, "id-ID", recorder.text(), recorder.log());
            recorder.waitForLines(transcription ? 0 : 1);  // only recognition logs the start
            (transcription ? mBridge.transcriptionEnd : mBridge.recognitionEnd)();
            const QString setup = QString::fromUtf8(mSdk.lastSetup());
            QVERIFY2(setup.contains("endpoint=wss://127.0.0.1:9443/speech region= "), qPrintable(setup));
        }
    }

    void callbacksArriveOffTheCallersThread()
    {
        mSdk.setScript("start session_started\nbytes 3200 recognized 1 2 hi\nclose session_stopped");
        CallbackRecorder recorder;
        mBridge.recognitionStart(kRegion, kKey, "en-US", recorder.text(), recorder.log());
        const QByteArray audio = pcm(kChunk);
        mBridge.write(reinterpret_cast<const uint8_t *>(audio.constData()), uint32_t(audio.size()));
        mBridge.recognitionEnd();
        QCOMPARE(recorder.threads().size(), size_t(5));
        for (std::thread::id id : recorder.threads())
            QVERIFY(id != std::this_thread::get_id());
    }

    void aThrowingCallbackLosesItsEventNotTheProcess()
    {
        mSdk.setScript("start session_started\nbytes 3200 recognized 1 2 hi\nclose session_stopped");
        CallbackRecorder recorder;
        auto log = recorder.log();
        mBridge.recognitionStart(kRegion, kKey, "en-US",
                                 [](std::string_view, int) { throw std::runtime_error("caller bug"); },
                                 log);
        const QByteArray audio = pcm(kChunk);
        mBridge.write(reinterpret_cast<const uint8_t *>(audio.constData()), uint32_t(audio.size()));
        QVERIFY(returnsPromptly(mBridge.recognitionEnd));
        QCOMPARE(recorder.lines(),
                 (QStringList{"log Session started.", "log RECOGNIZED: Text=hi  Offset=1  Duration=2",
                              "log Session stopped."}));
    }

    void viewsAreTakenUpToTheirLength()
    {
        mSdk.setScript("close session_stopped");
        const std::string longer = kRegion + "north|" + kKey + "tail";
        const std::string language("de-DE\0junk", 10);
        mBridge.recognitionStart(std::string_view(longer).substr(0, kRegion.size()),
                                 std::string_view(longer).substr(kRegion.size() + 6, kKey.size()),
                                 language, {}, {});
        mBridge.recognitionEnd();
        QVERIFY2(QString::fromUtf8(mSdk.lastSetup())
                     .startsWith("recognizer endpoint=https://westeurope" SONABRIDGE_SPEECH_DOMAIN
                                 " region= subscription=0123456789abcdef language=de-DE "),
                 mSdk.lastSetup());
    }

    void writtenAudioReachesTheStreamIntact()
    {
        mSdk.setScript("close session_stopped");
        CallbackRecorder recorder;
        mBridge.recognitionStart(kRegion, kKey, "zh-CN", recorder.text(), recorder.log());
        QByteArray sent;
        for (int size : {1, 640, 3199, 4096, 2}) {
            const QByteArray chunk = pcm(size, sent.size());
            mBridge.write(reinterpret_cast<const uint8_t *>(chunk.constData()), uint32_t(chunk.size()));
            sent += chunk;
        }
        mBridge.recognitionEnd();
        const QByteArray late = pcm(100);
        mBridge.write(reinterpret_cast<const uint8_t *>(late.constData()), uint32_t(late.size()));
        QByteArray received(sent.size() + late.size(), '\0');
        const size_t n = mSdk.written(reinterpret_cast<uint8_t *>(received.data()), size_t(received.size()));
        QCOMPARE(int(n), sent.size());
        received.truncate(int(n));
        QVERIFY(received == sent);
    }

    void startWhileStartedReplacesTheSession()
    {
        runSession(false, "close session_stopped", 0);
        const int liveAfterOneSession = mSdk.liveHandles();

        mSdk.setScript("start session_started\nbytes 3200 recognized 1 2 first\nclose session_stopped");
        CallbackRecorder first;
        mBridge.recognitionStart(kRegion, kKey, "en-US", first.text(), first.log());
        QVERIFY(first.waitForLines(1));

        mSdk.setScript("bytes 3200 recognized 1 2 second\nclose session_stopped");
        CallbackRecorder second;
        mBridge.transcriptionStart(kRegion, kKey, "en-US", second.text(), second.log());
        const QByteArray audio = pcm(kChunk);
        mBridge.write(reinterpret_cast<const uint8_t *>(audio.constData()), uint32_t(audio.size()));
        QVERIFY(returnsPromptly(mBridge.transcriptionEnd));

        QCOMPARE(first.lines(), QStringList{"log Session started."});
        QCOMPARE(second.lines(),
                 (QStringList{"log TRANSCRIBED: Speaker=Guest-1 Text=second  Offset=1  Duration=2",
                              "text0 second", "text1 second", "log Session stopped."}));
        // The replaced session's objects were released, not left behind.
        QCOMPARE(mSdk.liveHandles(), liveAfterOneSession);
    }

    void rejectedSdkCallsAreReportedAndReleaseEverything_data()
    {
        QTest::addColumn<bool>("transcription");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("expected");
        const QString endpoint = "Microsoft speech unavailable: speech SDK call "
                                 "speech_config_from_endpoint failed with 0x1a";
        QTest::newRow("recognition: shown and logged")
            << false << "speech_config_from_endpoint" << QStringList{"text10 " + endpoint, "log " + endpoint};
        const QString start = "Microsoft speech unavailable: speech SDK call "
                              "recognizer_start_continuous_recognition_async failed with 0x1a";
        QTest::newRow("transcription: logged only")
            << true << "recognizer_start_continuous_recognition_async" << QStringList{"log " + start};
    }
    void rejectedSdkCallsAreReportedAndReleaseEverything()
    {
        QFETCH(bool, transcription);
        QFETCH(QString, failing);
        QFETCH(QStringList, expected);
        runSession(false, "close session_stopped", 0);  // something to replace
        mSdk.setScript(("start session_started\nfail " + failing).toUtf8().constData());
        CallbackRecorder recorder;
        (transcription ? mBridge.transcriptionStart : mBridge.recognitionStart)(
            kRegion, kKey, "en-US", recorder.text(), recorder.log());
        // Already there when the start returns, and from another thread.
        QCOMPARE(recorder.lines(), expected);
        for (std::thread::id id : recorder.threads())
            QVERIFY(id != std::this_thread::get_id());
        QCOMPARE(mSdk.liveHandles(), 0);
        const uint8_t byte = 1;
        mBridge.write(&byte, 1);
        QVERIFY(returnsPromptly(transcription ? mBridge.transcriptionEnd : mBridge.recognitionEnd));
        QCOMPARE(recorder.lines(), expected);
    }
};

QTEST_GUILESS_MAIN(TestSonabridge)
#include "test_sonabridge.moc"
