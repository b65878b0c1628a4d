#pragma once

#include "core/device/connections/ble/ble_backend.h"

#include <QBluetoothDeviceInfo>
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class QTimer;

// Intervals of the Bluetooth link; tests shorten them.
struct BleTiming
{
    int discoveryTimeoutMs = 5000;
    int connectWatchdogMs = 3000;  // a connection not up by then moves on to the next device
    int readIntervalMs = 3000;
    int serviceErrorDisconnectMs = 100;
    int writeConfirmTimeoutMs = 2000;
    // How long a device named like the mouse but lacking its services is
    // passed over; not for ever, as a real mouse may list them late once.
    int rejectedDeviceSkipMs = 60000;
};

// The mouse as a Bluetooth LE peripheral: finds it by its advertised name,
// connects, subscribes to its two vendor services and hands every value it
// notifies or is read to dataReceived; commands go to the command service.
// GUI thread only.
class BLEInterface : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool connected READ isConnected NOTIFY connectedChanged)
    Q_PROPERTY(int currentService READ currentService WRITE setCurrentService
                   NOTIFY currentServiceChanged)
    Q_PROPERTY(QStringList services READ services NOTIFY servicesChanged)
public:
    static const QBluetoothUuid kDataService;
    static const QBluetoothUuid kCommandService;

    BLEInterface(std::shared_ptr<ble::Backend> backend, QObject *parent = nullptr);
    ~BLEInterface() override;

    // The process-wide link, made on first call on the current backend.
    static BLEInterface *instance(QObject *parent);
    static void ExitInstance();

    // False when there is no powered adapter (or no Bluetooth service at
    // all); says why in the log.
    bool isSupported();

    void scanDevices();
    void cmdwrite(const QByteArray &data);
    void bluetoothc_sendcmd(int type);
    void bluetooth_setdpi(int dpi);
    void bluetooth_setgunlun(int value);
    void disconnectDevice();
    void stopAll();

    bool isConnected() const { return m_connected; }
    int candidateCount() const { return m_candidates.size(); }
    bool hasController() const { return m_controller != nullptr; }
    QString mac() const { return m_mac; }
    int lastCommandType() const { return m_lastCommand; }
    int currentService() const { return m_currentService; }
    void setCurrentService(int index);
    QStringList services() const { return m_serviceNames; }

    void setTiming(const BleTiming &timing) { m_timing = timing; }

signals:
    void servicesChanged(QStringList services);
    void statusInfoChanged(QString info, bool isGood);
    void dataReceived(QByteArray data);
    void disconnectbluettooth();
    void connectedChanged(bool connected);
    void sendmacstr();
    void connectbluettoothonoff();
    void currentServiceChanged(int currentService);

private:
    void addDevice(const QBluetoothDeviceInfo &info);
    void onDeviceScanError(QBluetoothDeviceDiscoveryAgent::Error error);
    void connectCurrentDevice();
    void checkConnectDevice();
    void dropController();
    void onDeviceConnected();
    void onDeviceDisconnected();
    void onControllerError(QLowEnergyController::Error error);
    void onServiceScanDone();
    void update_currentService();
    void rejectDevice();
    bool isRejected(const QBluetoothAddress &address) const;
    void watchService(ble::Service *service, bool command);
    void onServiceStateChanged(ble::Service *service, QLowEnergyService::ServiceState state,
                               bool command);
    void searchCharacteristic(ble::Service *service, bool command);
    void onIncoming(const char *label, const QBluetoothUuid &uuid, const QByteArray &value);
    void onServiceError(QLowEnergyService::ServiceError error, bool command);
    void read();
    bool waitForWrite();
    void setConnected(bool connected);
    void deleteServices();
    void deleteReadTimers();

    std::shared_ptr<ble::Backend> m_backend;
    BleTiming m_timing;
    bool m_unsupported = false;
    ble::DiscoveryAgent *m_agent = nullptr;
    QList<QBluetoothDeviceInfo> m_candidates;
    // Devices named like the mouse that lacked its services, by address:
    // when they may be tried again (on m_clock).
    QHash<quint64, qint64> m_rejectedUntil;
    QElapsedTimer m_clock;
    bool m_connecting = false;
    QTimer *m_watchdog;
    ble::Controller *m_controller = nullptr;
    ble::Service *m_dataService = nullptr;
    ble::Service *m_commandService = nullptr;
    QBluetoothUuid m_readable;
    QBluetoothUuid m_command;
    // Characteristics whose notifications were switched on.
    QList<QBluetoothUuid> m_notifyData;
    QList<QBluetoothUuid> m_notifyCommand;
    QPointer<QTimer> m_readTimer;
    bool m_connected = false;
    QLowEnergyService::WriteMode m_writeMode = QLowEnergyService::WriteWithoutResponse;
    int m_lastCommand = -1;
    QString m_mac;
    int m_currentService = -1;
    QStringList m_serviceNames;
    ble::AdapterState m_lastAdapterState = ble::AdapterState::Powered;
};
