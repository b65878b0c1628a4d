#pragma once

#include "core/device/mousedevice.h"
#include "sim/hidsim.h"

#include <QtTest>

// Connects the mouse through a freshly reset simulated receiver, as the main
// window does at start-up; true once the receiver has reported its model.
inline bool connectSimulatedMouse()
{
    hidsim_reset();
    MouseDevice *mouse = MouseDevice::instance().get();
    mouse->connect();
    return QTest::qWaitFor(
        [mouse] { return mouse->linkModel == 4 && mouse->model == QLatin1String("PX08"); }, 5000);
}
