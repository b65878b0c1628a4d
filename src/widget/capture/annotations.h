#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

// The drawing tools of the capture overlay, with their fixed values.
enum class CaptureTool { Line = 0, Rect = 1, Ellipse = 2, Text = 3, None = 4 };

// What the user drew on a selection, and the rules of the drawing tools:
// the current pen and fill, segments, rectangles, ellipses and text notes,
// in the overlay's logical coordinates. Plain data, painted on request.
class Annotations
{
public:
    struct Segment {
        QPointF from;
        QPointF to;
        QPen pen;
    };
    struct Shape {
        QRectF rect;  // from the press point to the drag point; may be inverted
        QPen pen;
        QBrush brush;
    };
    struct TextNote {
        QRectF box;
        QString text;
        QColor color;
        QFont font;
    };

    static constexpr int kMinWidth = 2;
    static constexpr int kMaxWidth = 16;

    Annotations();

    CaptureTool tool() const { return m_tool; }
    // Picking the active tool again puts the tools away.
    CaptureTool toggleTool(CaptureTool tool);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    int width() const { return m_width; }
    void setWidth(int width);  // kept within kMinWidth..kMaxWidth
    bool fill() const { return m_fill; }
    void setFill(bool on);
    QPen pen() const;
    QBrush fillBrush() const;  // no brush unless fill is on

    // A left press, drag and release with the line, rectangle or ellipse tool.
    void press(const QPointF &point);
    void dragTo(const QPointF &point);
    void release(const QPointF &point);
    // Right click with the line tool: takes back the newest segment, once.
    bool removeLastSegment();
    QPointF lastPress() const { return m_lastPress; }

    int addText(const QRectF &box, const QFont &font);
    void setText(int index, const QRectF &box, const QString &text);

    const QVector<Segment> &segments() const { return m_segments; }
    const QVector<Shape> &rects() const { return m_rects; }
    const QVector<Shape> &ellipses() const { return m_ellipses; }
    const QVector<TextNote> &texts() const { return m_texts; }

    void paintShapes(QPainter &painter) const;
    void paintTexts(QPainter &painter) const;

    // The left margin a line edit keeps before its text.
    static constexpr int kTextMargin = 2;

private:
    QVector<Shape> *shapesOfTool();

    CaptureTool m_tool = CaptureTool::None;
    QColor m_color = Qt::black;
    int m_width = kMinWidth;
    bool m_fill = false;
    QVector<Segment> m_segments;
    QVector<Shape> m_rects;
    QVector<Shape> m_ellipses;
    QVector<TextNote> m_texts;
    QPointF m_lastPress;
    bool m_drawing = false;
    bool m_removed = false;
};
