#include "coloritem.h"

#include <QMouseEvent>
#include <QPainter>

ColorItem::ColorItem(const QColor &color, QWidget *parent) : QLabel(parent), m_color(color)
{
    setFixedSize(kSize, kSize);
    setCursor(Qt::PointingHandCursor);
}

void ColorItem::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void ColorItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    // The frame keeps white and light swatches apart from the panel.
    const qreal width = m_hovered ? 2.5 : 2.0;
    painter.setPen(QPen(m_hovered ? QColor(Qt::gray) : QColor(Qt::white), width, Qt::SolidLine,
                        Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

void ColorItem::enterEvent(QEvent *)
{
    m_hovered = true;
    update();
}

void ColorItem::leaveEvent(QEvent *)
{
    m_hovered = false;
    update();
}

void ColorItem::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->pos()))
        return;
    emit itemClicked(m_color);
    emit clicked();
}
