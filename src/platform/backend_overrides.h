#pragma once

#include <memory>

namespace platform {

class ClipboardWatch;
class DeviceMonitor;
class HotKeyService;
class KeyInjector;
class KeyboardListener;
class MouseListener;
class SelectedText;

// Backends a host brings instead of the session's own, for code that runs
// without a desktop behind it. Each one set is what the factory functions
// return until it is cleared; unset ones leave the session's backend in place.
struct BackendOverrides
{
    std::shared_ptr<HotKeyService> hotKeys;
    std::shared_ptr<KeyboardListener> keyboardListener;
    std::shared_ptr<DeviceMonitor> deviceMonitor;
    std::shared_ptr<KeyInjector> keyInjector;
    std::shared_ptr<ClipboardWatch> clipboardWatch;
    std::shared_ptr<MouseListener> mouseListener;
    std::shared_ptr<SelectedText> selectedText;
};

// Replaces all overrides at once; overrideBackends({}) clears them. Safe
// while the typing worker asks for the key injector.
void overrideBackends(BackendOverrides overrides);

}  // namespace platform
