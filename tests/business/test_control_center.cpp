// Button dispatch and result routing of the control center: simulated receiver linked,
// dictation stand-in answering, typing worker sending to the recording injector.

#include "business/funcontrolcenter.h"
#include "core/device/mousedevice.h"
#include "core/key/typingtaskqueue.h"
#include "core/setting/inifileinf.h"
#include "core/speech/xfyunwebapidomestic.h"
#include "debug.h"
#include "core/speech/tencentcloudspeech.h"
#include "fakes/dictation_server.h"
#include "fakes/tencent_asr_server.h"
#include "platform/keys.h"
#include "support/recording/recording_backends.h"
#include "sim/hidsim.h"
#include "widget/capture/camainwindow.h"
#include "widget/capture/screenview.h"
#include "widget/iconfont/iconfont.h"
#include "widget/tradialogue.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

namespace {

using Events = std::vector<platform::recording::RecordingKeyInjector::Event>;

// "11+ 43+ 43- 11-": virtual key in hex, + down, - up.
QString keyText(const Events &events, size_t from)
{
    QStringList out;
    for (size_t i = from; i < events.size(); ++i)
        out << QStringLiteral("%1%2").arg(events[i].virtualKey, 2, 16, QLatin1Char('0'))
                   .arg(events[i].down ? '+' : '-').toUpper();
    return out.join(' ');
}

// What the focused window saw: "paste <clipboard text>", "del" per Backspace, "key <hex>".
QString edits(const Events &events, size_t from, const QStringList &clipboard)
{
    QStringList out;
    int pasted = 0;
    bool ctrl = false;
    for (size_t i = from; i < events.size(); ++i) {
        const unsigned key = events[i].virtualKey;
        if (key == platform::vk::Control)
            ctrl = events[i].down;
        else if (events[i].down && key == platform::vk::KeyV && ctrl)
            out << "paste " + clipboard.value(pasted++, "?");
        else if (events[i].down)
            out << (key == platform::vk::Backspace ? QStringLiteral("del")
                                                   : QStringLiteral("key %1").arg(key, 0, 16));
    }
    return out.join(QLatin1Char('|'));
}

}  // namespace

class ControlCenterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase() { delete m_page; }
    void voiceScenes_data();
    void voiceScenes();
    void dialectsUseTheRealTimeRecognition_data();
    void dialectsUseTheRealTimeRecognition();
    void unbuiltFeaturesSayTheyAreUnavailable_data();
    void unbuiltFeaturesSayTheyAreUnavailable();
    void screenshotClickOpensTheCaptureTool();
    void shortClickKeys_data();
    void shortClickKeys();
    void recognitionResultsInVoiceInput_data();
    void recognitionResultsInVoiceInput();
    void pasteWaitsForHeldModifiersWithoutBlocking();

private:
    // kind: "" a long press starts, "Over" it ends, "ShortOver" a short click.
    void key(int button, const char *kind, int count)
    {
        QVERIFY(QMetaObject::invokeMethod(
            m_mouse, "signalsKeyOne" + QByteArray::number(button) + kind, Q_ARG(int, count)));
    }
    void setDevice(int model, const QString &name)
    {
        hidsim_set_link_model(model);
        hidsim_set_name(name.toUtf8().constData());
        m_mouse->getInfo();
        QTRY_VERIFY_WITH_TIMEOUT(m_mouse->linkModel == model && m_mouse->productName == name, 3000);
    }

    DictationServer m_server;
    TencentAsrServer m_tencent;
    Debug *m_page = nullptr;
    MouseDevice *m_mouse = nullptr;
    std::shared_ptr<FunControlCenter> m_center;
    std::shared_ptr<platform::recording::RecordingKeyInjector> m_keys;
};

void ControlCenterTest::initTestCase()
{
    platform::recording::install();
    m_keys = platform::recording::installedKeyInjector();
    QVERIFY(IconFont::instance().initFontAwesome());
    QVERIFY(m_server.listen());
    m_server.setCredentials("ccapp", "cckey", "ccsecret");
    DictationServer::trustTestCa();
    qputenv("TALKVANE_URL_DICTATION", m_server.url().toUtf8());
    QVERIFY(m_tencent.listen());
    m_tencent.setCredentials("1250000000", "AKIDcc", "ccsecretkey");
    qputenv("TALKVANE_URL_ASR_TENCENT", m_tencent.url().toUtf8());
    IniFileInf::saveAllConfig({{"listenlangstr", "zh_cn"}, {"country", "cn"}, {"ptt", "1"},
                               {"vkl", "voiceInput"}, {"vks", "voiceInput"}, {"aal", "aiGpt"},
                               {"tkl", "voiceInput"}, {"tks", "enter"}});
    m_page = new Debug;
    m_page->show();  // its notice is only seen on a shown page
    m_center = FunControlCenter::getInstance();
    m_center->dictation()->setAppId("ccapp");
    m_center->dictation()->setApiKey("cckey");
    m_center->dictation()->setApiSecret("ccsecret");
    m_center->tencentSpeech()->setAppId("1250000000");
    m_center->tencentSpeech()->setSecretId("AKIDcc");
    m_center->tencentSpeech()->setSecretKey("ccsecretkey");
    hidsim_reset();
    m_mouse = MouseDevice::instance().get();
    m_mouse->connect();
    QTRY_VERIFY_WITH_TIMEOUT(m_mouse->linkState == ReceiverLinked && m_mouse->linkModel == 4, 5000);
}

void ControlCenterTest::cleanup()
{
    // A dictation left running ends before the next case, with its finish task.
    if (m_center->dictation()->isActive()) {
        m_center->dictation()->cancelAsr();
        QTest::qWait(200);
    }
    if (m_center->tencentSpeech()->isActive()) {
        m_center->tencentSpeech()->cancelAsr();
        QTest::qWait(200);
    }
    if (Debug::longPressActive())
        key(130, "Over", 0);
    IniFileInf::set_keydefine("vks", "voiceInput");
    if (FunControlCenter::voiceInputToggled())
        key(130, "ShortOver", 0);
    setDevice(4, "DLVPX08");
}

void ControlCenterTest::voiceScenes_data()
{
    // held: long press and release; otherwise two short clicks ("vks" = voiceInput).
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("linkModel");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("held");
    QTest::newRow("voice key held") << "DLVPX08" << 4 << 130 << true;
    QTest::newRow("voice key held, Bluetooth link model") << "DLVPX08" << 2 << 130 << true;
    QTest::newRow("voice key held, link model 5") << "DLVPX08" << 5 << 130 << true;
    QTest::newRow("voice key clicked twice") << "DLVPX08" << 4 << 130 << false;
    QTest::newRow("translate key held") << "DLVPX08" << 4 << 129 << true;
    // The AI and search scenes run once something takes their text.
    QTest::newRow("group A translate key held") << "WQQ313" << 4 << 129 << true;
    QTest::newRow("voice assistant key held") << "DLVPX08" << 4 << 132 << true;
}

void ControlCenterTest::voiceScenes()
{
    QFETCH(QString, product);
    QFETCH(int, linkModel);
    QFETCH(int, button);
    QFETCH(bool, held);
    const bool groupA = product == QLatin1String("WQQ313");
    const SENCE_TYPE scene = groupA ? SENCE_VOICE_AI : button == 132 ? SENCE_VOICE_ASS : SENCE_VOICE;
    const QString pressed = QStringLiteral("按下了%1；次数：1")
                                .arg(button == 129 ? "翻译键" : button == 130 ? "语音键" : "搜索键");
    setDevice(linkModel, product);
    QSignalSpy aiPage(m_center.get(), &FunControlCenter::LongPressAiGpt);
    QSignalSpy searched(m_center.get(), &FunControlCenter::voiceAssCallback);
    QSignalSpy asked(m_center.get(), &FunControlCenter::voiceAICallback);
    if (button == 129) {  // its short click ("tks" = enter) opens the AI page on group A
        const size_t before = m_keys->events().size();
        key(129, "ShortOver", 1);
        QCOMPARE(keyText(m_keys->events(), before), groupA ? QString() : QString("0D+ 0D-"));
        QCOMPARE(aiPage.count(), groupA ? 1 : 0);
        QCOMPARE(aiPage.value(0).value(0, 6).toInt(), 6);
    }
    const int session = m_server.sessionCount();
    key(button, held ? "" : "ShortOver", 1);
    if (linkModel == 2) {  // the receiver's link carries no voice: a notice, nothing else
        QCOMPARE(m_page->noticeText(), QStringLiteral("设备还未通信，不能使用语音"));
        QVERIFY(!Debug::longPressActive());
        QTest::qWait(300);
        QCOMPARE(m_server.sessionCount(), session);
        QVERIFY(!hidsim_is_recording());
        return;
    }
    QCOMPARE(m_center->sence(), scene);
    const auto window = TraDialogue::instance();
    QVERIFY(window->isVisible());
    QCOMPARE(window->sourceText(), QStringLiteral("正在识别语音"));
    QCOMPARE(Debug::longPressActive(), held);
    QCOMPARE(FunControlCenter::voiceInputToggled(), !held);
    QCOMPARE(m_page->keyLabelText(), pressed);
    QTRY_VERIFY_WITH_TIMEOUT(hidsim_is_recording(), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(m_server.sessionCount(), session + 1, 5000);
    auto dictation = [&] { return m_server.sessions().value(session); };
    QVERIFY2(dictation().authorized, qPrintable(dictation().authError));
    QTRY_VERIFY_WITH_TIMEOUT(dictation().frames.size() >= 3, 5000);  // the audio arrives
    if (held) {  // another button's long press ("aal" = aiGpt) changes nothing
        key(131, "", 2);
        QVERIFY(Debug::longPressActive());
        QCOMPARE(m_center->sence(), scene);
        QTest::qWait(200);
        QVERIFY(hidsim_is_recording());
        QVERIFY(!dictation().closed);
    }
    key(button, held ? "Over" : "ShortOver", 3);
    QVERIFY(!Debug::longPressActive());
    QVERIFY(!FunControlCenter::voiceInputToggled());
    QTRY_VERIFY_WITH_TIMEOUT(!hidsim_is_recording(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(dictation().closed, 5000);
    QCOMPARE(dictation().frames.first().status, 0);
    QCOMPARE(dictation().frames.last().status, 2);
    QCOMPARE(m_server.sessionCount(), session + 1);
    QCOMPARE(aiPage.count(), groupA ? 1 : 0);
}

void ControlCenterTest::dialectsUseTheRealTimeRecognition_data()
{
    // held: long press and release; otherwise two short clicks ("vks" = voiceInput).
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("held");
    QTest::newRow("Indonesian, voice key held") << "16k_id" << true;
    QTest::newRow("dialect, voice input toggled") << "16k_zh_dialect" << false;
}

void ControlCenterTest::dialectsUseTheRealTimeRecognition()
{
    QFETCH(QString, code);
    QFETCH(bool, held);
    const QString before = IniFileInf::get_keydefine("listenlangstr");
    IniFileInf::set_keydefine("listenlangstr", code);
    const int dictations = m_server.sessionCount();
    const int session = m_tencent.sessionCount();
    m_tencent.setReplies(session, {{640, TencentAsrServer::slice(0, 1, "Selamat")},
                                   {-1, TencentAsrServer::slice(0, 2, "Selamat pagi")}});
    const auto window = TraDialogue::instance();

    key(130, held ? "" : "ShortOver", 1);
    QVERIFY(m_center->listening());
    QCOMPARE(FunControlCenter::voiceInputToggled(), !held);
    QTRY_VERIFY_WITH_TIMEOUT(hidsim_is_recording(), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(m_tencent.sessionCount(), session + 1, 5000);
    auto s = [&] { return m_tencent.sessions().value(session); };
    QVERIFY2(s().authorized, qPrintable(s().authError));
    QCOMPARE(s().parameters.value("engine_model_type"), code);
    QTRY_VERIFY_WITH_TIMEOUT(s().audioBytes > 640, 5000);  // the mouse's audio goes there
    QTRY_COMPARE(window->sourceText(), QStringLiteral("Selamat"));
    QVERIFY(!s().endReceived);

    key(130, held ? "Over" : "ShortOver", 2);
    QTRY_VERIFY_WITH_TIMEOUT(s().endReceived, 5000);
    QTRY_COMPARE(window->sourceText(), QStringLiteral("Selamat pagi"));
    QTRY_VERIFY_WITH_TIMEOUT(s().closed, 5000);
    QVERIFY(!m_center->tencentSpeech()->isActive());
    QCOMPARE(m_server.sessionCount(), dictations);  // the dictation service was not asked
    IniFileInf::set_keydefine("listenlangstr", before);
}

void ControlCenterTest::unbuiltFeaturesSayTheyAreUnavailable_data()
{
    // setting, its value, the button, held; the notice.
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QString>("notice");
    QTest::newRow("voice search, nobody searches") << "vkl" << "voiceInput" << "DLVPX08" << 132
                                                   << true << "语音搜索暂不可用";
    QTest::newRow("AI scene, no AI window") << "vkl" << "voiceInput" << "WQQ313" << 129 << true
                                            << "AI助手暂不可用";
    QTest::newRow("AI page click") << "vks" << "aigpt" << "DLVPX08" << 130 << false
                                   << "AI助手暂不可用";
}

void ControlCenterTest::unbuiltFeaturesSayTheyAreUnavailable()
{
    QFETCH(QString, setting);
    QFETCH(QString, value);
    QFETCH(QString, product);
    QFETCH(int, button);
    QFETCH(bool, held);
    QFETCH(QString, notice);
    const QString before = IniFileInf::get_keydefine(setting);
    IniFileInf::set_keydefine(setting, value);
    setDevice(4, product);
    const int sessions = m_server.sessionCount();
    const auto window = TraDialogue::instance();
    window->hide();

    key(button, held ? "" : "ShortOver", 1);
    QVERIFY(window->isVisible());
    QCOMPARE(window->sourceText(), notice);
    QVERIFY(window->hideScheduled());
    QVERIFY(!FunControlCenter::voiceInputToggled());
    QTest::qWait(300);
    QVERIFY(!hidsim_is_recording());
    QCOMPARE(m_server.sessionCount(), sessions);
    if (held)
        key(button, "Over", 2);
    QTest::qWait(100);
    QCOMPARE(window->sourceText(), notice);  // the release adds nothing
    QVERIFY(!hidsim_is_recording());
    IniFileInf::set_keydefine(setting, before);
}

void ControlCenterTest::screenshotClickOpensTheCaptureTool()
{
    IniFileInf::set_keydefine("vks", "aiocrkey");
    setDevice(4, "DLVPX08");
    CaMainWindow *tool = m_center->captureTool();
    QVERIFY(tool->overlays().isEmpty());
    key(130, "ShortOver", 1);
    QCOMPARE(tool->overlays().size(), QGuiApplication::screens().size());
    key(130, "ShortOver", 1);  // one capture at a time
    QCOMPARE(tool->overlays().size(), QGuiApplication::screens().size());
    for (ScreenView *view : tool->overlays())
        view->close();
    QTRY_VERIFY(tool->overlays().isEmpty());
}

void ControlCenterTest::shortClickKeys_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("oneCall");
    QTest::newRow("vks Ctrl+Shift+S") << 130 << "Ctrl+Shift+S" << "11+ 10+ 53+ 53- 10- 11-" << true;
    QTest::newRow("Ctrl Alt Shift")
        << 130 << "Shift+Alt+Ctrl+Home" << "11+ 12+ 10+ 24+ 24- 10- 12- 11-" << true;
    QTest::newRow("aas Ctrl+A, B: last key") << 131 << "Ctrl+A, B" << "11+ 42+ 42- 11-" << true;
    QTest::newRow("tks enter") << 129 << "enter" << "0D+ 0D-" << true;
    QTest::newRow("vks copy") << 130 << "copy" << "11+ 43+ 43- 11-" << false;
    QTest::newRow("vks backspace") << 130 << "backspace" << "08+ 08-" << false;
    QTest::newRow("aas pageDown") << 131 << "pageDown" << "22+ 22-" << false;
    QTest::newRow("vks noOp") << 130 << "noOp" << "" << false;
}

void ControlCenterTest::shortClickKeys()
{
    QFETCH(int, button);
    QFETCH(QString, action);
    QFETCH(QString, expected);
    QFETCH(bool, oneCall);
    IniFileInf::set_keydefine(button == 129 ? "tks" : button == 130 ? "vks" : "aas", action);
    const size_t before = m_keys->events().size();
    key(button, "ShortOver", 7);
    const Events events = m_keys->events();
    QCOMPARE(keyText(events, before), expected);
    for (size_t i = before + 1; oneCall && i < events.size(); ++i)
        QVERIFY2(events[i].at == events[before].at, "sent in more than one call");
}

void ControlCenterTest::recognitionResultsInVoiceInput_data()
{
    // mode: "paste" (no dynamic typing), "dynamic", "toggled" (dynamic, by the "voiceInput"
    // short click). Results, '|'-separated: "C:" Continue, "K:" Confirm, "S:" ShowText,
    // "E:" Error, "F:" Finish + text.
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("finishTasks");
    QTest::newRow("pasted once at Finish") << "paste"
        << "C:今天|S:今天|C:今天天气|K:今天天气真好|F:今天天气真好。" << "paste 今天天气真好。" << 0;
    QTest::newRow("broken dictation pastes what was recognised")
        << "paste" << "S:今天|E:The remote host closed the connection|F:今天" << "paste 今天" << 0;
    QTest::newRow("nothing recognised pastes nothing") << "paste" << "E:code 10165|F:" << "" << 0;
    QTest::newRow("extension types the tail")
        << "dynamic" << "C:今天|S:今天|C:今天天气|S:今天天气|F:今天天气" << "paste 今天|paste 天气"
        << 1;
    QTest::newRow("last two rewritten") << "dynamic" << "S:今天天气很好|S:今天天气真好"
                                        << "paste 今天天气很好|del|del|paste 真好" << 0;
    // The corrected sentence alone would delete only its own length.
    QTest::newRow("correction reaching back over pieces")
        << "dynamic" << "K:我们|S:我们|K:今天|S:我们今天|C:我们明天|S:我们明天"
        << "paste 我们|paste 今天|del|del|paste 明天" << 0;
    QTest::newRow("unchanged") << "dynamic" << "S:你好|S:你好" << "paste 你好" << 0;
    QTest::newRow("&& added") << "dynamic" << "S:x|S:x&&y" << "paste x|paste &&y" << 0;
    QTest::newRow("&& in a new tail") << "dynamic" << "S:ab|S:a&&" << "paste ab|del|paste &&" << 0;
    QTest::newRow("Finish types what the display had not shown")
        << "dynamic" << "S:今天|F:今天天气" << "paste 今天|paste 天气" << 1;
    QTest::newRow("empty Finish keeps the typed text")
        << "dynamic" << "S:今天|E:code 10165|F:" << "paste 今天" << 1;
    QTest::newRow("a second connection continues after the first")
        << "dynamic" << "S:你好|F:你好。|S:再见|F:再见" << "paste 你好|paste 。|paste 再见" << 2;
    QTest::newRow("Finish while toggled on") << "toggled" << "S:你好|F:你好" << "paste 你好" << 0;
}

void ControlCenterTest::recognitionResultsInVoiceInput()
{
    QFETCH(QString, mode);
    QFETCH(QString, results);
    QFETCH(QString, expected);
    QFETCH(int, finishTasks);
    QObject scope;  // ends both connections with the row
    QStringList clipboard;
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &scope,
            [&] { clipboard << QGuiApplication::clipboard()->text(); });
    int finishes = 0;
    connect(TypingTaskQueue::instance(), &TypingTaskQueue::onFinish, &scope, [&] { ++finishes; },
            Qt::QueuedConnection);
    QSignalSpy sceneFinished(m_center.get(), &FunControlCenter::finishTask);
    const bool dynamic = mode != QLatin1String("paste");
    const bool toggle = mode == QLatin1String("toggled");
    m_center->setSecDynamicTyping(dynamic);
    toggle ? key(130, "ShortOver", 1) : m_center->startVoice();
    QCOMPARE(FunControlCenter::voiceInputToggled(), toggle);
    QCOMPARE(m_center->sence(), SENCE_VOICE);
    const size_t before = m_keys->events().size();
    for (const QString &r : results.split('|')) {
        const auto type = r.startsWith('C') ? PXASRResultType::Continue
            : r.startsWith('K') ? PXASRResultType::Confirm
            : r.startsWith('S') ? PXASRResultType::ShowText
            : r.startsWith('E') ? PXASRResultType::Error : PXASRResultType::Finish;
        m_center->processingRecognitionResults(true, r.mid(2), type);
    }
    QTRY_COMPARE_WITH_TIMEOUT(edits(m_keys->events(), before, clipboard), expected, 3000);
    QTest::qWait(dynamic ? 300 : 600);  // and nothing more follows
    QCOMPARE(edits(m_keys->events(), before, clipboard), expected);
    QCOMPARE(finishes, finishTasks);
    if (!dynamic && !expected.isEmpty())
        QCOMPARE(QGuiApplication::clipboard()->text(), expected.mid(6));
    if (!dynamic)  // the scene ends whether or not there was anything to paste
        QTRY_VERIFY_WITH_TIMEOUT(sceneFinished.count() > 0, 2000);
}

void ControlCenterTest::pasteWaitsForHeldModifiersWithoutBlocking()
{
    m_center->setSecDynamicTyping(false);
    m_center->startVoice();
    m_keys->setModifiersHeld(true);
    const size_t before = m_keys->events().size();
    m_center->processingRecognitionResults(true, QStringLiteral("你好"), PXASRResultType::Finish);

    // The GUI thread keeps turning while the paste waits for a held Alt.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longestGap = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, [&] {
        longestGap = qMax(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start(5);
    QTest::qWait(650);
    QCOMPARE(keyText(m_keys->events(), before), QString());
    m_keys->setModifiersHeld(false);
    QTRY_COMPARE_WITH_TIMEOUT(keyText(m_keys->events(), before), QString("11+ 56+ 56- 11-"), 1000);
    // A blocking wait would stall the loop for the whole 650 ms; a loaded
    // machine alone has been seen to stall it for 160.
    QVERIFY2(longestGap < 300, qPrintable(QString::number(longestGap)));
}

QTEST_MAIN(ControlCenterTest)
#include "test_control_center.moc"
