#include "hidinterface.h"

#include "core/device/command_frames.h"
#include "core/device/device_ids.h"

#include <hidapi/hidapi.h>

#include <QDebug>
#include <QTimer>

#include <cstring>
#include <cwchar>

// ---- HIDWorker ----

HIDWorker::HIDWorker(hid_device *handle) : m_handle(handle), m_timer(new QTimer(this))
{
    m_timer->setInterval(kIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &HIDWorker::updateMsgReceived);
}

void HIDWorker::start()
{
    qDebug() << "start HID worker...";
    m_running = true;
    m_timer->start();
}

void HIDWorker::startListening()
{
    start();
}

void HIDWorker::stop()
{
    qDebug() << "Stopping HID worker...";
    m_running = false;
    m_timer->stop();
    emit stopHidListen();
}

void HIDWorker::updateMsgReceived()
{
    if (!m_handle) {
        qDebug() << "Failed to open HID device";
        return;
    }
    // While the user speaks the receiver sends a report every 7.5 ms, faster
    // than this timer ticks: take everything that is waiting, in order, or
    // the system's input buffer overflows and drops audio.
    unsigned char buffer[kReportSize];
    for (int i = 0; i < kMaxReadsPerTick && m_handle; ++i) {
        const int n = hid_read(m_handle, buffer, sizeof(buffer));
        if (n <= 0)
            break;
        emit dataReceived(QByteArray(reinterpret_cast<const char *>(buffer), n));
    }
}

// ---- HIDListener ----

HIDListener::HIDListener(hid_device *handle) : m_worker(new HIDWorker(handle))
{
    connect(this, &HIDListener::startListen, m_worker, &HIDWorker::startListening);
    connect(this, &HIDListener::stopListen, m_worker, &HIDWorker::stop);
    connect(m_worker, &HIDWorker::stopHidListen, this, &HIDListener::closeHid);
    connect(m_worker, &HIDWorker::dataReceived, this, &HIDListener::handleData);
}

HIDListener::~HIDListener()
{
    delete m_worker;
}

void HIDListener::handleData(QByteArray data)
{
    qDebug() << "Received HID data:" << data.toHex(' ');
    emit onData(data);
}

// ---- HidInterface ----

std::shared_ptr<HidInterface> HidInterface::instance()
{
    // Kept until the process ends, past static destruction.
    static auto *hid = new std::shared_ptr<HidInterface>(new HidInterface);
    return *hid;
}

int HidInterface::checkBleHidDevice(const QString &vid, const QString &pid)
{
    const unsigned short receiverVid = DeviceIds::parse(vid);
    const unsigned short receiverPid = DeviceIds::parse(pid);
    static const wchar_t *const makers[] = {L"Sevoly", L"Sevoly Kestrom", L"Sevoly_Kestrom"};

    int result = 0;
    hid_device_info *devices = hid_enumerate(0, 0);
    for (hid_device_info *d = devices; d; d = d->next) {
        const QString maker = d->manufacturer_string
            ? QString::fromWCharArray(d->manufacturer_string) : QString();
        qDebug() << QStringLiteral("  Device Found: %1; %2; %3;")
                        .arg(maker)
                        .arg(d->vendor_id, 4, 16, QLatin1Char('0'))
                        .arg(d->product_id, 4, 16, QLatin1Char('0'))
                 << "vid:" << vid;
        if (!d->manufacturer_string)
            continue;
        bool ours = false;
        for (const wchar_t *name : makers)
            ours = ours || std::wcscmp(d->manufacturer_string, name) == 0;
        // The receiver carries the same maker name under its own ids.
        if (ours && d->vendor_id != receiverVid && d->product_id != receiverPid) {
            result = 1;
            break;
        }
    }
    hid_free_enumeration(devices);
    return result;
}

int HidInterface::connectDevice(const QString &vid, const QString &pid)
{
    if (m_handle)
        return 1;

    m_found = 0;
    hid_device_info *devices = hid_enumerate(DeviceIds::parse(vid), DeviceIds::parse(pid));
    for (hid_device_info *d = devices; d; d = d->next) {
        if (d->interface_number == 0 && d->path) {
            qDebug() << "interface_number:" << d->path;
            std::strncpy(m_path, d->path, sizeof(m_path) - 1);
            m_path[sizeof(m_path) - 1] = '\0';
            m_found = 1;
            break;
        }
    }
    hid_free_enumeration(devices);

    if (!m_found) {
        qDebug() << "连接失败";
        return 0;
    }

    m_handle = hid_open_path(m_path);
    if (m_handle)
        hid_set_nonblocking(m_handle, 1);
    qDebug() << "hid device: " << static_cast<void *>(m_handle);
    if (!m_listener) {
        m_listener = new HIDListener(m_handle);
        m_listener->setParent(this);
        connect(m_listener, &HIDListener::onData, this, &HidInterface::readWorkHiddata);
        connect(m_listener, &HIDListener::closeHid, this, &HidInterface::closeHid);
    } else {
        m_listener->worker()->setHandle(m_handle);
    }
    m_listener->worker()->start();
    return m_found;
}

void HidInterface::disconnectDevice()
{
    qDebug() << "HidInterface disconnectDevice";
    if (m_handle && m_listener)
        m_listener->worker()->stop();  // reaches closeHid through the listener
    else
        closeHid();
}

void HidInterface::closeHid()
{
    qDebug() << "closeHid";
    if (m_handle)
        hid_close(m_handle);
    m_handle = nullptr;
    if (m_listener)
        m_listener->worker()->setHandle(nullptr);
}

void HidInterface::readWorkHiddata(QByteArray data)
{
    emit onData(data);
}

int HidInterface::write(const QByteArray &frame, bool logFrame)
{
    if (logFrame)
        qDebug() << "hid_write :" << frame.toHex(' ');
    if (!m_handle)
        return -1;
    return hid_write(m_handle, reinterpret_cast<const unsigned char *>(frame.constData()),
                     size_t(frame.size()));
}

int HidInterface::sendCmd(int type)
{
    if (!m_handle)
        return -1;
    return write(CommandFrames::receiverCommand(type), false);
}

int HidInterface::sendhiddpi(int dpi)
{
    return write(CommandFrames::receiverDpi(dpi), true);
}

int HidInterface::sendhidgunlun(int value)
{
    return write(CommandFrames::receiverWheel(value), true);
}
