#pragma once

#include <QList>

// When a falling battery level deserves a warning: once per threshold
// (25, 20, 15, 10, 5 %) on the way down, never while a warning is open, and
// again from the top once the level has climbed above 30 % (charged).
class LowBatteryWarning
{
public:
    // The threshold a warning is due for at this level, or 0 for none. A due
    // warning is counted as shown: call closed() when its box goes away.
    int check(int level);
    void closed() { m_open = false; }
    bool isOpen() const { return m_open; }
    int lastWarnedLevel() const { return m_lastWarned; }

    static const QList<int> &lowBatteryThresholds();

private:
    int m_lastWarned = 100;
    bool m_open = false;
};
