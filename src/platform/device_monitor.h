#pragma once

#include <functional>
#include <memory>
#include <string>

namespace platform {

// Arrival and removal of HID device interfaces. The path is the platform's
// own name for the interface: a device interface path on Windows, the sysfs
// path of the hidraw node on Linux. Reported on the GUI thread.
class DeviceMonitor
{
public:
    using Listener = std::function<void(const std::string &path, bool arrived)>;

    virtual ~DeviceMonitor() = default;

    virtual bool start() = 0;  // false when notifications are not available
    virtual void stop() = 0;

    void setListener(Listener listener) { m_listener = std::move(listener); }

protected:
    void report(const std::string &path, bool arrived)
    {
        if (m_listener)
            m_listener(path, arrived);
    }

private:
    Listener m_listener;
};

std::shared_ptr<DeviceMonitor> deviceMonitor();

}  // namespace platform
