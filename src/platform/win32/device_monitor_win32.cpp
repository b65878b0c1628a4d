#include "platform/win32/device_monitor_win32.h"

#include "platform/win32/win32_util.h"

#include <dbt.h>

#include <atomic>

namespace platform::win32 {

namespace {

// GUID_DEVINTERFACE_HID, spelt out: the header's DEFINE_GUID needs initguid.h
// in exactly one place of whoever links us.
constexpr GUID kHidInterface = {0x4d1e55b2, 0xf16f, 0x11cf, {0x88, 0xcb, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

}  // namespace

struct Win32DeviceMonitor::Private
{
    std::unique_ptr<Mailbox> mailbox;
    MessageThread thread;
    HDEVNOTIFY notification = nullptr;
    std::atomic<unsigned> run{0};
};

Win32DeviceMonitor::Win32DeviceMonitor()
    : d(std::make_unique<Private>())
{
}

Win32DeviceMonitor::~Win32DeviceMonitor()
{
    stop();
}

bool Win32DeviceMonitor::start()
{
    if (d->thread.running())
        return true;
    if (!d->mailbox)
        d->mailbox = std::make_unique<Mailbox>();
    if (!d->mailbox->valid()) {
        d->mailbox.reset();
        return false;
    }
    Private *p = d.get();
    const auto handler = [this, p](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
        if (message != WM_DEVICECHANGE)
            return false;
        result = TRUE;
        if (wParam != DBT_DEVICEARRIVAL && wParam != DBT_DEVICEREMOVECOMPLETE)
            return true;
        const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(lParam);
        if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
            return true;
        const auto *iface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W *>(header);
        // dbcc_name runs to the end of the structure, terminated.
        std::string path = toUtf8(iface->dbcc_name);
        if (path.empty())
            return true;
        const bool arrived = wParam == DBT_DEVICEARRIVAL;
        const unsigned run = p->run;
        p->mailbox->post([this, p, path = std::move(path), arrived, run] {
            if (p->run == run)
                report(path, arrived);
        });
        return true;
    };
    const auto setup = [p](HWND window) {
        DEV_BROADCAST_DEVICEINTERFACE_W filter{};
        filter.dbcc_size = sizeof(filter);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = kHidInterface;
        p->notification = RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
        return p->notification != nullptr;
    };
    const auto teardown = [p](HWND) {
        UnregisterDeviceNotification(p->notification);
        p->notification = nullptr;
    };
    return d->thread.start(handler, setup, teardown);
}

void Win32DeviceMonitor::stop()
{
    if (!d->thread.running())
        return;
    d->thread.stop();
    ++d->run;
    d->mailbox->discardPending();
}

bool Win32DeviceMonitor::isRunning() const
{
    return d->thread.running();
}

}  // namespace platform::win32
