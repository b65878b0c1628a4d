// The Qt Bluetooth backend against a stand-in BlueZ (python3-dbusmock's
// bluez5 template, grown a mouse with GATT services by fakes/bluez_mouse.py)
// on a private system bus: whether the link can be used, and why not: no
// Bluetooth service, no adapter, adapter powered off; discovery reporting a
// device the service knows of; and a whole link to the mouse through Qt's
// GATT client.

#include "core/device/command_frames.h"
#include "core/device/connections/ble/ble_backend.h"
#include "core/device/connections/ble/bleinterface.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {
const char *const kPython = "/usr/bin/python3";
}

class BleQtBackendTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void adapterStates();
    void discoveryReportsAdvertisedDevices();
    void linkToMouse();

private:
    bool startBluez();
    QDBusConnection bus() const { return QDBusConnection::systemBus(); }

    QProcess m_bus;
    QProcess m_bluez;
};

void BleQtBackendTest::initTestCase()
{
    if (QProcess::execute(QString::fromLatin1(kPython), {QStringLiteral("-c"),
                                                         QStringLiteral("import dbusmock")})
        != 0)
        QSKIP("python3-dbusmock is not installed (scripts/install-deps.sh --test)");
    // Qt takes its D-Bus GATT client only for a bluetoothd it believes new
    // enough, and cannot ask a stand-in for its version.
    qputenv("BLUETOOTH_FORCE_DBUS_LE_VERSION", "5.66");
    // A bus of our own stands in for the system bus, before anything uses it.
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"),
                 QStringLiteral("--print-address")});
    QVERIFY(m_bus.waitForReadyRead(5000));
    const QByteArray address = m_bus.readLine().trimmed();
    QVERIFY(!address.isEmpty());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
    QVERIFY(bus().isConnected());
}

void BleQtBackendTest::cleanupTestCase()
{
    for (QProcess *p : {&m_bluez, &m_bus}) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            p->waitForFinished(3000);
        }
    }
}

// Starts afresh when already running.
bool BleQtBackendTest::startBluez()
{
    if (m_bluez.state() != QProcess::NotRunning) {
        m_bluez.terminate();
        m_bluez.waitForFinished(3000);
        if (!QTest::qWaitFor([this] {
                return !bus().interface()->isServiceRegistered(QStringLiteral("org.bluez"));
            }))
            return false;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
               QString::fromLatin1(qgetenv("DBUS_SYSTEM_BUS_ADDRESS")));
    m_bluez.setProcessEnvironment(env);
    m_bluez.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_bluez.start(QString::fromLatin1(kPython),
                  {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                   QStringLiteral("--template"), QStringLiteral(BLUEZ_MOUSE_TEMPLATE)});
    return QTest::qWaitFor(
        [this] { return bus().interface()->isServiceRegistered(QStringLiteral("org.bluez")); },
        10000);
}

void BleQtBackendTest::adapterStates()
{
    const std::shared_ptr<ble::Backend> backend = ble::backend();
    QCOMPARE(backend->adapterState(), ble::AdapterState::NoBluez);

    QVERIFY(startBluez());
    QCOMPARE(backend->adapterState(), ble::AdapterState::NoAdapter);

    QDBusInterface mock(QStringLiteral("org.bluez"), QStringLiteral("/org/bluez"),
                        QStringLiteral("org.bluez.Mock"), bus());
    QDBusReply<QString> added = mock.call(QStringLiteral("AddAdapter"), QStringLiteral("hci0"),
                                          QStringLiteral("talkvane-test"));
    QVERIFY2(added.isValid(), qPrintable(added.error().message()));
    QCOMPARE(backend->adapterState(), ble::AdapterState::Powered);

    QDBusInterface properties(QStringLiteral("org.bluez"), QStringLiteral("/org/bluez/hci0"),
                              QStringLiteral("org.freedesktop.DBus.Properties"), bus());
    QDBusReply<void> set = properties.call(QStringLiteral("Set"), QStringLiteral("org.bluez.Adapter1"),
                                           QStringLiteral("Powered"),
                                           QVariant::fromValue(QDBusVariant(false)));
    QVERIFY2(set.isValid(), qPrintable(set.error().message()));
    QCOMPARE(backend->adapterState(), ble::AdapterState::PoweredOff);
}

void BleQtBackendTest::discoveryReportsAdvertisedDevices()
{
    QVERIFY(m_bluez.state() == QProcess::Running);
    QDBusInterface properties(QStringLiteral("org.bluez"), QStringLiteral("/org/bluez/hci0"),
                              QStringLiteral("org.freedesktop.DBus.Properties"), bus());
    properties.call(QStringLiteral("Set"), QStringLiteral("org.bluez.Adapter1"),
                    QStringLiteral("Powered"), QVariant::fromValue(QDBusVariant(true)));
    QDBusInterface mock(QStringLiteral("org.bluez"), QStringLiteral("/org/bluez"),
                        QStringLiteral("org.bluez.Mock"), bus());
    QDBusReply<QString> added = mock.call(QStringLiteral("AddDevice"), QStringLiteral("hci0"),
                                          QStringLiteral("C0:11:22:33:44:55"),
                                          QStringLiteral("PX08 - 02"));
    QVERIFY2(added.isValid(), qPrintable(added.error().message()));

    qRegisterMetaType<QBluetoothDeviceDiscoveryAgent::Error>();
    const std::shared_ptr<ble::Backend> backend = ble::backend();
    std::unique_ptr<ble::DiscoveryAgent> agent(backend->createDiscoveryAgent(nullptr));
    QSignalSpy found(agent.get(), &ble::DiscoveryAgent::deviceDiscovered);
    QSignalSpy failed(agent.get(), &ble::DiscoveryAgent::error);
    agent->setLowEnergyDiscoveryTimeout(2000);
    agent->start();
    QTRY_VERIFY_WITH_TIMEOUT(!found.isEmpty() || !failed.isEmpty(), 5000);
    QVERIFY2(failed.isEmpty(), qPrintable(QString::number(failed.value(0).value(0).toInt())));
    const auto info = found.first().first().value<QBluetoothDeviceInfo>();
    QCOMPARE(info.name(), QStringLiteral("PX08 - 02"));
    QCOMPARE(info.address(), QBluetoothAddress(QStringLiteral("C0:11:22:33:44:55")));
    QVERIFY(info.isValid());
    QVERIFY(info.coreConfigurations() & QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    agent->stop();
}

void BleQtBackendTest::linkToMouse()
{
    // Afresh, so that the mouse is the only device the link can pick.
    QVERIFY(startBluez());
    QDBusInterface mock(QStringLiteral("org.bluez"), QStringLiteral("/org/bluez"),
                        QStringLiteral("org.bluez.Mock"), bus());
    QDBusReply<QString> added = mock.call(QStringLiteral("AddAdapter"), QStringLiteral("hci0"),
                                          QStringLiteral("talkvane-test"));
    QVERIFY2(added.isValid(), qPrintable(added.error().message()));
    const QString address = QStringLiteral("C0:11:22:33:44:66");
    added = mock.call(QStringLiteral("AddMouse"), QStringLiteral("hci0"), address,
                      QStringLiteral("PX08 - 02"));
    QVERIFY2(added.isValid(), qPrintable(added.error().message()));
    // Object paths as the template lays them out.
    const QString readable = added.value() + QStringLiteral("/service0010/char0012");
    const QString dataNotify = added.value() + QStringLiteral("/service0010/char0014");
    const QString command = added.value() + QStringLiteral("/service0020/char0022");
    const QString commandNotify = added.value() + QStringLiteral("/service0020/char0024");
    const auto properties = [this](const QString &path) {
        return std::make_unique<QDBusInterface>(
            QStringLiteral("org.bluez"), path, QStringLiteral("org.freedesktop.DBus.Properties"),
            bus());
    };
    const auto flag = [&properties](const QString &path, const char *interface,
                                    const char *name) {
        QDBusReply<QVariant> on = properties(path)->call(
            QStringLiteral("Get"), QLatin1String(interface), QLatin1String(name));
        return on.isValid() && on.value().toBool();
    };
    const QByteArray readValue = QByteArray::fromHex("5a01");
    QDBusReply<void> set = properties(readable)->call(
        QStringLiteral("Set"), QStringLiteral("org.bluez.GattCharacteristic1"),
        QStringLiteral("Value"), QVariant::fromValue(QDBusVariant(readValue)));
    QVERIFY2(set.isValid(), qPrintable(set.error().message()));

    BLEInterface link(ble::backend());
    BleTiming timing;
    timing.readIntervalMs = 100;
    link.setTiming(timing);
    QSignalSpy mac(&link, &BLEInterface::sendmacstr);
    QSignalSpy data(&link, &BLEInterface::dataReceived);
    QSignalSpy connected(&link, &BLEInterface::connectedChanged);
    QSignalSpy dropped(&link, &BLEInterface::connectbluettoothonoff);
    const auto received = [&data](const QByteArray &value) {
        for (const QList<QVariant> &args : qAsConst(data))
            if (args.first().toByteArray() == value)
                return true;
        return false;
    };
    const auto written = [&mock, &command] {
        return QDBusReply<QStringList>(mock.call(QStringLiteral("WrittenValues"),
                                                 QVariant::fromValue(QDBusObjectPath(command))))
            .value();
    };

    link.scanDevices();
    QTRY_COMPARE_WITH_TIMEOUT(mac.count(), 1, 5000);
    QVERIFY(link.isConnected());
    QCOMPARE(link.mac(), QStringLiteral("6644332211C0"));
    QTRY_VERIFY(flag(dataNotify, "org.bluez.GattCharacteristic1", "Notifying")
                && flag(commandNotify, "org.bluez.GattCharacteristic1", "Notifying"));

    // Zero and high bytes too: nothing on the way may treat the value as text.
    for (const QString &path : {dataNotify, commandNotify}) {
        const QByteArray value = QByteArray::fromHex("00ff80017f") + path.right(2).toLatin1();
        QDBusReply<void> pushed =
            mock.call(QStringLiteral("PushNotification"),
                      QVariant::fromValue(QDBusObjectPath(path)), value);
        QVERIFY2(pushed.isValid(), qPrintable(pushed.error().message()));
        QTRY_VERIFY2(received(value), qPrintable(path));
    }
    QTRY_VERIFY(received(readValue));

    link.bluetoothc_sendcmd(2);
    const QString expected = QString::fromLatin1(CommandFrames::bluetoothCommand(2).toHex())
        + QStringLiteral(" command");
    QTRY_COMPARE(written(), QStringList{expected});

    // The mouse goes away (switched off, out of range).
    QDBusReply<void> gone =
        mock.call(QStringLiteral("DisconnectDevice"), QStringLiteral("hci0"), address);
    QVERIFY2(gone.isValid(), qPrintable(gone.error().message()));
    QTRY_COMPARE(dropped.count(), 1);
    QVERIFY(!link.isConnected());
    QCOMPARE(connected.count(), 2);
    QCOMPARE(connected.last().first().toBool(), false);
    QVERIFY(!link.hasController());
    // Nothing else reports the loss later on, as the read timer might.
    QTest::qWait(3 * timing.readIntervalMs);
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(connected.count(), 2);

    // It comes back; then the user lets it go, which must reach the mouse.
    link.scanDevices();
    QTRY_COMPARE_WITH_TIMEOUT(mac.count(), 2, 5000);
    link.bluetoothc_sendcmd(2);
    QTRY_COMPARE(written(), (QStringList{expected, expected}));
    link.disconnectDevice();
    QTRY_COMPARE(dropped.count(), 2);
    QVERIFY(!flag(added.value(), "org.bluez.Device1", "Connected"));
    QCOMPARE(connected.count(), 4);
}

QTEST_GUILESS_MAIN(BleQtBackendTest)
#include "test_ble_qt_backend.moc"
