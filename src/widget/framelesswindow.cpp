#include "framelesswindow.h"

#include "utils/screen_utils.h"

#include <QMouseEvent>
#include <QWindow>

FramelessWindow::FramelessWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    m_borderWidth = qRound(4 * ScreenUtils::GetScreenFactor());
    setMouseTracking(true);
    installEventFilter(this);
}

void FramelessWindow::addDragArea(QWidget *widget)
{
    m_dragAreas.append(widget);
    widget->installEventFilter(this);
}

Qt::Edges FramelessWindow::edgesAt(const QPoint &pos) const
{
    Qt::Edges edges;
    if (isMaximized())
        return edges;
    if (pos.x() < m_borderWidth)
        edges |= Qt::LeftEdge;
    if (pos.x() >= width() - m_borderWidth)
        edges |= Qt::RightEdge;
    if (pos.y() < m_borderWidth)
        edges |= Qt::TopEdge;
    if (pos.y() >= height() - m_borderWidth)
        edges |= Qt::BottomEdge;
    return edges;
}

bool FramelessWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::MouseButtonPress) {
        auto *me = static_cast<QMouseEvent *>(event);
        const Qt::Edges edges = edgesAt(me->pos());
        // The window manager resizes for us, which also works on X11.
        if (me->button() == Qt::LeftButton && edges && windowHandle()
            && windowHandle()->startSystemResize(edges))
            return true;
    }
    if (m_dragAreas.contains(qobject_cast<QWidget *>(watched))) {
        auto *me = static_cast<QMouseEvent *>(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (me->button() == Qt::LeftButton) {
                if (windowHandle() && windowHandle()->startSystemMove())
                    return true;
                m_dragging = true;
                m_dragOffset = me->globalPos() - frameGeometry().topLeft();
            }
            break;
        case QEvent::MouseMove:
            if (m_dragging && !isMaximized())
                move(me->globalPos() - m_dragOffset);
            break;
        case QEvent::MouseButtonRelease:
            m_dragging = false;
            break;
        case QEvent::MouseButtonDblClick:
            isMaximized() ? showNormal() : showMaximized();
            return true;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
