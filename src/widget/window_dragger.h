#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Moves a frameless window when the user drags one of its child widgets
// (a header, a card's body). Asks the window manager to move it where it
// can, so snapping and screen edges behave as for any window.
class WindowDragger : public QObject
{
public:
    // Watches area; moves area->window(). useSystemMove is false for windows
    // the window manager does not manage (tool tips).
    WindowDragger(QWidget *area, bool useSystemMove);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_area;
    bool m_useSystemMove;
    bool m_dragging = false;
    QPoint m_offset;
};
