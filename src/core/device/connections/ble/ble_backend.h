#pragma once

#include <QBluetoothAddress>
#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QLowEnergyCharacteristic>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QObject>

#include <memory>

// The Bluetooth LE objects the mouse link works with: a discovery agent, a
// central-role controller and its GATT services, shaped like Qt Bluetooth's
// own so that the product backend is a thin wrapper. Everything runs on the
// GUI thread.
namespace ble {

// A characteristic as the link sees it. Qt's own characteristic objects
// cannot be made outside a live service, so services hand out these.
struct Characteristic
{
    QBluetoothUuid uuid;
    QLowEnergyCharacteristic::PropertyTypes properties;
    // Client Characteristic Configuration descriptor present and valid.
    bool hasNotifyDescriptor = false;

    bool isValid() const { return !uuid.isNull(); }
    bool isWritable() const
    {
        return properties
            & (QLowEnergyCharacteristic::Write | QLowEnergyCharacteristic::WriteNoResponse);
    }
    bool isReadable() const { return properties & QLowEnergyCharacteristic::Read; }
};

class DiscoveryAgent : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void setLowEnergyDiscoveryTimeout(int ms) = 0;
    virtual void start() = 0;  // low-energy devices only
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    void deviceDiscovered(const QBluetoothDeviceInfo &info);
    void error(QBluetoothDeviceDiscoveryAgent::Error error);
    void finished();
};

class Service : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual QBluetoothUuid serviceUuid() const = 0;
    virtual QLowEnergyService::ServiceState state() const = 0;
    virtual void discoverDetails() = 0;
    virtual QList<Characteristic> characteristics() const = 0;
    virtual void writeCharacteristic(const QBluetoothUuid &characteristic, const QByteArray &value,
                                     QLowEnergyService::WriteMode mode) = 0;
    virtual void readCharacteristic(const QBluetoothUuid &characteristic) = 0;
    // Writes the characteristic's Client Characteristic Configuration.
    virtual void writeNotifyDescriptor(const QBluetoothUuid &characteristic,
                                       const QByteArray &value) = 0;

signals:
    void stateChanged(QLowEnergyService::ServiceState state);
    void characteristicChanged(const QBluetoothUuid &characteristic, const QByteArray &value);
    void characteristicRead(const QBluetoothUuid &characteristic, const QByteArray &value);
    void characteristicWritten(const QBluetoothUuid &characteristic, const QByteArray &value);
    void error(QLowEnergyService::ServiceError error);
};

class Controller : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void connectToDevice() = 0;
    virtual void disconnectFromDevice() = 0;
    virtual void discoverServices() = 0;
    virtual QList<QBluetoothUuid> services() const = 0;
    // Null when the device does not offer the service.
    virtual Service *createServiceObject(const QBluetoothUuid &uuid, QObject *parent) = 0;
    virtual QBluetoothAddress remoteAddress() const = 0;
    virtual QString remoteName() const = 0;
    virtual QLowEnergyController::ControllerState state() const = 0;
    virtual QString errorString() const = 0;

signals:
    void connected();
    void disconnected();
    void serviceDiscovered(const QBluetoothUuid &uuid);
    void discoveryFinished();
    void error(QLowEnergyController::Error error);
    void stateChanged(QLowEnergyController::ControllerState state);
};

enum class AdapterState {
    Powered,
    PoweredOff,
    NoAdapter,
    NoBluez,  // the Bluetooth service is not running
};

class Backend
{
public:
    virtual ~Backend() = default;
    virtual AdapterState adapterState() = 0;
    virtual DiscoveryAgent *createDiscoveryAgent(QObject *parent) = 0;
    virtual Controller *createController(const QBluetoothDeviceInfo &device, QObject *parent) = 0;
};

// Qt Bluetooth unless another backend has been put in place.
std::shared_ptr<Backend> backend();
// Used from then on by links made afterwards; nullptr restores Qt Bluetooth.
void overrideBackend(std::shared_ptr<Backend> replacement);

}  // namespace ble
