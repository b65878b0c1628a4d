#pragma once

#include "platform/hotkey_service.h"

#include <memory>

namespace platform::win32 {

// Hot keys with RegisterHotKey on a message-only window of a thread of our
// own: RegisterHotKey binds a key to the calling thread's window, so every
// registration is carried out there. WM_HOTKEY arrives on that thread and is
// handed to the thread that created the service (the GUI thread), whose
// message loop calls the listener. Windows repeats WM_HOTKEY while the key
// is held (no MOD_NOREPEAT), so auto-repeats are reported as on X11.
class Win32HotKeyService final : public HotKeyService
{
public:
    // Create it on the GUI thread. Null when the hot-key thread cannot start.
    static std::unique_ptr<Win32HotKeyService> create();
    ~Win32HotKeyService() override;

    // Registering a registered key again is a no-op. GUI thread.
    Result registerHotKey(unsigned virtualKey, unsigned modifiers) override;
    bool unregisterHotKey(unsigned virtualKey, unsigned modifiers) override;

private:
    struct Private;
    explicit Win32HotKeyService(std::unique_ptr<Private> d);
    void delivered(unsigned virtualKey, unsigned modifiers);

    std::unique_ptr<Private> d;
};

}  // namespace platform::win32
