#pragma once

// The voice mouse as a Bluetooth LE peripheral, behind the link's backend
// interfaces: it advertises a name, offers the data service (audio and a
// readable value, notified) and the command service (commands written,
// replies notified), answers commands as the receiver does and streams
// Bluetooth audio reports (four mSBC frames each) while recording is on.
// A test scripts it before discovery and steers it afterwards. GUI thread.

#include "core/device/connections/ble/ble_backend.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

namespace blesim {

extern const QBluetoothUuid kAudioCharacteristic;    // data service: notify, read
extern const QBluetoothUuid kCommandCharacteristic;  // command service: write
extern const QBluetoothUuid kReplyCharacteristic;    // command service: notify

struct MouseScript
{
    QString advertisedName = QStringLiteral("PX08 - 02");
    QBluetoothAddress address{QStringLiteral("C0:11:22:33:44:55")};
    bool lowEnergy = true;
    bool dataService = true;
    bool commandService = true;
    bool completesConnection = true;  // false: the connection never comes up
    bool refusesConnection = false;   // the attempt fails at once with a connection error
    bool writeWithResponse = false;   // command characteristic lacks write-without-response
    bool failWrites = false;          // every command write ends in a write error
    // What the mouse reports about itself.
    QByteArray name = "WQPX08";
    int fwMajor = 1, fwMinor = 2;
    int linkModel = 2;
    int battery = 77;
    int audioPeriodMs = 30;  // four frames of 7.5 ms each
};

class SimService;
class SimController;

class Mouse : public QObject
{
    Q_OBJECT
public:
    explicit Mouse(const MouseScript &script, QObject *parent = nullptr);
    ~Mouse() override;

    MouseScript script;

    bool isLinked() const { return m_controller != nullptr; }
    bool isRecording() const;
    bool notifying(const QBluetoothUuid &characteristic) const;
    // Every value written to the command characteristic, in order.
    QList<QByteArray> writes() const { return m_writes; }
    int audioReportsSent() const { return m_audioSent; }

    // Sends a value on a characteristic as the mouse would (only while
    // notifications are on for it).
    void notify(const QBluetoothUuid &characteristic, const QByteArray &value);
    // The mouse goes away: out of range, switched off.
    void dropLink();

    // Backend side.
    void attach(SimController *controller);
    void detach();
    void receive(const QByteArray &value);
    void setNotifying(const QBluetoothUuid &characteristic, bool on);
    QByteArray lastValue(const QBluetoothUuid &characteristic) const;

private:
    void reply(const QByteArray &value);
    void sendAudio();
    QByteArray replyFrame(int length, int type) const;
    QByteArray levelReply() const;

    QPointer<ble::Controller> m_controller;  // a SimController
    QList<QBluetoothUuid> m_notifying;
    QList<QByteArray> m_writes;
    QHash<QBluetoothUuid, QByteArray> m_last;
    class Audio;
    std::unique_ptr<Audio> m_audio;
    int m_audioSent = 0;
};

class Backend : public ble::Backend
{
public:
    ble::AdapterState adapter = ble::AdapterState::Powered;
    int discoveryDelayMs = 5;  // between two advertisements seen

    // Advertising from now on, in the order added. Owned by the backend.
    Mouse *addMouse(const MouseScript &script = MouseScript());
    QList<Mouse *> mice() const;
    int agentsMade() const { return m_agents; }
    int controllersMade() const { return m_controllers; }

    ble::AdapterState adapterState() override { return adapter; }
    ble::DiscoveryAgent *createDiscoveryAgent(QObject *parent) override;
    ble::Controller *createController(const QBluetoothDeviceInfo &device, QObject *parent) override;

private:
    QList<std::shared_ptr<Mouse>> m_mice;
    int m_agents = 0;
    int m_controllers = 0;
};

}  // namespace blesim
