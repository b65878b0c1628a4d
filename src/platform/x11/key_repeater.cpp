#include "platform/x11/key_repeater.h"

#include <QTimer>

#include <algorithm>
#include <vector>

namespace platform::x11 {

using std::chrono::milliseconds;

KeyRepeater::KeyRepeater(Repeat repeat, Clock clock)
    : m_repeat(std::move(repeat)), m_clock(std::move(clock)), m_timer(std::make_unique<QTimer>())
{
    if (!m_clock) {
        m_clock = [] {
            return std::chrono::duration_cast<milliseconds>(
                std::chrono::steady_clock::now().time_since_epoch());
        };
    }
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);  // 40 ms apart, not 5% either way
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] { repeatDue(); });
}

KeyRepeater::~KeyRepeater() = default;

void KeyRepeater::setRate(Rate rate)
{
    // A zero interval would spin; the server refuses one too.
    rate.interval = std::max(rate.interval, milliseconds(1));
    rate.delay = std::max(rate.delay, milliseconds(0));
    m_rate = rate;
}

void KeyRepeater::press(unsigned keycode)
{
    m_due[keycode] = m_clock() + m_rate.delay;
    schedule();
}

void KeyRepeater::release(unsigned keycode)
{
    if (m_due.erase(keycode))
        schedule();
}

void KeyRepeater::releaseAll()
{
    m_due.clear();
    m_timer->stop();
}

void KeyRepeater::repeatDue()
{
    const milliseconds now = m_clock();
    std::vector<unsigned> due;
    for (auto &[keycode, at] : m_due) {
        if (at > now)
            continue;
        due.push_back(keycode);
        at += m_rate.interval;
        // A late timer (busy GUI thread) does not make up for lost repeats.
        if (at <= now)
            at = now + m_rate.interval;
    }
    // Reschedule first: the callback may release keys or stop everything.
    schedule();
    for (unsigned keycode : due) {
        if (isHeld(keycode) && m_repeat)
            m_repeat(keycode);
    }
}

void KeyRepeater::schedule()
{
    if (m_due.empty()) {
        m_timer->stop();
        return;
    }
    milliseconds next = m_due.begin()->second;
    for (const auto &entry : m_due)
        next = std::min(next, entry.second);
    m_timer->start(int(std::max(next - m_clock(), milliseconds(0)).count()));
}

}  // namespace platform::x11
