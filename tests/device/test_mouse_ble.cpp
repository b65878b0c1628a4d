// The mouse linked over Bluetooth LE, end to end below the window: the probe
// finds it as a Bluetooth HID device, the link connects to the simulated
// peripheral, replies fill the record, settings and recording commands go
// out over Bluetooth, audio is decoded, and a mouse that goes away
// mid-recording leaves a whole recording and is linked again.

#include "core/device/connections/ble/bleinterface.h"
#include "core/device/mousedevice.h"
#include "sim/blesim.h"
#include "sim/hidsim.h"
#include "support/recording/recording_backends.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

QList<int> states(const QSignalSpy &spy)
{
    QList<int> out;
    for (const auto &args : spy)
        out << args.at(0).toInt();
    return out;
}

}  // namespace

class MouseBleTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void probeFindsTheMouseAndTheRecordIsFilled();
    void settingsGoOutOverBluetooth();
    void recordingIsDecoded();
    void oddSizedValuesAreHarmless_data();
    void oddSizedValuesAreHarmless();
    void mouseGoingAwayMidRecordingKeepsAWholeRecordingAndRelinks();

private:
    bool linkUp();
    std::shared_ptr<blesim::Backend> m_backend = std::make_shared<blesim::Backend>();
    blesim::Mouse *m_sim = nullptr;
    MouseDevice *m_mouse = nullptr;
};

void MouseBleTest::initTestCase()
{
    qRegisterMetaType<LinkState>("LinkState");
    platform::recording::install();
    ble::overrideBackend(m_backend);
    m_sim = m_backend->addMouse();
    m_mouse = MouseDevice::instance().get();
    m_mouse->setTiming(DeviceTiming().dividedBy(10));
    BleTiming fast;
    fast.connectWatchdogMs = 300;
    fast.discoveryTimeoutMs = 1000;
    m_mouse->bluetooth()->setTiming(fast);
}

void MouseBleTest::init()
{
    hidsim_reset();
    hidsim_set_plugged(0);  // no receiver: Bluetooth only
    hidsim_add_bluetooth_device(0x1915, 0x7777, L"PX08 - 02");
}

bool MouseBleTest::linkUp()
{
    if (m_mouse->linkState == BluetoothLinked && m_sim->isLinked())
        return true;
    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);
    m_mouse->connect();
    return QTest::qWaitFor([&] { return states(state).contains(BluetoothLinked); }, 5000)
        && QTest::qWaitFor([&] { return m_mouse->model == QLatin1String("PX08"); }, 3000);
}

void MouseBleTest::probeFindsTheMouseAndTheRecordIsFilled()
{
    QVERIFY(linkUp());
    QCOMPARE(m_mouse->bleUp, 1);
    QCOMPARE(m_mouse->productName, QStringLiteral("WQPX08"));
    QTRY_COMPARE(m_mouse->linkModel, 2);
    QCOMPARE(m_mouse->sn, QStringLiteral("a1a2a3a4a5a6"));
    QCOMPARE(m_mouse->firmwareVersion, QStringLiteral("1.2"));
    QTRY_COMPARE(m_mouse->battery, 77);
    QCOMPARE(m_mouse->linkModelText(), QStringLiteral("蓝牙1"));
    // Polled with the Bluetooth battery request, not the receiver's.
    m_mouse->getBattery(m_mouse->batteryPollMs);
    QCOMPARE(m_sim->writes().last(), QByteArray::fromHex("9da55a050aff"));
}

void MouseBleTest::settingsGoOutOverBluetooth()
{
    QVERIFY(linkUp());
    m_mouse->setDPI(1600);
    m_mouse->setWBL(1);
    QVERIFY(m_sim->writes().contains(QByteArray::fromHex("9da55a08044006ff")));
    QVERIFY(m_sim->writes().contains(QByteArray::fromHex("9da55a070201000000ff")));
    QTRY_COMPARE(m_mouse->dpi, 1600);
    QTRY_COMPARE(m_mouse->wheelSwitch, 1);
}

void MouseBleTest::recordingIsDecoded()
{
    QVERIFY(linkUp());
    QSignalSpy audio(m_mouse, &MouseDevice::onAudioData);
    m_mouse->startRecord();
    QVERIFY(m_sim->isRecording());
    QTRY_VERIFY(audio.count() >= 5);
    for (const auto &args : audio)
        QCOMPARE(args.at(0).toByteArray().size(), 4 * 240);  // four frames a report
    // Not all silence: the tone came through the decoder.
    const QByteArray pcm = audio.last().at(0).toByteArray();
    QVERIFY(pcm.count('\0') < pcm.size() / 2);
    m_mouse->stopRecord();
    QVERIFY(!m_sim->isRecording());
}

void MouseBleTest::oddSizedValuesAreHarmless_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("audio marker only") << QByteArray::fromHex("9d01");
    QTest::newRow("reply header cut short") << QByteArray::fromHex("a55a1454");
    QTest::newRow("info reply cut short") << QByteArray::fromHex("a55a145406a1a2");
    QTest::newRow("oversized audio") << (QByteArray::fromHex("9d") + QByteArray(600, '\x01'));
    QTest::newRow("oversized reply") << (QByteArray::fromHex("a55a07540f") + QByteArray(600, '\xff'));
}

void MouseBleTest::oddSizedValuesAreHarmless()
{
    QFETCH(QByteArray, value);
    QVERIFY(linkUp());
    const QString sn = m_mouse->sn;
    QSignalSpy audio(m_mouse, &MouseDevice::onAudioData);
    m_sim->notify(blesim::kAudioCharacteristic, value);
    m_sim->notify(blesim::kReplyCharacteristic, value);
    QTest::qWait(20);
    for (const auto &args : audio)
        QVERIFY(args.at(0).toByteArray().size() <= 4 * 240);
    QCOMPARE(m_mouse->sn, sn);
    QCOMPARE(m_mouse->linkState, BluetoothLinked);
}

void MouseBleTest::mouseGoingAwayMidRecordingKeepsAWholeRecordingAndRelinks()
{
    QVERIFY(linkUp());
    QSignalSpy audio(m_mouse, &MouseDevice::onAudioData);
    m_mouse->startRecord();
    QTRY_VERIFY(audio.count() >= 5);

    QSignalSpy state(m_mouse, &MouseDevice::onConnectState);
    m_sim->dropLink();
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(BluetoothLinked), 5000);
    QTRY_VERIFY(m_sim->isLinked());
    // The first reply after the break closed the utterance: whole frames only.
    QTRY_VERIFY(!m_mouse->lastRecording().isEmpty());
    QFile wav(m_mouse->lastRecording());
    QVERIFY(wav.open(QIODevice::ReadOnly));
    const qint64 samples = wav.size() - 44;
    QVERIFY(samples > 0);
    QCOMPARE(samples % 240, 0);
    // Recording can start again: the command gate was reset.
    m_mouse->startRecord();
    QTRY_VERIFY(m_sim->isRecording());
    m_mouse->stopRecord();
}

QTEST_GUILESS_MAIN(MouseBleTest)
#include "test_mouse_ble.moc"
