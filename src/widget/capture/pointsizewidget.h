#pragma once

#include <QLabel>

// Shows the pen width as a white dot; the mouse wheel changes it one step
// per notch within the pen's range.
class PointSizeWidget : public QLabel
{
    Q_OBJECT
public:
    static constexpr int kSize = 32;

    explicit PointSizeWidget(int width, QWidget *parent = nullptr);

    int value() const { return m_width; }
    void setValue(int width);

signals:
    void wheelscrolled(int width);

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_width;
};
