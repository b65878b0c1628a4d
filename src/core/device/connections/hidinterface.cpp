#include "hidinterface.h"

#include "core/device/command_frames.h"
#include "core/device/connections/ble/ble_names.h"
#include "core/device/connections/hidreader.h"
#include "core/device/device_ids.h"

#include <hidapi/hidapi.h>

#include <QDebug>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cwchar>

namespace {

// Whether a failed open was the system refusing access to the node. The
// open's own errno is the best witness; checking the node itself covers a
// library that overwrote errno while recording its error.
bool accessDenied(int openErrno, const char *path)
{
    if (openErrno == EACCES || openErrno == EPERM)
        return true;
    return ::access(path, R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
}

}  // namespace

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
        // Linux lists a Bluetooth HID device without its maker; its
        // advertised name is the product string.
        const QString product = d->product_string
            ? QString::fromWCharArray(d->product_string) : QString();
        if (d->bus_type == HID_API_BUS_BLUETOOTH && BleNames::isMouseName(product)) {
            qDebug() << "Bluetooth HID:" << product;
            result = 1;
            break;
        }
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

HidOpenResult HidInterface::openReceiver(const QString &vid, const QString &pid)
{
    HidOpenResult result;
    if (m_handle) {
        result.status = HidOpenResult::Opened;
        return result;
    }

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
        return result;
    }

    errno = 0;
    m_handle = hid_open_path(m_path);
    if (!m_handle) {
        const int openErrno = errno;
        const wchar_t *error = hid_error(nullptr);
        result.status = HidOpenResult::OpenFailed;
        result.error = error ? QString::fromWCharArray(error) : QString();
        result.permissionDenied = accessDenied(openErrno, m_path);
        qWarning() << "cannot open the receiver" << m_path << result.error
                   << (result.permissionDenied ? "(permission denied)" : "");
        return result;
    }
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
    result.status = HidOpenResult::Opened;
    return result;
}

int HidInterface::connectDevice(const QString &vid, const QString &pid)
{
    return openReceiver(vid, pid).opened() ? 1 : 0;
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
    // The reader must be done with the handle before it is closed.
    if (m_listener) {
        m_listener->worker()->setHandle(nullptr);
        m_listener->discardPending();
    }
    if (m_handle)
        hid_close(m_handle);
    m_handle = nullptr;
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
