// The backends of this platform behind the interfaces' factory functions.
// Called on the GUI thread: the backends read their events there. The key
// injector is the exception: the typing worker asks for it.

#include "platform/autostart.h"
#include "platform/backend_overrides.h"
#include "platform/clipboard_watch.h"
#include "platform/device_monitor.h"
#include "platform/hotkey_service.h"
#include "platform/key_injector.h"
#include "platform/keyboard_listener.h"
#include "platform/mouse_listener.h"
#include "platform/selected_text.h"
#include "platform/session.h"

#ifdef TALKVANE_PLATFORM_X11
#include "platform/x11/clipboard_watch_x11.h"
#include "platform/x11/hotkeys_x11.h"
#include "platform/x11/key_injector_x11.h"
#include "platform/x11/keyboard_listener_x11.h"
#include "platform/x11/mouse_listener_x11.h"
#include "platform/x11/selected_text_x11.h"
#include "platform/x11/session_x11.h"
#endif
#ifdef TALKVANE_PLATFORM_UDEV
#include "platform/linux/device_monitor_udev.h"
#endif
#ifdef TALKVANE_PLATFORM_XDG
#include "platform/xdg/autostart_xdg.h"
#endif
#ifdef TALKVANE_PLATFORM_WIN32
#include "platform/win32/autostart_win32.h"
#include "platform/win32/device_monitor_win32.h"
#include "platform/win32/hotkeys_win32.h"
#include "platform/win32/input_listeners_win32.h"
#include "platform/win32/key_injector_win32.h"
#include "platform/win32/session_win32.h"
#endif

#include <cstdlib>
#include <mutex>
#include <utility>

namespace platform {

namespace {

struct Overrides
{
    std::mutex mutex;
    BackendOverrides backends;
};

Overrides &overrides()
{
    static Overrides instance;
    return instance;
}

template <typename Service>
std::shared_ptr<Service> overridden(std::shared_ptr<Service> BackendOverrides::*member)
{
    auto &o = overrides();
    std::lock_guard<std::mutex> lock(o.mutex);
    return o.backends.*member;
}

#ifdef TALKVANE_PLATFORM_X11
// Decided once: without a reachable X server every X11 backend stays null,
// and none retries the connection (a stale DISPLAY may name a slow host).
bool x11Session()
{
    const SessionKind kind = currentSession().kind;
    return kind == SessionKind::X11 || kind == SessionKind::XWayland;
}
#endif

}  // namespace

const SessionDescription &currentSession()
{
    static const SessionDescription session = [] {
#ifdef TALKVANE_PLATFORM_WIN32
        return win32::describeSession();
#else
        SessionProbe probe;
        probe.env = [](const char *name) {
            const char *value = std::getenv(name);
            return std::string(value ? value : "");
        };
#ifdef TALKVANE_PLATFORM_X11
        probe.x11Reachable = x11::displayReachable;
#endif
        return describeSession(probe);
#endif
    }();
    return session;
}

void overrideBackends(BackendOverrides replacement)
{
    auto &o = overrides();
    {
        std::lock_guard<std::mutex> lock(o.mutex);
        std::swap(o.backends, replacement);
    }
    // Released after unlocking, so a backend going away may use the factory.
}

std::shared_ptr<HotKeyService> hotKeyService()
{
    if (auto replaced = overridden(&BackendOverrides::hotKeys))
        return replaced;
    static std::shared_ptr<HotKeyService> instance;
#ifdef TALKVANE_PLATFORM_X11
    if (!instance && x11Session())
        instance = x11::X11HotKeyService::create();
#endif
#ifdef TALKVANE_PLATFORM_WIN32
    if (!instance)
        instance = win32::Win32HotKeyService::create();
#endif
    return instance;
}

std::shared_ptr<KeyboardListener> keyboardListener()
{
    if (auto replaced = overridden(&BackendOverrides::keyboardListener))
        return replaced;
    static std::shared_ptr<KeyboardListener> instance;
#ifdef TALKVANE_PLATFORM_X11
    if (!instance && x11Session() && x11::X11KeyboardListener::available())
        instance = std::make_shared<x11::X11KeyboardListener>();
#endif
#ifdef TALKVANE_PLATFORM_WIN32
    if (!instance)
        instance = std::make_shared<win32::Win32KeyboardListener>();
#endif
    return instance;
}

std::shared_ptr<MouseListener> mouseListener()
{
    if (auto replaced = overridden(&BackendOverrides::mouseListener))
        return replaced;
    static std::shared_ptr<MouseListener> instance;
#ifdef TALKVANE_PLATFORM_X11
    if (!instance && x11Session() && x11::X11MouseListener::available())
        instance = std::make_shared<x11::X11MouseListener>();
#endif
#ifdef TALKVANE_PLATFORM_WIN32
    if (!instance)
        instance = std::make_shared<win32::Win32MouseListener>();
#endif
    return instance;
}

std::shared_ptr<SelectedText> selectedText()
{
    if (auto replaced = overridden(&BackendOverrides::selectedText))
        return replaced;
    static std::shared_ptr<SelectedText> instance;
#ifdef TALKVANE_PLATFORM_X11
    if (!instance && x11Session())
        instance = x11::X11SelectedText::create();
#endif
    return instance;
}

std::shared_ptr<KeyInjector> keyInjector()
{
    if (auto replaced = overridden(&BackendOverrides::keyInjector))
        return replaced;
    static std::mutex mutex;
    static std::shared_ptr<KeyInjector> instance;
    std::lock_guard<std::mutex> lock(mutex);
#ifdef TALKVANE_PLATFORM_X11
    if (!instance && x11Session())
        instance = x11::X11KeyInjector::create();
#endif
#ifdef TALKVANE_PLATFORM_WIN32
    if (!instance)
        instance = win32::Win32KeyInjector::create();
#endif
    return instance;
}

std::shared_ptr<DeviceMonitor> deviceMonitor()
{
    if (auto replaced = overridden(&BackendOverrides::deviceMonitor))
        return replaced;
    static std::shared_ptr<DeviceMonitor> instance;
#ifdef TALKVANE_PLATFORM_UDEV
    if (!instance && linux_udev::UdevDeviceMonitor::available())
        instance = std::make_shared<linux_udev::UdevDeviceMonitor>();
#endif
#ifdef TALKVANE_PLATFORM_WIN32
    if (!instance)
        instance = std::make_shared<win32::Win32DeviceMonitor>();
#endif
    return instance;
}

std::shared_ptr<ClipboardWatch> clipboardWatch()
{
    if (auto replaced = overridden(&BackendOverrides::clipboardWatch))
        return replaced;
    static std::shared_ptr<ClipboardWatch> instance;
#ifdef TALKVANE_PLATFORM_X11
    if (!instance && x11Session())
        instance = x11::X11ClipboardWatch::create();
#endif
    return instance;
}

std::shared_ptr<Autostart> autostart()
{
    static std::shared_ptr<Autostart> instance;
#ifdef TALKVANE_PLATFORM_XDG
    if (!instance)
        instance = std::make_shared<xdg::XdgAutostart>();
#endif
#ifdef TALKVANE_PLATFORM_WIN32
    if (!instance)
        instance = std::make_shared<win32::Win32Autostart>();
#endif
    return instance;
}

}  // namespace platform
