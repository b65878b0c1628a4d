#pragma once

#include "platform/keyboard_listener.h"
#include "platform/mouse_listener.h"

#include <memory>

namespace platform::win32 {

// Global listening through low-level hooks (WH_KEYBOARD_LL, WH_MOUSE_LL).
// Windows calls such a hook on the thread that installed it, from that
// thread's message loop, and gives up on it after a short time-out; so each
// listener installs its hook on a thread of its own, which only passes the
// event on to the thread that called start() (the GUI thread, whose message
// loop calls the listener) and always lets the event through (CallNextHookEx).
//
// Windows repeats a held key's down event to low-level hooks at the
// keyboard's repeat rate, so held keys are reported again as the interface
// asks without a repeater of our own. Keys are reported as the hook sees
// them: left and right Shift, Ctrl and Alt apart (0xA0 to 0xA5), as on X11.
class Win32KeyboardListener final : public KeyboardListener
{
public:
    Win32KeyboardListener();
    ~Win32KeyboardListener() override;

    bool start() override;
    // Events not yet reported are dropped.
    void stop() override;
    bool isRunning() const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// The left button, and the pointer's moves while it is held, in screen pixels.
class Win32MouseListener final : public MouseListener
{
public:
    Win32MouseListener();
    ~Win32MouseListener() override;

    bool start() override;
    void stop() override;
    bool isRunning() const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace platform::win32
