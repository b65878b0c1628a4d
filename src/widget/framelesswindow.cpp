#include "framelesswindow.h"

#include "utils/screen_utils.h"
#include "widget/window_dragger.h"

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
    new WindowDragger(widget, true);
    widget->installEventFilter(this);  // double-click toggles maximised
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
    if (event->type() == QEvent::MouseButtonDblClick
        && m_dragAreas.contains(qobject_cast<QWidget *>(watched))) {
        isMaximized() ? showNormal() : showMaximized();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
