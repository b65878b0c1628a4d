#pragma once

#include "platform/hotkey_service.h"

#include <memory>

namespace platform::x11 {

// Hot keys as passive key grabs on the root window, on a connection of our
// own so that any Qt platform plugin will do.
class X11HotKeyService final : public HotKeyService
{
public:
    // Null without an X display or without a Qt event loop on this thread.
    // Create it on the GUI thread: activations are read there.
    static std::unique_ptr<X11HotKeyService> create();
    ~X11HotKeyService() override;

    // Registering a registered key again is a no-op.
    Result registerHotKey(unsigned virtualKey, unsigned modifiers) override;
    bool unregisterHotKey(unsigned virtualKey, unsigned modifiers) override;

private:
    struct Private;
    explicit X11HotKeyService(std::unique_ptr<Private> d);
    void readEvents();
    void readQueuedEventsLater();
    void remapGrabs();

    std::unique_ptr<Private> d;
};

}  // namespace platform::x11
