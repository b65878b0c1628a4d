#include "widget/main/low_battery_warning.h"

const QList<int> &LowBatteryWarning::lowBatteryThresholds()
{
    static const QList<int> thresholds = {25, 20, 15, 10, 5};
    return thresholds;
}

int LowBatteryWarning::check(int level)
{
    if (level > 30) {
        m_lastWarned = 100;
        return 0;
    }
    if (level >= 30 || level >= m_lastWarned || m_open)
        return 0;
    for (int t : lowBatteryThresholds()) {
        if (t >= level && t < m_lastWarned) {
            m_open = true;
            m_lastWarned = level;
            return t;
        }
    }
    return 0;
}
