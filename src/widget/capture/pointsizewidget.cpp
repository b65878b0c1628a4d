#include "pointsizewidget.h"

#include "annotations.h"

#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

PointSizeWidget::PointSizeWidget(int width, QWidget *parent) : QLabel(parent), m_width(width)
{
    setFixedSize(kSize, kSize);
    setStyleSheet(QStringLiteral("background-color:rgb(0, 122, 204);"));
    setToolTip(QString::number(m_width));
}

void PointSizeWidget::setValue(int width)
{
    m_width = std::clamp(width, Annotations::kMinWidth, Annotations::kMaxWidth);
    setToolTip(QString::number(m_width));
    update();
}

void PointSizeWidget::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const qreal radius = std::max(2.0, m_width * 0.7);
    painter.drawEllipse(QRectF(rect()).center(), radius, radius);
}

void PointSizeWidget::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0)
        return;
    const int before = m_width;
    setValue(m_width + notches);
    if (m_width != before)
        emit wheelscrolled(m_width);
    event->accept();
}
