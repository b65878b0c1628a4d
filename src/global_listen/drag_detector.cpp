#include "drag_detector.h"

void DragDetector::press(QPoint at)
{
    m_down = true;
    m_moved = false;
    m_pressedAt = at;
}

void DragDetector::move(QPoint at)
{
    if (m_down && (at - m_pressedAt).manhattanLength() > kThreshold)
        m_moved = true;
}

bool DragDetector::release(QPoint at)
{
    move(at);
    const bool drag = m_down && m_moved;
    reset();
    return drag;
}

void DragDetector::reset()
{
    m_down = false;
    m_moved = false;
}
