#pragma once

#include "core/device/mousedevice.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QVector>

// Records every key signal of the mouse as "130(0)", "130Over(3)",
// "129ShortOver(1)" ..., in the order they were emitted, and when (ms since
// the recorder was made, the same clock as now()).
class KeyRecorder : public QObject
{
public:
    explicit KeyRecorder(MouseDevice *mouse)
    {
        m_clock.start();
        watch(mouse, &MouseDevice::signalsKeyOne129, "129");
        watch(mouse, &MouseDevice::signalsKeyOne129Over, "129Over");
        watch(mouse, &MouseDevice::signalsKeyOne129ShortOver, "129ShortOver");
        watch(mouse, &MouseDevice::signalsKeyOne130, "130");
        watch(mouse, &MouseDevice::signalsKeyOne130Over, "130Over");
        watch(mouse, &MouseDevice::signalsKeyOne130ShortOver, "130ShortOver");
        watch(mouse, &MouseDevice::signalsKeyOne131, "131");
        watch(mouse, &MouseDevice::signalsKeyOne131Over, "131Over");
        watch(mouse, &MouseDevice::signalsKeyOne131ShortOver, "131ShortOver");
        watch(mouse, &MouseDevice::signalsKeyOne132, "132");
        watch(mouse, &MouseDevice::signalsKeyOne132Over, "132Over");
    }

    qint64 now() const { return m_clock.elapsed(); }

    QStringList events;
    QVector<qint64> times;

private:
    QElapsedTimer m_clock;

    void watch(MouseDevice *mouse, void (MouseDevice::*signal)(int), const char *name)
    {
        connect(mouse, signal, this, [this, name](int time) {
            events << QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(time);
            times << m_clock.elapsed();
        });
    }
};
