#include "annotations.h"

#include <QPainter>

#include <algorithm>

namespace {

// After a right-click removal nothing is being drawn from anywhere.
const QPointF kNoPress(-10, -10);

}  // namespace

Annotations::Annotations() : m_lastPress(kNoPress) {}

CaptureTool Annotations::toggleTool(CaptureTool tool)
{
    m_tool = (m_tool == tool) ? CaptureTool::None : tool;
    return m_tool;
}

void Annotations::setColor(const QColor &color)
{
    m_color = color;
}

void Annotations::setWidth(int width)
{
    m_width = std::clamp(width, kMinWidth, kMaxWidth);
}

void Annotations::setFill(bool on)
{
    m_fill = on;
}

QPen Annotations::pen() const
{
    return QPen(m_color, m_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush Annotations::fillBrush() const
{
    return m_fill ? QBrush(m_color) : QBrush();
}

QVector<Annotations::Shape> *Annotations::shapesOfTool()
{
    switch (m_tool) {
    case CaptureTool::Rect:
        return &m_rects;
    case CaptureTool::Ellipse:
        return &m_ellipses;
    default:
        return nullptr;
    }
}

void Annotations::press(const QPointF &point)
{
    m_lastPress = point;
    if (m_tool == CaptureTool::Line) {
        m_segments.append({point, point, pen()});
        m_removed = false;
        m_drawing = true;
    } else if (QVector<Shape> *shapes = shapesOfTool()) {
        shapes->append({QRectF(point, point), pen(), fillBrush()});
        m_drawing = true;
    }
}

void Annotations::dragTo(const QPointF &point)
{
    if (!m_drawing)
        return;
    if (m_tool == CaptureTool::Line && !m_segments.isEmpty())
        m_segments.last().to = point;
    else if (QVector<Shape> *shapes = shapesOfTool(); shapes && !shapes->isEmpty())
        shapes->last().rect.setBottomRight(point);
}

void Annotations::release(const QPointF &point)
{
    if (!m_drawing)
        return;
    dragTo(point);
    m_drawing = false;
    // A click without a drag leaves no invisible shape behind.
    QVector<Shape> *shapes = shapesOfTool();
    if (shapes && !shapes->isEmpty()) {
        const QPointF d = point - m_lastPress;
        if (qAbs(d.x()) < 0.001 && qAbs(d.y()) < 0.001)
            shapes->removeLast();
    }
}

bool Annotations::removeLastSegment()
{
    if (m_removed || m_segments.isEmpty())
        return false;
    m_segments.removeLast();
    m_removed = true;
    m_drawing = false;
    m_lastPress = kNoPress;
    return true;
}

int Annotations::addText(const QRectF &box, const QFont &font)
{
    m_texts.append({box, QString(), m_color, font});
    return m_texts.size() - 1;
}

void Annotations::setText(int index, const QRectF &box, const QString &text)
{
    if (index < 0 || index >= m_texts.size())
        return;
    m_texts[index].box = box;
    m_texts[index].text = text;
}

void Annotations::paintShapes(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Segment &s : m_segments) {
        painter.setPen(s.pen);
        painter.drawLine(s.from, s.to);
    }
    for (const Shape &s : m_rects) {
        painter.setPen(s.pen);
        painter.setBrush(s.brush);
        painter.drawRect(s.rect.normalized());
    }
    for (const Shape &s : m_ellipses) {
        painter.setPen(s.pen);
        painter.setBrush(s.brush);
        painter.drawEllipse(s.rect.normalized());
    }
    painter.restore();
}

void Annotations::paintTexts(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const TextNote &t : m_texts) {
        if (t.text.isEmpty())
            continue;
        painter.setFont(t.font);
        painter.setPen(t.color);
        painter.drawText(t.box.adjusted(kTextMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, t.text);
    }
    painter.restore();
}
