#pragma once

#include "platform/device_monitor.h"

#include <memory>
#include <optional>
#include <string>

namespace platform::win32 {

// HID device interfaces arriving and going, from RegisterDeviceNotification
// on a message-only window of a thread of its own. WM_DEVICECHANGE is sent
// there; the path is handed to the thread that called start() (the GUI
// thread), whose message loop calls the listener.
class Win32DeviceMonitor final : public DeviceMonitor
{
public:
    Win32DeviceMonitor();
    ~Win32DeviceMonitor() override;

    bool start() override;  // idempotent
    void stop() override;   // changes not yet reported are dropped
    bool isRunning() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace platform::win32
