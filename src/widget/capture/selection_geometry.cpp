#include "selection_geometry.h"

#include <QtMath>

#include <algorithm>

SelectionGeometry::SelectionGeometry(const QRectF &bounds) : m_bounds(bounds) {}

QPointF SelectionGeometry::clamped(const QPointF &p) const
{
    if (m_bounds.isEmpty())
        return p;
    return {std::clamp(p.x(), m_bounds.left(), m_bounds.right()),
            std::clamp(p.y(), m_bounds.top(), m_bounds.bottom())};
}

void SelectionGeometry::start(const QPointF &anchor)
{
    m_anchor = clamped(anchor);
    m_rect = QRectF(m_anchor, m_anchor);
    m_handle = None;
}

void SelectionGeometry::extendTo(const QPointF &pointer)
{
    m_rect = QRectF(m_anchor, clamped(pointer)).normalized();
}

SelectionGeometry::Handle SelectionGeometry::handleAt(const QPointF &p) const
{
    const qreal dl = qAbs(p.x() - m_rect.left());
    const qreal dr = qAbs(p.x() - m_rect.right());
    const qreal dt = qAbs(p.y() - m_rect.top());
    const qreal db = qAbs(p.y() - m_rect.bottom());
    const bool withinX = p.x() >= m_rect.left() - kHandleReach && p.x() <= m_rect.right() + kHandleReach;
    const bool withinY = p.y() >= m_rect.top() - kHandleReach && p.y() <= m_rect.bottom() + kHandleReach;
    if (!withinX || !withinY)
        return None;
    // On a narrow selection both edges are in reach: the nearer one wins.
    const bool left = dl <= kHandleReach && dl <= dr;
    const bool right = dr <= kHandleReach && dr < dl;
    const bool top = dt <= kHandleReach && dt <= db;
    const bool bottom = db <= kHandleReach && db < dt;
    const int column = left ? 0 : right ? 2 : 1;
    const int row = top ? 0 : bottom ? 2 : 1;
    return Handle(row * 3 + column);
}

void SelectionGeometry::beginAdjust(Handle handle, const QPointF &pointer)
{
    m_handle = handle;
    m_last = clamped(pointer);
}

SelectionGeometry::Handle SelectionGeometry::flippedHorizontally(Handle handle)
{
    if (handle == None)
        return None;
    return Handle(handle / 3 * 3 + (2 - handle % 3));
}

SelectionGeometry::Handle SelectionGeometry::flippedVertically(Handle handle)
{
    if (handle == None)
        return None;
    return Handle((2 - handle / 3) * 3 + handle % 3);
}

void SelectionGeometry::adjustTo(const QPointF &pointer)
{
    if (m_handle == None)
        return;
    const QPointF p = clamped(pointer);
    const qreal dx = p.x() - m_last.x();
    const qreal dy = p.y() - m_last.y();
    m_last = p;

    if (m_handle == Inside) {
        // Each direction moves only while the whole selection stays on screen.
        QRectF moved = m_rect.translated(dx, 0);
        if (m_bounds.isEmpty() || (moved.left() >= m_bounds.left() && moved.right() <= m_bounds.right()))
            m_rect = moved;
        moved = m_rect.translated(0, dy);
        if (m_bounds.isEmpty() || (moved.top() >= m_bounds.top() && moved.bottom() <= m_bounds.bottom()))
            m_rect = moved;
        return;
    }

    const int column = m_handle % 3;
    const int row = m_handle / 3;
    qreal left = m_rect.left(), right = m_rect.right();
    qreal top = m_rect.top(), bottom = m_rect.bottom();
    if (column == 0)
        left += dx;
    else if (column == 2)
        right += dx;
    if (row == 0)
        top += dy;
    else if (row == 2)
        bottom += dy;
    // Dragged past the opposite side: that side's handle carries on.
    if (left > right) {
        std::swap(left, right);
        m_handle = flippedHorizontally(m_handle);
    }
    if (top > bottom) {
        std::swap(top, bottom);
        m_handle = flippedVertically(m_handle);
    }
    m_rect = QRectF(QPointF(left, top), QPointF(right, bottom));
}

QRect SelectionGeometry::toDevice(const QRectF &logical, qreal ratio, const QSize &deviceSize)
{
    // Products like 50.5 * 2 must not become 101.00000001 and grow a pixel.
    constexpr qreal slack = 1e-6;
    const int left = qFloor(logical.left() * ratio + slack);
    const int top = qFloor(logical.top() * ratio + slack);
    const int right = qCeil(logical.right() * ratio - slack);
    const int bottom = qCeil(logical.bottom() * ratio - slack);
    const QRect device(QPoint(left, top), QSize(std::max(0, right - left), std::max(0, bottom - top)));
    return device.intersected(QRect(QPoint(0, 0), deviceSize));
}
