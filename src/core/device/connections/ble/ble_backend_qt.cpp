#include "ble_backend_qt.h"

#include <QBluetoothLocalDevice>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLowEnergyDescriptor>

namespace ble {

namespace {

class QtDiscoveryAgent : public DiscoveryAgent
{
public:
    explicit QtDiscoveryAgent(QObject *parent)
        : DiscoveryAgent(parent), m_agent(new QBluetoothDeviceDiscoveryAgent(this))
    {
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
                &DiscoveryAgent::deviceDiscovered);
        connect(m_agent, QOverload<QBluetoothDeviceDiscoveryAgent::Error>::of(
                             &QBluetoothDeviceDiscoveryAgent::error),
                this, &DiscoveryAgent::error);
        connect(m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this,
                &DiscoveryAgent::finished);
    }
    void setLowEnergyDiscoveryTimeout(int ms) override
    {
        m_agent->setLowEnergyDiscoveryTimeout(ms);
    }
    void start() override { m_agent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod); }
    void stop() override { m_agent->stop(); }
    bool isActive() const override { return m_agent->isActive(); }

private:
    QBluetoothDeviceDiscoveryAgent *m_agent;
};

class QtService : public Service
{
public:
    QtService(QLowEnergyService *service, QObject *parent) : Service(parent), m_service(service)
    {
        m_service->setParent(this);
        connect(m_service, &QLowEnergyService::stateChanged, this, &Service::stateChanged);
        connect(m_service, &QLowEnergyService::characteristicChanged, this,
                [this](const QLowEnergyCharacteristic &c, const QByteArray &v) {
                    emit characteristicChanged(c.uuid(), v);
                });
        connect(m_service, &QLowEnergyService::characteristicRead, this,
                [this](const QLowEnergyCharacteristic &c, const QByteArray &v) {
                    emit characteristicRead(c.uuid(), v);
                });
        connect(m_service, &QLowEnergyService::characteristicWritten, this,
                [this](const QLowEnergyCharacteristic &c, const QByteArray &v) {
                    emit characteristicWritten(c.uuid(), v);
                });
        connect(m_service,
                QOverload<QLowEnergyService::ServiceError>::of(&QLowEnergyService::error), this,
                &Service::error);
    }
    QBluetoothUuid serviceUuid() const override { return m_service->serviceUuid(); }
    QLowEnergyService::ServiceState state() const override { return m_service->state(); }
    void discoverDetails() override { m_service->discoverDetails(); }
    QList<Characteristic> characteristics() const override
    {
        QList<Characteristic> out;
        for (const QLowEnergyCharacteristic &c : m_service->characteristics()) {
            if (!c.isValid())
                continue;
            const QLowEnergyDescriptor cccd =
                c.descriptor(QBluetoothUuid::ClientCharacteristicConfiguration);
            out.append(Characteristic{c.uuid(), c.properties(), cccd.isValid()});
        }
        return out;
    }
    void writeCharacteristic(const QBluetoothUuid &uuid, const QByteArray &value,
                             QLowEnergyService::WriteMode mode) override
    {
        const QLowEnergyCharacteristic c = m_service->characteristic(uuid);
        if (c.isValid())
            m_service->writeCharacteristic(c, value, mode);
    }
    void readCharacteristic(const QBluetoothUuid &uuid) override
    {
        const QLowEnergyCharacteristic c = m_service->characteristic(uuid);
        if (c.isValid())
            m_service->readCharacteristic(c);
    }
    void writeNotifyDescriptor(const QBluetoothUuid &uuid, const QByteArray &value) override
    {
        const QLowEnergyDescriptor d = m_service->characteristic(uuid).descriptor(
            QBluetoothUuid::ClientCharacteristicConfiguration);
        if (d.isValid())
            m_service->writeDescriptor(d, value);
    }

private:
    QLowEnergyService *m_service;
};

class QtController : public Controller
{
public:
    QtController(const QBluetoothDeviceInfo &device, QObject *parent)
        : Controller(parent), m_controller(QLowEnergyController::createCentral(device, this))
    {
        connect(m_controller, &QLowEnergyController::connected, this, &Controller::connected);
        connect(m_controller, &QLowEnergyController::disconnected, this,
                &Controller::disconnected);
        connect(m_controller, &QLowEnergyController::serviceDiscovered, this,
                &Controller::serviceDiscovered);
        connect(m_controller, &QLowEnergyController::discoveryFinished, this,
                &Controller::discoveryFinished);
        connect(m_controller,
                QOverload<QLowEnergyController::Error>::of(&QLowEnergyController::error), this,
                &Controller::error);
        connect(m_controller, &QLowEnergyController::stateChanged, this,
                &Controller::stateChanged);
    }
    void connectToDevice() override { m_controller->connectToDevice(); }
    void disconnectFromDevice() override { m_controller->disconnectFromDevice(); }
    void discoverServices() override { m_controller->discoverServices(); }
    QList<QBluetoothUuid> services() const override { return m_controller->services(); }
    Service *createServiceObject(const QBluetoothUuid &uuid, QObject *parent) override
    {
        QLowEnergyService *service = m_controller->createServiceObject(uuid);
        return service ? new QtService(service, parent) : nullptr;
    }
    QBluetoothAddress remoteAddress() const override { return m_controller->remoteAddress(); }
    QString remoteName() const override { return m_controller->remoteName(); }
    QLowEnergyController::ControllerState state() const override
    {
        return m_controller->state();
    }
    QString errorString() const override { return m_controller->errorString(); }

private:
    QLowEnergyController *m_controller;
};

class QtBackend : public Backend
{
public:
    AdapterState adapterState() override
    {
        // Asked first: without BlueZ, Qt Bluetooth only reports "no adapter".
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected() || !bus.interface()
            || !bus.interface()->isServiceRegistered(QStringLiteral("org.bluez")))
            return AdapterState::NoBluez;
        if (QBluetoothLocalDevice::allDevices().isEmpty())
            return AdapterState::NoAdapter;
        QBluetoothLocalDevice local;
        if (!local.isValid())
            return AdapterState::NoAdapter;
        return local.hostMode() == QBluetoothLocalDevice::HostPoweredOff
            ? AdapterState::PoweredOff : AdapterState::Powered;
    }
    DiscoveryAgent *createDiscoveryAgent(QObject *parent) override
    {
        return new QtDiscoveryAgent(parent);
    }
    Controller *createController(const QBluetoothDeviceInfo &device, QObject *parent) override
    {
        return new QtController(device, parent);
    }
};

}  // namespace

std::shared_ptr<Backend> makeQtBackend()
{
    return std::make_shared<QtBackend>();
}

}  // namespace ble
