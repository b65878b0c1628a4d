#pragma once

#include "platform/mouse_listener.h"

#include <memory>

namespace platform::x11 {

// Raw XInput 2 button and motion events of the master pointers on a
// connection of our own. Raw events are copies, never a grab: the window
// under the pointer still gets every click. They carry no screen position,
// so the pointer is asked for it.
class X11MouseListener final : public MouseListener
{
public:
    X11MouseListener();
    ~X11MouseListener() override;

    // False without an X display, XInput 2 or a Qt event loop on this thread.
    bool start() override;
    void stop() override;
    bool isRunning() const override;

    static bool available();

private:
    void readEvents();

    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace platform::x11
