#pragma once

#include <functional>
#include <memory>

namespace platform {

// Sees every key press and release of the session without taking it from
// the application that has the focus. Events are reported on the GUI thread.
// A held key is reported down again at the keyboard's repeat rate until it
// is released, as a hot key would be, so callers that time held keys by
// their repeats work the same on both paths.
class KeyboardListener
{
public:
    using Listener = std::function<void(unsigned virtualKey, bool down)>;

    virtual ~KeyboardListener() = default;

    virtual bool start() = 0;  // idempotent; false when the session cannot be listened to
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;

    void setListener(Listener listener) { m_listener = std::move(listener); }

protected:
    void report(unsigned virtualKey, bool down)
    {
        if (m_listener)
            m_listener(virtualKey, down);
    }

private:
    Listener m_listener;
};

// The listener of this session; null when there is none.
std::shared_ptr<KeyboardListener> keyboardListener();

}  // namespace platform
