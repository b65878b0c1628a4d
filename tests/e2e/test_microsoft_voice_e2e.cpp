// Voice input through the Microsoft engine end to end: a mouse configured for
// that engine, the speech library and a stand-in speech SDK core beside the
// executable (where the application looks first). The receiver's audio
// reaches the SDK's push stream through the library, and the SDK's interim
// and final texts are typed into another application's focused field.

#include "business/funcontrolcenter.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/speech/microsoftspeech.h"
#include "debug.h"
#include "fakes/dictation_server.h"
#include "sim/hidsim.h"
#include "support/files.h"
#include "support/held_key.h"
#include "widget/iconfont/iconfont.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Last: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>

namespace {

constexpr int kVoiceButtonKeycode = 197;  // F19, as the receiver sends it

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

    // The same file the library will load: one instance, one script.
    m_sdk.setFileName(QCoreApplication::applicationDirPath()
                      + QStringLiteral("/libMicrosoft.CognitiveServices.Speech.core.so"));
    QVERIFY2(m_sdk.load(), qPrintable(m_sdk.errorString()));

    IniFileInf::set_keydefine(QStringLiteral("vkl"), QStringLiteral("voiceInput"));
    IniFileInf::set_keydefine(QStringLiteral("listenlangstr"), QStringLiteral("en-US"));
    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("us"));

    m_page = new Debug;
    auto center = FunControlCenter::getInstance();
    center->microsoftSpeech()->setRegion(QStringLiteral("westeurope"));
    center->microsoftSpeech()->setKey(QStringLiteral("e2e-speech-key"));
    center->setSecDynamicTyping(true);

    hidsim_reset();
    MouseDevice *mouse = MouseDevice::instance().get();
    mouse->connect();
    QTRY_COMPARE_WITH_TIMEOUT(mouse->linkModel, 4, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(mouse->model, QStringLiteral("PX08"), 5000);
    mouse->recognizer = QStringLiteral("microsoft");  // this mouse's product configuration
}

void MicrosoftVoiceE2E::cleanupTestCase()
{
    delete m_page;
    if (m_display)
        XCloseDisplay(m_display);
}

void MicrosoftVoiceE2E::streamedSpeechLandsInTheFocusedField()
{
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
    QTRY_COMPARE_WITH_TIMEOUT(TestFiles::readText(fieldFile), QStringLiteral("Good morning everyone."),
                              10000);
    // The interim texts were typed on the way, not only the sentence.
    QVERIFY2(shown.contains(QStringLiteral("Good morning every")), qPrintable(shown.join('|')));
    QCOMPARE(m_dictation.sessionCount(), 0);

    QTest::qWait(300);  // nothing more arrives
    QCOMPARE(TestFiles::readText(fieldFile), QStringLiteral("Good morning everyone."));
    field.kill();
    field.waitForFinished();
}

QTEST_MAIN(MicrosoftVoiceE2E)
#include "test_microsoft_voice_e2e.moc"
