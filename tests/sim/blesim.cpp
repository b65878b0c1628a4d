#include "blesim.h"

#include "msbc_source.h"

#include <QTimer>

namespace blesim {

const QBluetoothUuid kAudioCharacteristic(QStringLiteral("{0000ae41-0000-1000-8000-00805f9b34fb}"));
const QBluetoothUuid kCommandCharacteristic(
    QStringLiteral("{0000ae51-0000-1000-8000-00805f9b34fb}"));
const QBluetoothUuid kReplyCharacteristic(QStringLiteral("{0000ae52-0000-1000-8000-00805f9b34fb}"));

namespace {
const QBluetoothUuid kDataService(QStringLiteral("{0000ae40-0000-1000-8000-00805f9b34fb}"));
const QBluetoothUuid kCommandService(QStringLiteral("{0000ae50-0000-1000-8000-00805f9b34fb}"));
constexpr int kReplyDelayMs = 2;
}  // namespace

// ---- Service ----

class SimService : public ble::Service
{
public:
    SimService(Mouse *mouse, const QBluetoothUuid &uuid, QObject *parent)
        : ble::Service(parent), m_mouse(mouse), m_uuid(uuid)
    {
    }
    QBluetoothUuid serviceUuid() const override { return m_uuid; }
    QLowEnergyService::ServiceState state() const override { return m_state; }
    void discoverDetails() override
    {
        m_state = QLowEnergyService::DiscoveringServices;
        emit stateChanged(m_state);
        QTimer::singleShot(1, this, [this] {
            m_state = QLowEnergyService::ServiceDiscovered;
            emit stateChanged(m_state);
        });
    }
    QList<ble::Characteristic> characteristics() const override
    {
        if (m_state != QLowEnergyService::ServiceDiscovered)
            return {};
        if (m_uuid == kDataService)
            return {{kAudioCharacteristic,
                     QLowEnergyCharacteristic::Notify | QLowEnergyCharacteristic::Read, true}};
        const auto write = m_mouse->script.writeWithResponse
            ? QLowEnergyCharacteristic::PropertyTypes(QLowEnergyCharacteristic::Write)
            : QLowEnergyCharacteristic::Write | QLowEnergyCharacteristic::WriteNoResponse;
        return {{kCommandCharacteristic, write, false},
                {kReplyCharacteristic, QLowEnergyCharacteristic::Notify, true}};
    }
    void writeCharacteristic(const QBluetoothUuid &uuid, const QByteArray &value,
                             QLowEnergyService::WriteMode mode) override
    {
        if (!m_mouse || !m_mouse->isLinked() || uuid != kCommandCharacteristic) {
            emit error(QLowEnergyService::OperationError);
            return;
        }
        if (m_mouse->script.failWrites) {
            QTimer::singleShot(1, this, [this] { emit error(QLowEnergyService::CharacteristicWriteError); });
            return;
        }
        m_mouse->receive(value);
        if (mode == QLowEnergyService::WriteWithResponse)
            QTimer::singleShot(1, this, [this, uuid, value] { emit characteristicWritten(uuid, value); });
    }
    void readCharacteristic(const QBluetoothUuid &uuid) override
    {
        if (!m_mouse || !m_mouse->isLinked())
            return;
        const QByteArray value = m_mouse->lastValue(uuid);
        QTimer::singleShot(1, this, [this, uuid, value] { emit characteristicRead(uuid, value); });
    }
    void writeNotifyDescriptor(const QBluetoothUuid &uuid, const QByteArray &value) override
    {
        if (m_mouse && m_mouse->isLinked())
            m_mouse->setNotifying(uuid, value == QByteArray::fromHex("0100"));
    }

    void deliver(const QBluetoothUuid &uuid, const QByteArray &value)
    {
        const bool mine = m_uuid == kDataService ? uuid == kAudioCharacteristic
                                                 : uuid == kReplyCharacteristic;
        if (mine)
            emit characteristicChanged(uuid, value);
    }

private:
    QPointer<Mouse> m_mouse;
    QBluetoothUuid m_uuid;
    QLowEnergyService::ServiceState m_state = QLowEnergyService::DiscoveryRequired;
};

// ---- Controller ----

class SimController : public ble::Controller
{
public:
    SimController(Mouse *mouse, QObject *parent) : ble::Controller(parent), m_mouse(mouse) {}
    ~SimController() override
    {
        if (m_mouse && m_state != QLowEnergyController::UnconnectedState)
            m_mouse->detach();
    }

    void connectToDevice() override
    {
        setState(QLowEnergyController::ConnectingState);
        if (m_mouse && m_mouse->script.refusesConnection) {
            QTimer::singleShot(5, this, [this] {
                setState(QLowEnergyController::UnconnectedState);
                emit error(QLowEnergyController::ConnectionError);
            });
            return;
        }
        if (!m_mouse || !m_mouse->script.completesConnection)
            return;
        QTimer::singleShot(5, this, [this] {
            if (m_state != QLowEnergyController::ConnectingState || !m_mouse)
                return;
            m_mouse->attach(this);
            setState(QLowEnergyController::ConnectedState);
            emit connected();
        });
    }
    void disconnectFromDevice() override
    {
        const bool wasUp = m_state == QLowEnergyController::ConnectedState
            || m_state == QLowEnergyController::DiscoveringState
            || m_state == QLowEnergyController::DiscoveredState;
        if (m_state == QLowEnergyController::UnconnectedState)
            return;
        if (m_mouse && wasUp)
            m_mouse->detach();
        setState(QLowEnergyController::UnconnectedState);
        if (wasUp)
            QTimer::singleShot(0, this, [this] { emit disconnected(); });
    }
    void discoverServices() override
    {
        setState(QLowEnergyController::DiscoveringState);
        QTimer::singleShot(1, this, [this] {
            if (m_state != QLowEnergyController::DiscoveringState)
                return;
            for (const QBluetoothUuid &uuid : services())
                emit serviceDiscovered(uuid);
            setState(QLowEnergyController::DiscoveredState);
            emit discoveryFinished();
        });
    }
    QList<QBluetoothUuid> services() const override
    {
        QList<QBluetoothUuid> out;
        if (!m_mouse)
            return out;
        // A standard service first, as every device offers.
        out << QBluetoothUuid(QBluetoothUuid::GenericAccess);
        if (m_mouse->script.dataService)
            out << kDataService;
        if (m_mouse->script.commandService)
            out << kCommandService;
        return out;
    }
    ble::Service *createServiceObject(const QBluetoothUuid &uuid, QObject *parent) override
    {
        if (!services().contains(uuid) || m_state != QLowEnergyController::DiscoveredState)
            return nullptr;
        auto *service = new SimService(m_mouse, uuid, parent);
        m_services.append(service);
        return service;
    }
    QBluetoothAddress remoteAddress() const override
    {
        return m_mouse ? m_mouse->script.address : QBluetoothAddress();
    }
    QString remoteName() const override
    {
        return m_mouse ? m_mouse->script.advertisedName : QString();
    }
    QLowEnergyController::ControllerState state() const override { return m_state; }
    QString errorString() const override { return QString(); }

    // The mouse went away.
    void lost()
    {
        setState(QLowEnergyController::UnconnectedState);
        emit disconnected();
    }
    void deliver(const QBluetoothUuid &uuid, const QByteArray &value)
    {
        for (const QPointer<SimService> &service : qAsConst(m_services))
            if (service)
                service->deliver(uuid, value);
    }

private:
    void setState(QLowEnergyController::ControllerState state)
    {
        if (state == m_state)
            return;
        m_state = state;
        emit stateChanged(state);
    }

    QPointer<Mouse> m_mouse;
    QLowEnergyController::ControllerState m_state = QLowEnergyController::UnconnectedState;
    QList<QPointer<SimService>> m_services;
};

// ---- Discovery ----

class SimAgent : public ble::DiscoveryAgent
{
public:
    SimAgent(Backend *backend, QObject *parent) : ble::DiscoveryAgent(parent), m_backend(backend)
    {
        m_next.setSingleShot(true);
        m_end.setSingleShot(true);
        connect(&m_next, &QTimer::timeout, this, [this] { advertiseNext(); });
        connect(&m_end, &QTimer::timeout, this, [this] {
            stop();
            emit finished();
        });
    }
    void setLowEnergyDiscoveryTimeout(int ms) override { m_timeoutMs = ms; }
    void start() override
    {
        if (m_active)
            return;
        m_active = true;
        m_index = 0;
        m_next.start(m_backend->discoveryDelayMs);
        m_end.start(m_timeoutMs);
    }
    void stop() override
    {
        m_active = false;
        m_next.stop();
        m_end.stop();
    }
    bool isActive() const override { return m_active; }

private:
    void advertiseNext()
    {
        const QList<Mouse *> mice = m_backend->mice();
        if (!m_active || m_index >= mice.size())
            return;
        const MouseScript &script = mice.at(m_index++)->script;
        QBluetoothDeviceInfo info(script.address, script.advertisedName, 0);
        info.setCoreConfigurations(script.lowEnergy
                                       ? QBluetoothDeviceInfo::LowEnergyCoreConfiguration
                                       : QBluetoothDeviceInfo::BaseRateCoreConfiguration);
        emit deviceDiscovered(info);
        if (m_active)
            m_next.start(m_backend->discoveryDelayMs);
    }

    Backend *m_backend;
    QTimer m_next;
    QTimer m_end;
    int m_timeoutMs = 5000;
    int m_index = 0;
    bool m_active = false;
};

// ---- Mouse ----

class Mouse::Audio
{
public:
    hidsim::MsbcSource source;
    QTimer timer;
    int sequence = 0;
};

Mouse::Mouse(const MouseScript &s, QObject *parent)
    : QObject(parent), script(s), m_audio(std::make_unique<Audio>())
{
    connect(&m_audio->timer, &QTimer::timeout, this, &Mouse::sendAudio);
}

Mouse::~Mouse() = default;

bool Mouse::isRecording() const
{
    return m_audio->timer.isActive();
}

bool Mouse::notifying(const QBluetoothUuid &characteristic) const
{
    return m_notifying.contains(characteristic);
}

void Mouse::notify(const QBluetoothUuid &characteristic, const QByteArray &value)
{
    m_last[characteristic] = value;
    if (m_controller && notifying(characteristic))
        static_cast<SimController *>(m_controller.data())->deliver(characteristic, value);
}

void Mouse::dropLink()
{
    if (!m_controller)
        return;
    auto *controller = static_cast<SimController *>(m_controller.data());
    detach();
    controller->lost();
}

void Mouse::attach(SimController *controller)
{
    m_controller = controller;
}

void Mouse::detach()
{
    m_controller = nullptr;
    m_notifying.clear();
    m_audio->timer.stop();
}

void Mouse::setNotifying(const QBluetoothUuid &characteristic, bool on)
{
    m_notifying.removeAll(characteristic);
    if (on)
        m_notifying.append(characteristic);
}

QByteArray Mouse::lastValue(const QBluetoothUuid &characteristic) const
{
    return m_last.value(characteristic);
}

QByteArray Mouse::replyFrame(int length, int type) const
{
    QByteArray r(length, '\0');
    r[0] = char(0xA5);
    r[1] = 0x5A;
    r[2] = char(length);
    r[3] = 0x54;
    r[4] = char(type);
    r[length - 1] = char(0xFF);
    return r;
}

QByteArray Mouse::levelReply() const
{
    QByteArray level = replyFrame(0x07, 0x0F);
    level[5] = char(script.battery);
    return level;
}

void Mouse::reply(const QByteArray &value)
{
    QTimer::singleShot(kReplyDelayMs, this, [this, value] { notify(kReplyCharacteristic, value); });
}

void Mouse::receive(const QByteArray &value)
{
    m_writes.append(value);
    const QByteArray hex = value.toHex();
    if (hex == "9da55a070301ff") {
        if (!isRecording()) {
            m_audio->source.restart();
            m_audio->sequence = 0;
            m_audio->timer.start(script.audioPeriodMs);
        }
    } else if (hex == "9da55a070300ff") {
        m_audio->timer.stop();
    } else if (hex == "9da55a0601ff") {
        QByteArray info = replyFrame(0x14, 0x06);
        for (int i = 0; i < 6; ++i) {
            info[5 + i] = char(0xA1 + i);
            info[11 + i] = char(0xB1 + i);
        }
        info[18] = char(script.linkModel);
        reply(info);
        QByteArray ident = replyFrame(5 + script.name.size() + 3, 0x0B);
        ident.replace(5, script.name.size(), script.name);
        ident[5 + script.name.size()] = char(script.fwMajor);
        ident[6 + script.name.size()] = char(script.fwMinor);
        reply(ident);
        // The charge comes with the identity, as from the receiver: that is
        // how battery polling starts.
        reply(levelReply());
    } else if (hex == "9da55a050aff") {
        reply(levelReply());
    } else if (hex.startsWith("9da55a0804") && value.size() == 8) {
        QByteArray dpi = replyFrame(0x08, 0x04);
        dpi[5] = value[5];
        dpi[6] = value[6];
        reply(dpi);
    } else if (hex.startsWith("9da55a0702") && value.size() == 10) {
        QByteArray wheel = replyFrame(0x07, 0x02);
        wheel[5] = value[5];
        reply(wheel);
    }
}

void Mouse::sendAudio()
{
    // mSBC's H2 header: 0x01 and a 2-bit sequence number in the high nibble.
    static const unsigned char kSeq[4] = {0x08, 0x38, 0xC8, 0xF8};
    QByteArray report(1 + 4 * 61, '\0');
    report[0] = char(0x9D);
    for (int slot = 0; slot < 4; ++slot) {
        char *at = report.data() + 1 + slot * 61;
        at[0] = 0x01;
        at[1] = char(kSeq[m_audio->sequence++ % 4]);
        m_audio->source.nextFrame(reinterpret_cast<uint8_t *>(at + 2));
    }
    ++m_audioSent;
    notify(kAudioCharacteristic, report);
}

// ---- Backend ----

Mouse *Backend::addMouse(const MouseScript &script)
{
    m_mice.append(std::make_shared<Mouse>(script));
    return m_mice.last().get();
}

QList<Mouse *> Backend::mice() const
{
    QList<Mouse *> out;
    for (const auto &mouse : m_mice)
        out << mouse.get();
    return out;
}

ble::DiscoveryAgent *Backend::createDiscoveryAgent(QObject *parent)
{
    ++m_agents;
    return new SimAgent(this, parent);
}

ble::Controller *Backend::createController(const QBluetoothDeviceInfo &device, QObject *parent)
{
    ++m_controllers;
    Mouse *target = nullptr;
    for (const auto &mouse : m_mice)
        if (mouse->script.address == device.address())
            target = mouse.get();
    return new SimController(target, parent);
}

}  // namespace blesim
