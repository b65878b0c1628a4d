#include "window_dragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDragger::WindowDragger(QWidget *area, bool useSystemMove)
    : QObject(area), m_area(area), m_useSystemMove(useSystemMove)
{
    area->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_area)
        return false;
    QWidget *window = m_area->window();
    auto *me = static_cast<QMouseEvent *>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (me->button() != Qt::LeftButton)
            break;
        if (m_useSystemMove && window->windowHandle() && window->windowHandle()->startSystemMove())
            return true;
        m_dragging = true;
        m_offset = me->globalPos() - window->frameGeometry().topLeft();
        break;
    case QEvent::MouseMove:
        if (m_dragging && !window->isMaximized())
            window->move(me->globalPos() - m_offset);
        break;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    default:
        break;
    }
    return false;
}
