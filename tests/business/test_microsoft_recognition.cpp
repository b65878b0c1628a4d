// A mouse served by the Microsoft recogniser where the speech library is
// missing: the press is recognised from the files the mouse records (the
// simulated receiver), sent to the transcription stand-in over TLS, and the
// text is pasted into the focused window (recording key injector).

#include "business/funcontrolcenter.h"
#include "core/audio/wavfile.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/speech/microsoftspeech.h"
#include "curl/curlwrapper.h"
#include "debug.h"
#include "fakes/transcription_server.h"
#include "platform/keys.h"
#include "sim/hidsim.h"
#include "support/recording/recording_backends.h"
#include "widget/iconfont/iconfont.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

#include <curl/curl.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class MicrosoftRecognitionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { delete m_page; curl_global_cleanup(); }
    void voicePressIsTranscribedAndPasted_data();
    void voicePressIsTranscribedAndPasted();

private:
    void key(const char *kind, int count)
    {
        QVERIFY(QMetaObject::invokeMethod(m_mouse, QByteArray("signalsKeyOne130") + kind,
                                          Q_ARG(int, count)));
    }
    bool pasted(size_t from) const
    {
        const auto events = m_keys->events();
        for (size_t i = from; i < events.size(); ++i) {
            if (events[i].virtualKey == platform::vk::KeyV && events[i].down)
                return true;
        }
        return false;
    }

    TranscriptionServer m_server;
    Debug *m_page = nullptr;
    MouseDevice *m_mouse = nullptr;
    std::shared_ptr<FunControlCenter> m_center;
    std::shared_ptr<platform::recording::RecordingKeyInjector> m_keys;
};

void MicrosoftRecognitionTest::initTestCase()
{
    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    platform::recording::install();
    m_keys = platform::recording::installedKeyInjector();
    QVERIFY(IconFont::instance().initFontAwesome());
    QVERIFY(m_server.listen());
    m_server.setKey("c0ffee-speech-key");
    qputenv("TALKVANE_URL_TRANSCRIPTION_MICROSOFT", m_server.url().toUtf8());
    IniFileInf::saveAllConfig({{"listenlangstr", "en-US"}, {"country", "us"}, {"ptt", "1"},
                               {"vkl", "voiceInput"}, {"vks", "voiceInput"}});
    m_page = new Debug;
    m_center = FunControlCenter::getInstance();
    m_center->setSecDynamicTyping(false);
    m_center->microsoftSpeech()->setRegion("westeurope");
    m_center->microsoftSpeech()->setKey("c0ffee-speech-key");
    hidsim_reset();
    m_mouse = MouseDevice::instance().get();
    m_mouse->connect();
    QTRY_VERIFY_WITH_TIMEOUT(m_mouse->linkState == ReceiverLinked && m_mouse->linkModel == 4, 5000);
    m_mouse->recognizer = QStringLiteral("microsoft");
}

void MicrosoftRecognitionTest::voicePressIsTranscribedAndPasted_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<QString>("text");
    // Multi: held past one six-second segment (the mouse talks faster than
    // real time), so two segments go out one after the other.
    QTest::newRow("segments") << "Multi" << QStringList{"Hello there.", "General Kenobi!"}
                              << "Hello there General Kenobi";
    QTest::newRow("whole recording") << "Single" << QStringList{"Just once."} << "Just once";
}

void MicrosoftRecognitionTest::voicePressIsTranscribedAndPasted()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, replies);
    QFETCH(QString, text);
    m_mouse->voiceMode = mode;
    m_server.setTexts(replies);
    hidsim_set_audio_period_us(1000);
    QObject scope;
    QStringList clipboard;
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &scope,
            [&] { clipboard << QGuiApplication::clipboard()->text(); });
    QSignalSpy finished(m_center.get(), &FunControlCenter::finishTask);
    const int requests = m_server.requestCount();
    const size_t keys = m_keys->events().size();

    key("", 1);
    QVERIFY(m_center->listening());
    QCOMPARE(m_center->segmentRecording(), mode == QLatin1String("Multi"));
    QTRY_VERIFY_WITH_TIMEOUT(hidsim_is_recording(), 2000);
    if (mode == QLatin1String("Multi"))
        QTRY_VERIFY_WITH_TIMEOUT(!m_mouse->wavSegments().isEmpty(), 5000);
    else
        QTest::qWait(300);
    key("Over", 2);

    QTRY_COMPARE_WITH_TIMEOUT(m_server.requestCount(), requests + replies.size(), 5000);
    QCOMPARE(m_server.lastRefusal(), QString());
    QTRY_VERIFY_WITH_TIMEOUT(clipboard.contains(text), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(pasted(keys), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 3000);
    QCOMPARE(m_server.locales().last(), "en-US");

    // What the service received is what the mouse recorded.
    const QList<QByteArray> sent = m_server.wavFiles().mid(requests);
    if (mode == QLatin1String("Multi")) {
        QCOMPARE(m_mouse->wavSegments().size(), 2);
        QCOMPARE(sent.value(0), contents(m_mouse->wavSegments().value(0)));
        QCOMPARE(sent.value(1), contents(m_mouse->wavSegments().value(1)));
        QVERIFY(sent.value(0).size() > MouseDevice::kSegmentBytes);
    } else {
        // Reports still queued at the release may follow into the raw file.
        const QByteArray wav = sent.value(0);
        QVERIFY(wav.size() > 44 + 16000);
        QCOMPARE(wav.left(44), makeWavHeader(quint32(wav.size() - 44), 1, 16000, 16));
        QVERIFY(contents("sound.pcm").startsWith(wav.mid(44)));
    }
}

QTEST_MAIN(MicrosoftRecognitionTest)
#include "test_microsoft_recognition.moc"
