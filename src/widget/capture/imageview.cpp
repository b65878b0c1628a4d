#include "imageview.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

ImageView::ImageView(const QImage &picture, QWidget *parent)
    : QWidget(parent), m_picture(picture)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
}

void ImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect inner = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    painter.drawImage(inner, m_picture);
    // The glow: rings fading outward, one pixel apart.
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < kMargin; ++ring) {
        painter.setPen(QColor(30, 144, 255, 50 - ring * 10));
        painter.drawRect(inner.adjusted(-ring - 1, -ring - 1, ring, ring));
    }
}

void ImageView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
}

void ImageView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPos() - m_dragOffset);
}

void ImageView::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    const int step = qMax(1, m_step + notches);
    if (step == m_step)
        return;
    const qreal factor = qreal(step) / m_step;
    m_step = step;
    resize(qRound(width() * factor), qRound(height() * factor));
    event->accept();
}

void ImageView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(tr("关闭"), this, &QWidget::close);
    menu.exec(event->globalPos());
}
