// Voice input in a Chinese dialect end to end, nothing inside the product
// mocked: the voice button's key events arrive by keycode at the hot key, the
// simulated receiver streams audio, the real-time recognition stand-in gets
// it over TLS under a signature it checks, and its sentences are typed into
// another application's focused text field.

#include "business/funcontrolcenter.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/speech/tencentcloudspeech.h"
#include "debug.h"
#include "fakes/dictation_server.h"
#include "fakes/tencent_asr_server.h"
#include "sim/hidsim.h"
#include "support/files.h"
#include "support/held_key.h"
#include "support/simulated_mouse.h"
#include "widget/iconfont/iconfont.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Last: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>

namespace {

constexpr int kVoiceButtonKeycode = 197;  // F19, as the receiver sends it
const QString kAppId = QStringLiteral("1250000000");
const QString kSecretId = QStringLiteral("AKIDe2eDialect");
const QString kSecretKey = QStringLiteral("e2eDialectSecretKey");

}  // namespace

class DialectVoiceE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void spokenDialectLandsInTheFocusedField();

private:
    TencentAsrServer m_server;
    DictationServer m_dictation;  // must stay unasked
    Display *m_display = nullptr;
    Debug *m_page = nullptr;
    QTemporaryDir m_dir;
};

void DialectVoiceE2E::initTestCase()
{
    m_display = XOpenDisplay(nullptr);
    QVERIFY2(m_display, "needs an X display (run it through tests/support/own_display.sh)");
    QVERIFY(IconFont::instance().initFontAwesome());

    QVERIFY(m_server.listen());
    QVERIFY(m_dictation.listen());
    m_server.setCredentials(kAppId, kSecretId, kSecretKey);
    DictationServer::trustTestCa();
    qputenv("TALKVANE_URL_ASR_TENCENT", m_server.url().toUtf8());
    qputenv("TALKVANE_URL_DICTATION", m_dictation.url().toUtf8());

    IniFileInf::set_keydefine(QStringLiteral("vkl"), QStringLiteral("voiceInput"));
    IniFileInf::set_keydefine(QStringLiteral("listenlangstr"), QStringLiteral("16k_zh_dialect"));
    IniFileInf::set_keydefine(QStringLiteral("dialect"), QStringLiteral("西安话"));
    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("cn"));

    // What the main window does at start-up: the diagnostics page wires the
    // buttons, then the mouse is connected and keyboard listening runs.
    m_page = new Debug;
    auto center = FunControlCenter::getInstance();
    center->tencentSpeech()->setAppId(kAppId);
    center->tencentSpeech()->setSecretId(kSecretId);
    center->tencentSpeech()->setSecretKey(kSecretKey);
    center->setSecDynamicTyping(true);

    QVERIFY(connectSimulatedMouse());
}

void DialectVoiceE2E::cleanupTestCase()
{
    delete m_page;
    if (m_display)
        XCloseDisplay(m_display);
}

void DialectVoiceE2E::spokenDialectLandsInTheFocusedField()
{
    // The first sentence is revised while spoken ("很好" becomes "真好"); the
    // second one ends after the release.
    using S = TencentAsrServer;
    m_server.setReplies(0, {{1000, S::slice(0, 0, "今天")},
                            {3000, S::slice(0, 1, "今天天气很好")},
                            {5000, S::slice(0, 2, "今天天气真好。")},
                            {7000, S::slice(1, 1, "走")},
                            {-1, S::slice(1, 2, "走吧。")}});
    QStringList finished;
    QObject scope;
    connect(FunControlCenter::getInstance()->tencentSpeech(), &TencentCloudSpeech::asrResult,
            &scope, [&](bool, const QString &text, PXASRResultType type) {
                if (type == PXASRResultType::Finish)
                    finished << text;
            });

    const QString fieldFile = m_dir.filePath(QStringLiteral("field.txt"));
    QProcess field;
    field.start(QStringLiteral(TEXT_FIELD_CLIENT), {fieldFile});
    QVERIFY(field.waitForReadyRead(10000));
    QCOMPARE(field.readAllStandardOutput().trimmed(), QByteArray("ready"));

    TestKeys::holdKeycode(m_display, kVoiceButtonKeycode, 1500);
    QTRY_VERIFY_WITH_TIMEOUT(hidsim_is_recording() == false, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(finished, QStringList{"今天天气真好。走吧。"}, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(TestFiles::readText(fieldFile), QStringLiteral("今天天气真好。走吧。"),
                              10000);

    QCOMPARE(m_server.sessionCount(), 1);
    const TencentAsrServer::Session &s = m_server.sessions().first();
    QVERIFY2(s.authorized, qPrintable(s.authError));
    QCOMPARE(s.parameters.value("engine_model_type"), QStringLiteral("16k_zh_dialect"));
    QVERIFY(s.endReceived);
    QVERIFY2(s.audioBytesAtEnd > 7000, qPrintable(QString::number(s.audioBytesAtEnd)));
    QCOMPARE(m_dictation.sessionCount(), 0);

    QTest::qWait(300);  // nothing more arrives
    QCOMPARE(TestFiles::readText(fieldFile), QStringLiteral("今天天气真好。走吧。"));
    field.kill();
    field.waitForFinished();
}

QTEST_MAIN(DialectVoiceE2E)
#include "test_dialect_voice_e2e.moc"
