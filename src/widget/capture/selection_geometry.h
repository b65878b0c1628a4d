#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

// The capture overlay's selection in the overlay's logical coordinates:
// dragging it out, finding the part under the pointer, resizing it by a
// handle and moving it inside the screen. Plain geometry, no widgets.
class SelectionGeometry
{
public:
    enum Handle {
        None = -1,
        TopLeft = 0,
        Top = 1,
        TopRight = 2,
        Left = 3,
        Inside = 4,
        Right = 5,
        BottomLeft = 6,
        Bottom = 7,
        BottomRight = 8,
    };
    // How far from an edge or corner the pointer still picks it.
    static constexpr qreal kHandleReach = 10;

    // bounds: the screen, in the same coordinates; the selection stays inside.
    explicit SelectionGeometry(const QRectF &bounds = QRectF());

    const QRectF &rect() const { return m_rect; }
    const QRectF &bounds() const { return m_bounds; }

    // A new selection from anchor to the pointer, normalised.
    void start(const QPointF &anchor);
    void extendTo(const QPointF &pointer);

    Handle handleAt(const QPointF &pointer) const;

    // Resizing (or moving, with Inside) from where the handle was pressed.
    void beginAdjust(Handle handle, const QPointF &pointer);
    void adjustTo(const QPointF &pointer);
    Handle activeHandle() const { return m_handle; }

    // The opposite handle across a vertical or horizontal flip.
    static Handle flippedHorizontally(Handle handle);
    static Handle flippedVertically(Handle handle);

    // The device pixels under a logical rectangle at the given pixel ratio,
    // rounded outward so nothing on screen inside it is cut off, and kept
    // within a picture of deviceSize.
    static QRect toDevice(const QRectF &logical, qreal ratio, const QSize &deviceSize);

private:
    QPointF clamped(const QPointF &p) const;

    QRectF m_bounds;
    QRectF m_rect;
    QPointF m_anchor;
    QPointF m_last;
    Handle m_handle = None;
};
