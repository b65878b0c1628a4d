#include "bleinterface.h"

#include "core/device/command_frames.h"
#include "core/device/connections/ble/ble_names.h"

#include <QDebug>
#include <QEventLoop>
#include <QTimer>

namespace {

QPointer<BLEInterface> g_instance;

const QByteArray kNotifyOn = QByteArray::fromHex("0100");
const QByteArray kNotifyOff = QByteArray::fromHex("0000");
constexpr int kMaxPiece = 20;  // what one write carries at the default ATT MTU

}  // namespace

const QBluetoothUuid BLEInterface::kDataService(
    QStringLiteral("{0000ae40-0000-1000-8000-00805f9b34fb}"));
const QBluetoothUuid BLEInterface::kCommandService(
    QStringLiteral("{0000ae50-0000-1000-8000-00805f9b34fb}"));

BLEInterface::BLEInterface(std::shared_ptr<ble::Backend> backend, QObject *parent)
    : QObject(parent), m_backend(std::move(backend)), m_watchdog(new QTimer(this))
{
    m_clock.start();
    m_watchdog->setSingleShot(true);
    connect(m_watchdog, &QTimer::timeout, this, &BLEInterface::checkConnectDevice);
}

BLEInterface::~BLEInterface()
{
    // Objects going away with us must not call back into a half-destroyed link.
    for (QObject *child : {static_cast<QObject *>(m_controller),
                           static_cast<QObject *>(m_dataService),
                           static_cast<QObject *>(m_commandService),
                           static_cast<QObject *>(m_agent)})
        if (child)
            disconnect(child, nullptr, this, nullptr);
}

BLEInterface *BLEInterface::instance(QObject *parent)
{
    if (!g_instance)
        g_instance = new BLEInterface(ble::backend(), parent);
    return g_instance;
}

void BLEInterface::ExitInstance()
{
    qDebug() << "BLEInterface::ExitInstance" << g_instance.data();
    delete g_instance.data();
}

bool BLEInterface::isSupported()
{
    const ble::AdapterState state = m_backend->adapterState();
    if (state != m_lastAdapterState) {
        // Said once per change: the link asks again at every scan.
        switch (state) {
        case ble::AdapterState::NoBluez:
            qWarning() << "Bluetooth: the BlueZ service is not running (no org.bluez on the "
                          "system bus); the mouse can only be reached through its receiver.";
            break;
        case ble::AdapterState::NoAdapter:
            qWarning() << "Bluetooth: no Bluetooth adapter; the mouse can only be reached "
                          "through its receiver.";
            break;
        case ble::AdapterState::PoweredOff:
            qWarning() << "The Bluetooth adaptor is powered off, power it on before doing "
                          "discovery.";
            break;
        case ble::AdapterState::Powered:
            qInfo() << "Bluetooth: adapter powered";
            break;
        }
        m_lastAdapterState = state;
    }
    m_unsupported = state != ble::AdapterState::Powered;
    return !m_unsupported;
}

// ---- Discovery and connection ----

void BLEInterface::scanDevices()
{
    qDebug() << "scanDevices" << m_connected << m_controller;
    if (!m_connected && m_controller) {
        qDebug() << "connect ble...";
        return;
    }
    if (!isSupported())
        return;
    if (!m_agent) {
        m_agent = m_backend->createDiscoveryAgent(this);
        connect(m_agent, &ble::DiscoveryAgent::deviceDiscovered, this, &BLEInterface::addDevice);
        connect(m_agent, &ble::DiscoveryAgent::error, this, &BLEInterface::onDeviceScanError);
    }
    // Devices seen by an earlier scan may be gone: only this scan's count.
    if (!m_connected)
        m_candidates.clear();
    // A scan still running has already reported what it saw: start afresh.
    if (m_agent->isActive())
        m_agent->stop();
    m_agent->setLowEnergyDiscoveryTimeout(m_timing.discoveryTimeoutMs);
    m_agent->start();
    m_connecting = false;
}

void BLEInterface::addDevice(const QBluetoothDeviceInfo &info)
{
    if (!(info.coreConfigurations() & QBluetoothDeviceInfo::LowEnergyCoreConfiguration))
        return;
    qWarning() << "Discovered LE Device name: " << info.name() << " isValid: " << info.isValid()
               << " isCached: " << info.isCached() << " serviceClasses: " << info.rssi()
               << " Address: " << info.address().toString();
    qDebug() << "ble:" + info.name() << "address: " << info.address().toString();
    if (!info.isValid() || !BleNames::isMouseName(info.name())
        || isRejected(info.address()))
        return;
    for (const QBluetoothDeviceInfo &known : qAsConst(m_candidates))
        if (known.address() == info.address())
            return;
    m_candidates.append(info);
    if (!m_connecting) {
        m_connecting = true;
        connectCurrentDevice();
    }
    qDebug() << "devices: " << m_candidates.size();
}

void BLEInterface::onDeviceScanError(QBluetoothDeviceDiscoveryAgent::Error error)
{
    m_connecting = false;
    if (error == QBluetoothDeviceDiscoveryAgent::PoweredOffError)
        qWarning() << "The Bluetooth adaptor is powered off, power it on before doing discovery.";
    else if (error == QBluetoothDeviceDiscoveryAgent::InputOutputError)
        qWarning() << "Writing or reading from the device resulted in an error.";
    else
        qWarning() << "An unknown error has occurred.";
}

void BLEInterface::connectCurrentDevice()
{
    qDebug() << "size" << m_candidates.size();
    if (m_candidates.isEmpty())
        return;
    if (m_controller && m_connected) {
        qWarning() << "connectCurrentDevice: dropping the current link first";
        disconnectDevice();
    }
    // A controller of an earlier attempt must not report into this one.
    if (m_controller)
        dropController();
    m_watchdog->start(m_timing.connectWatchdogMs);

    const QBluetoothDeviceInfo device = m_candidates.takeFirst();
    qDebug() << "connectCurrentDevice:" + device.name();
    m_controller = m_backend->createController(device, this);
    connect(m_controller, &ble::Controller::serviceDiscovered, this,
            [] { qDebug() << "Service discovered. Waiting for service scan to be done..."; });
    connect(m_controller, &ble::Controller::discoveryFinished, this,
            &BLEInterface::onServiceScanDone);
    connect(m_controller, &ble::Controller::error, this, &BLEInterface::onControllerError);
    connect(m_controller, &ble::Controller::connected, this, &BLEInterface::onDeviceConnected);
    connect(m_controller, &ble::Controller::disconnected, this,
            &BLEInterface::onDeviceDisconnected);
    connect(m_controller, &ble::Controller::stateChanged, this,
            [this](QLowEnergyController::ControllerState state) {
                qDebug() << "controlStateChanged" << (m_controller ? m_controller->remoteName()
                                                                   : QString())
                         << state;
            });
    m_controller->connectToDevice();
}

void BLEInterface::checkConnectDevice()
{
    qDebug() << "size: " << m_candidates.size() << "; ff: " << m_connected << "; mm"
             << m_controller;
    if (m_controller)
        dropController();
    if (!m_connected && !m_candidates.isEmpty()) {
        connectCurrentDevice();
        return;
    }
    // Nothing left to try: the next scan may find the mouse again.
    m_connecting = false;
    emit connectbluettoothonoff();
}

void BLEInterface::dropController()
{
    deleteServices();
    deleteReadTimers();
    disconnect(m_controller, nullptr, this, nullptr);
    m_controller->disconnectFromDevice();
    m_controller->deleteLater();
    m_controller = nullptr;
}

void BLEInterface::onDeviceConnected()
{
    m_connecting = false;
    if (m_agent && m_agent->isActive()) {
        qDebug() << "onScanStop";
        m_agent->stop();
    }
    m_watchdog->stop();
    m_mac = BleNames::macText(m_controller->remoteAddress());
    qDebug() << "onDeviceConnected: " << m_controller->remoteName() << "mac:" + m_mac;
    m_serviceNames.clear();
    m_controller->discoverServices();
}

void BLEInterface::onServiceScanDone()
{
    qDebug() << "onServiceScanDone m_control: " << m_controller << ";m_services: "
             << m_serviceNames;
    const QList<QBluetoothUuid> uuids = m_controller->services();
    m_serviceNames.clear();
    for (const QBluetoothUuid &uuid : uuids)
        m_serviceNames << uuid.toString();
    emit servicesChanged(m_serviceNames);
    if (uuids.isEmpty()) {
        qDebug() << "Can't find any services.";
        rejectDevice();
        return;
    }
    update_currentService();
}

void BLEInterface::update_currentService()
{
    if (m_dataService)
        qWarning() << "TTTTT";
    if (m_commandService)
        qWarning() << "TTTTTTT";
    deleteServices();

    qDebug() << "update_currentService";
    bool hasData = false, hasCommand = false;
    for (const QBluetoothUuid &uuid : m_controller->services()) {
        qDebug() << "get uuid :" + uuid.toString();
        hasData = hasData || uuid.toString() == kDataService.toString();
        hasCommand = hasCommand || uuid.toString() == kCommandService.toString();
    }
    if (hasData)
        m_dataService = m_controller->createServiceObject(kDataService, this);
    if (hasCommand)
        m_commandService = m_controller->createServiceObject(kCommandService, this);
    if (!m_dataService || !m_commandService) {
        qDebug() << "Service not found.";
        deleteServices();
        rejectDevice();
        return;
    }
    watchService(m_dataService, false);
    watchService(m_commandService, true);
}

void BLEInterface::rejectDevice()
{
    // Not our mouse after all: let go, so that scanning starts again and
    // finds the real one rather than this one first every time.
    const QBluetoothAddress address = m_controller->remoteAddress();
    if (!address.isNull())
        m_rejectedUntil.insert(address.toUInt64(), m_clock.elapsed() + m_timing.rejectedDeviceSkipMs);
    m_controller->disconnectFromDevice();
}

bool BLEInterface::isRejected(const QBluetoothAddress &address) const
{
    const auto until = m_rejectedUntil.constFind(address.toUInt64());
    return until != m_rejectedUntil.constEnd() && m_clock.elapsed() < *until;
}

// ---- Services ----

void BLEInterface::watchService(ble::Service *service, bool command)
{
    connect(service, &ble::Service::stateChanged, this,
            [this, service, command](QLowEnergyService::ServiceState state) {
                onServiceStateChanged(service, state, command);
            });
    connect(service, &ble::Service::characteristicChanged, this,
            [this, command](const QBluetoothUuid &uuid, const QByteArray &value) {
                onIncoming(command ? "onCharacteristiccmdChanged: " : "Characteristic Changed: ",
                           uuid, value);
            });
    connect(service, &ble::Service::characteristicRead, this,
            [this, command](const QBluetoothUuid &uuid, const QByteArray &value) {
                if (command)
                    qDebug() << "onCharacteristiccmdRead: " << uuid << value.toHex();
                else
                    onIncoming("Characteristic Read: ", uuid, value);
            });
    connect(service, &ble::Service::characteristicWritten, this,
            [command](const QBluetoothUuid &uuid, const QByteArray &value) {
                qDebug() << (command ? "onCharacteristiccmdWrite: " : "Characteristic Written: ")
                         << uuid << value.toHex();
            });
    connect(service, &ble::Service::error, this,
            [this, command](QLowEnergyService::ServiceError error) {
                onServiceError(error, command);
            });
    if (service->state() == QLowEnergyService::DiscoveryRequired) {
        qDebug() << (command ? "Connecting to m_servicecmd..." : "Connecting to m_service...");
        service->discoverDetails();
    } else {
        searchCharacteristic(service, command);
    }
}

void BLEInterface::onServiceStateChanged(ble::Service *service,
                                         QLowEnergyService::ServiceState state, bool command)
{
    qDebug() << (command ? "onServicecmdStateChanged, state: " : "serviceStateChanged, state: ")
             << state;
    if (state != QLowEnergyService::ServiceDiscovered)
        return;
    if (!command)
        qDebug() << "serviceStateChanged, ServiceDiscovered";
    searchCharacteristic(service, command);
}

void BLEInterface::searchCharacteristic(ble::Service *service, bool command)
{
    if (command)
        qDebug() << "searchcmdCharacteristic";
    else
        qDebug() << "serviceStateChanged " << m_unsupported;
    QList<QBluetoothUuid> &notifying = command ? m_notifyCommand : m_notifyData;
    for (const ble::Characteristic &c : service->characteristics()) {
        if (!c.isValid())
            continue;
        if (c.isWritable()) {
            if (command) {
                m_command = c.uuid;
                // Without response where the mouse allows it: commands are
                // never confirmed one by one.
                m_writeMode = c.properties & QLowEnergyCharacteristic::WriteNoResponse
                    ? QLowEnergyService::WriteWithoutResponse
                    : QLowEnergyService::WriteWithResponse;
            }
            setConnected(true);
        }
        // Only the data service's values reach the report handler when read.
        if (c.isReadable() && !command) {
            m_readable = c.uuid;
            if (!m_readTimer) {
                m_readTimer = new QTimer(this);
                connect(m_readTimer, &QTimer::timeout, this, &BLEInterface::read);
                m_readTimer->start(m_timing.readIntervalMs);
            }
        }
        if (c.hasNotifyDescriptor) {
            if (!command)
                qDebug() << "serviceStateChanged  isValid writeDescriptor";
            service->writeNotifyDescriptor(c.uuid, kNotifyOn);
            if (!notifying.contains(c.uuid))
                notifying.append(c.uuid);
        }
    }
    if (command && m_connected && !m_mac.isEmpty()) {
        qDebug() << "send macstr";
        emit sendmacstr();
    }
}

void BLEInterface::onIncoming(const char *label, const QBluetoothUuid &uuid,
                              const QByteArray &value)
{
    qDebug() << label << uuid << value.toHex();
    emit dataReceived(value);
}

void BLEInterface::read()
{
    if (m_dataService && !m_readable.isNull())
        m_dataService->readCharacteristic(m_readable);
}

void BLEInterface::onServiceError(QLowEnergyService::ServiceError error, bool command)
{
    bool fatal;
    if (command) {
        qWarning() << "Service cmd error:" << error;
        fatal = error == QLowEnergyService::CharacteristicWriteError
            || error == QLowEnergyService::UnknownError;
    } else {
        qDebug() << "Service error:" << error;
        fatal = error == QLowEnergyService::DescriptorWriteError
            || error == QLowEnergyService::UnknownError;
    }
    if (fatal)
        QTimer::singleShot(m_timing.serviceErrorDisconnectMs, this, [this] {
            if (m_controller)
                disconnectDevice();
        });
}

void BLEInterface::onControllerError(QLowEnergyController::Error error)
{
    qWarning() << (m_controller ? m_controller->errorString() : QString());
    qWarning() << "Controller Error:" << error;
    if (error != QLowEnergyController::ConnectionError || !m_controller)
        return;
    // A refused attempt ends without a disconnection: move on now rather
    // than when the watchdog expires.
    if (m_watchdog->isActive()) {
        m_watchdog->stop();
        checkConnectDevice();
        return;
    }
    m_controller->disconnectFromDevice();
}

// ---- Commands ----

void BLEInterface::cmdwrite(const QByteArray &data)
{
    if (m_unsupported)
        return;
    qDebug() << "cmdwrite" << data.toHex();
    if (!m_commandService || m_command.isNull())
        return;
    if (data.size() <= kMaxPiece) {
        m_commandService->writeCharacteristic(m_command, data, m_writeMode);
        return;
    }
    for (int at = 0; at < data.size(); at += kMaxPiece) {
        // The link may have gone while waiting for the previous piece.
        if (!m_commandService)
            return;
        m_commandService->writeCharacteristic(m_command, data.mid(at, kMaxPiece), m_writeMode);
        if (m_writeMode == QLowEnergyService::WriteWithResponse && !waitForWrite())
            return;
    }
}

bool BLEInterface::waitForWrite()
{
    QPointer<ble::Service> service = m_commandService;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, [&loop] { loop.exit(0); });
    connect(service, &ble::Service::characteristicWritten, &loop, [&loop] { loop.exit(1); });
    connect(service, &ble::Service::error, &loop, [&loop] { loop.exit(0); });
    connect(service, &QObject::destroyed, &loop, [&loop] { loop.exit(0); });
    limit.start(m_timing.writeConfirmTimeoutMs);
    return loop.exec() == 1 && service;
}

void BLEInterface::bluetoothc_sendcmd(int type)
{
    if (m_unsupported)
        return;
    if (m_lastCommand == CommandFrames::RecordOn && type != CommandFrames::RecordOff) {
        qDebug() << "BLEInterface::bluetoothc_sendcmd 正在执行录音 不执行其他操作";
        return;
    }
    m_lastCommand = type;
    if (!m_connected)
        return;
    cmdwrite(CommandFrames::bluetoothCommand(type));
}

void BLEInterface::bluetooth_setdpi(int dpi)
{
    if (m_connected)
        cmdwrite(CommandFrames::bluetoothDpi(dpi));
}

void BLEInterface::bluetooth_setgunlun(int value)
{
    if (m_connected)
        cmdwrite(CommandFrames::bluetoothWheel(value));
}

// ---- Disconnection ----

void BLEInterface::disconnectDevice()
{
    qDebug() << "disconnectDevice" << m_connected;
    deleteReadTimers();
    m_lastCommand = -1;
    setConnected(false);
    if (m_controller)
        m_controller->disconnectFromDevice();
    qDebug() << "end";
}

void BLEInterface::onDeviceDisconnected()
{
    setConnected(false);
    m_watchdog->stop();
    qDebug() << "controller disconnected" << m_controller->remoteName();
    if (m_commandService)
        for (const QBluetoothUuid &uuid : qAsConst(m_notifyCommand))
            m_commandService->writeNotifyDescriptor(uuid, kNotifyOff);
    if (m_dataService)
        for (const QBluetoothUuid &uuid : qAsConst(m_notifyData))
            m_dataService->writeNotifyDescriptor(uuid, kNotifyOff);
    deleteServices();
    deleteReadTimers();
    disconnect(m_controller, nullptr, this, nullptr);
    m_controller->deleteLater();
    m_controller = nullptr;
    m_lastCommand = -1;
    m_connecting = false;
    emit connectbluettoothonoff();
}

void BLEInterface::stopAll()
{
    if (m_agent && m_agent->isActive())
        m_agent->stop();
    if (m_controller)
        disconnectDevice();
    m_candidates.clear();
}

void BLEInterface::setCurrentService(int index)
{
    if (index == m_currentService)
        return;
    m_currentService = index;
    emit currentServiceChanged(index);
}

void BLEInterface::setConnected(bool connected)
{
    if (m_connected == connected)
        return;
    m_connected = connected;
    emit connectedChanged(connected);
}

void BLEInterface::deleteServices()
{
    for (ble::Service **service : {&m_dataService, &m_commandService}) {
        if (!*service)
            continue;
        disconnect(*service, nullptr, this, nullptr);
        (*service)->deleteLater();
        *service = nullptr;
    }
    m_readable = QBluetoothUuid();
    m_command = QBluetoothUuid();
    m_notifyData.clear();
    m_notifyCommand.clear();
}

void BLEInterface::deleteReadTimers()
{
    if (m_readTimer) {
        m_readTimer->stop();
        m_readTimer->deleteLater();
    }
    m_readTimer = nullptr;
}
