#pragma once

#include "platform/keyboard_listener.h"

#include <memory>

namespace platform::x11 {

// Raw XInput 2 key events of the master keyboards on a connection of our
// own. Raw events are copies: the focused window still gets every key.
// They carry no auto-repeat, so held keys are repeated here with the
// server's XKB repeat delay, interval and per-key repeat settings.
class X11KeyboardListener final : public KeyboardListener
{
public:
    X11KeyboardListener();
    ~X11KeyboardListener() override;

    // False without an X display, XInput 2 or a Qt event loop on this thread.
    bool start() override;
    void stop() override;
    bool isRunning() const override;

    // Whether the display offers what start() needs, without starting.
    static bool available();

private:
    void readEvents();

    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace platform::x11
