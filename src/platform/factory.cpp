// The backends of this platform behind the interfaces' factory functions.
// Called on the GUI thread: the backends read their events there. The key
// injector is the exception: the typing worker asks for it.

#include "platform/clipboard_watch.h"
#include "platform/device_monitor.h"
#include "platform/hotkey_service.h"
#include "platform/key_injector.h"
#include "platform/keyboard_listener.h"
#include "platform/recording/recording_backends.h"

#ifdef TALKVANE_PLATFORM_X11
#include "platform/x11/clipboard_watch_x11.h"
#include "platform/x11/hotkeys_x11.h"
#include "platform/x11/key_injector_x11.h"
#include "platform/x11/keyboard_listener_x11.h"
#endif
#ifdef TALKVANE_PLATFORM_UDEV
#include "platform/linux/device_monitor_udev.h"
#endif

#include <mutex>

namespace platform {

std::shared_ptr<HotKeyService> hotKeyService()
{
    if (auto recording = recording::installedHotKeyService())
        return recording;
    static std::shared_ptr<HotKeyService> instance;
#ifdef TALKVANE_PLATFORM_X11
    if (!instance)
        instance = x11::X11HotKeyService::create();
#endif
    return instance;
}

std::shared_ptr<KeyboardListener> keyboardListener()
{
    if (auto recording = recording::installedKeyboardListener())
        return recording;
    static std::shared_ptr<KeyboardListener> instance;
#ifdef TALKVANE_PLATFORM_X11
    if (!instance && x11::X11KeyboardListener::available())
        instance = std::make_shared<x11::X11KeyboardListener>();
#endif
    return instance;
}

std::shared_ptr<KeyInjector> keyInjector()
{
    if (auto recording = recording::installedKeyInjector())
        return recording;
    static std::mutex mutex;
    static std::shared_ptr<KeyInjector> instance;
    std::lock_guard<std::mutex> lock(mutex);
#ifdef TALKVANE_PLATFORM_X11
    if (!instance)
        instance = x11::X11KeyInjector::create();
#endif
    return instance;
}

std::shared_ptr<DeviceMonitor> deviceMonitor()
{
    if (auto recording = recording::installedDeviceMonitor())
        return recording;
    static std::shared_ptr<DeviceMonitor> instance;
#ifdef TALKVANE_PLATFORM_UDEV
    if (!instance && linux_udev::UdevDeviceMonitor::available())
        instance = std::make_shared<linux_udev::UdevDeviceMonitor>();
#endif
    return instance;
}

std::shared_ptr<ClipboardWatch> clipboardWatch()
{
    if (auto recording = recording::installedClipboardWatch())
        return recording;
    static std::shared_ptr<ClipboardWatch> instance;
#ifdef TALKVANE_PLATFORM_X11
    if (!instance)
        instance = x11::X11ClipboardWatch::create();
#endif
    return instance;
}

}  // namespace platform
