#include "platform/linux/device_monitor_udev.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>

#include <libudev.h>

#include <cstring>

namespace platform::linux_udev {

std::optional<DeviceChange> deviceChange(const char *action, const char *subsystem, const char *syspath)
{
    if (!action || !syspath || !*syspath || !subsystem || std::strcmp(subsystem, "hidraw") != 0)
        return std::nullopt;
    if (std::strcmp(action, "add") == 0)
        return DeviceChange{syspath, true};
    if (std::strcmp(action, "remove") == 0)
        return DeviceChange{syspath, false};
    return std::nullopt;
}

std::optional<DeviceChange> deviceChange(udev_device *device)
{
    if (!device)
        return std::nullopt;
    return deviceChange(udev_device_get_action(device), udev_device_get_subsystem(device),
                        udev_device_get_syspath(device));
}

struct UdevDeviceMonitor::Private
{
    udev *context = nullptr;
    udev_monitor *monitor = nullptr;
    QPointer<QSocketNotifier> notifier;
};

UdevDeviceMonitor::UdevDeviceMonitor()
    : d(std::make_unique<Private>())
{
}

UdevDeviceMonitor::~UdevDeviceMonitor()
{
    stop();
}

bool UdevDeviceMonitor::available()
{
    udev *context = udev_new();
    if (!context)
        return false;
    udev_monitor *monitor = udev_monitor_new_from_netlink(context, "udev");
    const bool ok = monitor && udev_monitor_get_fd(monitor) >= 0;
    udev_monitor_unref(monitor);
    udev_unref(context);
    return ok;
}

bool UdevDeviceMonitor::start()
{
    if (d->monitor)
        return true;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return false;

    udev *context = udev_new();
    if (!context)
        return false;
    // "udev", not "kernel": udev's events come after its rules have run.
    udev_monitor *monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(monitor) < 0 || udev_monitor_get_fd(monitor) < 0) {
        udev_monitor_unref(monitor);
        udev_unref(context);
        return false;
    }

    d->context = context;
    d->monitor = monitor;
    d->notifier = new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, app);
    QObject::connect(d->notifier, &QSocketNotifier::activated, d->notifier, [this] { readEvents(); });
    return true;
}

void UdevDeviceMonitor::stop()
{
    if (!d->monitor)
        return;
    delete d->notifier;
    udev_monitor_unref(d->monitor);
    udev_unref(d->context);
    d->monitor = nullptr;
    d->context = nullptr;
}

bool UdevDeviceMonitor::isRunning() const
{
    return d->monitor != nullptr;
}

void UdevDeviceMonitor::handle(udev_device *device)
{
    if (const std::optional<DeviceChange> change = deviceChange(device))
        report(change->path, change->arrived);
}

void UdevDeviceMonitor::readEvents()
{
    if (!d->monitor)
        return;
    // Our own references: the listener may stop us in the middle.
    udev *context = udev_ref(d->context);
    udev_monitor *monitor = udev_monitor_ref(d->monitor);
    // The socket is non-blocking: read until it is empty.
    while (d->monitor == monitor) {
        udev_device *device = udev_monitor_receive_device(monitor);
        if (!device)
            break;
        handle(device);
        udev_device_unref(device);
    }
    udev_monitor_unref(monitor);
    udev_unref(context);
}

}  // namespace platform::linux_udev
