// Voice input end to end, nothing inside the product mocked: the simulated
// receiver is linked (or, built with OVER_BLUETOOTH, the mouse is found on
// the Bluetooth bus and linked over Bluetooth LE to the simulated peripheral), the voice button's key events arrive by keycode at the
// hot key, the device records, audio is decoded and streamed to the local
// dictation service, and its results are typed into another application's
// focused text field.

#include "business/funcontrolcenter.h"
#include "core/device/mousedevice.h"
#include "core/setting/inifileinf.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "debug.h"
#include "fakes/dictation_server.h"
#include "sim/hidsim.h"
#include "support/files.h"
#include "support/held_key.h"
#include "support/simulated_mouse.h"
#include "widget/iconfont/iconfont.h"
#ifdef OVER_BLUETOOTH
#include "core/device/connections/ble/ble_backend.h"
#include "sim/blesim.h"
#endif

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Last: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>

namespace {

constexpr int kVoiceButtonKeycode = 197;  // F19, as the receiver sends it

using Reply = DictationServer::Reply;

}  // namespace

class VoiceInputE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void spokenWordsLandInTheFocusedField_data();
    void spokenWordsLandInTheFocusedField();

private:

    DictationServer m_server;
    Display *m_display = nullptr;
    Debug *m_page = nullptr;
    QTemporaryDir m_dir;
#ifdef OVER_BLUETOOTH
    std::shared_ptr<blesim::Backend> m_bluetooth = std::make_shared<blesim::Backend>();
    blesim::Mouse *m_peripheral = nullptr;
#endif
    bool mouseRecording() const;
};

bool VoiceInputE2E::mouseRecording() const
{
#ifdef OVER_BLUETOOTH
    return m_peripheral->isRecording();
#else
    return hidsim_is_recording();
#endif
}

void VoiceInputE2E::initTestCase()
{
#ifdef OVER_BLUETOOTH
    // Before anything makes the mouse object, which makes its link.
    ble::overrideBackend(m_bluetooth);
    m_peripheral = m_bluetooth->addMouse();
#endif
    m_display = XOpenDisplay(nullptr);
    QVERIFY2(m_display, "needs an X display (run it through tests/support/own_display.sh)");
    QVERIFY(IconFont::instance().initFontAwesome());

    QVERIFY(m_server.listen());
    m_server.setCredentials(QStringLiteral("e2eapp"), QStringLiteral("e2ekey"),
                            QStringLiteral("e2esecret"));
    DictationServer::trustTestCa();
    qputenv("TALKVANE_URL_DICTATION", m_server.url().toUtf8());

    IniFileInf::set_keydefine(QStringLiteral("vkl"), QStringLiteral("voiceInput"));
    IniFileInf::set_keydefine(QStringLiteral("listenlangstr"), QStringLiteral("zh_cn"));
    IniFileInf::set_keydefine(QStringLiteral("country"), QStringLiteral("cn"));
    IniFileInf::set_keydefine(QStringLiteral("ptt"), QStringLiteral("1"));

    // What the main window does at start-up: the diagnostics page wires the
    // buttons, then the mouse is connected and keyboard listening runs.
    m_page = new Debug;
    auto center = FunControlCenter::getInstance();
    center->dictation()->setAppId(QStringLiteral("e2eapp"));
    center->dictation()->setApiKey(QStringLiteral("e2ekey"));
    center->dictation()->setApiSecret(QStringLiteral("e2esecret"));

#ifdef OVER_BLUETOOTH
    hidsim_reset();
    hidsim_set_plugged(0);
    hidsim_add_bluetooth_device(0x1915, 0x7777, L"PX08 - 02");
    MouseDevice *mouse = MouseDevice::instance().get();
    mouse->connect();
    QTRY_VERIFY_WITH_TIMEOUT(mouse->linkState == BluetoothLinked, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(mouse->model, QStringLiteral("PX08"), 5000);
    QCOMPARE(mouse->linkModel, 2);
#else
    QVERIFY(connectSimulatedMouse());
#endif
}

void VoiceInputE2E::cleanupTestCase()
{
    delete m_page;
    if (m_display)
        XCloseDisplay(m_display);
}


void VoiceInputE2E::spokenWordsLandInTheFocusedField_data()
{
    QTest::addColumn<QString>("inputModel");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("lastPiece");
    // Revised while speaking: "很好" is corrected to "真好" with two Backspaces.
    QTest::newRow("dynamics") << "dynamics" << "今天天气真好。" << "。";
    QTest::newRow("whole") << "whole" << "" << "";
}

void VoiceInputE2E::spokenWordsLandInTheFocusedField()
{
    QFETCH(QString, inputModel);
    QFETCH(QString, expected);
    QFETCH(QString, lastPiece);

    const int session = m_server.sessionCount();
    m_server.setReplies(session, {{3, DictationServer::apd(0, 1, "今天")},
                                  {5, DictationServer::rpl(2, "今天天气", 1, 1)},
                                  {7, DictationServer::rpl(3, "今天天气很好", 1, 2)},
                                  {9, DictationServer::rpl(4, "今天天气真好", 1, 3)},
                                  {-1, DictationServer::apd(2, 5, "。", true)}});
    auto center = FunControlCenter::getInstance();
    center->setSecDynamicTyping(inputModel.contains(QLatin1String("dynamics")));
    QStringList finished;
    QObject scope;
    connect(center->dictation(), &XFYunWebApiDomestic::mAudioResultBlock, &scope,
            [&](bool, const QString &text, PXASRResultType type) {
                if (type == PXASRResultType::Finish)
                    finished << text;
            });

    const QString fieldFile = m_dir.filePath(inputModel + QStringLiteral(".txt"));
    QProcess field;
    field.start(QStringLiteral(TEXT_FIELD_CLIENT), {fieldFile});
    QVERIFY(field.waitForReadyRead(10000));
    QCOMPARE(field.readAllStandardOutput().trimmed(), QByteArray("ready"));

    TestKeys::holdKeycode(m_display, kVoiceButtonKeycode, 1500);
    QTRY_VERIFY_WITH_TIMEOUT(!mouseRecording(), 5000);  // released after a second
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
    if (expected.isEmpty())  // the whole sentence, pasted once at the end
        expected = lastPiece = finished.first();
    QVERIFY(!expected.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(TestFiles::readText(fieldFile), expected, 10000);

    QVERIFY(m_server.sessions().at(session).authorized);
    QVERIFY(m_server.sessions().at(session).frames.size() > 9);
    QCOMPARE(QApplication::clipboard()->text(), lastPiece);

    QTest::qWait(300);  // nothing more arrives
    QCOMPARE(TestFiles::readText(fieldFile), expected);
    field.kill();
    field.waitForFinished();
}

QTEST_MAIN(VoiceInputE2E)
#include "test_voice_input_e2e.moc"
