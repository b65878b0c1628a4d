#pragma once

#include <functional>
#include <memory>

namespace platform {

// System-wide hot keys: a key with modifiers that reaches Talkvane whatever
// window has the focus. The key is taken from other applications while
// registered. Activations are reported on the GUI thread, one per key press,
// auto-repeats included.
class HotKeyService
{
public:
    enum class Result {
        Ok,
        AlreadyHeld,  // another client holds the key (Windows error 1409, X11 BadAccess)
        NoKey,        // the key does not exist in the current keyboard layout
        Failed,
    };

    using Listener = std::function<void(unsigned virtualKey, unsigned modifiers)>;

    virtual ~HotKeyService() = default;

    virtual Result registerHotKey(unsigned virtualKey, unsigned modifiers) = 0;
    virtual bool unregisterHotKey(unsigned virtualKey, unsigned modifiers) = 0;

    void setListener(Listener listener) { m_listener = std::move(listener); }

protected:
    void activate(unsigned virtualKey, unsigned modifiers)
    {
        if (m_listener)
            m_listener(virtualKey, modifiers);
    }

private:
    Listener m_listener;
};

// The service of this session; null when the session offers none (then
// callers fall back to global keyboard listening).
std::shared_ptr<HotKeyService> hotKeyService();

}  // namespace platform
