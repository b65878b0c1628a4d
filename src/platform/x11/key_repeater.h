#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>

class QTimer;

namespace platform::x11 {

// Raw XInput key events carry no auto-repeat: a held key is one press and
// one release. This repeats held keys the way the server repeats core key
// events (first after the repeat delay, then every interval), so that a key
// heard by listening looks like one taken as a hot key. Each held key
// repeats on its own until its own release. GUI thread only.
class KeyRepeater
{
public:
    using Clock = std::function<std::chrono::milliseconds()>;
    using Repeat = std::function<void(unsigned keycode)>;

    struct Rate
    {
        std::chrono::milliseconds delay{660};
        std::chrono::milliseconds interval{40};
    };

    // Without a clock the steady clock is used; tests pass their own and
    // call repeatDue() themselves.
    explicit KeyRepeater(Repeat repeat, Clock clock = {});
    ~KeyRepeater();

    KeyRepeater(const KeyRepeater &) = delete;
    KeyRepeater &operator=(const KeyRepeater &) = delete;

    // Applies from each key's next repeat on.
    void setRate(Rate rate);

    void press(unsigned keycode);  // (re)starts the delay
    void release(unsigned keycode);
    void releaseAll();
    bool isHeld(unsigned keycode) const { return m_due.count(keycode) != 0; }

    // Repeats every key whose time has come, once each, in keycode order.
    void repeatDue();

private:
    void schedule();

    Repeat m_repeat;
    Clock m_clock;
    Rate m_rate;
    std::map<unsigned, std::chrono::milliseconds> m_due;  // keycode -> next repeat
    std::unique_ptr<QTimer> m_timer;
};

}  // namespace platform::x11
