#pragma once

#include <QtGlobal>

// Every interval the mouse's link and key timing run on. The defaults are
// the product's; tests install shorter ones so that waiting for a time-out
// takes milliseconds, and keep one check at the real durations.
struct DeviceTiming
{
    int keyReleaseMs = 1000;              // no activation for this long ends a burst
    int replyTimeoutMs = 5000;            // info request, and a silent retry's period
    int bluetoothReplyTimeoutMs = 3000;   // first answer after a Bluetooth attach
    int afterAudioReplyTimeoutMs = 2000;  // first poll once the user stops talking
    int audioIdleMs = 1000;               // no audio for this long: polling resumes
    int retryDelayMs = 200;               // probe to open, and between open attempts
    int arrivalDelayMs = 500;             // receiver arrived: let all its interfaces come
    int batteryReplyTimeoutMs = 5000;     // reply time-out of battery polling
    int voltagePollMs = 3000;             // next battery poll after a voltage reading
    int levelPollMs = 5000;               // next battery poll after a level reading
    int slowLevelPollMs = 190000;         // the same for a mouse that reports rarely

    // Every interval divided by n, none below 1 ms.
    DeviceTiming dividedBy(int n) const
    {
        DeviceTiming t = *this;
        for (int *ms : {&t.keyReleaseMs, &t.replyTimeoutMs, &t.bluetoothReplyTimeoutMs,
                        &t.afterAudioReplyTimeoutMs, &t.audioIdleMs, &t.retryDelayMs,
                        &t.arrivalDelayMs, &t.batteryReplyTimeoutMs, &t.voltagePollMs,
                        &t.levelPollMs, &t.slowLevelPollMs})
            *ms = qMax(1, *ms / n);
        return t;
    }
};
