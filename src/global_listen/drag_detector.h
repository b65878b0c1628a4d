#pragma once

#include <QPoint>

// Tells a drag of the left button (press, move beyond a few pixels,
// release) from a plain click, which may jitter by a pixel or two.
class DragDetector
{
public:
    static constexpr int kThreshold = 4;  // pixels, as a drag starts in most toolkits

    void press(QPoint at);
    void move(QPoint at);
    // True when the press that this release ends was a drag. Always ends it.
    bool release(QPoint at);
    void reset();

private:
    bool m_down = false;
    bool m_moved = false;
    QPoint m_pressedAt;
};
