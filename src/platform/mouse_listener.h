#pragma once

#include <functional>
#include <memory>

namespace platform {

// Sees the left button and the pointer's movement across the whole session
// without taking them from the window under the pointer. Events are reported
// on the GUI thread with the pointer's position in screen pixels.
class MouseListener
{
public:
    enum class Event { LeftDown, LeftUp, Move };
    using Listener = std::function<void(Event event, int x, int y)>;

    virtual ~MouseListener() = default;

    virtual bool start() = 0;  // idempotent; false when the session cannot be listened to
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;

    void setListener(Listener listener) { m_listener = std::move(listener); }

protected:
    void report(Event event, int x, int y)
    {
        if (m_listener)
            m_listener(event, x, y);
    }

private:
    Listener m_listener;
};

// The listener of this session; null when there is none.
std::shared_ptr<MouseListener> mouseListener();

}  // namespace platform
