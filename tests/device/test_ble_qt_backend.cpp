// The Qt Bluetooth backend against a stand-in BlueZ (python3-dbusmock's
// bluez5 template) on a private system bus: whether the link can be used,
// and why not: no Bluetooth service, no adapter, adapter powered off; and
// discovery reporting a device the service knows of.

#include "core/device/connections/ble/ble_backend.h"

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

bool BleQtBackendTest::startBluez()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
               QString::fromLatin1(qgetenv("DBUS_SYSTEM_BUS_ADDRESS")));
    m_bluez.setProcessEnvironment(env);
    m_bluez.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_bluez.start(QString::fromLatin1(kPython),
                  {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                   QStringLiteral("--template"), QStringLiteral("bluez5")});
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

QTEST_GUILESS_MAIN(BleQtBackendTest)
#include "test_ble_qt_backend.moc"
