#pragma once

#include "platform/device_monitor.h"

#include <memory>
#include <optional>
#include <string>

struct udev_device;

namespace platform::linux_udev {

struct DeviceChange
{
    std::string path;  // sysfs path of the hidraw node
    bool arrived;
};

// What a uevent means for callers: hidraw nodes that were added or removed.
// Everything else (bind, change, other subsystems, no action) means nothing.
std::optional<DeviceChange> deviceChange(const char *action, const char *subsystem, const char *syspath);
std::optional<DeviceChange> deviceChange(udev_device *device);

// hidraw nodes coming and going, as udev announces them once it has set them
// up (so the node's permissions are final when we hear of it).
class UdevDeviceMonitor final : public DeviceMonitor
{
public:
    UdevDeviceMonitor();
    ~UdevDeviceMonitor() override;

    // False without udev or a Qt event loop on this thread; idempotent.
    bool start() override;
    void stop() override;
    bool isRunning() const;

    // Whether udev can be listened to here at all.
    static bool available();

    // Reports what the device's uevent means; the monitor feeds itself here.
    void handle(udev_device *device);

private:
    void readEvents();

    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace platform::linux_udev
