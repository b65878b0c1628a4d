// Voice input through the Microsoft engine end to end: a mouse configured for
// that engine, the speech library beside the executable (where the
// application looks first) and, in one build of this test, a stand-in speech
// SDK core beside it too. With the SDK, the receiver's audio reaches its push
// stream through the library and the interim and final texts are typed into
// another application's focused field. Without it, the recording's WAV
// segments go to the transcription stand-in and its text is typed.

#include "business/funcontrolcenter.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/speech/microsoftspeech.h"
#include "curl/curlwrapper.h"
#include "debug.h"
#include "fakes/dictation_server.h"
#include "fakes/transcription_server.h"
#include "sim/hidsim.h"
#include "support/files.h"
#include "support/held_key.h"
#include "support/simulated_mouse.h"
#include "widget/iconfont/iconfont.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <curl/curl.h>

// Last: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>

namespace {

constexpr int kVoiceButtonKeycode = 197;  // F19, as the receiver sends it
#ifdef WITHOUT_SPEECH_SDK
// A transcribed file's closing full stop is dropped.
const QString kTyped = QStringLiteral("Good morning everyone");
#else
const QString kTyped = QStringLiteral("Good morning everyone.");
#endif

}  // namespace

class MicrosoftVoiceE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void streamedSpeechLandsInTheFocusedField();

private:
    DictationServer m_dictation;  // must stay unasked
    TranscriptionServer m_transcription;
    QLibrary m_sdk;
    Display *m_display = nullptr;
    Debug *m_page = nullptr;
    QTemporaryDir m_dir;
};

void MicrosoftVoiceE2E::initTestCase()
{
    m_display = XOpenDisplay(nullptr);
    QVERIFY2(m_display, "needs an X display (run it through tests/support/own_display.sh)");
    QVERIFY(IconFont::instance().initFontAwesome());
    QVERIFY(m_dictation.listen());
    DictationServer::trustTestCa();
    qputenv("TALKVANE_URL_DICTATION", m_dictation.url().toUtf8());

    curl_global_init(CURL_GLOBAL_ALL);
    CurlWrapper::setExtraCaFile(HttpServer::caFile());
    QVERIFY(m_transcription.listen());
    m_transcription.setKey(QStringLiteral("e2e-speech-key"));
    qputenv("TALKVANE_URL_TRANSCRIPTION_MICROSOFT", m_transcription.url().toUtf8());
#ifndef WITHOUT_SPEECH_SDK
    // The same file the library will load: one instance, one script.
    m_sdk.setFileName(QCoreApplication::applicationDirPath()
                      + QStringLiteral("/libMicrosoft.CognitiveServices.Speech.core.so"));
    QVERIFY2(m_sdk.load(), qPrintable(m_sdk.errorString()));
#endif

    IniFileInf::set_keydefine(QStringLiteral("vkl"), QStringLiteral("voiceInput"));
    IniFileInf::set_keydefine(QStringLiteral("listenlangstr"), QStringLiteral("en-US"));
    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("us"));

    m_page = new Debug;
    auto center = FunControlCenter::getInstance();
    center->microsoftSpeech()->setRegion(QStringLiteral("westeurope"));
    center->microsoftSpeech()->setKey(QStringLiteral("e2e-speech-key"));
    center->setSecDynamicTyping(true);

    QVERIFY(connectSimulatedMouse());
    MouseDevice::instance()->recognizer = QStringLiteral("microsoft");  // this mouse's product configuration
}

void MicrosoftVoiceE2E::cleanupTestCase()
{
    delete m_page;
    if (m_display)
        XCloseDisplay(m_display);
}

void MicrosoftVoiceE2E::streamedSpeechLandsInTheFocusedField()
{
    QString why;
#ifdef WITHOUT_SPEECH_SDK
    QVERIFY(!FunControlCenter::getInstance()->microsoftSpeech()->streamingAvailable(&why));
    m_transcription.setTexts({QStringLiteral("Good morning everyone.")});
#else
    QVERIFY2(FunControlCenter::getInstance()->microsoftSpeech()->streamingAvailable(&why),
             qPrintable(why));
    using SetScript = void (*)(const char *);
    auto setScript = reinterpret_cast<SetScript>(m_sdk.resolve("fake_sdk_set_script"));
    QVERIFY(setScript);
    // Interim texts while the button is held (one revised), the sentence at the end.
    setScript("start session_started\n"
              "bytes 6400 recognizing Good\n"
              "bytes 12800 recognizing Good morning\n"
              "bytes 19200 recognizing Good morning every\n"
              "close recognized 0 15000000 Good morning everyone.\n"
              "close session_stopped");
#endif
    QStringList shown;
    QObject scope;
    connect(FunControlCenter::getInstance()->microsoftSpeech(), &MicrosoftSpeech::asrResult, &scope,
            [&](bool, const QString &text, PXASRResultType type) {
                if (type == PXASRResultType::ShowText)
                    shown << text;
            });

    const QString fieldFile = m_dir.filePath(QStringLiteral("field.txt"));
    QProcess field;
    field.start(QStringLiteral(TEXT_FIELD_CLIENT), {fieldFile});
    QVERIFY(field.waitForReadyRead(10000));
    QCOMPARE(field.readAllStandardOutput().trimmed(), QByteArray("ready"));

    TestKeys::holdKeycode(m_display, kVoiceButtonKeycode, 1500);
    QTRY_VERIFY_WITH_TIMEOUT(!hidsim_is_recording(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(TestFiles::readText(fieldFile), kTyped, 10000);
#ifdef WITHOUT_SPEECH_SDK
    // The press's recording went out as WAV, in the mouse's locale.
    QCOMPARE(m_transcription.lastRefusal(), QString());
    QVERIFY(m_transcription.wavFiles().size() >= 1);
    QVERIFY(m_transcription.wavFiles().first().startsWith("RIFF"));
    QCOMPARE(m_transcription.locales().first(), QStringLiteral("en-US"));
#else
    // The interim texts were typed on the way, not only the sentence.
    QVERIFY2(shown.contains(QStringLiteral("Good morning every")), qPrintable(shown.join('|')));
    QCOMPARE(m_transcription.requestCount(), 0);
#endif
    QCOMPARE(m_dictation.sessionCount(), 0);

    QTest::qWait(300);  // nothing more arrives
    QCOMPARE(TestFiles::readText(fieldFile), kTyped);
    field.kill();
    field.waitForFinished();
}

QTEST_MAIN(MicrosoftVoiceE2E)
#include "test_microsoft_voice_e2e.moc"
