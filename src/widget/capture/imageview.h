#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// A captured picture pinned on top of everything: a frameless window with a
// soft glow, moved by dragging, zoomed with the wheel, closed from its menu.
class ImageView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMargin = 6;  // room for the glow on every side
    static constexpr int kStartStep = 10;

    // picture: with its pixel ratio set, so it shows at the size it was cut.
    explicit ImageView(const QImage &picture, QWidget *parent = nullptr);

    int zoomStep() const { return m_step; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QImage m_picture;
    int m_step = kStartStep;
    QPoint m_dragOffset;
};
