#include "mousedevice.h"

#include "core/device/command_frames.h"
#include "core/device/connections/ble/bleinterface.h"
#include "core/device/connections/hidinterface.h"
#include "core/device/device_ids.h"

#include <QDebug>
#include <QFile>
#include <QFutureWatcher>
#include <QTimer>
#include <QtConcurrent>

#include <utility>

namespace {

int g_heartCount = 0;
int g_hidRetryCount = 0;
constexpr int kHidAttempts = 5;

// Lives until the process ends: never torn down by static destruction, when
// the application and the platform services it talks to are already gone.
std::shared_ptr<MouseDevice> &sharedMouse()
{
    static auto *mouse = new std::shared_ptr<MouseDevice>;
    return *mouse;
}

quint16 le16(const QByteArray &d, int at)
{
    return quint16(quint8(d[at]) | (quint8(d[at + 1]) << 8));
}

}  // namespace

std::shared_ptr<MouseDevice> MouseDevice::instance(const QString &vid, const QString &pid)
{
    auto &mouse = sharedMouse();
    if (!mouse)
        mouse.reset(new MouseDevice(vid, pid));
    return mouse;
}

int MouseDevice::heartCount()
{
    return g_heartCount;
}

MouseDevice::MouseDevice(const QString &vid, const QString &pid)
    : HIDDevice(vid, pid),
      m_replyTimer(new QTimer(this)),
      m_batteryTimer(new QTimer(this)),
      m_audioIdleTimer(new QTimer(this))
{
    qRegisterMetaType<LinkState>("LinkState");

    QObject::connect(HidInterface::instance().get(), &HidInterface::onData, this,
                     &MouseDevice::analysisData);

    m_ble = BLEInterface::instance(this);
    QObject::connect(m_ble, &BLEInterface::dataReceived, this, &MouseDevice::analysisData);
    QObject::connect(m_ble, &BLEInterface::sendmacstr, this, &MouseDevice::onBleConnect);
    QObject::connect(m_ble, &BLEInterface::connectbluettoothonoff, this,
                     &MouseDevice::connectbluettoothonoff);
    QObject::connect(m_ble, &BLEInterface::statusInfoChanged, this, [](const QString &, bool) {});

    QObject::connect(m_replyTimer, &QTimer::timeout, this, &MouseDevice::checkTimeout);
    m_batteryTimer->setSingleShot(true);
    QObject::connect(m_batteryTimer, &QTimer::timeout, this,
                     [this] { getBattery(batteryPollMs); });
    m_audioIdleTimer->setSingleShot(true);
    m_audioIdleTimer->setInterval(m_timing.audioIdleMs);
    // Polling resumes one second after the user stops talking.
    QObject::connect(
        m_audioIdleTimer, &QTimer::timeout, this,
        [this] {
            m_replyTimer->start(m_timing.afterAudioReplyTimeoutMs);
            getBattery(m_timing.afterAudioReplyTimeoutMs);
        },
        Qt::DirectConnection);

    setupKeys();
}

void MouseDevice::setTiming(const DeviceTiming &timing)
{
    m_timing = timing;
    batteryPollMs = timing.batteryReplyTimeoutMs;
    m_audioIdleTimer->setInterval(timing.audioIdleMs);
    for (QTimer *key : m_keyTimers)
        key->setInterval(timing.keyReleaseMs);
}

QString MouseDevice::describe() const
{
    return QStringLiteral("old DLVMouse with VID: %1, PID: %2").arg(m_vid, m_pid);
}

void MouseDevice::resetConnectState()
{
    emit onConnectState(Scanning);
}

// ---- Link life ----

void MouseDevice::probeThen(bool silent)
{
    auto *watcher = new QFutureWatcher<int>(this);
    QObject::connect(watcher, &QFutureWatcher<int>::finished, this, [this, watcher, silent] {
        const int onBluetooth = watcher->result();
        qDebug() << (silent ? "device flag..." : "设备扫描中flag...") << onBluetooth;
        QTimer::singleShot(m_timing.retryDelayMs, this, [this, onBluetooth, silent] {
            // A mouse listed over Bluetooth may also have its receiver
            // plugged in: when no Bluetooth link can be made, use that.
            if (onBluetooth == 1 && bleConnect()) {
                if (silent)
                    getInfo();
                return;
            }
            silent ? silentReceiverConnect() : hidConnect();
        });
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(&HidInterface::checkBleHidDevice, m_vid, m_pid));
}

void MouseDevice::connect()
{
    emit onConnectState(Scanning);
    qDebug() << "设备扫描中..." << m_vid << "," << m_pid;
    probeThen(false);
}

void MouseDevice::silent_connection()
{
    qDebug() << m_vid << m_pid;
    probeThen(true);
}

void MouseDevice::hidConnect()
{
    const HidOpenResult opened = HidInterface::instance()->openReceiver(m_vid, m_pid);
    if (opened.opened()) {
        m_pendingNotice.clear();
        linkState = ReceiverLinked;
        hidUp = 1;
        getInfo();
        getBattery(batteryPollMs);
        emit onConnectState(ReceiverLinked);
        return;
    }
    // Only the last try counts: a receiver pulled meanwhile needs no advice.
    m_pendingNotice = opened.status == HidOpenResult::OpenFailed ? openFailureNotice(opened)
                                                                 : QString();
    ++g_hidRetryCount;
    hidUp = 0;
    if (g_hidRetryCount < kHidAttempts) {
        QTimer::singleShot(m_timing.retryDelayMs, this, [this] { connect(); });
        return;
    }
    g_hidRetryCount = 0;
    linkState = ReceiverLinked;  // so that closeDevice really closes and reports
    closeDevice();
    // One notice for the whole attempt, not one per try.
    if (!m_pendingNotice.isEmpty())
        emit linkNotice(std::exchange(m_pendingNotice, QString()));
}

void MouseDevice::silentReceiverConnect()
{
    const HidOpenResult opened = HidInterface::instance()->openReceiver(m_vid, m_pid);
    if (opened.opened()) {
        m_silentNoticeGiven = false;
        linkState = ReceiverLinked;
        hidUp = 1;
        getInfo();
        emit onConnectState(ReceiverLinked);
        return;
    }
    if (opened.status == HidOpenResult::OpenFailed && !m_silentNoticeGiven) {
        m_silentNoticeGiven = true;
        emit linkNotice(openFailureNotice(opened));
    }
    // With no link this only arms the reply time-out, so the attempt
    // repeats about every five seconds.
    getInfo();
}

QString MouseDevice::openFailureNotice(const HidOpenResult &failure) const
{
    if (failure.permissionDenied)
        return tr("鼠标接收器已插入，但没有权限打开它（缺少 udev 规则）。"
                  "请运行 scripts/install-udev-rule.sh，或把 data/udev/70-talkvane-receiver.rules "
                  "复制到 /etc/udev/rules.d/，然后重新插拔接收器。");
    return tr("鼠标接收器已插入，但无法打开（%1）。请重新插拔接收器。").arg(failure.error);
}

bool MouseDevice::bleConnect()
{
    qDebug() << "bleConnect" << m_ble;
    // Without a powered adapter the receiver is the only way (the link says why).
    if (!m_ble || !m_ble->isSupported())
        return false;
    if (m_ble->isConnected()) {
        onBleConnect();
        return true;
    }
    m_ble->scanDevices();
    // A scan that finds nothing says nothing: look again when this expires.
    if (!m_replyTimer->isActive())
        m_replyTimer->start(m_timing.replyTimeoutMs);
    return true;
}

void MouseDevice::onBleConnect()
{
    qDebug() << "onBleConnect 3000";
    linkState = BluetoothLinked;
    bleUp = 1;
    emit onConnectState(BluetoothLinked);
    m_replyTimer->start(m_timing.bluetoothReplyTimeoutMs);
    getInfo();
    getBattery(batteryPollMs);
}

void MouseDevice::connectbluettoothonoff()
{
    qDebug() << "connectbluettoothonoff" << linkModel << linkState;
    m_replyTimer->start(linkModel == 2 || linkModel == 3 ? 1 : m_timing.replyTimeoutMs);
}

void MouseDevice::heartbeat()
{
    qDebug() << "触发心跳；发送一次消息";
    getInfo();
}

void MouseDevice::getInfo()
{
    if (!m_replyTimer->isActive()) {
        qInfo() << "replyTimer start" << m_timing.replyTimeoutMs;
        m_replyTimer->start(m_timing.replyTimeoutMs);
    }
    if (linkState == ReceiverLinked)
        HidInterface::instance()->sendCmd(CommandFrames::Info);
    else if (linkState == BluetoothLinked && m_ble)
        m_ble->bluetoothc_sendcmd(CommandFrames::Info);
}

void MouseDevice::getBattery(int timeoutMs)
{
    if (model == QLatin1String("unknown")) {
        getInfo();
        return;
    }
    if (!m_replyTimer->isActive())
        m_replyTimer->start(timeoutMs);
    if (linkState == ReceiverLinked) {
        qDebug() << "linkModel" << linkModel;
        if (linkModel == 4 || linkModel == 5) {
            const int written = HidInterface::instance()->sendCmd(
                firmwareVersion == QLatin1String("A1.0") ? 2 : 3);
            qDebug() << "写入成功：" << written;
            return;
        }
        getInfo();
    } else if (linkState == BluetoothLinked && m_ble) {
        qDebug() << "Ble;" << linkModel;
        if (linkModel != 4 && linkModel != 5) {
            // Bluetooth numbering: 2 info, 4 battery.
            m_ble->bluetoothc_sendcmd(firmwareVersion == QLatin1String("A1.0") ? 2 : 4);
            return;
        }
        getInfo();
    }
}

void MouseDevice::checkTimeout()
{
    qDebug() << "heartCount: " << g_heartCount << "linkModel: " << linkModel;
    m_replyTimer->stop();
    ++g_heartCount;
    if (linkModel != 5) {
        const bool wasReceiver = linkState == ReceiverLinked;
        linkModel = 5;  // marks the time-out as handled: close only once
        if (wasReceiver) {
            qDebug() << "关闭设备，发出信号1";
            HidInterface::instance()->disconnectDevice();
        }
        emit onInfoData();
    }
    silent_connection();
}

void MouseDevice::closeDevice()
{
    qDebug() << "close device";
    if (linkState == Disconnected)
        return;
    m_replyTimer->stop();
    // A poll still pending would otherwise re-arm the reply time-out and
    // bring back, through silent reconnection, a link that was just closed.
    m_batteryTimer->stop();
    m_audioIdleTimer->stop();
    // An utterance cut off by the disconnect keeps what was captured.
    if (m_audioSeen)
        finishUtterance();
    m_audioSeen = false;
    m_silentNoticeGiven = false;
    qDebug() << "关闭设备，发出信号";
    if (linkState == ReceiverLinked) {
        qDebug() << "关闭设备，发出信号1";
        HidInterface::instance()->disconnectDevice();
    } else if (linkState == BluetoothLinked) {
        qDebug() << "关闭设备，发出信号2";
    }
    linkState = Disconnected;
    bleUp = 0;
    hidUp = 0;
    sn = QStringLiteral("unknown");
    dpi = 0;
    wheelSwitch = 0;
    battery = 0;
    model = QStringLiteral("unknown");
    firmwareVersion = QStringLiteral("unknown");
    emit onInfoData();
    emit onConnectState(Disconnected);
}

void MouseDevice::release()
{
    auto &mouse = sharedMouse();
    if (!mouse)
        return;
    mouse->closeDevice();  // may still write the utterance in progress
    if (!mouse->m_lastRecording.isEmpty())
        QFile::remove(mouse->m_lastRecording);
    if (mouse->m_ble) {
        mouse->m_ble->stopAll();
        BLEInterface::ExitInstance();
        mouse->m_ble = nullptr;
    }
}

void MouseDevice::deviceArrived(const QString &path)
{
    if (!DeviceIds::pathNamesDevice(path, m_vid, m_pid) || linkState != Disconnected)
        return;
    // A receiver brings several interfaces at once: connect once for all.
    if (m_arrivalPending)
        return;
    m_arrivalPending = true;
    QTimer::singleShot(m_timing.arrivalDelayMs, this, [this] {
        m_arrivalPending = false;
        if (linkState == Disconnected)
            connect();
    });
}

void MouseDevice::deviceRemoved(const QString &path)
{
    if (DeviceIds::pathNamesDevice(path, m_vid, m_pid) && linkState == ReceiverLinked)
        closeDevice();
}

// ---- Commands ----

void MouseDevice::setDPI(int value)
{
    if (linkState == ReceiverLinked) {
        qDebug() << "写入成功：" << HidInterface::instance()->sendhiddpi(value);
    } else if (linkState == BluetoothLinked && m_ble) {
        m_ble->bluetooth_setdpi(value);
        qDebug() << "写入成功：";
    }
}

void MouseDevice::setWBL(int value)
{
    if (linkState == ReceiverLinked)
        HidInterface::instance()->sendhidgunlun(value);
    else if (linkState == BluetoothLinked && m_ble)
        m_ble->bluetooth_setgunlun(value);
}

// ---- Texts ----

QString MouseDevice::linkModelText() const
{
    switch (linkModel) {
    case 2: return tr("蓝牙1");
    case 3: return tr("蓝牙2");
    case 4:
    case 5: return tr("接收器");
    }
    return tr("未知");
}

QString MouseDevice::displayModel() const
{
    return productName == QLatin1String("WQBT5.2 Mouse") ? QStringLiteral("K27") : model;
}

// ---- Reports ----

void MouseDevice::analysisData(const QByteArray &data)
{
    m_replyTimer->stop();  // any report is an answer
    qDebug() << "length: " << data.size();
    if (data.size() < 5)
        return;
    const quint8 b0 = quint8(data[0]), b1 = quint8(data[1]);
    if (b0 == 0x9D && (b1 == 0x01 || b1 == 0x02)) {
        handleAudioReport(data);
        return;
    }
    if (b0 == 0xA5 && b1 == 0x5A && quint8(data[3]) == 0x54)
        handleReply(data);
}

void MouseDevice::restartBatteryTimer(int ms)
{
    m_batteryTimer->stop();
    m_batteryTimer->start(ms);
}

void MouseDevice::handleReply(const QByteArray &data)
{
    // The first reply after audio ends the utterance.
    if (m_audioSeen)
        finishUtterance();
    m_audioSeen = false;

    switch (quint8(data[4])) {
    case 0x02:
        if (data.size() >= 6)
            wheelSwitch = quint8(data[5]);
        break;
    case 0x04:
        if (data.size() >= 7)
            dpi = le16(data, 5);
        break;
    case 0x06:
        handleInfoReport(data);
        break;
    case 0x0B:
        if (!handleNameReport(data))
            return;
        break;
    case 0x0F:
        if (data.size() < 6)
            break;
        battery = qMin(100, int(quint8(data[5])));  // a level, never above full
        restartBatteryTimer(productName == QLatin1String("WQPX08") ? m_timing.slowLevelPollMs
                                                                   : m_timing.levelPollMs);
        break;
    default:
        break;
    }
    emit onInfoData();
}

void MouseDevice::handleInfoReport(const QByteArray &data)
{
    const quint8 kind = quint8(data[2]);
    if (kind == 0x14 && data.size() > 18) {
        linkModel = quint8(data[18]);
        qDebug() << "获取的linkModel：" << linkModel << "原始值(十六进制): 0x"
                 << QString::number(linkModel, 16) << "原始值(十进制):" << linkModel;
    }
    if ((kind == 0x14 || kind == 0x0C) && data.size() >= 17) {
        sn = QString::fromLatin1(data.mid(5, 6).toHex());
        const QString second = QString::fromLatin1(data.mid(11, 6).toHex());
        qDebug() << "获取的sn：" << sn;
        qDebug() << "获取的sn：" << second;
        if (model.isEmpty() || model == QLatin1String("unknown"))
            model = QStringLiteral("PX08");
        firmwareVersion = QStringLiteral("A1.0");
        emit onSnChange(second);
    }
    qDebug() << "获取的电压:" << data.left(20).toHex(' ');
    if (kind == 0x09 && data.size() >= 7) {
        const int volts = le16(data, 5);
        qDebug() << "获取的电压: " << volts;
        battery = qBound(320, volts, 420) - 320;
        qDebug() << "计算的电量: " << battery;
        restartBatteryTimer(m_timing.voltagePollMs);
    }
}

bool MouseDevice::handleNameReport(const QByteArray &data)
{
    const int limit = qMin(64, data.size());
    int end = -1;
    for (int i = 0; i < limit; ++i) {
        if (quint8(data[i]) == 0xFF) {
            end = i;
            break;
        }
    }
    if (end < 5)
        return false;
    const QString name = end >= 7 ? QString::fromUtf8(data.mid(5, end - 7)) : QString();
    qDebug() << "HIDDeviceRead::len " << name;
    productName = name;
    if (!name.isEmpty()) {
        if (name.contains(QLatin1String("SR")))
            model = name.mid(2);
        else if (name.contains(QLatin1String("DLV")))
            model = name.mid(3);
        else if (name.contains(QLatin1String("WQ")))
            model = name.mid(2);
        model = model.toUpper();
        qDebug() << "设备型号：" << model;
    }
    firmwareVersion = QStringLiteral("%1.%2").arg(quint8(data[end - 2])).arg(quint8(data[end - 1]));
    qDebug() << "固件版本号：" << firmwareVersion;
    if (name == QLatin1String("DLVPX08") && firmwareVersion == QLatin1String("1.0"))
        firmwareVersion = QStringLiteral("A1.0");
    emit onSnChange(sn);
    return true;
}
