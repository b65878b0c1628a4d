// The Bluetooth LE link against the simulated peripheral: discovery and the
// name filter, the connect watchdog, the two services and notifications,
// commands and their gating, long writes, and every way the link can fail:
// a missing service, a connection that never comes up, a write error, the
// mouse going away mid-recording, no adapter. Intervals are shortened.

#include "core/device/command_frames.h"
#include "core/device/connections/ble/ble_names.h"
#include "core/device/connections/ble/bleinterface.h"
#include "sim/blesim.h"

#include <QBluetoothAddress>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using blesim::Mouse;
using blesim::MouseScript;

Q_DECLARE_METATYPE(ble::AdapterState)

namespace {

BleTiming fastTiming()
{
    BleTiming t;
    t.discoveryTimeoutMs = 500;
    t.connectWatchdogMs = 150;
    t.readIntervalMs = 50;
    t.serviceErrorDisconnectMs = 10;
    t.writeConfirmTimeoutMs = 200;
    return t;
}

MouseScript named(const QString &name, const QString &address)
{
    MouseScript s;
    s.advertisedName = name;
    s.address = QBluetoothAddress(address);
    return s;
}

// Captures warnings while it lives.
class Warnings
{
public:
    Warnings() { s_lines.clear(); s_previous = qInstallMessageHandler(&Warnings::handle); }
    ~Warnings() { qInstallMessageHandler(s_previous); }
    bool contains(const QString &text) const
    {
        for (const QString &line : qAsConst(s_lines))
            if (line.contains(text))
                return true;
        return false;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtWarningMsg)
            s_lines << text;
        if (s_previous)
            s_previous(type, context, text);
    }
    static inline QStringList s_lines;
    static inline QtMessageHandler s_previous = nullptr;
};

}  // namespace

class BleLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nameFilter_data();
    void nameFilter();
    void firstMatchingLowEnergyDeviceIsLinked();
    void notificationsAreOnAndRepliesArrive();
    void readTimerPassesReadValuesOn();
    void watchdogMovesOnToTheNextDevice();
    void connectionThatNeverCompletesReturnsToScanning_data();
    void connectionThatNeverCompletesReturnsToScanning();
    void deviceWithoutBothServicesIsLetGo_data();
    void deviceWithoutBothServicesIsLetGo();
    void deviceWithoutServicesIsSkippedByTheNextScan();
    void deviceWithoutServicesIsTriedAgainLater();
    void recordingBlocksOtherCommandsUntilRecordOff();
    void commandsAreDroppedWhileNotConnected();
    void longValuesAreWrittenInTwentyBytePieces_data();
    void longValuesAreWrittenInTwentyBytePieces();
    void confirmedPiecesStopAtTheFirstError();
    void writeErrorDropsTheLink();
    void mouseGoingAwayMidRecordingResetsTheLink();
    void noUsableAdapterMeansNoScan_data();
    void noUsableAdapterMeansNoScan();

private:
    Mouse *linkUp(const MouseScript &script = MouseScript());

    std::shared_ptr<blesim::Backend> m_backend;
    BLEInterface *m_link = nullptr;
};

void BleLinkTest::init()
{
    m_backend = std::make_shared<blesim::Backend>();
    m_link = new BLEInterface(m_backend);
    m_link->setTiming(fastTiming());
}

void BleLinkTest::cleanup()
{
    delete m_link;
    m_link = nullptr;
    m_backend.reset();
}

Mouse *BleLinkTest::linkUp(const MouseScript &script)
{
    Mouse *mouse = m_backend->addMouse(script);
    QSignalSpy mac(m_link, &BLEInterface::sendmacstr);
    m_link->scanDevices();
    if (!mac.wait(2000))
        return nullptr;
    return mouse;
}

void BleLinkTest::nameFilter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("code inside a longer name") << "WQPX08 mouse" << true;
    QTest::newRow("lower-case code not listed") << "px08" << false;
    QTest::newRow("lower-case code listed") << "px09" << true;
    QTest::newRow("short code") << "Q7" << true;
    QTest::newRow("spaced channel name") << "PX025 - 02" << true;
    QTest::newRow("channel name without spaces") << "PX025-02" << false;
    QTest::newRow("whole product name") << "BT5.2 Mouse" << true;
    QTest::newRow("other mouse") << "BT5.0 Mouse" << false;
    QTest::newRow("empty") << "" << false;
}

void BleLinkTest::nameFilter()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QCOMPARE(BleNames::isMouseName(name), accepted);
}

void BleLinkTest::firstMatchingLowEnergyDeviceIsLinked()
{
    m_backend->addMouse(named(QStringLiteral("Keyboard K1"), QStringLiteral("00:00:00:00:00:01")));
    MouseScript classic = named(QStringLiteral("PX08 classic"), QStringLiteral("00:00:00:00:00:02"));
    classic.lowEnergy = false;
    m_backend->addMouse(classic);
    QSignalSpy connected(m_link, &BLEInterface::connectedChanged);
    Mouse *mouse = linkUp(named(QStringLiteral("PX08 - 02"), QStringLiteral("C0:11:22:33:44:55")));
    QVERIFY(mouse);
    QVERIFY(mouse->isLinked());
    QCOMPARE(m_backend->controllersMade(), 1);
    QVERIFY(m_link->isConnected());
    QCOMPARE(connected.count(), 1);
    QCOMPARE(m_link->mac(), QStringLiteral("554433221 1C0").remove(QLatin1Char(' ')));
    QVERIFY(m_link->services().contains(BLEInterface::kCommandService.toString()));
}

void BleLinkTest::notificationsAreOnAndRepliesArrive()
{
    Mouse *mouse = linkUp();
    QVERIFY(mouse);
    QTRY_VERIFY(mouse->notifying(blesim::kAudioCharacteristic));
    QVERIFY(mouse->notifying(blesim::kReplyCharacteristic));

    QSignalSpy data(m_link, &BLEInterface::dataReceived);
    m_link->bluetoothc_sendcmd(CommandFrames::Info);
    QCOMPARE(mouse->writes(), {QByteArray::fromHex("9da55a0601ff")});
    QTRY_COMPARE(data.count(), 3);  // info, name and firmware, battery
    const QByteArray info = data.at(0).at(0).toByteArray();
    QCOMPARE(info.left(5).toHex(), QByteArray("a55a145406"));
    QCOMPARE(int(info[18]), 2);
    QCOMPARE(quint8(data.at(1).at(0).toByteArray()[4]), quint8(0x0B));

    m_link->bluetooth_setdpi(1600);
    m_link->bluetooth_setgunlun(1);
    QCOMPARE(mouse->writes().mid(1), (QList<QByteArray>{QByteArray::fromHex("9da55a080440" "06ff"),
                                                        QByteArray::fromHex("9da55a070201000000ff")}));
}

void BleLinkTest::readTimerPassesReadValuesOn()
{
    Mouse *mouse = linkUp();
    QVERIFY(mouse);
    const QByteArray value = QByteArray::fromHex("a55a07540f41ff");
    mouse->notify(blesim::kAudioCharacteristic, value);
    QSignalSpy data(m_link, &BLEInterface::dataReceived);
    // Read again and again, while nothing new is notified.
    QTRY_VERIFY(data.count() >= 3);
    for (const auto &args : data)
        QCOMPARE(args.at(0).toByteArray(), value);
}

void BleLinkTest::watchdogMovesOnToTheNextDevice()
{
    MouseScript silent = named(QStringLiteral("PX08 - 01"), QStringLiteral("00:00:00:00:00:0A"));
    silent.completesConnection = false;
    Mouse *first = m_backend->addMouse(silent);
    QSignalSpy macs(m_link, &BLEInterface::sendmacstr);
    QSignalSpy retry(m_link, &BLEInterface::connectbluettoothonoff);
    Mouse *second = linkUp(named(QStringLiteral("PX08 - 02"), QStringLiteral("00:00:00:00:00:0B")));
    QVERIFY(second);
    QVERIFY(!first->isLinked());
    QVERIFY(second->isLinked());
    QCOMPARE(m_backend->controllersMade(), 2);
    QCOMPARE(m_link->mac(), QStringLiteral("0B0000000000"));
    QTest::qWait(fastTiming().connectWatchdogMs * 2);
    QCOMPARE(macs.count(), 1);
    QCOMPARE(retry.count(), 0);
    QVERIFY(m_link->isConnected());
}

void BleLinkTest::connectionThatNeverCompletesReturnsToScanning_data()
{
    QTest::addColumn<bool>("refused");
    QTest::newRow("never answered") << false;
    QTest::newRow("refused") << true;
}

void BleLinkTest::connectionThatNeverCompletesReturnsToScanning()
{
    QFETCH(bool, refused);
    MouseScript failing;
    failing.completesConnection = false;
    failing.refusesConnection = refused;
    m_backend->addMouse(failing);
    QSignalSpy retry(m_link, &BLEInterface::connectbluettoothonoff);
    QElapsedTimer clock;
    clock.start();
    m_link->scanDevices();
    QVERIFY(retry.wait(2000));
    // A refusal does not wait for the watchdog (whose timer may fire a
    // little early, so only half of it counts).
    QCOMPARE(clock.elapsed() < fastTiming().connectWatchdogMs / 2, refused);
    QVERIFY(!m_link->hasController());
    QVERIFY(!m_link->isConnected());

    // The next scan tries again instead of waiting for the dead attempt.
    m_link->scanDevices();
    QTRY_COMPARE(m_backend->controllersMade(), 2);
}

void BleLinkTest::deviceWithoutBothServicesIsLetGo_data()
{
    QTest::addColumn<bool>("data");
    QTest::addColumn<bool>("command");
    QTest::newRow("data service only") << true << false;
    QTest::newRow("command service only") << false << true;
    QTest::newRow("neither") << false << false;
}

void BleLinkTest::deviceWithoutBothServicesIsLetGo()
{
    QFETCH(bool, data);
    QFETCH(bool, command);
    MouseScript script;
    script.dataService = data;
    script.commandService = command;
    Mouse *mouse = m_backend->addMouse(script);
    QSignalSpy macs(m_link, &BLEInterface::sendmacstr);
    QSignalSpy retry(m_link, &BLEInterface::connectbluettoothonoff);
    m_link->scanDevices();
    QVERIFY(retry.wait(2000));
    QCOMPARE(macs.count(), 0);
    QVERIFY(!mouse->isLinked());
    QVERIFY(!m_link->hasController());
    QVERIFY(!m_link->isConnected());
}

void BleLinkTest::deviceWithoutServicesIsSkippedByTheNextScan()
{
    MouseScript impostor = named(QStringLiteral("PX08 - 01"), QStringLiteral("00:00:00:00:00:0A"));
    impostor.commandService = false;
    m_backend->addMouse(impostor);
    QSignalSpy retry(m_link, &BLEInterface::connectbluettoothonoff);
    m_link->scanDevices();
    QVERIFY(retry.wait(2000));
    Mouse *mouse = linkUp(named(QStringLiteral("PX08 - 02"), QStringLiteral("00:00:00:00:00:0B")));
    QVERIFY(mouse);
    QVERIFY(mouse->isLinked());
    QCOMPARE(m_backend->controllersMade(), 2);
}

void BleLinkTest::deviceWithoutServicesIsTriedAgainLater()
{
    BleTiming timing = fastTiming();
    timing.rejectedDeviceSkipMs = 400;
    m_link->setTiming(timing);
    MouseScript late = named(QStringLiteral("PX08 - 01"), QStringLiteral("00:00:00:00:00:0C"));
    late.dataService = false;
    m_backend->addMouse(late);
    QSignalSpy retry(m_link, &BLEInterface::connectbluettoothonoff);
    m_link->scanDevices();
    QVERIFY(retry.wait(2000));
    QCOMPARE(m_backend->controllersMade(), 1);

    m_link->scanDevices();
    QTest::qWait(100);
    QCOMPARE(m_backend->controllersMade(), 1);

    QTest::qWait(400);
    m_link->scanDevices();
    QTRY_COMPARE(m_backend->controllersMade(), 2);
}

void BleLinkTest::recordingBlocksOtherCommandsUntilRecordOff()
{
    Mouse *mouse = linkUp();
    QVERIFY(mouse);
    m_link->bluetoothc_sendcmd(CommandFrames::RecordOn);
    m_link->bluetoothc_sendcmd(CommandFrames::Info);
    m_link->bluetoothc_sendcmd(4);
    QCOMPARE(m_link->lastCommandType(), int(CommandFrames::RecordOn));
    QVERIFY(mouse->isRecording());
    m_link->bluetoothc_sendcmd(CommandFrames::RecordOff);
    m_link->bluetoothc_sendcmd(CommandFrames::Info);
    QCOMPARE(mouse->writes(), (QList<QByteArray>{QByteArray::fromHex("9da55a070301ff"),
                                                 QByteArray::fromHex("9da55a070300ff"),
                                                 QByteArray::fromHex("9da55a0601ff")}));
    QVERIFY(!mouse->isRecording());
}

void BleLinkTest::commandsAreDroppedWhileNotConnected()
{
    m_link->bluetoothc_sendcmd(CommandFrames::RecordOn);
    // Remembered even so: the gate holds until record off.
    QCOMPARE(m_link->lastCommandType(), int(CommandFrames::RecordOn));
    m_link->bluetooth_setdpi(800);
    m_link->cmdwrite(QByteArray::fromHex("9da55a0601ff"));
    Mouse *mouse = linkUp();
    QVERIFY(mouse);
    QVERIFY(mouse->writes().isEmpty());
}

void BleLinkTest::longValuesAreWrittenInTwentyBytePieces_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QList<int>>("pieces");
    QTest::newRow("command") << 7 << false << QList<int>{7};
    QTest::newRow("exactly twenty") << 20 << false << QList<int>{20};
    QTest::newRow("one more") << 21 << false << QList<int>{20, 1};
    QTest::newRow("three pieces") << 45 << false << QList<int>{20, 20, 5};
    QTest::newRow("three confirmed pieces") << 45 << true << QList<int>{20, 20, 5};
}

void BleLinkTest::longValuesAreWrittenInTwentyBytePieces()
{
    QFETCH(int, length);
    QFETCH(bool, confirmed);
    QFETCH(QList<int>, pieces);
    MouseScript script;
    script.writeWithResponse = confirmed;
    Mouse *mouse = linkUp(script);
    QVERIFY(mouse);
    QByteArray value(length, '\0');
    for (int i = 0; i < length; ++i)
        value[i] = char(i);
    m_link->cmdwrite(value);
    QList<int> sizes;
    QByteArray joined;
    for (const QByteArray &w : mouse->writes()) {
        sizes << w.size();
        joined += w;
    }
    QCOMPARE(sizes, pieces);
    QCOMPARE(joined, value);
}

void BleLinkTest::confirmedPiecesStopAtTheFirstError()
{
    MouseScript script;
    script.writeWithResponse = true;
    Mouse *mouse = linkUp(script);
    QVERIFY(mouse);
    mouse->script.failWrites = true;
    m_link->cmdwrite(QByteArray(60, 'x'));
    QVERIFY(mouse->writes().isEmpty());
}

void BleLinkTest::writeErrorDropsTheLink()
{
    Mouse *mouse = linkUp();
    QVERIFY(mouse);
    QSignalSpy connected(m_link, &BLEInterface::connectedChanged);
    QSignalSpy retry(m_link, &BLEInterface::connectbluettoothonoff);
    mouse->script.failWrites = true;
    m_link->bluetoothc_sendcmd(CommandFrames::Info);
    QVERIFY(retry.wait(2000));
    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.at(0).at(0).toBool(), false);
    QVERIFY(!mouse->isLinked());
    QVERIFY(!m_link->hasController());
}

void BleLinkTest::mouseGoingAwayMidRecordingResetsTheLink()
{
    Mouse *mouse = linkUp();
    QVERIFY(mouse);
    QSignalSpy data(m_link, &BLEInterface::dataReceived);
    m_link->bluetoothc_sendcmd(CommandFrames::RecordOn);
    QTRY_VERIFY(data.count() >= 3);
    for (const auto &args : data) {
        const QByteArray report = args.at(0).toByteArray();
        QCOMPARE(report.size(), 245);  // whole: four frame slots after the marker
        QCOMPARE(quint8(report[0]), quint8(0x9D));
    }

    QSignalSpy connected(m_link, &BLEInterface::connectedChanged);
    QSignalSpy retry(m_link, &BLEInterface::connectbluettoothonoff);
    mouse->dropLink();
    QTRY_COMPARE(retry.count(), 1);
    QCOMPARE(connected.count(), 1);
    QCOMPARE(m_link->lastCommandType(), -1);
    QVERIFY(!m_link->hasController());
    const int received = data.count();
    QTest::qWait(100);
    QCOMPARE(data.count(), received);

    // Scanning again finds it, and a new recording may start.
    QSignalSpy macs(m_link, &BLEInterface::sendmacstr);
    m_link->scanDevices();
    QVERIFY(macs.wait(2000));
    m_link->bluetoothc_sendcmd(CommandFrames::RecordOn);
    QVERIFY(mouse->isRecording());
    QCOMPARE(retry.count(), 1);
}

void BleLinkTest::noUsableAdapterMeansNoScan_data()
{
    QTest::addColumn<ble::AdapterState>("state");
    QTest::addColumn<QString>("said");
    QTest::newRow("no BlueZ") << ble::AdapterState::NoBluez << "BlueZ service is not running";
    QTest::newRow("no adapter") << ble::AdapterState::NoAdapter << "no Bluetooth adapter";
    QTest::newRow("powered off") << ble::AdapterState::PoweredOff << "powered off";
}

void BleLinkTest::noUsableAdapterMeansNoScan()
{
    QFETCH(ble::AdapterState, state);
    QFETCH(QString, said);
    m_backend->adapter = state;
    m_backend->addMouse();
    Warnings warnings;
    QVERIFY(!m_link->isSupported());
    QVERIFY(warnings.contains(said));
    m_link->scanDevices();
    QCOMPARE(m_backend->agentsMade(), 0);

    // Powered on later: the next scan links.
    m_backend->adapter = ble::AdapterState::Powered;
    QSignalSpy macs(m_link, &BLEInterface::sendmacstr);
    m_link->scanDevices();
    QVERIFY(macs.wait(2000));
}

QTEST_GUILESS_MAIN(BleLinkTest)
#include "test_ble_link.moc"
